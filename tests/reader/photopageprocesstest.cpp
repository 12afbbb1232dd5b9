#include "classificationmaster.h"
#include "deliverygenerator.h"
#include "deliveryreaderlaunch.h"
#include "photoinfotest.h"
#include "programrun.h"

#include <QFile>
#include <QImage>

// The built DeliveryReader on the standard route, run by a script as the
// host application starts it: the photo page shows the delivery's photos
// and leaving it leaves KOUJIMASTER.MDB in the temp folder.
namespace {

class PhotoPageProcessTest : public PhotoInfoTest
{
protected:
    // Runs the program to its end on the script; its exit code.
    int run(const QByteArray &script)
    {
        return runScripted(programPath(QStringLiteral("DeliveryReader")),
                           deliveryReaderArguments(), script, &m_output);
    }

    // What the last run printed, for failure messages.
    QByteArray m_output;
};

} // namespace

TEST_F(PhotoPageProcessTest, StandardRouteListsThePhotosAndBuildsTheMaster)
{
    DeliveryGenerator generator(
        {24, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis});
    ASSERT_TRUE(generator.generate(hostPath(QStringLiteral("納品/工事Ａ"))));
    const QByteArray script = "text 1001 D:\\納品\\工事Ａ\n"
                              "next\nexpect-page 130\n"
                              "next\nexpect-page 136\n"
                              "select 1013 2\n"
                              "click 1010\n"
                              "shot D:\\temp\\136.png\n"
                              "next\nexpect-page 134\n"
                              "click 1010\nclick 1022\n"
                              "next\nexpect-page 133\n"
                              "next\nexpect-page 141\n"
                              "finish\n";
    ASSERT_EQ(run(script), 1) << m_output.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("ui.log")), QByteArray());

    const QImage shot(tempHostPath(QStringLiteral("136.png")));
    EXPECT_FALSE(shot.isNull());
    EXPECT_EQ(
        readFile(QStringLiteral("temp/G_INPUTXML.dat")),
        testData(QStringLiteral("reader/standard_by_class_japanese.dat")));

    // The same tree as the classification master builds from the delivery.
    const QStringList built = masterRows();
    ASSERT_GT(built.size(), 1);
    EXPECT_EQ(built.first(), QStringLiteral("1|ROOT|2|0|0"));
    QFile::remove(tempHostPath(QStringLiteral("KOUJIMASTER.MDB")));
    reader::ClassificationMaster classification;
    ASSERT_EQ(classification.BuildClassificationTree(QString::fromUtf16(ProgramDir)), QString());
    EXPECT_EQ(masterRows(), built);
}
