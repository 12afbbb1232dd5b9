#include "photofilecounter.h"

#include "eizengenerator.h"
#include "platform/winpath.h"

#include "workspacetest.h"

#include <QDir>
#include <QDirIterator>

using reader::PhotoFileCounter;

namespace {

bool looksLikePhoto(const QString &name)
{
    const QString lower = name.toLower();
    return lower.endsWith(QLatin1String(".jpg")) || lower.endsWith(QLatin1String(".jpe"))
           || lower.endsWith(QLatin1String(".jpeg"));
}

// Counted straight from the host's folders.
int photosIn(const QString &hostFolder, bool withSubfolders)
{
    int photos = 0;
    QDirIterator it(hostFolder, QDir::Files,
                    withSubfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        if (looksLikePhoto(it.fileName()))
            ++photos;
    }
    return photos;
}

} // namespace

class PhotoFileCounterTest : public WorkspaceTest
{
};

TEST_F(PhotoFileCounterTest, CountsEachFolderAndEverythingBelowIt)
{
    EizenOptions options;
    options.photos = 400;
    EizenGenerator generator(options);
    ASSERT_TRUE(generator.generate(hostPath(QStringLiteral("工事")))) << generator.errorText().toStdString();

    PhotoFileCounter counter;
    int folders = 0;
    QDirIterator it(hostPath(QStringLiteral("工事")), QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString host = it.next();
        const QString path = win::toWindowsPath(host);
        const int own = photosIn(host, false);
        counter.clearSubfolderPhotos();
        EXPECT_EQ(counter.CountPhotoFiles(path), own) << path.toStdString();
        EXPECT_EQ(counter.subfolderPhotos(), photosIn(host, true) - own) << path.toStdString();
        ++folders;
    }
    EXPECT_GT(folders, 20);
    counter.clearSubfolderPhotos();
    EXPECT_EQ(counter.CountPhotoFiles(winPath(QStringLiteral("工事"))), 0);
    EXPECT_EQ(counter.subfolderPhotos(), options.photos);
}

TEST_F(PhotoFileCounterTest, ListsEachFolderOnceAndAFreshCounterSeesChanges)
{
    writeFile(QStringLiteral("r/1.jpg"), QByteArray());
    PhotoFileCounter counter;
    EXPECT_EQ(counter.CountPhotoFiles(winPath(QStringLiteral("r"))), 1);
    writeFile(QStringLiteral("r/2.jpg"), QByteArray());
    EXPECT_EQ(counter.CountPhotoFiles(winPath(QStringLiteral("r"))), 1);
    EXPECT_EQ(PhotoFileCounter().CountPhotoFiles(winPath(QStringLiteral("r"))), 2);
}
