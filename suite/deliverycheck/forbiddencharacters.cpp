#include "forbiddencharacters.h"

#include "forbiddenchars.h"

namespace deliverycheck {

ForbiddenCharacters::ForbiddenCharacters(const QString &folder, bool strict)
    : m_list(writer::PermittedCharacters::read(folder))
    , m_listPath(writer::PermittedCharacters::filePath(folder))
    , m_strict(strict ? 1 : 0)
{
    // Line ends and other control characters are left to the service,
    // which weighs CR by what follows it.
    QString printable;
    for (char16_t unit = u' '; unit < AsciiCount - 1; ++unit)
        printable.append(QChar(unit));
    const QString forbidden = in(printable);
    for (const QChar unit : std::as_const(printable)) {
        if (!forbidden.contains(unit))
            m_permittedAscii.set(unit.unicode());
    }
}

bool ForbiddenCharacters::isPermittedAscii(const QString &text) const
{
    for (const QChar unit : text) {
        if (unit.unicode() >= AsciiCount || !m_permittedAscii.test(unit.unicode()))
            return false;
    }
    return true;
}

QString ForbiddenCharacters::in(const QString &text)
{
    if (!m_list || text.isEmpty() || isPermittedAscii(text))
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
