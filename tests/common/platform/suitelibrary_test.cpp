#include "platform/suitelibrary.h"
#include "platform/winpath.h"

#include "workspacetest.h"

#include <QCoreApplication>

using namespace win;

TEST(SuiteLibraryTest, LoadsByWindowsNameFromTheProgramFolder)
{
    SuiteLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("TesseraProbe.DLL")));
    EXPECT_TRUE(library.isLoaded());
    const auto answer = library.function<int()>("ProbeAnswer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);

    const auto setError = library.function<void(unsigned)>("ProbeSetLastError");
    ASSERT_NE(setError, nullptr);
    setError(4321);
    EXPECT_EQ(lastError(), 4321u) << "one last error for the program and its libraries";

    EXPECT_EQ(library.function<int()>("Missing"), nullptr);
    EXPECT_EQ(lastError(), error::ProcNotFound);

    library.free();
    EXPECT_FALSE(library.isLoaded());
    EXPECT_EQ(library.function<int()>("ProbeAnswer"), nullptr);
}

TEST(SuiteLibraryTest, MissingLibraryIsModuleNotFound)
{
    SuiteLibrary library;
    setLastError(error::Success);
    EXPECT_FALSE(library.load(QStringLiteral("worksdata-none.dll")));
    EXPECT_EQ(lastError(), error::ModuleNotFound);
    EXPECT_FALSE(library.isLoaded());
}

class SuiteLibraryPathTest : public WorkspaceTest
{
};

TEST_F(SuiteLibraryPathTest, NameWithFolderLooksThere)
{
    mapDrive(QLatin1Char('P'), QCoreApplication::applicationDirPath());
    SuiteLibrary library;
    EXPECT_TRUE(library.load(QStringLiteral("P:\\tesseraprobe.dll")));
    EXPECT_FALSE(library.load(QStringLiteral("D:\\tesseraprobe.dll"))) << "not in that folder";
    EXPECT_FALSE(library.isLoaded()) << "a failed load leaves nothing loaded";
    EXPECT_FALSE(library.load(QStringLiteral("Q:\\tesseraprobe.dll")));
    EXPECT_EQ(lastError(), error::ModuleNotFound);
}
