#include "deliveryreaderlaunch.h"
#include "programrun.h"

#include "workspacetest.h"

#include <QImage>

#include <utility>

// The built DeliveryReader along the government-building route
// 137 → 142 → 138 → 133 → 141, with folders ticked by the script, for both
// editions of the standard.
namespace {

class GovernmentRouteProcessTest : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        // The construction folder holds only a note and folders; photos lie
        // up to five levels below it.
        writeFile(QStringLiteral("営繕/工事Ｂ/工事概要.txt"), QByteArray("note\r\n"));
        const QList<std::pair<const char *, int>> folders = {
            {"01_建築", 2},
            {"01_建築/外部", 3},
            {"01_建築/外部/外壁", 4},
            {"01_建築/外部/外壁/東面", 2},
            {"01_建築/外部/外壁/東面/詳細", 1},
            {"01_建築/内部", 0},
            {"01_建築/内部/床", 5},
            {"02_設備", 0},
            {"02_設備/電気", 6},
            {"02_設備/電気/幹線", 1},
        };
        for (const auto &[folder, photos] : folders) {
            const QString path = QStringLiteral("営繕/工事Ｂ/") + QString::fromUtf8(folder);
            makeFolder(path);
            for (int i = 1; i <= photos; ++i)
                writeFile(path + QStringLiteral("/IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')), QByteArray());
        }
    }

    // To the summary with 外壁 ticked and 内部 unticked; the version page
    // is left as it is or set to the 2002 revision.
    static QByteArray route(bool revision2002)
    {
        return QByteArray("text 1001 D:\\営繕\\工事Ｂ\n"
                          "next\nexpect-page 142\n")
               + (revision2002 ? "click 1010\n" : "")
               + "next\nexpect-page 138\n"
                 "tick 1024 D:\\営繕\\工事Ｂ\\01_建築\\外部\\外壁\n"
                 "tick 1024 D:\\営繕\\工事Ｂ\\01_建築\\内部\n"
                 "shot D:\\temp\\138.png\n"
                 "next\nexpect-page 133\n"
                 "next\nexpect-page 141\n"
                 "finish\n";
    }

    int run(const QByteArray &script)
    {
        return runScripted(programPath(QStringLiteral("DeliveryReader")),
                           deliveryReaderArguments(), script, &m_output);
    }

    // What the last run printed, for failure messages.
    QByteArray m_output;
};

} // namespace

TEST_F(GovernmentRouteProcessTest, Edition2012PlansBoxedAlbumsFromTheTickedFolders)
{
    ASSERT_EQ(run(route(false)), 1) << m_output.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("ui.log")), QByteArray());
    EXPECT_EQ(readFile(QStringLiteral("temp/G_INPUTXML.dat")),
              testData(QStringLiteral("reader/eizen/route_2012.dat")));
    const QImage shot(tempHostPath(QStringLiteral("138.png")));
    EXPECT_FALSE(shot.isNull());
}

TEST_F(GovernmentRouteProcessTest, Revision2002ShowsDeeperLevelsAndHasNoBoxes)
{
    ASSERT_EQ(run(route(true)), 1) << m_output.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("ui.log")), QByteArray());
    EXPECT_EQ(readFile(QStringLiteral("temp/G_INPUTXML.dat")),
              testData(QStringLiteral("reader/eizen/route_2002.dat")));
}

