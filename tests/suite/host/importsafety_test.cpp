// A failed import leaves the suite's data as it was: the data root and the
// folders around a bookshelf folder elsewhere, compared entry by entry and
// byte by byte; and what an import killed earlier left neither blocks the
// next import nor gets into it.
#include "importworkspace.h"

#include "shelfimport.h"

#include <QDir>
#include <QFile>

#include <cctype>
#include <csignal>
#include <sys/resource.h>

namespace {

enum class Fault { MissingPhoto, DiskFull, FileAsParent, FileAsShelfFolder, LastRenameJammed };

struct FailureCase
{
    const char *name;
    const char16_t *shelfFolder; // below D:, empty for the proposed one
    Fault fault;
    bool emptyShelfFolder;       // the user made the bookshelf folder beforehand
};

const FailureCase FailureCases[] = {
    {"photo missing", u"", Fault::MissingPhoto, false},
    {"photo missing, bookshelf elsewhere", u"shelves\\new", Fault::MissingPhoto, false},
    {"photo missing, bookshelf in folders yet to be made", u"shelves\\deep\\er\\new",
     Fault::MissingPhoto, false},
    {"disk full", u"", Fault::DiskFull, false},
    {"disk full, bookshelf in an empty folder elsewhere", u"shelves\\new", Fault::DiskFull, true},
    {"file where the parent folder must be made", u"shelves\\blocked\\new", Fault::FileAsParent,
     false},
    {"file named as the bookshelf folder", u"shelves\\new", Fault::FileAsShelfFolder, false},
    {"last rename failing, bookshelf in an empty folder elsewhere", u"shelves\\new",
     Fault::LastRenameJammed, true},
};

// Files grow no further than this in the disk-full child; one photo is made
// larger, the others and the databases stay below.
constexpr rlim_t FileSizeLimit = 200 * 1024;
constexpr qsizetype LargePhotoBytes = 2 * FileSizeLimit;
constexpr int FaultyPhoto = 4; // in the second album
const QString JammedProfile = QStringLiteral("suite/data1");

class ImportFailureTest : public ImportWorkspace, public ::testing::WithParamInterface<FailureCase>
{
};

} // namespace

TEST_P(ImportFailureTest, LeavesTheSuiteDataAsItWas)
{
    const FailureCase &test = GetParam();
    const QString shelfFolder = QString::fromUtf16(test.shelfFolder);
    writeInputSettings(shelfFolder.isEmpty() ? QString() : winPath(shelfFolder));
    if (test.emptyShelfFolder)
        makeFolder(shelfFolder);
    const QString photo = deliveryPhotos().at(FaultyPhoto);
    const QString photoFile = QStringLiteral("delivery/PHOTO/PIC/") + photo;
    QStringList extra;
    std::function<void(QProcess &)> prepare;
    QString evidence = photo; // named in the reason
    switch (test.fault) {
    case Fault::MissingPhoto:
        ASSERT_TRUE(QFile::remove(hostPath(photoFile)));
        break;
    case Fault::DiskFull:
        writeFile(photoFile, QByteArray(LargePhotoBytes, 'x'));
        prepare = [](QProcess &helper) {
            helper.setChildProcessModifier([] {
                const rlimit limit{FileSizeLimit, FileSizeLimit};
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, SIG_IGN);
            });
        };
        break;
    case Fault::FileAsParent:
        writeFile(QStringLiteral("shelves/blocked"), "not a folder");
        evidence = QStringLiteral("blocked");
        break;
    case Fault::FileAsShelfFolder:
        writeFile(shelfFolder, "not a folder");
        evidence = QStringLiteral("new");
        break;
    case Fault::LastRenameJammed:
        extra = QStringList{QStringLiteral("--jam"), hostPath(JammedProfile)};
        evidence = QStringLiteral("data1");
        break;
    }
    const FolderTree before = suiteTree();

    QProcess helper;
    startHelper(&helper, extra, prepare);
    ASSERT_TRUE(helper.waitForFinished(30000));
    EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(helper.exitCode(), 2);
    const QString reason = QString::fromUtf8(helper.readAllStandardError());
    EXPECT_TRUE(reason.contains(evidence)) << reason.toStdString();
    if (test.fault == Fault::LastRenameJammed) {
        ASSERT_TRUE(QFile::remove(hostPath(JammedProfile))) << "the jam never came";
    }
    const FolderTree after = suiteTree();
    EXPECT_EQ(after, before) << treeDifference(before, after);
}

INSTANTIATE_TEST_SUITE_P(Faults, ImportFailureTest, ::testing::ValuesIn(FailureCases),
                         [](const ::testing::TestParamInfo<FailureCase> &info) {
                             std::string name;
                             for (const char *c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });
