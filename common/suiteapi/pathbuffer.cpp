#include "pathbuffer.h"

#include <algorithm>

namespace suiteapi {

PathBuffer toPathBuffer(const QString &text)
{
    PathBuffer buffer{};
    const qsizetype length = qMin<qsizetype>(text.size(), buffer.size() - 1);
    std::copy_n(reinterpret_cast<const char16_t *>(text.utf16()), length, buffer.begin());
    return buffer;
}

QString fromPathBuffer(const PathBuffer &buffer)
{
    const auto end = std::find(buffer.begin(), buffer.end(), u'\0');
    return QString::fromUtf16(buffer.data(), end - buffer.begin());
}

} // namespace suiteapi
