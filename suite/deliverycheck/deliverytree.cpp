#include "deliverytree.h"

#include "platform/ntfsnames.h"

#include <QDirIterator>

namespace deliverycheck {

DeliveryTree::Entry *DeliveryTree::Folder::find(const QString &name)
{
    const auto found = byUpperName.constFind(win::ntfsUpper(name));
    return found == byUpperName.cend() ? nullptr : &entries[*found];
}

DeliveryTree::DeliveryTree(const QString &rootHostPath)
{
    m_folders.append({QString(), rootHostPath, {}, {}});
    m_byUpperPath.insert(QString(), 0);
    // Breadth first: a folder's children are appended as it is listed.
    for (qsizetype index = 0; index < m_folders.size(); ++index)
        list(index);
}

void DeliveryTree::list(qsizetype folderIndex)
{
    const QString hostPath = m_folders[folderIndex].hostPath;
    const QString relative = m_folders[folderIndex].relative;
    QList<Entry> entries;
    QHash<QString, qsizetype> byUpperName;
    // Links are listed as entries and never followed.
    QDirIterator it(hostPath,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        Entry entry {info.fileName(), info.isDir() && !info.isSymLink(), false};
        // Names that differ only in case (possible on a host volume) are
        // one name for Windows; the first listed is the one it finds.
        const QString upper = win::ntfsUpper(entry.name);
        if (!byUpperName.contains(upper))
            byUpperName.insert(upper, entries.size());
        entries.append(entry);
        if (entry.directory) {
            const QString child = join(relative, entry.name);
            m_byUpperPath.insert(upperPath(child), m_folders.size());
            m_folders.append({child, info.filePath(), {}, {}});
        }
    }
    m_folders[folderIndex].entries = std::move(entries);
    m_folders[folderIndex].byUpperName = std::move(byUpperName);
}

DeliveryTree::Folder *DeliveryTree::folder(const QString &relative)
{
    const auto found = m_byUpperPath.constFind(upperPath(relative));
    return found == m_byUpperPath.cend() ? nullptr : &m_folders[*found];
}

DeliveryTree::Entry *DeliveryTree::entry(const QString &relative)
{
    QString path = relative;
    path.replace(u'/', u'\\');
    const qsizetype separator = path.lastIndexOf(u'\\');
    Folder *parent = folder(separator < 0 ? QString() : path.left(separator));
    return parent ? parent->find(path.mid(separator + 1)) : nullptr;
}

void DeliveryTree::markNamed(const QString &relative)
{
    if (Entry *found = entry(relative))
        found->named = true;
}

QString DeliveryTree::join(const QString &relative, const QString &name)
{
    return relative.isEmpty() ? name : relative + u'\\' + name;
}

QString DeliveryTree::upperPath(const QString &relative)
{
    QString path = relative;
    path.replace(u'/', u'\\');
    while (path.endsWith(u'\\'))
        path.chop(1);
    while (path.startsWith(u'\\'))
        path.remove(0, 1);
    return win::ntfsUpper(path);
}

} // namespace deliverycheck
