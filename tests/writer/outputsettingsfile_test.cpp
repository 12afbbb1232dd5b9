#include "exportsettings.h"
#include "outputsettingsfile.h"

#include "platform/fileops.h"

#include "workspacetest.h"

#include <QFile>

using namespace writer;

namespace {

class OutputSettingsFileTest : public WorkspaceTest
{
protected:
    QString path() const { return winPath(QStringLiteral("G_OUTPUTXML.dat")); }
    QByteArray bytes() const { return readFile(QStringLiteral("G_OUTPUTXML.dat")); }
    static QByteArray expected(const QString &lines)
    {
        QString text = lines;
        text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        return utf16le(text);
    }
};

} // namespace

TEST_F(OutputSettingsFileTest, TheOptionsPageStartsTheFileAndFinishAppendsToIt)
{
    ExportSettings settings;
    settings.m_nStandardCode = 72;
    settings.m_nOtherFolder = 0;
    settings.m_nOtherData = 1;
    ASSERT_TRUE(writeOtherDataOptions(settings, path()));
    EXPECT_EQ(bytes(), expected(QStringLiteral("[OPTION]\nfolder=0\nothrsData=1\n")));

    settings.m_strOutputFolder = QStringLiteral("D:\\納品");
    settings.m_nStyleSheet = 1;
    settings.m_nStyleSheetFormat = 2;
    settings.m_nLaunchBrowser = 1;
    settings.m_nStartMedia = 3;
    settings.m_nJapaneseNames = 1;
    settings.m_szOthrsDataCreateFlag = QStringLiteral("10000");
    ASSERT_TRUE(writeOutputSettings(settings, path()));
    EXPECT_EQ(bytes(), expected(QStringLiteral("[OPTION]\nfolder=1\nothrsData=1\nsheet=2\nmedia=3\n"
                                               "photo=0\njname=1\nxml=0\nothrsDataCreateFlag=10000\n"
                                               "KOUJICHANGE=0\nKOUJIJH=\nSYASHIJH=\n"
                                               "EXECCOOPERATIONHELP=-1\nBROWSER=1\n"
                                               "[XMLOUT]\nfoldertype=72\nphototype=1\ntype=1\n"
                                               "folder=D:\\納品\nsize=600\n")));
    EXPECT_FALSE(QFile::exists(hostPath(QStringLiteral("G_OUTPUTXML.dat.new"))));
}

TEST_F(OutputSettingsFileTest, HandingOverToOtherSoftwareSetsTheSizeAndLeavesTheBrowserOff)
{
    ExportSettings settings;
    settings.m_nStandardCode = 28;
    settings.m_nKeepFileName = 1;
    settings.m_nRenameSerial = 0;
    settings.m_strOutputFolder = QStringLiteral("D:\\out");
    settings.m_nSplitSize = 1200;
    settings.m_nStyleSheet = 0;
    settings.m_nLaunchBrowser = 1;
    settings.m_nCooperate = 1;
    settings.m_anCooperatorId = {1, 4};
    settings.m_nCooperatorIndex = 1;
    settings.m_nKoujiChange = 1;
    settings.m_pszSyashiJH = QStringLiteral("写真");
    ASSERT_TRUE(writeOutputSettings(settings, path()));
    EXPECT_EQ(bytes(), expected(QStringLiteral("[XMLOUT]\nfoldertype=28\nphototype=2\ntype=1\n"
                                               "folder=D:\\out\nsize=65536\n[OPTION]\nmedia=1\n"
                                               "photo=0\njname=0\nxml=0\nKOUJICHANGE=1\nKOUJIJH=\n"
                                               "SYASHIJH=写真\nEXECCOOPERATIONHELP=4\nBROWSER=0\n")));
}

TEST_F(OutputSettingsFileTest, CodeEightCarriesItsStandardTextAndAnEarlierRunStaysInFront)
{
    writeFile(QStringLiteral("G_OUTPUTXML.dat"), expected(QStringLiteral("[XMLOUT]\nfoldertype=3\n")));
    ExportSettings settings;
    settings.m_nStandardCode = 8;
    settings.m_strOutputFolder = QStringLiteral("D:\\out");
    settings.m_szTekiyou = QStringLiteral("工事記録写真等撮影要領");
    ASSERT_TRUE(writeOutputSettings(settings, path()));
    EXPECT_EQ(bytes(), expected(QStringLiteral("[XMLOUT]\nfoldertype=3\n[XMLOUT]\nfoldertype=8\n"
                                               "phototype=1\ntype=1\nfolder=D:\\out\nsize=600\n"
                                               "tekiyou=工事記録写真等撮影要領\n[OPTION]\nmedia=1\n"
                                               "photo=0\njname=0\nxml=0\nKOUJICHANGE=0\nKOUJIJH=\n"
                                               "SYASHIJH=\nEXECCOOPERATIONHELP=-1\nBROWSER=0\n")));
}

TEST_F(OutputSettingsFileTest, AFailedFinishLeavesTheFileAsItWas)
{
    const QByteArray before = expected(QStringLiteral("[OPTION]\nfolder=1\n"));
    writeFile(QStringLiteral("G_OUTPUTXML.dat"), before);
    // A folder of the scratch file's name cannot be replaced by a file.
    makeFolder(QStringLiteral("G_OUTPUTXML.dat.new"));
    ExportSettings settings;
    settings.m_nStandardCode = 25;
    EXPECT_FALSE(writeOutputSettings(settings, path()));
    EXPECT_EQ(bytes(), before);
}
