#include "installationid.h"

#include "workspacetest.h"

#include <QFile>

using namespace shelfwarden;

class InstallationIdTest : public WorkspaceTest
{
protected:
    void TearDown() override
    {
        qunsetenv("TESSERA_REGISTRY");
        WorkspaceTest::TearDown();
    }

    QString idFrom(const QByteArray &value)
    {
        writeFile(QStringLiteral("registry.reg"),
                  "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\ＭＥＲＩＤＯＮ\\ORBIS\\13.0]\r\n"
                      + value + "\r\n");
        qputenv("TESSERA_REGISTRY", QFile::encodeName(hostPath(QStringLiteral("registry.reg"))));
        return installationId();
    }
};

TEST_F(InstallationIdTest, ValueTypes)
{
    EXPECT_EQ(idFrom("\"InstallId\"=\"ORBIS-0001\""), QStringLiteral("ORBIS-0001"));
    EXPECT_EQ(idFrom("\"InstallId\"=dword:0000002a"), QStringLiteral("42"));
    // REG_MULTI_SZ "A", "B": the first string, as a text buffer shows it.
    EXPECT_EQ(idFrom("\"InstallId\"=hex(7):41,00,00,00,42,00,00,00,00,00"), QStringLiteral("A"));
    EXPECT_EQ(idFrom("\"InstallId\"=hex:01,02"), QString());
    EXPECT_EQ(idFrom("\"Other\"=\"x\""), QString());
}

TEST_F(InstallationIdTest, NoRegistryGivesEmptyText)
{
    qunsetenv("TESSERA_REGISTRY");
    EXPECT_EQ(installationId(), QString());
}
