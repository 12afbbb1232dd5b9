// G_OUTPUTXML.dat as the host reads it: the start medium only in the range
// the export offers, so that numbering the media on cannot overflow.
#include "deliveryplan.h"
#include "outputsettings.h"

#include "workspacetest.h"

#include <QFile>

namespace {

class OutputSettingsTest : public WorkspaceTest
{
};

} // namespace

TEST_F(OutputSettingsTest, TakesAStartMediumOutsideTheOfferedRangeAsOne)
{
    const struct
    {
        const char *media; // nullptr: no key
        int read;
    } cases[] = {
        {nullptr, 1}, {"1", 1}, {"9", 9}, {"0", 1}, {"-3", 1}, {"10", 1}, {"2147483646", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.media ? c.media : "no key");
        QString text =
            QStringLiteral("[XMLOUT]\r\ntype=1\r\nfolder=D:\\out\r\nsize=1\r\n[OPTION]\r\n");
        if (c.media)
            text += QStringLiteral("media=%1\r\n").arg(QLatin1String(c.media));
        writeFile(QStringLiteral("G_OUTPUTXML.dat"), utf16le(text));
        const auto settings = host::readOutputSettings(winPath(QStringLiteral("G_OUTPUTXML.dat")));
        ASSERT_TRUE(settings);
        EXPECT_EQ(settings->startMedia, c.read);
    }
}

// The fuzzer's input that numbered media past the largest integer: three
// photos larger than the split size of 1 MB from medium 2147483646.
TEST_F(OutputSettingsTest, NumbersTheMediaFromOneWhenTheFileStartsPastTheOfferedRange)
{
    writeFile(QStringLiteral("G_OUTPUTXML.dat"),
              "[XMLOUT]\r\nfoldertype=28\r\nphototype=2\r\ntype=1\r\nfolder=F:\\out\r\nsize=1\r\n"
              "[OPTION]\r\nsheet=2\r\nmedia=2147483646\r\nBROWSER=1\r\n");
    const auto settings = host::readOutputSettings(winPath(QStringLiteral("G_OUTPUTXML.dat")));
    ASSERT_TRUE(settings);
    host::ExportSource source;
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"}) {
        writeFile(QLatin1String(name), QByteArray());
        QFile(hostPath(QLatin1String(name))).resize(2 * 1024 * 1024);
        host::ExportPhoto photo;
        photo.albumHostFolder = hostPath();
        photo.item.fileName = QLatin1String(name);
        source.photos.append(photo);
    }
    const QList<host::PlannedMedium> media = host::planMedia(source, *settings);
    ASSERT_EQ(media.size(), 3);
    EXPECT_EQ(media.at(0).number, 1);
    EXPECT_EQ(media.at(2).number, 3);
}
