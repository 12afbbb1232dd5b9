#include "suitecommonlibrary.h"

#include "platform/winpath.h"

#include <algorithm>
#include <array>

namespace {

using PathBuffer = std::array<char16_t, win::MaxPath>;

// The text in a zero-terminated buffer of MaxPath characters, cut to fit.
PathBuffer toBuffer(const QString &text)
{
    PathBuffer buffer{};
    const qsizetype length = qMin<qsizetype>(text.size(), win::MaxPath - 1);
    std::copy_n(reinterpret_cast<const char16_t *>(text.utf16()), length, buffer.begin());
    return buffer;
}

QString fromBuffer(const PathBuffer &buffer)
{
    return QString::fromUtf16(buffer.data());
}

} // namespace

bool SuiteCommonLibrary::load()
{
    if (!m_library.load(QString::fromUtf16(LibraryName)))
        return false;
    m_isWin2KorXP = m_library.function<IsWin2KorXPFunction>("IsWin2KorXP");
    m_getMyDataDir = m_library.function<GetMyDataDirFunction>("GetMyDataDir");
    m_getLongPath = m_library.function<GetLongPathFunction>("GetLongPath");
    m_catPath = m_library.function<CatPathFunction>("CatPath");
    return m_isWin2KorXP && m_getMyDataDir && m_getLongPath && m_catPath;
}

bool SuiteCommonLibrary::isWin2KorXP() const
{
    return m_isWin2KorXP() != 0;
}

QString SuiteCommonLibrary::myDataDir(const QString &programFolder) const
{
    const PathBuffer folder = toBuffer(programFolder);
    PathBuffer result{};
    if (!m_getMyDataDir(folder.data(), result.data()))
        return QString();
    return fromBuffer(result);
}

QString SuiteCommonLibrary::longPath(const QString &path) const
{
    const PathBuffer source = toBuffer(path);
    PathBuffer result{};
    m_getLongPath(source.data(), result.data());
    return fromBuffer(result);
}

QString SuiteCommonLibrary::catPath(const QString &path, const QString &name) const
{
    PathBuffer result = toBuffer(path);
    const PathBuffer tail = toBuffer(name);
    m_catPath(result.data(), tail.data());
    return fromBuffer(result);
}
