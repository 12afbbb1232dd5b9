#include "sharedshelfcheck.h"

#include "workspacetest.h"

using namespace shelfwarden;

class SharedShelfCheckTest : public WorkspaceTest
{
protected:
    SharedShelf check() const { return CheckSharedShelf(winPath(QStringLiteral("shelf"))); }
};

TEST_F(SharedShelfCheckTest, ToolVersionIsTheMajorProductVersion)
{
    EXPECT_EQ(toolVersion(), 13);
}

TEST_F(SharedShelfCheckTest, VersionUpToTheToolsIsChangeable)
{
    writeFile(QStringLiteral("shelf/kouji.xml"), "<kouji/>");
    writeFile(QStringLiteral("shelf/NetProf.dat"), "[VERSION]\r\nVersion=13\r\n");
    EXPECT_EQ(check(), SharedShelf::Changeable);

    writeFile(QStringLiteral("shelf/NetProf.dat"), "[USED]\r\n0=41\r\n");
    EXPECT_EQ(check(), SharedShelf::Changeable);
}

TEST_F(SharedShelfCheckTest, NewerProfileIsRefused)
{
    writeFile(QStringLiteral("shelf/KOUJI.XML"), "<kouji/>");
    writeFile(QStringLiteral("shelf/NetProf.dat"), "[VERSION]\r\nVersion=14\r\n");
    EXPECT_EQ(check(), SharedShelf::Newer);
}

TEST_F(SharedShelfCheckTest, NeedsBothFiles)
{
    writeFile(QStringLiteral("shelf/NetProf.dat"), "[VERSION]\r\nVersion=13\r\n");
    EXPECT_EQ(check(), SharedShelf::NotShared);

    writeFile(QStringLiteral("other/kouji.xml"), "<kouji/>");
    EXPECT_EQ(CheckSharedShelf(winPath(QStringLiteral("other"))), SharedShelf::NotShared);
    EXPECT_EQ(CheckSharedShelf(winPath(QStringLiteral("missing"))), SharedShelf::NotShared);
}
