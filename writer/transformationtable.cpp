#include "transformationtable.h"

#include "characterlistfile.h"
#include "characterlistlayout.h"

#include "platform/pathnames.h"

#include <algorithm>

namespace writer {

std::optional<TransformationTable> TransformationTable::read(const QString &folder)
{
    auto units = characterlistfile::readUnits(filePath(folder), listlayout::TransformationUnits);
    if (!units)
        return std::nullopt;
    return TransformationTable(std::move(*units));
}

TransformationTable TransformationTable::fromBytes(const QByteArray &bytes)
{
    return TransformationTable(characterlistfile::unitsOf(bytes, listlayout::TransformationUnits));
}

QString TransformationTable::filePath(const QString &folder)
{
    return win::joinPath(folder, listlayout::TransformationFileName.toString());
}

TransformationTable::TransformationTable(QList<char16_t> units)
    : m_units(std::move(units))
{
}

int TransformationTable::sourceIndexOf(char16_t unit) const
{
    const auto sources = m_units.cbegin();
    const auto end = sources + listlayout::SourceCount;
    const auto found = std::find(sources, end, unit);
    return found == end ? -1 : int(found - sources);
}

char16_t TransformationTable::at(int index) const
{
    return m_units.at(index);
}

} // namespace writer
