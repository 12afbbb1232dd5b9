// The report a contractor reads: on the terminal, errors first with their
// place and item, the counts per class and the result; as HTML with every
// finding. And the command that prints it, with its exit codes.
#include "deliverychecktest.h"

#include "htmlreport.h"
#include "terminalreport.h"

#include "programrun.h"

using namespace deliverycheck;

namespace {

CheckReport smallReport()
{
    CheckReport report;
    CheckReport::Summary &summary = report.summary();
    summary.folder = QStringLiteral("D:\\納品");
    summary.standardName =
        QStringLiteral("国土交通省 デジタル写真管理情報基準（平成２０年５月版準拠)");
    summary.indexFile = QStringLiteral("INDEX_C.XML");
    summary.indexDtd = QStringLiteral("INDE_C04.DTD, Shift_JIS");
    summary.photoFile = QStringLiteral("PHOTO\\PHOTO.XML");
    summary.photoDtd = QStringLiteral("PHOTO05.DTD, Shift_JIS");
    summary.photos = 2;
    summary.drawings = 1;
    summary.photoFiles = 3;
    summary.imagesDecoded = true;
    report.notice(RuleClass::Structure, QStringLiteral("PHOTO\\PIC\\P0000009.JPG"), 0, QString(),
                  QStringLiteral("PHOTO\\PHOTO.XML に記入のないファイルです"));
    report.error(RuleClass::Items, QStringLiteral("PHOTO\\PHOTO.XML"), 12,
                 QStringLiteral("写真タイトル"),
                 QStringLiteral("使用できない文字「<&>」が含まれています"));
    report.error(RuleClass::Structure, QString(), 0, QString(),
                 QStringLiteral("索引ファイル INDEX_C.XML がありません"));
    return report;
}

} // namespace

TEST(TerminalReportTest, ListsErrorsFirstThenCountsAndResult)
{
    EXPECT_EQ(
        TerminalReport::text(smallReport()),
        QStringLiteral(
            "電子納品チェック\n"
            "対象フォルダ: D:\\納品\n"
            "索引ファイル: INDEX_C.XML（DTD: INDE_C04.DTD, Shift_JIS）\n"
            "写真管理ファイル: PHOTO\\PHOTO.XML（DTD: PHOTO05.DTD, Shift_JIS）\n"
            "写真管理基準: 国土交通省 デジタル写真管理情報基準（平成２０年５月版準拠)\n"
            "写真 2 枚、参考図 1 枚、写真フォルダのファイル 3 個\n"
            "\n"
            "エラー PHOTO\\PHOTO.XML 12行目 写真タイトル: 使用できない文字「<&>」が含まれています\n"
            "エラー （フォルダ） 索引ファイル INDEX_C.XML がありません\n"
            "注意 PHOTO\\PIC\\P0000009.JPG PHOTO\\PHOTO.XML に記入のないファイルです\n"
            "\n"
            "フォルダ構成: エラー 1 件、注意 1 件\n"
            "XML文法: エラー 0 件、注意 0 件\n"
            "管理項目: エラー 1 件、注意 0 件\n"
            "画像: エラー 0 件、注意 0 件\n"
            "結果: エラー 2 件、注意 1 件\n"));

    CheckReport notADelivery;
    notADelivery.summary().folder = QStringLiteral("D:\\空");
    notADelivery.setNotADelivery(QStringLiteral("電子納品のフォルダではありません"));
    EXPECT_EQ(TerminalReport::text(notADelivery),
              QStringLiteral("電子納品チェック\n対象フォルダ: D:\\空\n\n"
                             "電子納品のフォルダではありません\n"
                             "結果: 電子納品のフォルダではありません\n"));
}

TEST(TerminalReportTest, LongListsEndInWhereTheRestIs)
{
    CheckReport report;
    for (int i = 0; i < TerminalReport::MaxListed + 5; ++i)
        report.notice(RuleClass::Images, QStringLiteral("PHOTO\\PIC\\P%1.JPG").arg(i), 0, QString(),
                      QStringLiteral("小さな画像"));
    report.error(RuleClass::Items, QStringLiteral("PHOTO\\PHOTO.XML"), 3, QString(),
                 QStringLiteral("重い誤り"));
    const QStringList lines =
        TerminalReport::text(report, QStringLiteral("report.html")).split(u'\n');
    EXPECT_EQ(lines.filter(QStringLiteral("小さな画像")).size(), TerminalReport::MaxListed);
    EXPECT_TRUE(lines.contains(QStringLiteral("…ほか 5 件（report.html に全件）")));
    // The error stands before the notices that crowd the list.
    EXPECT_LT(lines.indexOf(QStringLiteral("エラー PHOTO\\PHOTO.XML 3行目 重い誤り")),
              lines.indexOf(lines.filter(QStringLiteral("小さな画像")).first()));
    EXPECT_TRUE(lines.contains(QStringLiteral("画像: エラー 0 件、注意 205 件")));
}

TEST(HtmlReportTest, HoldsEveryFindingEscaped)
{
    const QString html = QString::fromUtf8(HtmlReport::document(smallReport()));
    EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_TRUE(html.contains(QStringLiteral(
        "<tr class=\"error\"><td>エラー</td><td>管理項目</td><td>PHOTO\\PHOTO.XML</td>"
        "<td>12</td><td>写真タイトル</td>"
        "<td>使用できない文字「&lt;&amp;&gt;」が含まれています</td></tr>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<tr><td>合計</td><td class=\"number\">2</td>"
                                             "<td class=\"number\">1</td></tr>")));
    EXPECT_LT(html.indexOf(QStringLiteral("class=\"error\"")),
              html.indexOf(QStringLiteral("class=\"notice\"")));
}

TEST_F(DeliveryCheckTest, CommandPrintsTheReportAndTellsTheOutcome)
{
    generate();
    makeFolder(QStringLiteral("empty"));
    const QString program = programPath(QStringLiteral("tessera-host"));
    struct Run
    {
        QStringList arguments;
        int exitCode;
        const char16_t *printed;
    };
    const Run runs[] = {
        {{QStringLiteral("check"), deliveryWinPath()},
         0,
         u"結果: エラーはありません（注意 30 件）"},
        // The host path of the same folder.
        {{QStringLiteral("check"), hostPath(QString::fromUtf16(Delivery))},
         0,
         u"結果: エラーはありません"},
        {{QStringLiteral("check"), winPath(QStringLiteral("empty"))},
         2,
         u"結果: 電子納品のフォルダではありません"},
        {{QStringLiteral("check")}, 2, u"使い方: tessera-host check FOLDER [--html REPORT]"},
        {{QStringLiteral("check"), deliveryWinPath(), QStringLiteral("--html")}, 2, u"使い方"},
        {{QStringLiteral("export"), QStringLiteral("--shelf")}, 2, u"使い方"},
    };
    for (const Run &run : runs) {
        QByteArray output;
        EXPECT_EQ(runProgram(program, run.arguments, programEnvironment(), &output), run.exitCode)
            << run.arguments.join(u' ').toStdString() << "\n"
            << output.toStdString();
        EXPECT_TRUE(QString::fromUtf8(output).contains(QString::fromUtf16(run.printed)))
            << output.toStdString();
    }

    // A broken delivery, with the full report as HTML beside it.
    remove(QStringLiteral("PHOTO/PIC/P0000003.JPG"));
    QByteArray output;
    EXPECT_EQ(runProgram(program,
                         {QStringLiteral("check"), deliveryWinPath(), QStringLiteral("--html"),
                          winPath(QStringLiteral("report.html"))},
                         programEnvironment(), &output),
              1);
    const QString printed = QString::fromUtf8(output);
    const int line = lineOf(QStringLiteral("<写真ファイル名>P0000003.JPG"));
    EXPECT_TRUE(printed.contains(
        QStringLiteral(
            "エラー PHOTO\\PHOTO.XML %1行目 写真ファイル名: 写真ファイル P0000003.JPG がありません")
            .arg(line)))
        << output.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("結果: エラー 2 件、注意 29 件")));
    const QString html = QString::fromUtf8(readFile(QStringLiteral("report.html")));
    EXPECT_TRUE(html.contains(QStringLiteral("写真ファイル P0000003.JPG がありません")));

    // A report that cannot be written is not taken for a check done.
    EXPECT_EQ(runProgram(program,
                         {QStringLiteral("check"), deliveryWinPath(), QStringLiteral("--html"),
                          winPath(QStringLiteral("missing/report.html"))},
                         programEnvironment(), &output),
              2);
    EXPECT_TRUE(QString::fromUtf8(output).contains(QStringLiteral("報告を書き込めません")));
}
