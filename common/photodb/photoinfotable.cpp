#include "photoinfotable.h"

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaorecordset.h"
#include "photodbschema.h"
#include "platform/fileops.h"

namespace photodb {

namespace {

// Column names made once: each of them is looked up for every row.
const QString Serial = QString::fromUtf16(column::Serial);
const QString FileName = QString::fromUtf16(column::FileName);
const QString JapaneseFileName = QString::fromUtf16(column::JapaneseFileName);
const QString MajorClass = QString::fromUtf16(column::MajorClass);
const QString Category = QString::fromUtf16(column::Category);
const QString WorkType = QString::fromUtf16(column::WorkType);
const QString Kind = QString::fromUtf16(column::Kind);
const QString SubKind = QString::fromUtf16(column::SubKind);
const QString Title = QString::fromUtf16(column::Title);
const QString HasDrawings = QString::fromUtf16(column::HasDrawings);
const QString Place = QString::fromUtf16(column::Place);
const QString ManagementValue = QString::fromUtf16(column::ManagementValue);
const QString Representative = QString::fromUtf16(column::Representative);
const QString Frequency = QString::fromUtf16(column::Frequency);

PhotoInfoRecord currentRecord(const JETDAO::CDaoRecordset &rows)
{
    const auto text = [&rows](const QString &column) {
        return rows.GetFieldValue(column).toString();
    };
    PhotoInfoRecord record;
    record.serial = rows.GetFieldValue(Serial).toInt();
    record.fileName = text(FileName);
    record.japaneseFileName = text(JapaneseFileName);
    record.majorClass = text(MajorClass);
    record.category = text(Category);
    record.workType = text(WorkType);
    record.kind = text(Kind);
    record.subKind = text(SubKind);
    record.title = text(Title);
    record.hasDrawings = rows.GetFieldValue(HasDrawings).toLongLong() != 0;
    record.place = text(Place);
    record.managementValue = text(ManagementValue);
    record.representative = text(Representative);
    record.frequency = text(Frequency);
    return record;
}

} // namespace

QString PhotoInfoTable::databasePath()
{
    const QString temp = win::tempPath();
    return temp.isEmpty() ? QString() : temp + QString::fromUtf16(photodb::FileName);
}

QList<PhotoInfoRecord> PhotoInfoTable::readAll(const QString &databasePath)
{
    // Declared in this order, the recordset is closed before its database
    // also when an exception leaves the function.
    JETDAO::CDaoDatabase database;
    database.Open(databasePath, false, true, QString());
    JETDAO::CDaoRecordset rows(&database);
    rows.Open(JETDAO::dbOpenDynaset, QStringLiteral("select * from 写真情報"), JETDAO::dbReadOnly);

    QList<PhotoInfoRecord> records;
    for (; !rows.IsEOF(); rows.MoveNext())
        records.append(currentRecord(rows));
    rows.Close();
    database.Close();
    return records;
}

} // namespace photodb
