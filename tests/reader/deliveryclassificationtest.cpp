#include "deliveryclassification.h"

#include "suiteapi/worksdatafunctions.h"
#include "workspacetest.h"

#include <QStringList>

using namespace reader;

namespace {

// Fake worksdata: a folder named PHOTO is a PHOTO folder; the plan flag is
// whatever the test sets. The calls are recorded.
struct FakeWorksdata
{
    static inline int planFlag = 0;
    static inline QStringList planFlagFolders;

    static int checkPhotoFolder(const char16_t *folder)
    {
        return QString::fromUtf16(folder).endsWith(u"\\PHOTO", Qt::CaseInsensitive) ? 1 : 0;
    }
    static int getPlanFlag(const char16_t *folder, char16_t *buffer)
    {
        planFlagFolders << QString::fromUtf16(folder);
        buffer[0] = u'\0';
        return planFlag;
    }
    static int dnXmlRead(const char16_t *, int) { return 0; }

    static suiteapi::WorksdataFunctions functions()
    {
        planFlag = 0;
        planFlagFolders.clear();
        return {&checkPhotoFolder, &getPlanFlag, &dnXmlRead};
    }
};

class DeliveryClassificationTest : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        m_worksdata = FakeWorksdata::functions();
    }

    void touch(const QString &relative) { writeFile(relative, QByteArray("x")); }

    DeliveryClassification classify(const QString &relative)
    {
        return ClassifyDeliveryFolder(winPath(relative), m_worksdata);
    }

    suiteapi::WorksdataFunctions m_worksdata;
};

} // namespace

TEST_F(DeliveryClassificationTest, XmlAndDtdTestWantsCapitalExtensionsOfAnyEntry)
{
    touch(QStringLiteral("upper/INDEX_C.XML"));
    touch(QStringLiteral("upper/INDEX_C04.DTD"));
    EXPECT_TRUE(FolderHasXmlAndDtd(winPath(QStringLiteral("upper"))));

    touch(QStringLiteral("lower/index_c.xml"));
    touch(QStringLiteral("lower/INDEX_C04.DTD"));
    EXPECT_FALSE(FolderHasXmlAndDtd(winPath(QStringLiteral("lower"))));

    // Folders count like files; a name without a dot is its own extension,
    // and only the text after the last dot counts.
    makeFolder(QStringLiteral("names/DTD"));
    touch(QStringLiteral("names/old.XML"));
    EXPECT_TRUE(FolderHasXmlAndDtd(winPath(QStringLiteral("names"))));
    touch(QStringLiteral("dots/INDEX.XML.bak"));
    touch(QStringLiteral("dots/INDEX.DTD"));
    EXPECT_FALSE(FolderHasXmlAndDtd(winPath(QStringLiteral("dots"))));

    touch(QStringLiteral("xmlonly/INDEX_C.XML"));
    EXPECT_FALSE(FolderHasXmlAndDtd(winPath(QStringLiteral("xmlonly"))));
    EXPECT_FALSE(FolderHasXmlAndDtd(winPath(QStringLiteral("missing"))));
}

TEST_F(DeliveryClassificationTest, PhotoDtdTestKnowsBothNamesInAnyCase)
{
    touch(QStringLiteral("a/photo02.dtd"));
    EXPECT_TRUE(PhotoFolderHasDtd(winPath(QStringLiteral("a"))));
    touch(QStringLiteral("b/PHOTO02N.DTD"));
    EXPECT_TRUE(PhotoFolderHasDtd(winPath(QStringLiteral("b"))));
    touch(QStringLiteral("c/PHOTO05.DTD"));
    touch(QStringLiteral("c/PHOTO.XML"));
    EXPECT_FALSE(PhotoFolderHasDtd(winPath(QStringLiteral("c"))));
    EXPECT_FALSE(PhotoFolderHasDtd(winPath(QStringLiteral("missing"))));
}

TEST_F(DeliveryClassificationTest, XmlDtdTreeTestLooksOneLevelDown)
{
    // Descending wants at least one subfolder.
    touch(QStringLiteral("flat/a.xml"));
    EXPECT_FALSE(TreeHasOnlyXmlDtd(winPath(QStringLiteral("flat")), true));
    EXPECT_TRUE(TreeHasOnlyXmlDtd(winPath(QStringLiteral("flat")), false));

    touch(QStringLiteral("tree/top.Xml"));
    touch(QStringLiteral("tree/DOC1/a.xml"));
    touch(QStringLiteral("tree/DOC1/a.dtd"));
    touch(QStringLiteral("tree/DOC2/b.XML"));
    // Deeper folders are not looked at.
    touch(QStringLiteral("tree/DOC2/deeper/photo.jpg"));
    EXPECT_TRUE(TreeHasOnlyXmlDtd(winPath(QStringLiteral("tree")), true));

    touch(QStringLiteral("badsub/DOC1/a.xml"));
    touch(QStringLiteral("badsub/DOC2/photo.jpg"));
    EXPECT_FALSE(TreeHasOnlyXmlDtd(winPath(QStringLiteral("badsub")), true));

    touch(QStringLiteral("badtop/DOC1/a.xml"));
    touch(QStringLiteral("badtop/readme.txt"));
    EXPECT_FALSE(TreeHasOnlyXmlDtd(winPath(QStringLiteral("badtop")), true));

    // Without descending, subfolders are skipped.
    touch(QStringLiteral("skip/a.dtd"));
    touch(QStringLiteral("skip/sub/photo.jpg"));
    EXPECT_TRUE(TreeHasOnlyXmlDtd(winPath(QStringLiteral("skip")), false));
}

TEST_F(DeliveryClassificationTest, ImageTestAcceptsPhotosAndTextDirectlyInTheFolder)
{
    for (const char *name : {"a.JPG", "b.jpeg", "c.Jpe", "d.bmp", "e.TIF", "f.tiff", "g.txt", "jpg"})
        touch(QStringLiteral("images/") + QLatin1String(name));
    touch(QStringLiteral("images/sub/memo.doc"));
    EXPECT_TRUE(FolderHasOnlyImages(winPath(QStringLiteral("images"))));

    touch(QStringLiteral("bak/x.jpg.bak"));
    EXPECT_FALSE(FolderHasOnlyImages(winPath(QStringLiteral("bak"))));

    makeFolder(QStringLiteral("empty"));
    EXPECT_TRUE(FolderHasOnlyImages(winPath(QStringLiteral("empty"))));
}

TEST_F(DeliveryClassificationTest, PhotoFolderChosenClassifiesItsParent)
{
    touch(QStringLiteral("deliv/INDEX_C.XML"));
    touch(QStringLiteral("deliv/INDEX_C04.DTD"));
    touch(QStringLiteral("deliv/PHOTO/PHOTO.XML"));
    touch(QStringLiteral("deliv/PHOTO/PHOTO05.DTD"));
    FakeWorksdata::planFlag = 4;

    const DeliveryClassification result = classify(QStringLiteral("deliv\\PHOTO"));
    EXPECT_EQ(result.kind, StandardDelivery);
    EXPECT_EQ(result.planFlag, 4);
    EXPECT_EQ(result.root, winPath(QStringLiteral("deliv")));
    EXPECT_EQ(FakeWorksdata::planFlagFolders, QStringList{winPath(QStringLiteral("deliv"))});
}

TEST_F(DeliveryClassificationTest, PhotoFolderChosenWithoutParentIndexNeedsItsDtd)
{
    touch(QStringLiteral("old/PHOTO/PHOTO.XML"));
    touch(QStringLiteral("old/PHOTO/PHOTO02.DTD"));
    DeliveryClassification result = classify(QStringLiteral("old\\PHOTO"));
    EXPECT_EQ(result.kind, StandardDelivery);
    EXPECT_EQ(result.planFlag, 0);
    EXPECT_EQ(result.root, winPath(QStringLiteral("old")));

    // A PHOTO folder is never read by folder hierarchy, even one of photos.
    touch(QStringLiteral("plain/PHOTO/P0000001.JPG"));
    result = classify(QStringLiteral("plain\\PHOTO"));
    EXPECT_EQ(result.kind, UndeterminedDelivery);
    EXPECT_TRUE(result.root.isEmpty());
    EXPECT_TRUE(FakeWorksdata::planFlagFolders.isEmpty());
}

TEST_F(DeliveryClassificationTest, IndexAndDtdWithoutPhotoFolderDependOnThePlanFlag)
{
    touch(QStringLiteral("deliv/INDEX.XML"));
    touch(QStringLiteral("deliv/PHOTO.DTD"));

    FakeWorksdata::planFlag = 2;
    DeliveryClassification result = classify(QStringLiteral("deliv"));
    EXPECT_EQ(result.kind, StandardDelivery);
    EXPECT_EQ(result.planFlag, 2);
    EXPECT_EQ(result.root, winPath(QStringLiteral("deliv")));

    FakeWorksdata::planFlag = 0;
    result = classify(QStringLiteral("deliv"));
    EXPECT_EQ(result.kind, UndeterminedDelivery);
}

TEST_F(DeliveryClassificationTest, LowerCaseIndexFallsThroughToThePhotoFolder)
{
    touch(QStringLiteral("deliv/index.xml"));
    touch(QStringLiteral("deliv/index.dtd"));
    touch(QStringLiteral("deliv/PHOTO/photo02n.dtd"));
    FakeWorksdata::planFlag = 9;

    DeliveryClassification result = classify(QStringLiteral("deliv"));
    EXPECT_EQ(result.kind, StandardDelivery);
    EXPECT_EQ(result.planFlag, 0);
    EXPECT_EQ(result.root, winPath(QStringLiteral("deliv")));
    EXPECT_TRUE(FakeWorksdata::planFlagFolders.isEmpty());

    // Without the PHOTO folder the XML files are neither photos nor a tree.
    touch(QStringLiteral("nophoto/index.xml"));
    result = classify(QStringLiteral("nophoto"));
    EXPECT_EQ(result.kind, UndeterminedDelivery);
}

TEST_F(DeliveryClassificationTest, GovernmentBuildingShapes)
{
    // Construction-name folder: subfolders only.
    touch(QStringLiteral("eizen/建築/基礎工事/P001.JPG"));
    touch(QStringLiteral("eizen/電気/P002.jpg"));
    EXPECT_EQ(classify(QStringLiteral("eizen")).kind, GovernmentBuildingDelivery);

    // Images and text directly in the folder.
    touch(QStringLiteral("photos/P001.JPG"));
    touch(QStringLiteral("photos/memo.txt"));
    EXPECT_EQ(classify(QStringLiteral("photos")).kind, GovernmentBuildingDelivery);

    // XML and DTD files one level down, without the capital pair above.
    touch(QStringLiteral("xmltree/meta.xml"));
    touch(QStringLiteral("xmltree/DOC/doc.xml"));
    touch(QStringLiteral("xmltree/DOC/doc.dtd"));
    EXPECT_EQ(classify(QStringLiteral("xmltree")).kind, GovernmentBuildingDelivery);

    makeFolder(QStringLiteral("empty"));
    const DeliveryClassification empty = classify(QStringLiteral("empty"));
    EXPECT_EQ(empty.kind, GovernmentBuildingDelivery);
    EXPECT_TRUE(empty.root.isEmpty());
    EXPECT_TRUE(FakeWorksdata::planFlagFolders.isEmpty());
}

TEST_F(DeliveryClassificationTest, OtherFilesAreUndetermined)
{
    touch(QStringLiteral("docs/memo.doc"));
    EXPECT_EQ(classify(QStringLiteral("docs")).kind, UndeterminedDelivery);

    touch(QStringLiteral("mixed/P001.JPG"));
    touch(QStringLiteral("mixed/sub/P002.JPG"));
    touch(QStringLiteral("mixed/drawing.dwg"));
    EXPECT_EQ(classify(QStringLiteral("mixed")).kind, UndeterminedDelivery);
}
