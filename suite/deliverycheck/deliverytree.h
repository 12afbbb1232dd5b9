#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The files and folders of a delivery as the disc holds them, listed once
// at the start of a check. Names and paths are looked up as Windows looks
// them up, without regard to case; each entry remembers whether the
// delivery's XML named it, so that what nothing names can be reported.
namespace deliverycheck {

class DeliveryTree final
{
public:
    struct Entry
    {
        QString name; // as listed
        bool directory = false;
        bool named = false;
    };

    struct Folder
    {
        QString relative; // Windows form as listed ("PHOTO\PIC"); "" for the root
        QString hostPath;
        QList<Entry> entries;
        QHash<QString, qsizetype> byUpperName;

        // Nothing when the folder holds no entry of that name.
        Entry *find(const QString &name);
    };

    explicit DeliveryTree(const QString &rootHostPath);

    // The folder at a relative path (either separator, any case); nothing
    // when there is no such folder.
    Folder *folder(const QString &relative);
    // The entry at a relative path; nothing when there is none.
    Entry *entry(const QString &relative);
    // Marks the entry at a relative path, if there is one, as named.
    void markNamed(const QString &relative);

    // Every folder, parents before their children.
    const QList<Folder> &folders() const { return m_folders; }

    // relative + "\" + name, "" standing for the root.
    static QString join(const QString &relative, const QString &name);

private:
    void list(qsizetype folderIndex);
    static QString upperPath(const QString &relative);

    QList<Folder> m_folders;
    QHash<QString, qsizetype> m_byUpperPath;
};

} // namespace deliverycheck
