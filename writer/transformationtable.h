#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// NeedTransformation.dat as read for one transformation: the source
// entries and their replacements at the slots of listlayout.
namespace writer {

class TransformationTable final
{
public:
    // Reads the table from the folder; nothing when it cannot be opened.
    static std::optional<TransformationTable> read(const QString &folder);
    // The same from the file's bytes, zeros after short bytes.
    static TransformationTable fromBytes(const QByteArray &bytes);
    // The table's path in the folder.
    static QString filePath(const QString &folder);

    // The first source entry equal to the unit, or -1.
    int sourceIndexOf(char16_t unit) const;
    // The unit at an index of the table.
    char16_t at(int index) const;

private:
    explicit TransformationTable(QList<char16_t> units);

    QList<char16_t> m_units;
};

} // namespace writer
