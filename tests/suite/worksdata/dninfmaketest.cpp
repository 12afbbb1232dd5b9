// DNInfMake on generated bookshelves, as DeliveryWriter's basic-information
// page calls it and reads GXTemp back.
#include "worksdatatest.h"

#include "basicinfomake.h"
#include "gxtemp.h"
#include "suitesample.h"

#include "suitedata/constructioninfo.h"

#include <QFile>

#include <dlfcn.h>

namespace {

using DNInfMakeFunction = int(const char16_t *, int, int, const char16_t *, const char16_t *, int,
                              char16_t *, const char16_t *, const char16_t *, int, char16_t *);

DNInfMakeFunction *dnInfMake()
{
    static void *const handle =
        dlopen(TESSERA_PROGRAM_DIR "/libworksdata.so", RTLD_NOW | RTLD_LOCAL);
    return handle ? reinterpret_cast<DNInfMakeFunction *>(dlsym(handle, "DNInfMake")) : nullptr;
}

const char16_t *wide(const QString &text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}

struct Outcome
{
    int result = -1;
    QString tekiyou;
    QString flag;
    QList<GXTemp::Line> lines;

    QString value(const QString &label) const
    {
        for (const GXTemp::Line &line : lines) {
            if (line.label.trimmed() == label)
                return line.value;
        }
        return QStringLiteral("<none>");
    }
};

class DNInfMakeTest : public WorksdataTest
{
protected:
    // A one-bookshelf suite of the code; returns the bookshelf's data folder.
    QString makeShelf(int standardCode) const
    {
        SuiteSample sample;
        sample.root = hostPath(QStringLiteral("suite"));
        sample.standardCode = standardCode;
        QString error;
        EXPECT_TRUE(sample.write(&error)) << error.toStdString();
        return winPath(QStringLiteral("suite/shelves/shelf01"));
    }

    void editShelf(const std::function<void(suitedata::ShelfInfo *)> &edit) const
    {
        const QString file = hostPath(QStringLiteral("suite/shelves/shelf01/kouji.xml"));
        suitedata::ShelfInfo info;
        ASSERT_TRUE(suitedata::readShelfInfo(file, &info));
        edit(&info);
        ASSERT_TRUE(suitedata::writeShelfInfo(file, info));
    }

    // The shipped NeedTransformation.dat in a folder of the workspace.
    QString transformationFolder() const
    {
        makeFolder(QStringLiteral("prog"));
        QFile::copy(QStringLiteral(TESSERA_PROGRAM_DIR "/NeedTransformation.dat"),
                    hostPath(QStringLiteral("prog/NeedTransformation.dat")));
        return winPath(QStringLiteral("prog"));
    }

    Outcome run(const QString &folder, int standardCode, bool japaneseNames = false,
                const QString &cals = QString()) const
    {
        Outcome outcome;
        DNInfMakeFunction *function = dnInfMake();
        EXPECT_NE(function, nullptr);
        if (!function)
            return outcome;
        char16_t tekiyou[256];
        char16_t flag[6];
        std::fill(std::begin(tekiyou), std::end(tekiyou), u'#');
        std::fill(std::begin(flag), std::end(flag), u'#');
        const QString empty;
        outcome.result = function(wide(folder), standardCode, 0, wide(empty), wide(empty), 0,
                                  tekiyou, cals.isEmpty() ? nullptr : wide(cals), wide(empty),
                                  japaneseNames ? 1 : 0, flag);
        outcome.tekiyou = QString::fromUtf16(tekiyou);
        outcome.flag = QString::fromUtf16(flag);
        GXTemp reader(QStringLiteral("出力形式"));
        if (outcome.result && reader.open()) {
            GXTemp::Line line;
            while (reader.readLine(&line))
                outcome.lines.append(line);
            EXPECT_FALSE(reader.hasReadError());
        }
        return outcome;
    }
};

} // namespace

TEST_F(DNInfMakeTest, ListsTheConstructionInformationOfEachBody)
{
    struct Case
    {
        int code;
        QString tekiyou;
        bool identifiers;
    };
    const Case cases[] = {
        {25, QStringLiteral("国土交通省 工事完成図書の電子納品要領（案）(H20.5版)"), false},
        {73, QStringLiteral("農村振興土木200504-01"), true},
        {90, QStringLiteral("NEXCO 工事記録写真等撮影要領 (H24.7版)"), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code);
        const Outcome outcome = run(makeShelf(c.code), c.code);
        ASSERT_EQ(outcome.result, 1);
        ASSERT_FALSE(outcome.lines.isEmpty());
        const QByteArray bytes = readHostFile(gxtempHostPath());
        // UTF-16LE with its byte-order mark, as the page's reader expects.
        EXPECT_TRUE(bytes.startsWith(utf16le(QStringLiteral("電子納品要領 "))))
            << bytes.left(16).toHex().toStdString();
        EXPECT_EQ(outcome.lines.first().label, QStringLiteral("電子納品要領"));
        EXPECT_EQ(outcome.tekiyou, c.tekiyou);
        EXPECT_EQ(outcome.value(QStringLiteral("適用要領基準")), c.tekiyou);
        EXPECT_EQ(outcome.flag, QStringLiteral("00000"));
        EXPECT_EQ(outcome.value(QStringLiteral("工事名称")), QStringLiteral("1号 道路改良工事"));
        EXPECT_EQ(outcome.value(QStringLiteral("写真フォルダ名")), QStringLiteral("PHOTO"));
        EXPECT_EQ(outcome.value(QStringLiteral("工期開始日")).size(), 10);
        EXPECT_EQ(outcome.lines.at(2).label, QStringLiteral("    メディア番号"));
        // Complete generated data: nothing to mark but the identifiers.
        QStringList marked;
        for (const GXTemp::Line &line : outcome.lines) {
            if (GXTemp::removeMarkers(line.value) != line.value)
                marked.append(line.label.trimmed());
        }
        const QStringList identifiers{QStringLiteral("工事情報識別子"),
                                      QStringLiteral("写真情報識別子")};
        EXPECT_EQ(marked, c.identifiers ? identifiers : QStringList());
        if (c.identifiers) {
            EXPECT_TRUE(outcome.value(identifiers.first())
                            .startsWith(c.tekiyou + GXTemp::MarkerKJJH));
        }
        // The free text comes after the section end.
        qsizetype end = -1;
        qsizetype content = -1;
        for (qsizetype i = 0; i < outcome.lines.size(); ++i) {
            if (GXTemp::isSectionEnd(outcome.lines.at(i), QStringLiteral("出力形式")))
                end = i;
            if (outcome.lines.at(i).label == QStringLiteral("工事内容"))
                content = i;
        }
        EXPECT_GT(end, 0);
        EXPECT_GT(content, end);
    }
}

TEST_F(DNInfMakeTest, MarksWhatTheCheckFinds)
{
    const QString folder = makeShelf(25);
    editShelf([](suitedata::ShelfInfo *info) {
        info->construction.title.constructionName.clear();
        info->construction.title.workTypeMethods.clear();
        info->construction.title.industry = QString(128, u'工');
        info->construction.title.endDate = QStringLiteral("2024/03/31");
        info->construction.title.startDate = QStringLiteral("2024-04-01");
        info->construction.basic.meetingFolder = QStringLiteral("MEET");
        info->construction.basic.otherOriginalFolders = {{QStringLiteral("ORG001"), QString()}};
    });
    const QString cals = winPath(QStringLiteral("CALS.mdb"));
    writeFile(QStringLiteral("CALS.mdb"), QByteArray("x"));

    const Outcome plain = run(folder, 25);
    ASSERT_EQ(plain.result, 1);
    EXPECT_EQ(plain.value(QStringLiteral("工事名称")), GXTemp::MarkerB004 + QStringLiteral("未入力"));
    EXPECT_EQ(plain.value(QStringLiteral("工種-工法型式")),
              GXTemp::MarkerB005 + QStringLiteral("未入力"));
    EXPECT_EQ(plain.value(QStringLiteral("工事業種")), GXTemp::MarkerB001 + QString(128, u'工'));
    EXPECT_EQ(plain.value(QStringLiteral("工期終了日")),
              GXTemp::MarkerB003 + QStringLiteral("2024/03/31"));
    EXPECT_EQ(plain.value(QStringLiteral("その他オリジナルファイルフォルダ日本語名")),
              QStringLiteral("<none>"));
    EXPECT_EQ(plain.value(QStringLiteral("出力形式")), QStringLiteral("日本語ファイル名を出力しない"));
    EXPECT_EQ(plain.flag, QStringLiteral("00000"));

    // An end before the start is allowed but unusual.
    editShelf([](suitedata::ShelfInfo *info) {
        info->construction.title.endDate = QStringLiteral("2024-03-31");
    });
    EXPECT_EQ(run(folder, 25).value(QStringLiteral("工期終了日")),
              GXTemp::MarkerB003 + QStringLiteral("2024-03-31"));

    // Japanese names need the folder's Japanese name; CALS.mdb makes the
    // meeting records.
    const Outcome japanese = run(folder, 25, true, cals);
    ASSERT_EQ(japanese.result, 1);
    EXPECT_EQ(japanese.value(QStringLiteral("その他オリジナルファイルフォルダ日本語名")),
              GXTemp::MarkerB004 + QStringLiteral("未入力"));
    EXPECT_EQ(japanese.value(QStringLiteral("出力形式")), QStringLiteral("日本語ファイル名を出力する"));
    EXPECT_EQ(japanese.flag, QStringLiteral("01000"));
}

TEST_F(DNInfMakeTest, FailsWithoutConstructionInformation)
{
    const QString folder = makeShelf(25);
    writeFile(QStringLiteral("broken/kouji.xml"), QByteArray("<kouji><name>"));
    const QString cases[] = {QString(), winPath(QStringLiteral("nowhere")),
                             winPath(QStringLiteral("broken"))};
    for (const QString &path : cases) {
        SCOPED_TRACE(path.toStdString());
        const Outcome outcome = run(path, 25);
        EXPECT_EQ(outcome.result, 0);
        EXPECT_EQ(outcome.tekiyou, QString());
        EXPECT_EQ(outcome.flag, QString());
    }
    EXPECT_EQ(run(folder + u'\\', 25).result, 1);
}

TEST_F(DNInfMakeTest, AValueTheTransformationTableChangesIsListedAsTheExportWritesItAndMarked)
{
    const QString folder = makeShelf(25);
    const BasicInfoMake::Options options{25, false, QString(), transformationFolder()};
    const auto gxtempWith = [&](const QString &contractor) {
        editShelf([&](suitedata::ShelfInfo *info) { info->construction.contractor.name = contractor; });
        QString standard;
        QString flag;
        EXPECT_TRUE(writeBasicInfo(folder, options, winPath(QStringLiteral("GXTemp")), &standard,
                                   &flag));
        return readHostFile(hostPath(QStringLiteral("GXTemp")));
    };
    QByteArray expected = gxtempWith(QStringLiteral("道路建設"));
    const QByteArray plainLine = utf16le(QStringLiteral("    請負者名 道路建設\r\n"), false);
    ASSERT_TRUE(expected.contains(plainLine));
    expected.replace(plainLine,
                     utf16le(QStringLiteral("    請負者名 --**B002**--ドウロ建設\r\n"), false));
    EXPECT_EQ(gxtempWith(QStringLiteral("ﾄﾞｳﾛ建設")), expected);
}

TEST_F(DNInfMakeTest, ValuesAreCheckedInTheirDeliveryForm)
{
    makeShelf(25);
    const QString table = transformationFolder();
    const struct
    {
        QString held;
        QString listed;
        bool withTable = true;
    } cases[] = {
        {QStringLiteral("ﾊﾞｲﾊﾟｽ工事"), GXTemp::MarkerB002 + QStringLiteral("バイパス工事")},
        {QStringLiteral("第１工区ＡＢ"), GXTemp::MarkerB002 + QStringLiteral("第1工区AB")},
        {QStringLiteral("髙﨑線"), GXTemp::MarkerB002 + QStringLiteral("高崎線")},
        // The delivery symbols stay in lenient mode.
        {QStringLiteral("（仮称）道路"), QStringLiteral("（仮称）道路")},
        // Cut by the export whatever else it changes: the longer fault shows.
        {QString(128, u'ｱ'), GXTemp::MarkerB001 + QString(128, u'ア')},
        {QStringLiteral("1号 道路改良工事"), QStringLiteral("1号 道路改良工事")},
        // Without the table nothing is known to change.
        {QStringLiteral("ﾊﾞｲﾊﾟｽ工事"), QStringLiteral("ﾊﾞｲﾊﾟｽ工事"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.held.toStdString());
        editShelf([&](suitedata::ShelfInfo *info) { info->construction.title.constructionName = c.held; });
        suitedata::ShelfInfo shelf;
        ASSERT_TRUE(suitedata::readShelfInfo(hostPath(QStringLiteral("suite/shelves/shelf01/kouji.xml")),
                                             &shelf));
        const BasicInfoMake make(shelf, {25, false, QString(), c.withTable ? table : QString()});
        const QStringList lines = make.document().text().split(u'\n');
        const QString label = QStringLiteral("    工事名称 ");
        const auto line = std::find_if(lines.cbegin(), lines.cend(),
                                       [&](const QString &l) { return l.startsWith(label); });
        ASSERT_NE(line, lines.cend());
        EXPECT_EQ(line->mid(label.size()), c.listed);
    }
}
