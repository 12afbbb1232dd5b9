// The sample data as DeliveryReader's root folder page classifies it, with
// this library's functions: every standard delivery is kind 1, read from
// its root, and a government-building tree is kind 2.
#include "worksdatatest.h"

#include "deliveryclassification.h"
#include "eizengenerator.h"
#include "suiteapi/worksdatafunctions.h"

namespace {

class ClassificationTest : public WorksdataTest
{
protected:
    reader::DeliveryClassification classify(const QString &path) const
    {
        suiteapi::WorksdataFunctions functions;
        functions.checkPhotoFolder = library().CheckPhotoFolder;
        functions.getPlanFlag = library().GetPlanFlag;
        functions.dnXmlRead = library().DNXmlRead;
        return reader::ClassifyDeliveryFolder(path, functions);
    }
};

} // namespace

TEST_F(ClassificationTest, GeneratedDeliveriesAreStandardDeliveries)
{
    using Standard = DeliveryOptions::Standard;
    for (const Standard standard :
         {Standard::Mlit, Standard::Maff, Standard::Nexco2012, Standard::Nexco2006}) {
        const QString name = QStringLiteral("disc%1").arg(int(standard));
        const QString root =
            generateDelivery(name, {5, standard, DeliveryOptions::Encoding::ShiftJis});

        const reader::DeliveryClassification atRoot = classify(root);
        EXPECT_EQ(atRoot.kind, reader::StandardDelivery) << name.toStdString();
        EXPECT_EQ(atRoot.root, root);
        EXPECT_EQ(library().dnXmlRead(atRoot.root, atRoot.planFlag), 1);

        // Choosing the PHOTO folder itself reads its parent.
        const reader::DeliveryClassification atPhoto = classify(root + QStringLiteral("\\PHOTO"));
        EXPECT_EQ(atPhoto.kind, reader::StandardDelivery) << name.toStdString();
        EXPECT_EQ(atPhoto.root, root);
    }
}

TEST_F(ClassificationTest, GeneratedBuildingTreeIsAGovernmentBuildingDelivery)
{
    ASSERT_TRUE(EizenGenerator({40, 7}).generate(hostPath(QStringLiteral("合同庁舎改修工事"))));
    EXPECT_EQ(classify(winPath(QStringLiteral("合同庁舎改修工事"))).kind,
              reader::GovernmentBuildingDelivery);
}
