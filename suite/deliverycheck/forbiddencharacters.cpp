#include "forbiddencharacters.h"

#include "forbiddenchars.h"

namespace deliverycheck {

ForbiddenCharacters::ForbiddenCharacters(const QString &folder, bool strict)
    : m_list(writer::PermittedCharacters::read(folder))
    , m_listPath(writer::PermittedCharacters::filePath(folder))
    , m_strict(strict ? 1 : 0)
{
}

QString ForbiddenCharacters::in(const QString &text)
{
    if (!m_list || text.isEmpty())
        return QString();
    // Room for every unit of the text, so that none is cut off.
    m_found.assign(size_t(text.size()) + 1, 0);
    const int outBytes = int(m_found.size() * sizeof(char16_t));
    if (writer::CollectForbiddenChars(reinterpret_cast<const char16_t *>(text.utf16()),
                                      m_found.data(), outBytes, m_strict, *m_list)
        != 1)
        return QString();
    return QString::fromUtf16(m_found.data());
}

} // namespace deliverycheck
