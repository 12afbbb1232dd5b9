#include "platform/registry.h"

#include "workspacetest.h"

#include <QFile>

using namespace win;

namespace {

const QString SuiteKey = QStringLiteral("SOFTWARE\\ＭＥＲＩＤＯＮ\\ORBIS\\13.0");

class RegistryTest : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        m_saved = qgetenv("TESSERA_REGISTRY");
        qputenv("TESSERA_REGISTRY", QFile::encodeName(hostPath(QStringLiteral("registry.reg"))));
    }
    void TearDown() override
    {
        qputenv("TESSERA_REGISTRY", m_saved);
        if (m_saved.isNull())
            qunsetenv("TESSERA_REGISTRY");
        WorkspaceTest::TearDown();
    }

    void writeRegistry(const QString &text, bool utf16 = false)
    {
        writeFile(QStringLiteral("registry.reg"), utf16 ? utf16le(text) : text.toUtf8());
    }

private:
    QByteArray m_saved;
};

const QString Sample = QStringLiteral(
    "REGEDIT4\r\n"
    "\r\n"
    "; the suite's key\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ＭＥＲＩＤＯＮ\\ORBIS\\13.0]\r\n"
    "\"InstallId\"=\"ORB-\\\"13\\\"\\\\x\"\r\n"
    "\"Count\"=dword:0000000d\r\n"
    "\"Names\"=hex(7):41,00,42,00,00,00,e5,5d,8b,4e,\\\r\n"
    "  00,00,00,00\r\n"
    "\"Binary\"=hex:01,02\r\n"
    "@=\"default\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"
    "\"InstallId\"=\"other\"\r\n");

} // namespace

TEST_F(RegistryTest, ReadsStringsDwordsAndMultiStrings)
{
    writeRegistry(Sample);
    const auto id = readMachineValue(SuiteKey, QStringLiteral("InstallId"));
    ASSERT_TRUE(id);
    EXPECT_EQ(id->type, RegistryValue::Type::String);
    EXPECT_EQ(id->text, QStringLiteral("ORB-\"13\"\\x"));

    const auto count = readMachineValue(SuiteKey, QStringLiteral("Count"));
    ASSERT_TRUE(count);
    EXPECT_EQ(count->type, RegistryValue::Type::Dword);
    EXPECT_EQ(count->dword, 13u);

    const auto names = readMachineValue(SuiteKey, QStringLiteral("Names"));
    ASSERT_TRUE(names);
    EXPECT_EQ(names->type, RegistryValue::Type::MultiString);
    EXPECT_EQ(names->strings, QStringList({QStringLiteral("AB"), QStringLiteral("工事")}));

    EXPECT_EQ(readMachineValue(SuiteKey, QStringLiteral("Binary"))->type, RegistryValue::Type::Other);
    EXPECT_EQ(readMachineValue(SuiteKey, QString())->text, QStringLiteral("default"));
}

TEST_F(RegistryTest, NamesMatchWithoutCaseAndMissingGivesNothing)
{
    writeRegistry(Sample, true);
    EXPECT_EQ(readMachineValue(QStringLiteral("software\\ｍｅｒｉｄｏｎ\\orbis\\13.0\\"), QStringLiteral("INSTALLID"))->text,
              QStringLiteral("ORB-\"13\"\\x"))
        << "UTF-16LE file, full-width letters too";
    EXPECT_EQ(readMachineValue(QStringLiteral("SOFTWARE\\Other"), QStringLiteral("InstallId"))->text, QStringLiteral("other"));
    EXPECT_FALSE(readMachineValue(SuiteKey, QStringLiteral("Missing")));
    EXPECT_FALSE(readMachineValue(QStringLiteral("SOFTWARE\\ＭＥＲＩＤＯＮ\\ORBIS"), QStringLiteral("InstallId")))
        << "a parent key holds no values of its children";
    EXPECT_FALSE(readMachineValue(QStringLiteral("SOFTWARE\\None"), QStringLiteral("InstallId")));

    qputenv("TESSERA_REGISTRY", QFile::encodeName(hostPath(QStringLiteral("none.reg"))));
    EXPECT_FALSE(readMachineValue(SuiteKey, QStringLiteral("InstallId")));
    qunsetenv("TESSERA_REGISTRY");
    EXPECT_FALSE(readMachineValue(SuiteKey, QStringLiteral("InstallId")));
}

TEST_F(RegistryTest, LaterLinesWinAndDashRemoves)
{
    // A UTF-8 mark right before the first key must not hide it.
    writeFile(QStringLiteral("registry.reg"),
              QByteArray("\xEF\xBB\xBF[HKLM\\SOFTWARE\\Test]\n\"a\"=\"one\"\n\"b\"=\"kept\"\n\"d\"=\"first\"\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test]\n\"a\"=\"two\"\n\"b\"=-\n\"c\"=dword:zz\n"));
    EXPECT_EQ(readMachineValue(QStringLiteral("SOFTWARE\\Test"), QStringLiteral("d"))->text, QStringLiteral("first"));
    EXPECT_EQ(readMachineValue(QStringLiteral("SOFTWARE\\Test"), QStringLiteral("a"))->text, QStringLiteral("two"));
    EXPECT_FALSE(readMachineValue(QStringLiteral("SOFTWARE\\Test"), QStringLiteral("b")));
    EXPECT_EQ(readMachineValue(QStringLiteral("SOFTWARE\\Test"), QStringLiteral("c"))->type, RegistryValue::Type::Other)
        << "a malformed dword is no dword";
}
