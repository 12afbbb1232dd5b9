#include "deliverychecktest.h"

#include "deliverychecker.h"
#include "deliverygenerator.h"
#include "officialdtds.h"
#include "reporttext.h"

#include "platform/codepage.h"
#include "platform/winpath.h"

#include <QFile>

using namespace deliverycheck;

void DeliveryCheckTest::SetUp()
{
    WorkspaceTest::SetUp();
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
}

void DeliveryCheckTest::generate(const DeliveryOptions &options) const
{
    DeliveryGenerator generator(options);
    ASSERT_TRUE(generator.generate(hostPath(QString::fromUtf16(Delivery))))
        << generator.errorText().toStdString();
}

QByteArray DeliveryCheckTest::read(const QString &relative) const
{
    return readFile(QString::fromUtf16(Delivery) + u'/' + relative);
}

void DeliveryCheckTest::write(const QString &relative, const QByteArray &bytes) const
{
    writeFile(QString::fromUtf16(Delivery) + u'/' + relative, bytes);
}

void DeliveryCheckTest::remove(const QString &relative) const
{
    ASSERT_TRUE(QFile::remove(hostPath(QString::fromUtf16(Delivery) + u'/' + relative)))
        << relative.toStdString();
}

QString DeliveryCheckTest::text(const QString &relative) const
{
    return win::fromAnsi(read(relative));
}

void DeliveryCheckTest::setText(const QString &text, const QString &relative) const
{
    write(relative, win::toAnsi(text));
}

void DeliveryCheckTest::replace(const QString &from, const QString &to, int occurrence,
                                const QString &relative) const
{
    QString document = text(relative);
    qsizetype at = -1;
    for (int i = 0; i < occurrence; ++i) {
        at = document.indexOf(from, at + 1);
        ASSERT_GE(at, 0) << from.toStdString() << " #" << occurrence;
    }
    document.replace(at, from.size(), to);
    setText(document, relative);
}

int DeliveryCheckTest::lineOf(const QString &marker, int occurrence, const QString &relative) const
{
    const QString document = text(relative);
    qsizetype at = -1;
    for (int i = 0; i < occurrence; ++i) {
        at = document.indexOf(marker, at + 1);
        if (at < 0)
            return 0;
    }
    return int(document.left(at).count(u'\n')) + 1;
}

namespace {

const QString Declaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n");

QString original(const QString &prefix, const QString &name, const QString &content)
{
    return QStringLiteral("<オリジナルファイル情報>\r\n<%1オリジナルファイル名>%2</%1オリジナルファイル名>\r\n"
                          "<%1オリジナルファイル作成ソフトバージョン情報>PDF 1.4</%1オリジナルファイル作成ソフトバージョン情報>\r\n"
                          "<オリジナルファイル内容>%3</オリジナルファイル内容>\r\n</オリジナルファイル情報>\r\n")
        .arg(prefix, name, content);
}

QString meetingRecord(int serial)
{
    return QStringLiteral("<打合せ簿情報>\r\n<シリアル番号>%1</シリアル番号>\r\n<打合せ簿種類>協議</打合せ簿種類>\r\n"
                          "<打合せ簿名称>工事打合せ簿 第%1号</打合せ簿名称>\r\n<作成者>受注者</作成者>\r\n"
                          "<提出先>発注者</提出先>\r\n<発行日付>2024-04-1%1</発行日付>\r\n"
                          "<受理日付>2024-04-2%1</受理日付>\r\n")
               .arg(serial)
        + original(QStringLiteral("打合せ簿"), QStringLiteral("MTG%1%2.PDF").arg(serial, 3, 10, QLatin1Char('0')).arg(1, 2, 10, QLatin1Char('0')),
                   QStringLiteral("打合せ簿本文"))
        + QStringLiteral("</打合せ簿情報>\r\n");
}

QString discDtd(const char16_t *text)
{
    return QString::fromUtf16(text).replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

void DeliveryCheckTest::addOtherData() const
{
    replace(QStringLiteral("<写真フォルダ名>PHOTO</写真フォルダ名>"),
            QStringLiteral("<打合せ簿フォルダ名>MEET</打合せ簿フォルダ名>\r\n"
                           "<打合せ簿オリジナルファイルフォルダ名>MEET/ORG</打合せ簿オリジナルファイルフォルダ名>\r\n"
                           "<施工計画書フォルダ名>PLAN</施工計画書フォルダ名>\r\n"
                           "<施工計画書オリジナルファイルフォルダ名>PLAN/ORG</施工計画書オリジナルファイルフォルダ名>\r\n"
                           "<写真フォルダ名>PHOTO</写真フォルダ名>\r\n<その他フォルダ名>OTHRS</その他フォルダ名>\r\n"
                           "<その他オリジナルフォルダ情報>\r\n"
                           "<その他オリジナルファイルフォルダ名>OTHRS/ORG001</その他オリジナルファイルフォルダ名>\r\n"
                           "<その他オリジナルファイルフォルダ日本語名>品質証明書類</その他オリジナルファイルフォルダ日本語名>\r\n"
                           "</その他オリジナルフォルダ情報>"),
            1, QStringLiteral("INDEX_C.XML"));
    setText(Declaration
                + QStringLiteral("<!DOCTYPE meetdata SYSTEM \"MEET04.DTD\">\r\n<meetdata DTD_version=\"04\">\r\n")
                + meetingRecord(1) + meetingRecord(2) + QStringLiteral("</meetdata>\r\n"),
            QStringLiteral("MEET/MEET.XML"));
    setText(Declaration
                + QStringLiteral("<!DOCTYPE plandata SYSTEM \"PLAN04.DTD\">\r\n<plandata DTD_version=\"04\">\r\n"
                                 "<施工計画書情報>\r\n<シリアル番号>1</シリアル番号>\r\n"
                                 "<施工計画書名称>施工計画書 第1版</施工計画書名称>\r\n")
                + original(QStringLiteral("施工計画書"), QStringLiteral("PLN00101.PDF"),
                           QStringLiteral("施工計画書本文"))
                + QStringLiteral("</施工計画書情報>\r\n</plandata>\r\n"),
            QStringLiteral("PLAN/PLAN.XML"));
    setText(Declaration
                + QStringLiteral("<!DOCTYPE othrsdata SYSTEM \"OTHRS04.DTD\">\r\n<othrsdata DTD_version=\"04\">\r\n"
                                 "<サブフォルダ情報>\r\n<その他サブフォルダ名>ORG001</その他サブフォルダ名>\r\n"
                                 "<その他サブフォルダ日本語名>品質証明書類</その他サブフォルダ日本語名>\r\n"
                                 "<その他資料情報>\r\n<資料名>材料試験成績表</資料名>\r\n"
                                 "<オリジナルファイル情報>\r\n<シリアル番号>1</シリアル番号>\r\n"
                                 "<オリジナルファイル名>OTH00001.TXT</オリジナルファイル名>\r\n"
                                 "<オリジナルファイル作成ソフトバージョン情報>テキスト</オリジナルファイル作成ソフトバージョン情報>\r\n"
                                 "<オリジナルファイル内容>試験成績</オリジナルファイル内容>\r\n"
                                 "</オリジナルファイル情報>\r\n</その他資料情報>\r\n</サブフォルダ情報>\r\n"
                                 "</othrsdata>\r\n"),
            QStringLiteral("OTHRS/OTHRS.XML"));
    setText(discDtd(officialdtds::Meet04), QStringLiteral("MEET/MEET04.DTD"));
    setText(discDtd(officialdtds::Plan04), QStringLiteral("PLAN/PLAN04.DTD"));
    setText(discDtd(officialdtds::Othrs04), QStringLiteral("OTHRS/OTHRS04.DTD"));
    for (const char *file : {"MEET/ORG/MTG00101.PDF", "MEET/ORG/MTG00201.PDF",
                             "PLAN/ORG/PLN00101.PDF", "OTHRS/ORG001/OTH00001.TXT"})
        write(QLatin1StringView(file), QByteArray("%PDF-1.4\n%%EOF\n"));
}

CheckReport DeliveryCheckTest::check(bool decodeImages) const
{
    DeliveryChecker::Options options;
    options.decodeImages = decodeImages;
    options.characterListFolder = QStringLiteral("P:");
    return DeliveryChecker(options).check(deliveryWinPath());
}

QString DeliveryCheckTest::deliveryWinPath() const
{
    return winPath(QString::fromUtf16(Delivery));
}

const Finding *findingOf(const CheckReport &report, Level level, RuleClass ruleClass,
                         const QString &file, const QString &messagePart)
{
    for (const Finding &finding : report.findings()) {
        if (finding.level == level && finding.ruleClass == ruleClass && finding.file == file
            && finding.message.contains(messagePart))
            return &finding;
    }
    return nullptr;
}

std::string describe(const CheckReport &report)
{
    QString text;
    for (const Finding &finding : report.findings()) {
        text +=
            QStringLiteral("%1 [%2] %3 %4 %5: %6\n")
                .arg(reporttext::level(finding.level), reporttext::ruleClass(finding.ruleClass),
                     finding.file, QString::number(finding.line), finding.item, finding.message);
    }
    return text.toStdString();
}
