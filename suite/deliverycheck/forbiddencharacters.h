#pragma once

#include "permittedcharacters.h"

#include <QString>

#include <bitset>
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
    static constexpr int AsciiCount = 0x80;

    bool isPermittedAscii(const QString &text) const;

    std::optional<writer::PermittedCharacters> m_list;
    // Printable ASCII units the list permits, asked once: most values are
    // numbers, codes and names in ASCII alone, which then need no search.
    std::bitset<AsciiCount> m_permittedAscii;
    QString m_listPath;
    int m_strict;
    std::vector<char16_t> m_found;
};

} // namespace deliverycheck
