#include "forbiddencharacters.h"

#include "forbiddenchars.h"

namespace deliverycheck {

namespace {

// Units below the blank are left to the service: line ends are weighed by
// what follows them.
constexpr char16_t FirstAlone = u' ';
constexpr std::size_t UnitCount = 0x10000;

} // namespace

ForbiddenCharacters::ForbiddenCharacters(const QString &folder, bool strict)
    : m_list(writer::PermittedCharacters::read(folder))
    , m_listPath(writer::PermittedCharacters::filePath(folder))
    , m_strict(strict ? 1 : 0)
    , m_verdicts(UnitCount, Verdict::Unknown)
{
}

QString ForbiddenCharacters::in(const QString &text)
{
    if (!m_list || text.isEmpty() || isKnownPermitted(text))
        return QString();
    return collect(text);
}

bool ForbiddenCharacters::isKnownPermitted(const QString &text)
{
    bool permitted = true;
    for (const QChar unit : text) {
        const char16_t value = unit.unicode();
        if (value < FirstAlone)
            return false;
        if (m_verdicts[value] == Verdict::Unknown) {
            m_verdicts[value] =
                collect(QString(unit)).isEmpty() ? Verdict::Permitted : Verdict::Forbidden;
        }
        permitted = permitted && m_verdicts[value] == Verdict::Permitted;
    }
    return permitted;
}

QString ForbiddenCharacters::collect(const QString &text)
{
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
