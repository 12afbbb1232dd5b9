#include "calssample.h"

#include "samplefiles.h"

#include "calsdb/calsdatabase.h"
#include "calsdb/calsschema.h"
#include "platform/codepage.h"

#include <QDir>
#include <QFile>

const QString CalsSample::FilesFolderName = QStringLiteral("登録ファイル");

namespace {

constexpr int KindCount = 3;
const QString MeetingKinds[] = {QStringLiteral("指示"), QStringLiteral("承諾"),
                                QStringLiteral("協議"), QStringLiteral("提出"),
                                QStringLiteral("報告")};
const QString OtherSubfolders[] = {QStringLiteral("品質証明書類"),
                                   QStringLiteral("その他資料")};
const QString PdfSoftware = QStringLiteral("PDF 1.4");
const QString TextSoftware = QStringLiteral("テキスト");

QString date(int day)
{
    constexpr int DaysInApril = 30;
    return QStringLiteral("2024-04-%1").arg((day - 1) % DaysInApril + 1, 2, 10, QLatin1Char('0'));
}

// A one-page PDF showing the line, with a correct cross-reference table so
// that viewers open it without repair.
QByteArray pdf(const QByteArray &line)
{
    const QByteArray stream = "BT /F1 12 Tf 72 720 Td (" + line + ") Tj ET";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R "
        "/Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + QByteArray::number(stream.size()) + " >>\nstream\n" + stream
            + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
    };
    QByteArray bytes = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype index = 0; index < objects.size(); ++index) {
        offsets.append(bytes.size());
        bytes += QByteArray::number(index + 1) + " 0 obj\n" + objects[index] + "\nendobj\n";
    }
    const qsizetype xref = bytes.size();
    bytes += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        bytes += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    bytes += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1)
        + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return bytes;
}

calsdb::RegisteredFile file(const QString &name, const QString &software, const QString &content)
{
    return {CalsSample::FilesFolderName + u'\\' + name, QString(), software, content};
}

QByteArray contentOf(const calsdb::Registration &registration, qsizetype fileIndex)
{
    const QString name = registration.files[fileIndex].path;
    if (name.endsWith(QStringLiteral(".pdf")))
        return pdf(QByteArray("Registration ") + QByteArray::number(registration.id));
    return win::toAnsi(registration.title + QStringLiteral("\r\n登録番号 %1\r\n").arg(registration.id));
}

} // namespace

QList<calsdb::Registration> CalsSample::planned() const
{
    QList<calsdb::Registration> planned;
    for (int id = 1; id <= registrations; ++id) {
        calsdb::Registration registration;
        registration.id = id;
        const QString number = QStringLiteral("%1").arg(id, 2, 10, QLatin1Char('0'));
        switch ((id - 1) % KindCount) {
        case 0:
            registration.kind = calsdb::Kind::Meeting;
            registration.title = QStringLiteral("工事打合せ簿 第%1号").arg(id);
            registration.meetingKind = MeetingKinds[(id / KindCount) % std::size(MeetingKinds)];
            registration.author = QStringLiteral("受注者");
            registration.recipient = QStringLiteral("発注者");
            registration.issued = date(id);
            registration.received = date(id + 1);
            registration.files.append(
                file(QStringLiteral("打合せ簿%1.pdf").arg(number), PdfSoftware,
                     QStringLiteral("打合せ簿本文")));
            if ((id / KindCount) % 2 == 0)
                registration.files.append(file(QStringLiteral("打合せ簿%1添付.txt").arg(number),
                                               TextSoftware, QStringLiteral("添付資料")));
            break;
        case 1:
            registration.kind = calsdb::Kind::Plan;
            registration.title = QStringLiteral("施工計画書 第%1版").arg(id);
            registration.files.append(file(QStringLiteral("施工計画書%1.pdf").arg(number),
                                           PdfSoftware, QStringLiteral("施工計画書本文")));
            break;
        default:
            registration.kind = calsdb::Kind::Other;
            registration.title = QStringLiteral("その他資料 %1").arg(id);
            registration.subfolder = OtherSubfolders[(id / KindCount) % std::size(OtherSubfolders)];
            registration.files.append(file(QStringLiteral("資料%1.txt").arg(number), TextSoftware,
                                           QStringLiteral("資料本文")));
            break;
        }
        registration.contractorNote = QStringLiteral("登録番号 %1").arg(id);
        planned.append(registration);
    }
    return planned;
}

bool CalsSample::write(QString *error) const
{
    const QDir folder(hostFolder);
    if (!samplefiles::makeFolder(folder.filePath(FilesFolderName), error))
        return false;
    const QList<calsdb::Registration> registrations = planned();
    for (const calsdb::Registration &registration : registrations) {
        for (qsizetype index = 0; index < registration.files.size(); ++index) {
            QString relative = registration.files[index].path;
            relative.replace(u'\\', u'/');
            if (!samplefiles::writeFile(folder.filePath(relative), contentOf(registration, index),
                                        error))
                return false;
        }
    }
    const QString database = folder.filePath(QString::fromUtf16(calsdb::FileName));
    if (QFile::exists(database) && !QFile::remove(database)) {
        *error = QStringLiteral("%1: cannot replace the file").arg(database);
        return false;
    }
    return calsdb::writeRegistrations(
        windowsFolder + u'\\' + QString::fromUtf16(calsdb::FileName), registrations, error);
}
