#include "permittedcharacters.h"

#include "characterlistfile.h"
#include "characterlistlayout.h"

#include "platform/pathnames.h"

namespace writer {

std::optional<PermittedCharacters> PermittedCharacters::read(const QString &folder)
{
    auto units = characterlistfile::readUnits(filePath(folder), listlayout::PermittedCount);
    if (!units)
        return std::nullopt;
    return PermittedCharacters(std::move(*units));
}

PermittedCharacters PermittedCharacters::fromBytes(const QByteArray &bytes)
{
    return PermittedCharacters(characterlistfile::unitsOf(bytes, listlayout::PermittedCount));
}

QString PermittedCharacters::filePath(const QString &folder)
{
    return win::joinPath(folder, listlayout::PermittedFileName.toString());
}

PermittedCharacters::PermittedCharacters(QList<char16_t> units)
    : m_units(std::move(units))
{
}

bool PermittedCharacters::contains(char16_t unit) const
{
    int low = 0;
    int high = listlayout::PermittedCount - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const char16_t value = m_units.at(middle);
        if (value == unit)
            return true;
        if (value < unit)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return false;
}

} // namespace writer
