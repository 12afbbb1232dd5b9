#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// unicode_list.dat as read for one check: the units the delivery formats
// permit, searched by halving over the whole fixed count (a shorter file
// leaves zeros at its end, which the search then meets as they are).
namespace writer {

class PermittedCharacters final
{
public:
    // Reads the list from the folder; nothing when it cannot be opened.
    static std::optional<PermittedCharacters> read(const QString &folder);
    // The same from the file's bytes, zeros after short bytes.
    static PermittedCharacters fromBytes(const QByteArray &bytes);
    // The list's path in the folder.
    static QString filePath(const QString &folder);

    bool contains(char16_t unit) const;

private:
    explicit PermittedCharacters(QList<char16_t> units);

    QList<char16_t> m_units;
};

} // namespace writer
