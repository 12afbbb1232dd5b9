#include "albumlistfile.h"
#include "calsdatabase.h"
#include "exportsettings.h"
#include "launcharguments.h"
#include "standardcodes.h"

#include "ui/queuedanswerer.h"

#include "jetdaotest.h"

#include <QSet>

using namespace writer;

namespace {

QStringList arguments(const QString &code, const QString &arg5)
{
    return {QStringLiteral("DeliveryWriter.exe"), QStringLiteral("D:\\棚\\data1"),
            QStringLiteral("ignored"),           code,
            QStringLiteral("7"),                 arg5,
            QStringLiteral("六"),                QStringLiteral("七"),
            QStringLiteral("D:\\cals"),          QStringLiteral("九")};
}

QSet<int> codesWhere(bool (*rule)(const standards::StandardCode &))
{
    QSet<int> codes;
    for (int code = 0; code < 100; ++code) {
        if (rule(standards::standardCode(code)))
            codes.insert(code);
    }
    return codes;
}

using StartUpTest = JetDaoTest;

} // namespace

TEST(StandardCodes, SelectThePagesAndOtherDataOfTheirLists)
{
    EXPECT_EQ(codesWhere([](const standards::StandardCode &c) { return c.optionsPage == standards::ExtendedOptionsPage; }),
              QSet<int>({11, 12, 14, 15, 16, 17, 21, 22, 24, 25, 26, 27, 62, 70, 71, 72, 73, 74,
                         75, 80, 81, 90}));
    EXPECT_EQ(codesWhere([](const standards::StandardCode &c) { return c.optionsPage == standards::FileNamingPage; }),
              QSet<int>({4, 28}));
    EXPECT_EQ(codesWhere([](const standards::StandardCode &c) { return c.otherData; }),
              QSet<int>({11, 12, 14, 15, 16, 21, 22, 24, 25, 62, 70, 71, 72, 73, 74, 75, 80, 81}));
    EXPECT_EQ(codesWhere([](const standards::StandardCode &c) { return c.calsAtStartUp; }),
              QSet<int>({21, 25, 73}));
    EXPECT_EQ(codesWhere([](const standards::StandardCode &c) { return c.calsOnOptionsPage; }),
              QSet<int>({21, 25, 73, 81}));
    // Codes outside the table: page 130, category 1 below 5.
    EXPECT_EQ(standards::standardCode(0).category, 1);
    EXPECT_EQ(standards::standardCode(9).category, 0);
    EXPECT_EQ(standards::standardCode(9).optionsPage, standards::SimpleOptionsPage);
    EXPECT_TRUE(standards::standardCode(9).name.isEmpty());
    EXPECT_TRUE(standards::photoStandardName(0).isEmpty());
    EXPECT_EQ(standards::photoStandardName(7), u"国土交通省　デジタル写真管理情報基準(案)(H20.5版)");
}

TEST(LaunchArguments, TakeArguments6And7OnlyWhenArgument5IsOne)
{
    ExportSettings settings;
    takeLaunchArguments(arguments(QStringLiteral(" 25x"), QStringLiteral("1")), settings);
    EXPECT_EQ(settings.m_strKoujiFolder, QStringLiteral("D:\\棚\\data1"));
    EXPECT_EQ(settings.m_nStandardCode, 25);
    EXPECT_EQ(settings.m_nArg4, 7);
    EXPECT_EQ(settings.m_strArg6, QStringLiteral("六"));
    EXPECT_EQ(settings.m_strArg7, QStringLiteral("七"));
    EXPECT_EQ(settings.m_strCalsFolder, QStringLiteral("D:\\cals"));
    EXPECT_EQ(settings.m_strArg9, QStringLiteral("九"));

    ExportSettings other;
    takeLaunchArguments(arguments(QStringLiteral("25"), QStringLiteral("2")), other);
    EXPECT_EQ(other.m_nArg5, 2);
    EXPECT_TRUE(other.m_strArg6.isEmpty());
    EXPECT_TRUE(other.m_strArg7.isEmpty());
}

TEST(LaunchArguments, StartValuesFollowTheCode)
{
    ExportSettings settings;
    settings.m_nStandardCode = 28;
    applyStartValues(settings);
    EXPECT_EQ(settings.m_nPhotoStandard, 0);
    EXPECT_EQ(settings.m_nStyleSheet, 1);
    EXPECT_EQ(settings.m_nLaunchBrowser, 1);
    EXPECT_EQ(settings.m_nStyleSheetFormat, 1);

    ExportSettings nexco;
    nexco.m_nStandardCode = 90;
    applyStartValues(nexco);
    EXPECT_EQ(nexco.m_nPhotoStandard, 0);
    EXPECT_TRUE(nexco.m_pszKoujiJH.isEmpty());
    EXPECT_TRUE(nexco.m_pszSyashiJH.isEmpty());

    ExportSettings design;
    design.m_nStandardCode = 11;
    applyStartValues(design);
    EXPECT_EQ(design.m_nPhotoStandard, 3);
    EXPECT_EQ(design.m_pszKoujiJH, QStringLiteral("土木200406-01"));
    EXPECT_EQ(design.m_pszSyashiJH, QStringLiteral("土木200601-01"));
}

TEST_F(StartUpTest, CalsDatabaseCountsOnlyWhenItsXmlTableHoldsRows)
{
    ui::QueuedAnswerer answerer;
    EXPECT_FALSE(probeCalsDatabase(winPath(QStringLiteral("cals"))));

    makeFolder(QStringLiteral("cals"));
    makeFolder(QStringLiteral("rows"));
    createDatabase(QStringLiteral("cals/CALS.mdb"), {QStringLiteral("CREATE TABLE XML (id INTEGER)")});
    EXPECT_FALSE(probeCalsDatabase(winPath(QStringLiteral("cals"))));
    createDatabase(QStringLiteral("rows/CALS.mdb"), {QStringLiteral("CREATE TABLE XML (id INTEGER)"),
                                                     QStringLiteral("INSERT INTO XML VALUES (1)")});
    EXPECT_TRUE(probeCalsDatabase(winPath(QStringLiteral("rows"))));
    EXPECT_TRUE(answerer.messageBoxes().isEmpty());

    // A file that is not a database: the library's own report, then no data.
    writeFile(QStringLiteral("broken/CALS.mdb"), "not a database");
    EXPECT_FALSE(probeCalsDatabase(winPath(QStringLiteral("broken"))));
    ASSERT_EQ(answerer.messageBoxes().size(), 1);
    EXPECT_EQ(answerer.messageBoxes().constFirst().icon, ui::Icon::Warning);
}
