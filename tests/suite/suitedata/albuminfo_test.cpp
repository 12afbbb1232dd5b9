#include "workspacetest.h"

#include "suitedata/albuminfo.h"

#include <dlfcn.h>

using namespace suitedata;

namespace {

using KoujiInfGet2Function = int(const char16_t *, char16_t *);

KoujiInfGet2Function *koujiInfGet2()
{
    static KoujiInfGet2Function *function = [] {
        void *handle = dlopen(TESSERA_PROGRAM_DIR "/libworksdata.so", RTLD_NOW | RTLD_LOCAL);
        return handle ? reinterpret_cast<KoujiInfGet2Function *>(dlsym(handle, "DNKoujiInfGet2"))
                      : nullptr;
    }();
    return function;
}

} // namespace

class AlbumInfoTest : public WorkspaceTest
{
};

TEST_F(AlbumInfoTest, WritesTheAlbumFileForm)
{
    EXPECT_EQ(albumInfoXml({QStringLiteral("基礎工 & 配筋"), false}),
              QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><album><label>"
                         "基礎工 &amp; 配筋</label></album>"));
    writeFile(QStringLiteral("KOUJI.XML"), albumInfoXml({QStringLiteral("鍵付き"), true}));
    AlbumInfo read;
    ASSERT_TRUE(readAlbumInfo(hostPath(QStringLiteral("KOUJI.XML")), &read));
    EXPECT_EQ(read.label, QStringLiteral("鍵付き"));
    EXPECT_TRUE(read.password);
}

// The label into the caller's 260 characters, as the destination page reads
// it; anything that is no album file gives an empty buffer and 0.
TEST_F(AlbumInfoTest, KoujiInfGet2FillsTheLabelBuffer)
{
    ASSERT_NE(koujiInfGet2(), nullptr) << dlerror();
    const QString longLabel = QString(300, QChar(u'写'));
    const struct
    {
        const char *name;
        QByteArray bytes; // empty: no file
        int result;
        QString label;
    } cases[] = {
        {"label", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><album><label>一工区 完成</label></album>",
         1, QStringLiteral("一工区 完成")},
        {"long label", albumInfoXml({longLabel, false}), 1, longLabel.left(259)},
        {"empty label", "<album><label/></album>", 1, QString()},
        {"missing", QByteArray(), 0, QString()},
        {"broken", "<album><label>x</album>", 0, QString()},
        {"another root", "<kouji><label>x</label></kouji>", 0, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = QString::fromLatin1(c.name).replace(u' ', u'_');
        makeFolder(folder);
        if (!c.bytes.isEmpty())
            writeFile(folder + QStringLiteral("/KOUJI.XML"), c.bytes);
        const QString path = winPath(folder + QStringLiteral("\\KOUJI.XML"));
        char16_t buffer[260];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        EXPECT_EQ(koujiInfGet2()(reinterpret_cast<const char16_t *>(path.utf16()), buffer), c.result);
        EXPECT_EQ(QString::fromUtf16(buffer), c.label);
        // Nothing past the terminator is touched.
        const qsizetype end = c.label.size() + 1;
        if (end < 260) {
            EXPECT_EQ(buffer[end], u'#');
        }
    }
    char16_t buffer[260] = {u'#'};
    EXPECT_EQ(koujiInfGet2()(nullptr, buffer), 0);
    EXPECT_EQ(buffer[0], u'\0');
}
