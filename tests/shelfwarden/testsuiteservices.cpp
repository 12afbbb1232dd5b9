#include "testsuiteservices.h"

#include "suite/suitecommon.h"

#include <algorithm>
#include <array>

namespace {

using Buffer = std::array<char16_t, 260>;

Buffer toBuffer(const QString &text)
{
    Buffer buffer{};
    std::copy_n(reinterpret_cast<const char16_t *>(text.utf16()),
                std::min<qsizetype>(text.size(), 259), buffer.begin());
    return buffer;
}

} // namespace

bool TestSuiteServices::isWin2KorXP() const
{
    return perUserDataFolder;
}

QString TestSuiteServices::myDataDir(const QString &programFolder) const
{
    Buffer result{};
    return GetMyDataDir(toBuffer(programFolder).data(), result.data())
        ? QString::fromUtf16(result.data())
        : QString();
}

QString TestSuiteServices::longPath(const QString &path) const
{
    Buffer result{};
    GetLongPath(toBuffer(path).data(), result.data());
    return QString::fromUtf16(result.data());
}

QString TestSuiteServices::catPath(const QString &path, const QString &name) const
{
    Buffer result = toBuffer(path);
    CatPath(result.data(), toBuffer(name).data());
    return QString::fromUtf16(result.data());
}
