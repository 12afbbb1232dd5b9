#include "folderalbums.h"

#include "platform/winpath.h"

#include <QDir>
#include <QSet>

#include <algorithm>
#include <optional>

namespace host {

namespace {

const QStringList PhotoPatterns{QStringLiteral("*.jpg"), QStringLiteral("*.jpe"),
                                QStringLiteral("*.jpeg")};
constexpr qsizetype LevelCount = 5;

QStringList photoFiles(const QString &folderHost, bool withSubfolders)
{
    QStringList files;
    const QDir folder(folderHost, QString(), QDir::Name | QDir::IgnoreCase, QDir::Files);
    for (const QString &name : folder.entryList(PhotoPatterns))
        files.append(folder.filePath(name));
    if (withSubfolders) {
        // Links are not followed, so a link to a folder above cannot loop.
        const QStringList below = QDir(folderHost).entryList(
            QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
        for (const QString &name : below)
            files += photoFiles(QDir(folderHost).filePath(name), true);
    }
    return files;
}

// The folder names of a path below a base folder (host paths): none for
// the base itself, nothing when the folder does not lie below it.
std::optional<QStringList> namesBelow(const QString &folderHost, const QString &baseHost)
{
    const QString relative = QDir(baseHost).relativeFilePath(folderHost);
    if (relative == u".")
        return QStringList();
    if (relative.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relative))
        return std::nullopt;
    return relative.split(u'/', Qt::SkipEmptyParts);
}

// The class levels of a photo folder. The box is the first folder below
// the delivery folder; a box the plan names wrongly is not trusted.
QStringList levelsOf(const QString &folderHost, const QString &boxHost, const QString &rootHost)
{
    if (boxHost.isEmpty())
        return namesBelow(folderHost, rootHost).value_or(QStringList());
    if (const std::optional<QStringList> inBox = namesBelow(folderHost, boxHost))
        return *inBox;
    return namesBelow(folderHost, rootHost).value_or(QStringList()).mid(1);
}

ImportPhoto photoOf(const QString &fileHost, const QStringList &levels)
{
    ImportPhoto photo;
    photo.sourceHost = fileHost;
    photo.item.fileName = QFileInfo(fileHost).fileName();
    QString *const targets[LevelCount] = {&photo.item.majorClass, &photo.item.category,
                                          &photo.item.workType, &photo.item.kind,
                                          &photo.item.subKind};
    for (qsizetype level = 0; level < qMin(LevelCount, levels.size()); ++level)
        *targets[level] = levels[level];
    return photo;
}

} // namespace

bool readFolderAlbums(const QString &deliveryFolder, const QList<FolderAlbumPlan> &plans,
                      QList<ImportAlbum> *albums, QString *error)
{
    const QString rootHost = QDir::cleanPath(win::toHostPath(deliveryFolder));
    albums->clear();
    for (const FolderAlbumPlan &plan : plans) {
        const QString boxHost =
            plan.box.isEmpty() ? QString() : QDir::cleanPath(win::toHostPath(plan.box));
        ImportAlbum album{plan.name, {}};
        QSet<QString> taken; // a folder listed twice gives its photos once
        for (const PlannedFolder &folder : plan.folders) {
            const QString folderHost = QDir::cleanPath(win::toHostPath(folder.path));
            // Only the delivery's own folders are taken in.
            if (folderHost.isEmpty() || !QFileInfo(folderHost).isDir()
                || !namesBelow(folderHost, rootHost))
                return *error = folder.path, false;
            for (const QString &file : photoFiles(folderHost, folder.withSubfolders)) {
                if (taken.contains(file))
                    continue;
                taken.insert(file);
                album.photos.append(
                    photoOf(file, levelsOf(QFileInfo(file).path(), boxHost, rootHost)));
            }
        }
        std::stable_sort(album.photos.begin(), album.photos.end(),
                         [](const ImportPhoto &a, const ImportPhoto &b) {
                             return a.item.fileName.compare(b.item.fileName, Qt::CaseInsensitive) < 0;
                         });
        albums->append(std::move(album));
    }
    return true;
}

} // namespace host
