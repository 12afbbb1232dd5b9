#include "otherdataxml.h"

#include "deliverydocument.h"

namespace host {

namespace {

const QString DtdVersion = QStringLiteral("04");

// The names of オリジナルファイル情報's items, which each document's DTD
// gives its own prefix.
struct OriginalItems
{
    QString name;
    QString japaneseName;
    QString software;
};

const OriginalItems MeetingOriginal{QStringLiteral("打合せ簿オリジナルファイル名"),
                                    QStringLiteral("打合せ簿オリジナルファイル日本語名"),
                                    QStringLiteral("打合せ簿オリジナルファイル作成ソフトバージョン情報")};
const OriginalItems PlanOriginal{QStringLiteral("施工計画書オリジナルファイル名"),
                                 QStringLiteral("施工計画書オリジナルファイル日本語名"),
                                 QStringLiteral("施工計画書オリジナルファイル作成ソフトバージョン情報")};
const OriginalItems OtherOriginal{QStringLiteral("オリジナルファイル名"),
                                  QStringLiteral("オリジナルファイル日本語名"),
                                  QStringLiteral("オリジナルファイル作成ソフトバージョン情報")};

void startRoot(DeliveryDocument &document, const QString &root)
{
    document.start(root);
    document.xml().writeAttribute(QStringLiteral("DTD_version"), DtdVersion);
}

void writeOriginals(DeliveryDocument &document, const QList<PlannedOriginal> &files,
                    const OriginalItems &items, bool japaneseNames)
{
    for (const PlannedOriginal &file : files) {
        document.start(QStringLiteral("オリジナルファイル情報"));
        if (file.serial > 0)
            document.element(QStringLiteral("シリアル番号"), QString::number(file.serial));
        document.element(items.name, file.name);
        if (japaneseNames)
            document.element(items.japaneseName, file.japaneseName);
        document.element(items.software, file.file->software);
        document.element(QStringLiteral("オリジナルファイル内容"), file.file->content);
        document.end();
    }
}

// その他: the notes, when there is one.
void writeNotes(DeliveryDocument &document, const calsdb::Registration &registration)
{
    if (registration.contractorNote.isEmpty() && registration.ordererNote.isEmpty())
        return;
    document.start(QStringLiteral("その他"));
    document.optionalElement(QStringLiteral("請負者説明文"), registration.contractorNote);
    document.optionalElement(QStringLiteral("発注者説明文"), registration.ordererNote);
    document.end();
}

} // namespace

QByteArray meetingXml(const QList<PlannedDocument> &meetings, bool japaneseNames)
{
    const QString root = QStringLiteral("meetdata");
    DeliveryDocument document(root, QString::fromUtf16(MeetingDtdFileName));
    startRoot(document, root);
    for (const PlannedDocument &meeting : meetings) {
        const calsdb::Registration &record = *meeting.registration;
        document.start(QStringLiteral("打合せ簿情報"));
        document.element(QStringLiteral("シリアル番号"), QString::number(meeting.serial));
        document.element(QStringLiteral("打合せ簿種類"), record.meetingKind);
        document.element(QStringLiteral("打合せ簿名称"), record.title);
        document.optionalElement(QStringLiteral("管理区分"), record.management);
        document.element(QStringLiteral("作成者"), record.author);
        document.element(QStringLiteral("提出先"), record.recipient);
        document.element(QStringLiteral("発行日付"), record.issued);
        document.element(QStringLiteral("受理日付"), record.received);
        document.optionalElement(QStringLiteral("完了日付"), record.completed);
        writeOriginals(document, meeting.files, MeetingOriginal, japaneseNames);
        writeNotes(document, record);
        document.end();
    }
    document.end();
    return document.finish();
}

QByteArray planXml(const QList<PlannedDocument> &plans, bool japaneseNames)
{
    const QString root = QStringLiteral("plandata");
    DeliveryDocument document(root, QString::fromUtf16(PlanDtdFileName));
    startRoot(document, root);
    for (const PlannedDocument &plan : plans) {
        document.start(QStringLiteral("施工計画書情報"));
        document.element(QStringLiteral("シリアル番号"), QString::number(plan.serial));
        document.element(QStringLiteral("施工計画書名称"), plan.registration->title);
        writeOriginals(document, plan.files, PlanOriginal, japaneseNames);
        writeNotes(document, *plan.registration);
        document.end();
    }
    document.end();
    return document.finish();
}

QByteArray otherXml(const QList<PlannedSubfolder> &subfolders, bool japaneseNames)
{
    const QString root = QStringLiteral("othrsdata");
    DeliveryDocument document(root, QString::fromUtf16(OtherDtdFileName));
    startRoot(document, root);
    for (const PlannedSubfolder &subfolder : subfolders) {
        document.start(QStringLiteral("サブフォルダ情報"));
        document.element(QStringLiteral("その他サブフォルダ名"), subfolder.name);
        document.element(QStringLiteral("その他サブフォルダ日本語名"), subfolder.japaneseName);
        for (const PlannedDocument &other : subfolder.documents) {
            document.start(QStringLiteral("その他資料情報"));
            document.element(QStringLiteral("資料名"), other.registration->title);
            writeOriginals(document, other.files, OtherOriginal, japaneseNames);
            writeNotes(document, *other.registration);
            document.end();
        }
        document.end();
    }
    document.end();
    return document.finish();
}

} // namespace host
