#include "worksdatafunctions.h"

#include "platform/suitelibrary.h"
#include "platform/winpath.h"

#include "workspacetest.h"

using reader::WorksdataFunctions;

namespace {

// The program folder, where the suite libraries are built, as drive P:.
class WorksdataFunctionsTest : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
    }
};

} // namespace

TEST_F(WorksdataFunctionsTest, TakesTheFunctionsFromTheLoadedLibrary)
{
    win::SuiteLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("P:\\worksdata.dll")));
    const auto functions = WorksdataFunctions::fromLibrary(library);
    ASSERT_TRUE(functions);
    EXPECT_EQ(functions->checkPhotoFolder,
              library.function<int(const char16_t *)>("CheckPhotoFolder"));
    EXPECT_EQ(functions->getPlanFlag,
              library.function<int(const char16_t *, char16_t *)>("GetPlanFlag"));
    EXPECT_EQ(functions->dnXmlRead, library.function<int(const char16_t *, int)>("DNXmlRead"));
}

TEST_F(WorksdataFunctionsTest, RefusesALibraryWithoutThem)
{
    win::SuiteLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("P:\\tessera_common.dll")));
    EXPECT_FALSE(WorksdataFunctions::fromLibrary(library));
}
