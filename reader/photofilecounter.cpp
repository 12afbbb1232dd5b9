#include "photofilecounter.h"

#include "folderpaths.h"
#include "platform/findfile.h"

namespace reader {

namespace {

constexpr QStringView AllEntries = u"*.*";

bool isDotEntry(const QString &name)
{
    return name == QLatin1String(".") || name == QLatin1String("..");
}

} // namespace

int PhotoFileCounter::CountPhotoFiles(const QString &path)
{
    const Folder listed = folder(path);
    m_nSubfolderPhotos += listed.deeperPhotos;
    return listed.photos;
}

PhotoFileCounter::Folder PhotoFileCounter::folder(const QString &path)
{
    if (const auto known = m_folders.constFind(path); known != m_folders.constEnd())
        return known.value();

    Folder listed;
    QString pattern = path;
    AppendPathPart(pattern, AllEntries.toString());
    win::FileFinder finder;
    for (bool found = finder.findFirst(pattern); found; found = finder.findNext()) {
        const win::FindData &entry = finder.current();
        if (entry.directory) {
            if (!isDotEntry(entry.name))
                listed.subfolders.append(entry.name);
        } else if (IsPhotoFileName(entry.name)) {
            ++listed.photos;
        }
    }
    for (const QString &name : std::as_const(listed.subfolders)) {
        QString child = path;
        AppendPathPart(child, name);
        const Folder below = folder(child);
        listed.deeperPhotos += below.photos + below.deeperPhotos;
    }
    m_folders.insert(path, listed);
    return listed;
}

} // namespace reader
