#pragma once

#include "permittedcharacters.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The characters of a text that the delivery formats do not permit, as
// DeliveryWriter's CollectForbiddenChars finds them over the shipped
// unicode_list.dat. The list is read once for the whole check rather than
// at every call: a delivery holds millions of texts.
namespace deliverycheck {

class ForbiddenCharacters final
{
public:
    // folder: where unicode_list.dat is (Windows form). strict: the
    // delivery symbols count as forbidden too, as for NEXCO's 2006 edition.
    ForbiddenCharacters(const QString &folder, bool strict);

    // False when the list could not be read: nothing is then found.
    bool isAvailable() const { return m_list.has_value(); }
    QString listPath() const { return m_listPath; }

    // The distinct forbidden characters of the text, in order of first
    // appearance; empty when there are none.
    QString in(const QString &text);

private:
    enum class Verdict : std::uint8_t { Unknown, Permitted, Forbidden };

    // Whether every unit of the text is one the service permitted before.
    bool isKnownPermitted(const QString &text);
    QString collect(const QString &text);

    std::optional<writer::PermittedCharacters> m_list;
    QString m_listPath;
    int m_strict;
    // The service's verdict on each unit it has been asked about alone. A
    // unit's verdict does not depend on its neighbours (but for CR before
    // LF, which is left to the service), and a delivery's millions of
    // texts hold a few thousand distinct units, so a text made of units
    // known to be permitted needs no search.
    std::vector<Verdict> m_verdicts;
    std::vector<char16_t> m_found;
};

} // namespace deliverycheck
