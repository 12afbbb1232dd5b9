// What the host does after writing a delivery: the document the browser
// opens, and the hand-over to the program chosen from Cooperation.ini.
#include "exportfollowup.h"

#include "workspacetest.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace {

class ExportFollowUpTest : public WorkspaceTest
{
};

} // namespace

TEST_F(ExportFollowUpTest, TheBrowserOpensTheFirstMediumsPhotoXml)
{
    host::OutputSettings settings;
    settings.folder = QStringLiteral("D:\\out");
    settings.startMedia = 3;
    EXPECT_EQ(host::stylesheetDocument(settings, 1), QStringLiteral("D:\\out\\PHOTO\\PHOTO.XML"));
    EXPECT_EQ(host::stylesheetDocument(settings, 2),
              QStringLiteral("D:\\out\\MEDIA03\\PHOTO\\PHOTO.XML"));
}

TEST_F(ExportFollowUpTest, HandsTheOutputFolderToTheChosenProgram)
{
    // A program that notes its argument, described as number 1.
    writeFile(QStringLiteral("apps/receiver.sh"),
              "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/received.tmp\"\n"
              "mv \"$(dirname \"$0\")/received.tmp\" \"$(dirname \"$0\")/received\"\n");
    QFile(hostPath(QStringLiteral("apps/receiver.sh")))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(QStringLiteral("Cooperation.ini"),
              utf16le(QStringLiteral("[Cooperation]\r\nCount=2\r\n[Program0]\r\nName=無い\r\n"
                                     "Program=D:\\apps\\missing\r\n[Program1]\r\nName=受け取り\r\n"
                                     "Program=D:\\apps\\receiver.sh\r\n")));
    host::OutputSettings settings;
    settings.folder = QStringLiteral("D:\\納品\\出力");
    const QString ini = winPath(QStringLiteral("Cooperation.ini"));

    settings.cooperation = 0;
    EXPECT_FALSE(host::handOver(settings, ini)) << "a program that is not there";
    settings.cooperation = 2;
    EXPECT_FALSE(host::handOver(settings, ini)) << "a number outside the count";

    settings.cooperation = 1;
    ASSERT_TRUE(host::handOver(settings, ini));
    const QString received = hostPath(QStringLiteral("apps/received"));
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(received) && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_EQ(QString::fromUtf8(readFile(QStringLiteral("apps/received"))), settings.folder);
}
