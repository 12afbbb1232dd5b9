#include "cwizsheet.h"
#include "writerids.h"

#include "jetdao/jetdao.h"
#include "platform/suitelibrary.h"
#include "suiteapi/worksdatafunctions.h"
#include "ui/controls.h"

#include "writerwizardtest.h"

#include <QComboBox>
#include <QFile>

using namespace writer;

namespace {

class CooperationTest : public WriterWizardTest
{
protected:
    void SetUp() override
    {
        WriterWizardTest::SetUp();
        static win::SuiteLibrary library;
        if (!library.isLoaded())
            library.load(QStringLiteral("P:\\worksdata.dll"));
        const auto functions = suiteapi::WorksdataFunctions::fromLibrary(library);
        ASSERT_TRUE(functions);
        suite().worksdata = *functions;
    }

    // Cooperation.ini in the program folder D:\prog\ describing the programs
    // by the codes they serve; those installed have their executable.
    void describePrograms(const QList<std::pair<QString, bool>> &programs)
    {
        QString ini = QStringLiteral("[Cooperation]\r\nCount=%1\r\n").arg(programs.size());
        for (qsizetype number = 0; number < programs.size(); ++number) {
            const QString exe = QStringLiteral("apps/%1/app.exe").arg(number);
            ini += QStringLiteral("[Program%1]\r\nName=%2\r\nProgram=D:\\%3\r\nCodes=%4\r\n")
                       .arg(number)
                       .arg(programs[number].first, QString(exe).replace(u'/', u'\\'),
                            QStringLiteral("25, 26"));
            if (programs[number].second)
                writeFile(exe, "MZ");
        }
        writeFile(QStringLiteral("prog/Cooperation.ini"), utf16le(ini));
    }

    // CALS.mdb in the folder start-up names, with rows in its table XML.
    void writeCalsDatabase(int rows)
    {
        makeFolder(QStringLiteral("cals"));
        JETDAO::CDaoDatabase database;
        database.Create(winPath(QStringLiteral("cals/CALS.mdb")));
        JETDAO::CDaoTableDef table(&database);
        table.Create(QStringLiteral("XML"));
        table.CreateField(QStringLiteral("ID"), JETDAO::CDaoTableDef::dbLong);
        table.Append();
        JETDAO::CDaoRecordset recordset(&database);
        recordset.Open(JETDAO::dbOpenDynaset, QStringLiteral("select * from XML"));
        for (int row = 1; row <= rows; ++row) {
            recordset.AddNew();
            recordset.SetFieldValue(QStringLiteral("ID"), QString::number(row));
            recordset.Update();
        }
        recordset.Close();
        database.Close();
    }

    void startOnExtendedOptions(int code)
    {
        startWizard(code);
        settings().m_strProgramFolder = winPath(QStringLiteral("prog"));
        nextFromAlbums();
        ASSERT_EQ(currentPage(), ids::extendedoptions::Template);
    }

    QComboBox *list() const
    {
        return qobject_cast<QComboBox *>(control(ids::extendedoptions::Cooperators));
    }
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names.append(list()->itemText(i));
        return names;
    }
};

} // namespace

TEST_F(CooperationTest, OnlyTheInstalledProgramsServingTheCodeAreListed)
{
    describePrograms({{QStringLiteral("連携A"), false},
                      {QStringLiteral("連携B"), true},
                      {QStringLiteral("連携C"), false},
                      {QStringLiteral("連携D"), false},
                      {QStringLiteral("連携E"), true}});
    startOnExtendedOptions(26);
    EXPECT_EQ(listed(), QStringList({QStringLiteral("連携B"), QStringLiteral("連携E")}));
    EXPECT_EQ(settings().m_anCooperatorId[0], 1);
    EXPECT_EQ(settings().m_anCooperatorId[1], 4);
    EXPECT_EQ(settings().m_nCooperatorFound, 1);
    EXPECT_TRUE(control(ids::extendedoptions::Cooperate)->isEnabled());
    EXPECT_FALSE(list()->isEnabled());

    // A code the programs do not serve lists none and offers no hand-over.
    startOnExtendedOptions(27);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(control(ids::extendedoptions::Cooperate)->isEnabled());
}

TEST_F(CooperationTest, AtMostTenProgramsAreListed)
{
    QList<std::pair<QString, bool>> programs;
    for (int i = 0; i < 12; ++i)
        programs.append({QStringLiteral("P%1").arg(i), true});
    describePrograms(programs);
    startOnExtendedOptions(25);
    EXPECT_EQ(list()->count(), 10);
    EXPECT_EQ(settings().m_anCooperatorId[9], 9);
}

TEST_F(CooperationTest, HandingOverResetsTheMediaStyleSheetAndXmlOnlyOptions)
{
    using namespace ids::extendedoptions;
    describePrograms({{QStringLiteral("連携A"), true}, {QStringLiteral("連携B"), true}});
    startOnExtendedOptions(26);
    enterText(StartMedia, QStringLiteral("5"));
    click(XmlOnly);
    ASSERT_EQ(settings().m_nXmlOnly, 1);
    click(Cooperate);
    EXPECT_EQ(settings().m_nCooperate, 1);
    EXPECT_EQ(settings().m_nStartMedia, 1);
    EXPECT_EQ(ui::controlText(control(StartMedia)), QStringLiteral("1"));
    EXPECT_EQ(settings().m_nStyleSheet, 0);
    EXPECT_EQ(settings().m_nXmlOnly, 0);
    for (const int id : {StartMedia, StyleSheet, XmlOnly, LaunchBrowser, FormatPhotoInfo,
                         FormatWithSearch, StyleSheetFormatGroup})
        EXPECT_FALSE(control(id)->isEnabled()) << id;
    EXPECT_TRUE(list()->isEnabled());
    list()->setCurrentIndex(1);
    emit list()->activated(1);
    EXPECT_EQ(settings().m_nCooperatorIndex, 1);

    click(Cooperate);
    EXPECT_EQ(settings().m_nCooperate, 0);
    EXPECT_FALSE(list()->isEnabled());
    for (const int id : {StartMedia, StyleSheet, XmlOnly})
        EXPECT_TRUE(control(id)->isEnabled()) << id;
    // Until the stylesheet is chosen again.
    EXPECT_FALSE(control(FormatPhotoInfo)->isEnabled());

    // The selection survives a new visit.
    back();
    nextFromAlbums();
    EXPECT_EQ(list()->currentIndex(), 1);
}

TEST_F(CooperationTest, TheOtherDataCodesStartTheSettingsFileOnNext)
{
    const QByteArray started = utf16le(QStringLiteral("[OPTION]\r\nfolder=0\r\nothrsData=0\r\n"));
    for (const auto &[code, writes] : {std::pair{72, true}, std::pair{75, true}, std::pair{17, false},
                                       std::pair{26, false}, std::pair{27, false},
                                       std::pair{90, false}}) {
        SCOPED_TRACE(code);
        QFile::remove(tempHostPath(QStringLiteral("G_OUTPUTXML.dat")));
        startWizard(code);
        nextFromAlbums();
        next();
        ASSERT_EQ(currentPage(), ids::basicinfo::Template);
        const QByteArray file = readHostFile(tempHostPath(QStringLiteral("G_OUTPUTXML.dat")));
        EXPECT_EQ(file, writes ? started : QByteArray());
        if (writes) {
            EXPECT_TRUE(file.startsWith("\xFF\xFE"));
        }
    }
}

TEST_F(CooperationTest, OtherDataIsOfferedWhenCalsHoldsRowsAndTheChoiceReachesTheTree)
{
    using ids::extendedoptions::OtherData;
    // Code 81 is not probed at start-up, only here.
    startWizard(81);
    settings().m_strCalsFolder = winPath(QStringLiteral("cals"));
    nextFromAlbums();
    EXPECT_FALSE(control(OtherData)->isEnabled());
    EXPECT_EQ(settings().m_nOtherFolder, 0);

    writeCalsDatabase(0);
    back();
    nextFromAlbums();
    EXPECT_FALSE(control(OtherData)->isEnabled());

    QFile::remove(hostPath(QStringLiteral("cals/CALS.mdb")));
    writeCalsDatabase(2);
    back();
    nextFromAlbums();
    ASSERT_TRUE(control(OtherData)->isEnabled());
    EXPECT_EQ(settings().m_nOtherFolder, 1);
    click(OtherData);
    EXPECT_EQ(settings().m_nOtherData, 1);
    EXPECT_EQ(ui::checkState(control(OtherData)), 1);
    EXPECT_EQ(workstree().otherData, 1);

    // Gone meanwhile: the setting stands and the box keeps showing it.
    QFile::remove(hostPath(QStringLiteral("cals/CALS.mdb")));
    click(OtherData);
    EXPECT_EQ(settings().m_nOtherData, 1);
    EXPECT_EQ(ui::checkState(control(OtherData)), 1);
    EXPECT_EQ(workstree().otherData, 1);
}

TEST_F(CooperationTest, TypingTheStartMediaNumberLeavesTheActivationWorkAlone)
{
    using ids::extendedoptions::StartMedia;
    describePrograms({{QStringLiteral("連携A"), true}, {QStringLiteral("連携B"), true}});
    writeFile(QStringLiteral("cals/CALS.mdb"), "no database");
    startWizard(25);
    settings().m_strProgramFolder = winPath(QStringLiteral("prog"));
    settings().m_strCalsFolder = winPath(QStringLiteral("cals"));
    nextFromAlbums();
    ASSERT_EQ(currentPage(), ids::extendedoptions::Template);
    // The broken database is reported once, on arrival.
    EXPECT_EQ(takeMessages().size(), 1);
    // A list rebuilt from the settings would show slot 1 again.
    list()->setCurrentIndex(1);
    emit list()->activated(1);
    list()->setCurrentIndex(0);

    for (const QString &typed : {QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("3")})
        enterText(StartMedia, typed);
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(settings().m_nStartMedia, 3);
    EXPECT_EQ(list()->currentIndex(), 0);
    // The box's own rule still holds while typing.
    enterText(StartMedia, QStringLiteral("0"));
    EXPECT_EQ(takeMessages(), QStringList({QStringLiteral("1 から 9 までの整数を入力してください。")}));
    EXPECT_EQ(ui::controlText(control(StartMedia)), QStringLiteral("1"));
    EXPECT_EQ(settings().m_nStartMedia, 1);
}

TEST_F(CooperationTest, TheWorksdataFunctionsAnswerSafelyForMissingFilesAndSmallBuffers)
{
    const suiteapi::WorksdataFunctions &worksdata = suite().worksdata;
    const std::u16string missing = u"D:\\prog\\Cooperation.ini";
    EXPECT_EQ(worksdata.getCooperatorCount(missing.c_str()), 0);
    EXPECT_EQ(worksdata.isCooperatorInstalled(missing.c_str(), 0, 25), 0);
    EXPECT_EQ(worksdata.getCooperatorCount(nullptr), 0);

    describePrograms({{QStringLiteral("連携ソフト"), true}});
    const std::u16string ini = missing;
    EXPECT_EQ(worksdata.getCooperatorCount(ini.c_str()), 1);
    EXPECT_EQ(worksdata.isCooperatorInstalled(ini.c_str(), 0, 25), 1);
    EXPECT_EQ(worksdata.isCooperatorInstalled(ini.c_str(), 0, 8), 0);
    EXPECT_EQ(worksdata.isCooperatorInstalled(ini.c_str(), 1, 25), 0);
    EXPECT_EQ(worksdata.isCooperatorInstalled(ini.c_str(), -1, 25), 0);
    char16_t name[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(worksdata.getCooperatorAppName(ini.c_str(), 0, name, 4), name);
    EXPECT_EQ(QString::fromUtf16(name), QStringLiteral("連携ソ"));
    worksdata.getCooperatorAppName(ini.c_str(), 3, name, 4);
    EXPECT_EQ(name[0], u'\0');
}
