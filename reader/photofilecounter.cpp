#include "photofilecounter.h"

#include "folderpaths.h"
#include "platform/findfile.h"
#include "platform/pathresolver.h"
#include "platform/winpath.h"

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
    // A folder too deep for the host application is still listed, in the
    // long form, to count what it cannot read there.
    const bool readable = pattern.size() < win::MaxPath;
    if (!readable)
        pattern.prepend(win::ExtendedPathPrefix);
    win::FileFinder finder;
    for (bool found = finder.findFirst(pattern); found; found = finder.findNext()) {
        const win::FindData &entry = finder.current();
        if (entry.directory) {
            if (!isDotEntry(entry.name))
                listed.subfolders.append(entry.name);
        } else if (IsPhotoFileName(entry.name)) {
            QString photo = path;
            AppendPathPart(photo, entry.name);
            if (readable && photo.size() < win::MaxPath)
                ++listed.photos;
            else
                noteUnreadable(photo);
        }
    }
    for (const win::FindData &entry : finder.unmappableEntries()) {
        if (entry.directory || IsPhotoFileName(entry.name)) {
            QString unnamed = path;
            AppendPathPart(unnamed, entry.name);
            noteUnreadable(unnamed);
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

void PhotoFileCounter::noteUnreadable(const QString &path)
{
    if (m_unreadable.count++ == 0)
        m_unreadable.firstPath = path;
}

} // namespace reader
