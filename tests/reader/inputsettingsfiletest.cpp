#include "importsettings.h"
#include "inputsettingsfile.h"

#include "workspacetest.h"

#include <QDir>
#include <QFile>

#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <memory>

using namespace reader;

namespace {

// A standard delivery as the wizard leaves it with its defaults.
std::unique_ptr<ImportSettings> standardDelivery()
{
    auto settings = std::make_unique<ImportSettings>();
    settings->m_strDataRoot = QStringLiteral("D:\\本棚");
    settings->m_strShelfDefault = QStringLiteral("D:\\本棚\\data");
    settings->m_strShelfPath = settings->m_strShelfDefault;
    settings->m_strDataPath = QStringLiteral("D:\\納品\\工事Ａ");
    settings->m_strStandardName = QStringLiteral("デジタル写真管理情報基準 平成22年9月");
    settings->m_nDeliveryKind = StandardDelivery;
    return settings;
}

// Two albums planned from ticked folders of the 2012 edition.
std::unique_ptr<ImportSettings> governmentBuildingDelivery()
{
    auto settings = standardDelivery();
    settings->m_strDataPath = QStringLiteral("D:\\営繕\\庁舎改修");
    settings->m_nDeliveryKind = GovernmentBuildingDelivery;
    settings->m_nPhotoCount = 20;
    settings->m_nAlbumNum = 2;
    const QString box = QStringLiteral("D:\\営繕\\庁舎改修\\建築");

    AlbumPlan &first = settings->m_albums[0];
    first.albumName = QStringLiteral("基礎工事");
    first.bunrui = QStringLiteral("建築");
    first.kubun = QStringLiteral("基礎工事");
    first.photoCount = 12;
    first.box = box;
    first.folderCount = 3;
    first.folders[0] = box + QStringLiteral("\\基礎工事");
    first.folders[1] = box + QStringLiteral("\\基礎工事\\配筋");
    first.folders[2] = box + QStringLiteral("\\基礎工事\\型枠");
    first.hasChild[1] = 1;
    // Left over from an earlier plan beyond the folder count: not written.
    first.folders[3] = QStringLiteral("D:\\stale");
    first.hasChild[3] = 1;

    AlbumPlan &second = settings->m_albums[1];
    second.albumName = QStringLiteral("外壁 改修");
    second.bunrui = QStringLiteral("建築");
    second.kubun = QStringLiteral("外壁 改修");
    second.photoCount = 8;
    second.box = box;
    second.folderCount = 1;
    second.folders[0] = box + QStringLiteral("\\外壁 改修");
    second.hasChild[0] = 1;

    // A record of an earlier plan beyond the album count: not written.
    settings->m_albums[2].albumName = QStringLiteral("stale");
    settings->m_albums[2].folderCount = 1;
    return settings;
}

struct GoldenCase
{
    const char *golden;
    std::function<std::unique_ptr<ImportSettings>()> settings;
};

class InputSettingsFileTest : public WorkspaceTest
{
protected:
    QString settingsPath() const { return tempWinPath() + QStringLiteral("G_INPUTXML.dat"); }
    QByteArray writtenFile() const
    {
        return readHostFile(tempHostPath(QStringLiteral("G_INPUTXML.dat")));
    }
};

class InputSettingsGoldenTest : public InputSettingsFileTest,
                                public ::testing::WithParamInterface<GoldenCase>
{
};

// Makes writes past a few bytes fail (EFBIG), as on a full disk; root
// ignores folder permissions, not this limit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    Q_DISABLE_COPY_MOVE(FileSizeLimit)

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace

TEST_P(InputSettingsGoldenTest, WritesTheLinesForTheHostByteForByte)
{
    const GoldenCase &param = GetParam();
    const QByteArray expected = testData(QStringLiteral("reader/") + QLatin1String(param.golden));
    ASSERT_FALSE(expected.isEmpty()) << param.golden;

    // A longer file of an earlier run is replaced whole.
    writeFile(QStringLiteral("temp/G_INPUTXML.dat"), QByteArray(4096, 'x'));
    ASSERT_TRUE(writeInputSettings(*param.settings(), settingsPath()));
    EXPECT_EQ(writtenFile(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, InputSettingsGoldenTest,
    ::testing::Values(
        GoldenCase{"standard_new_proposed.dat", standardDelivery},
        GoldenCase{"standard_new_emptied.dat",
                   [] {
                       auto settings = standardDelivery();
                       settings->m_strShelfPath.clear();
                       return settings;
                   }},
        GoldenCase{"standard_new_changed.dat",
                   [] {
                       auto settings = standardDelivery();
                       settings->m_strShelfPath = QStringLiteral("D:\\本棚\\新しい本棚");
                       return settings;
                   }},
        GoldenCase{"standard_refer_only.dat",
                   [] {
                       auto settings = standardDelivery();
                       settings->m_nImportNew = 0;
                       settings->m_nReferOnly = 1;
                       settings->m_strShelfPath = QStringLiteral("D:\\本棚\\新しい本棚");
                       return settings;
                   }},
        GoldenCase{"standard_by_class_japanese.dat",
                   [] {
                       auto settings = standardDelivery();
                       settings->m_nAlbumType = AlbumsByClassification;
                       settings->m_nClassLevel = 3;
                       settings->m_nFileNameByPhoto = 0;
                       settings->m_nFileNameByJapanese = 1;
                       return settings;
                   }},
        GoldenCase{"government_2012_two_albums.dat", governmentBuildingDelivery},
        GoldenCase{"government_2002_two_albums.dat",
                   [] {
                       auto settings = governmentBuildingDelivery();
                       settings->m_nStd2012 = 0;
                       settings->m_nStd2002 = 1;
                       settings->m_albums[0].box.clear();
                       settings->m_albums[1].box.clear();
                       return settings;
                   }},
        GoldenCase{"government_album_without_folders.dat",
                   [] {
                       auto settings = governmentBuildingDelivery();
                       settings->m_nPhotoCount = 0;
                       settings->m_nAlbumNum = 1;
                       AlbumPlan &album = settings->m_albums[0];
                       album = AlbumPlan();
                       album.albumName = QStringLiteral("庁舎改修");
                       // Paths beyond the folder count are not written.
                       album.folders[0] = QStringLiteral("D:\\営繕\\庁舎改修");
                       album.hasChild[0] = 1;
                       return settings;
                   }}),
    [](const ::testing::TestParamInfo<GoldenCase> &info) {
        QString name = QString::fromLatin1(info.param.golden).section(u'.', 0, 0);
        return name.toStdString();
    });

TEST_F(InputSettingsFileTest, SettingsFileLivesInTheTempFolder)
{
    EXPECT_EQ(inputSettingsPath(), settingsPath());
}

TEST_F(InputSettingsFileTest, MissingTempFolderIsReportedAndCreatesNothing)
{
    const QString path = winPath(QStringLiteral("missing\\G_INPUTXML.dat"));
    EXPECT_FALSE(writeInputSettings(*standardDelivery(), path));
    EXPECT_FALSE(QFile::exists(hostPath(QStringLiteral("missing"))));
}

TEST_F(InputSettingsFileTest, FailedWriteLeavesTheEarlierFileAlone)
{
    const QByteArray earlier = testData(QStringLiteral("reader/standard_refer_only.dat"));
    writeFile(QStringLiteral("temp/G_INPUTXML.dat"), earlier);

    bool written = true;
    {
        const FileSizeLimit limit(16);
        written = writeInputSettings(*governmentBuildingDelivery(), settingsPath());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(writtenFile(), earlier);
    // No half-written file is left beside it either.
    EXPECT_EQ(QDir(tempHostPath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("G_INPUTXML.dat")});
}
