#include "calsdatabase.h"

#include "calsschema.h"

#include "jetdao/jetdao.h"

#include <QHash>

#include <span>

namespace calsdb {

namespace {

constexpr int TextSize = 255;

QString name(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// A text column of a registration, with where it is kept.
struct TextColumn
{
    const char16_t *column;
    QString Registration::*member;
};

const TextColumn MeetingColumns[] = {
    {column::MeetingKind, &Registration::meetingKind},
    {column::Management, &Registration::management},
    {column::Author, &Registration::author},
    {column::Recipient, &Registration::recipient},
    {column::Issued, &Registration::issued},
    {column::Received, &Registration::received},
    {column::Completed, &Registration::completed},
    {column::ContractorNote, &Registration::contractorNote},
    {column::OrdererNote, &Registration::ordererNote},
};
const TextColumn PlanColumns[] = {
    {column::ContractorNote, &Registration::contractorNote},
    {column::OrdererNote, &Registration::ordererNote},
};
const TextColumn OtherColumns[] = {
    {column::Subfolder, &Registration::subfolder},
    {column::ContractorNote, &Registration::contractorNote},
    {column::OrdererNote, &Registration::ordererNote},
};

struct FileColumn
{
    const char16_t *column;
    QString RegisteredFile::*member;
};

const FileColumn FileColumns[] = {
    {column::Path, &RegisteredFile::path},
    {column::JapaneseName, &RegisteredFile::japaneseName},
    {column::Software, &RegisteredFile::software},
    {column::Content, &RegisteredFile::content},
};

// The detail table of a kind and its columns.
struct KindTable
{
    Kind kind;
    const char16_t *folder;
    const char16_t *table;
    std::span<const TextColumn> columns;
};

const KindTable Kinds[] = {
    {Kind::Meeting, MeetingFolder, table::Meetings, MeetingColumns},
    {Kind::Plan, PlanFolder, table::Plans, PlanColumns},
    {Kind::Other, OtherFolder, table::Others, OtherColumns},
};

const KindTable *kindOfFolder(const QString &folder)
{
    for (const KindTable &kind : Kinds) {
        if (folder.compare(QStringView(kind.folder), Qt::CaseInsensitive) == 0)
            return &kind;
    }
    return nullptr;
}

const KindTable &tableOf(Kind kind)
{
    for (const KindTable &table : Kinds) {
        if (table.kind == kind)
            return table;
    }
    return Kinds[0];
}

QString selectAll(const char16_t *table, const QString &order)
{
    return QStringLiteral("select * from %1 order by %2").arg(name(table), order);
}

QString text(const JETDAO::CDaoRecordset &rows, const char16_t *column)
{
    return rows.GetFieldValue(name(column)).toString();
}

void readRegistrationRows(JETDAO::CDaoDatabase &database, QList<Registration> *registrations)
{
    JETDAO::CDaoRecordset rows(&database);
    rows.Open(JETDAO::dbOpenDynaset, selectAll(table::Registrations, name(column::Id)),
              JETDAO::dbReadOnly);
    for (; !rows.IsEOF(); rows.MoveNext()) {
        const KindTable *kind = kindOfFolder(text(rows, column::Folder).trimmed());
        if (!kind)
            continue;
        Registration registration;
        registration.id = rows.GetFieldValue(name(column::Id)).toInt();
        registration.kind = kind->kind;
        registration.title = text(rows, column::Title);
        registrations->append(registration);
    }
    rows.Close();
}

void readDetails(JETDAO::CDaoDatabase &database, const KindTable &kind,
                 const QHash<int, Registration *> &byId)
{
    JETDAO::CDaoRecordset rows(&database);
    rows.Open(JETDAO::dbOpenDynaset, selectAll(kind.table, name(column::Id)), JETDAO::dbReadOnly);
    for (; !rows.IsEOF(); rows.MoveNext()) {
        Registration *registration = byId.value(rows.GetFieldValue(name(column::Id)).toInt());
        if (!registration || registration->kind != kind.kind)
            continue;
        for (const TextColumn &column : kind.columns)
            registration->*column.member = text(rows, column.column);
    }
    rows.Close();
}

void readFiles(JETDAO::CDaoDatabase &database, const QHash<int, Registration *> &byId)
{
    JETDAO::CDaoRecordset rows(&database);
    rows.Open(JETDAO::dbOpenDynaset,
              selectAll(table::Files, name(column::Id) + QStringLiteral(", ")
                                          + name(column::Sequence)),
              JETDAO::dbReadOnly);
    for (; !rows.IsEOF(); rows.MoveNext()) {
        Registration *registration = byId.value(rows.GetFieldValue(name(column::Id)).toInt());
        if (!registration)
            continue;
        RegisteredFile file;
        for (const FileColumn &column : FileColumns)
            file.*column.member = text(rows, column.column);
        registration->files.append(file);
    }
    rows.Close();
}

void createTable(JETDAO::CDaoDatabase &database, const char16_t *table,
                 std::span<const char16_t *const> longColumns,
                 const QList<const char16_t *> &textColumns)
{
    JETDAO::CDaoTableDef definition(&database);
    definition.Create(name(table));
    for (const char16_t *column : longColumns)
        definition.CreateField(name(column), JETDAO::CDaoTableDef::dbLong);
    for (const char16_t *column : textColumns)
        definition.CreateField(name(column), JETDAO::CDaoTableDef::dbText, TextSize);
    definition.Append();
}

void createTables(JETDAO::CDaoDatabase &database)
{
    const char16_t *const idOnly[] = {column::Id};
    const char16_t *const idAndSequence[] = {column::Id, column::Sequence};
    createTable(database, table::Registrations, idOnly,
                {column::Folder, column::IndexFile, column::Title});
    for (const KindTable &kind : Kinds) {
        QList<const char16_t *> columns;
        for (const TextColumn &column : kind.columns)
            columns.append(column.column);
        createTable(database, kind.table, idOnly, columns);
    }
    QList<const char16_t *> fileColumns;
    for (const FileColumn &column : FileColumns)
        fileColumns.append(column.column);
    createTable(database, table::Files, idAndSequence, fileColumns);
}

// Appends one row of the table; values by column name.
void addRow(JETDAO::CDaoDatabase &database, const char16_t *table,
            const QList<std::pair<const char16_t *, QString>> &values)
{
    JETDAO::CDaoRecordset rows(&database);
    rows.Open(JETDAO::dbOpenDynaset,
              QStringLiteral("select * from %1 where 0 = 1").arg(name(table)));
    rows.AddNew();
    for (const auto &[column, value] : values)
        rows.SetFieldValue(name(column), value);
    rows.Update();
    rows.Close();
}

void writeRows(JETDAO::CDaoDatabase &database, const QList<Registration> &registrations)
{
    for (const Registration &registration : registrations) {
        const KindTable &kind = tableOf(registration.kind);
        const QString id = QString::number(registration.id);
        const QString folder = name(kind.folder);
        addRow(database, table::Registrations,
               {{column::Id, id},
                {column::Folder, folder},
                {column::IndexFile, folder + QStringLiteral(".XML")},
                {column::Title, registration.title}});
        QList<std::pair<const char16_t *, QString>> details{{column::Id, id}};
        for (const TextColumn &column : kind.columns)
            details.append({column.column, registration.*column.member});
        addRow(database, kind.table, details);
        for (qsizetype index = 0; index < registration.files.size(); ++index) {
            QList<std::pair<const char16_t *, QString>> file{
                {column::Id, id}, {column::Sequence, QString::number(index + 1)}};
            for (const FileColumn &column : FileColumns)
                file.append({column.column, registration.files[index].*column.member});
            addRow(database, table::Files, file);
        }
    }
}

} // namespace

QString folderOf(Kind kind)
{
    return name(tableOf(kind).folder);
}

bool readRegistrations(const QString &databasePath, QList<Registration> *registrations,
                       QString *error)
{
    registrations->clear();
    try {
        JETDAO::CDaoDatabase database;
        database.Open(databasePath, false, true, QString());
        readRegistrationRows(database, registrations);
        QHash<int, Registration *> byId;
        for (Registration &registration : *registrations)
            byId.insert(registration.id, &registration);
        for (const KindTable &kind : Kinds)
            readDetails(database, kind, byId);
        readFiles(database, byId);
        database.Close();
    } catch (const JETDAO::CDaoException &exception) {
        registrations->clear();
        *error = exception.GetErrorMessage();
        return false;
    }
    return true;
}

bool writeRegistrations(const QString &databasePath, const QList<Registration> &registrations,
                        QString *error)
{
    try {
        JETDAO::CDaoDatabase database;
        database.Create(databasePath);
        createTables(database);
        writeRows(database, registrations);
        database.Close();
    } catch (const JETDAO::CDaoException &exception) {
        *error = exception.GetErrorMessage();
        return false;
    }
    return true;
}

} // namespace calsdb
