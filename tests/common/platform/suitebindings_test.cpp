#include "suiteapi/suitecommonfunctions.h"
#include "suiteapi/worksdatafunctions.h"

#include "platform/suitelibrary.h"
#include "platform/winpath.h"

#include "workspacetest.h"

namespace {

// The program folder, where the suite libraries are built, as drive P:.
class SuiteBindingsTest : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
    }
};

} // namespace

TEST_F(SuiteBindingsTest, TakeTheFunctionsFromTheLibrariesLoadedByName)
{
    win::SuiteLibrary worksdata;
    ASSERT_TRUE(worksdata.load(QStringLiteral("P:\\worksdata.dll")));
    const auto works = suiteapi::WorksdataFunctions::fromLibrary(worksdata);
    ASSERT_TRUE(works);
    EXPECT_EQ(works->dnXmlRead, worksdata.function<int(const char16_t *, int)>("DNXmlRead"));

    win::SuiteLibrary suitecommon;
    ASSERT_TRUE(suitecommon.load(QStringLiteral("P:\\suitecommon.DLL")));
    const auto common = suiteapi::SuiteCommonFunctions::fromLibrary(suitecommon);
    ASSERT_TRUE(common);
    EXPECT_EQ(suiteapi::catPath(*common, QStringLiteral("D:\\"), QStringLiteral("a.txt")),
              QStringLiteral("D:\\a.txt"));
}

TEST_F(SuiteBindingsTest, RefuseALibraryWithoutTheirFunctions)
{
    win::SuiteLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("P:\\tessera_common.dll")));
    EXPECT_FALSE(suiteapi::WorksdataFunctions::fromLibrary(library));
    EXPECT_FALSE(suiteapi::SuiteCommonFunctions::fromLibrary(library));
}
