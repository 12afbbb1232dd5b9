#include "photoinfotable.h"

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaorecordset.h"
#include "photodb/photodbschema.h"
#include "platform/fileops.h"

namespace reader {

namespace {

// Column names made once: each of them is looked up for every row.
const QString Serial = QString::fromUtf16(photodb::column::Serial);
const QString FileName = QString::fromUtf16(photodb::column::FileName);
const QString JapaneseFileName = QString::fromUtf16(photodb::column::JapaneseFileName);
const QString MajorClass = QString::fromUtf16(photodb::column::MajorClass);
const QString Category = QString::fromUtf16(photodb::column::Category);
const QString WorkType = QString::fromUtf16(photodb::column::WorkType);
const QString Kind = QString::fromUtf16(photodb::column::Kind);
const QString SubKind = QString::fromUtf16(photodb::column::SubKind);
const QString Title = QString::fromUtf16(photodb::column::Title);
const QString HasDrawings = QString::fromUtf16(photodb::column::HasDrawings);
const QString Place = QString::fromUtf16(photodb::column::Place);
const QString ManagementValue = QString::fromUtf16(photodb::column::ManagementValue);
const QString Representative = QString::fromUtf16(photodb::column::Representative);
const QString Frequency = QString::fromUtf16(photodb::column::Frequency);

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

} // namespace reader
