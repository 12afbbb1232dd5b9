#include "photodatabasewriter.h"

#include "photodb/photodbschema.h"

#include <QFile>

#include <sqlite3.h>

namespace {

QString bracketed(const char16_t *name)
{
    return u'[' + QString::fromUtf16(name) + u']';
}

} // namespace

PhotoDatabaseWriter::PhotoDatabaseWriter() = default;

PhotoDatabaseWriter::~PhotoDatabaseWriter()
{
    close();
}

bool PhotoDatabaseWriter::create(const QString &hostPath)
{
    close();
    m_errorText.clear();
    m_deferred.clear();
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &m_db, flags, nullptr)
        != SQLITE_OK)
        return fail();
    // A scratch file renamed into place only when complete needs no
    // rollback journal; the commit still reaches the disc before the rename.
    if (!execute(QStringLiteral("PRAGMA journal_mode = OFF"))
        || !execute(QStringLiteral("PRAGMA synchronous = NORMAL"))
        || !execute(QStringLiteral("BEGIN"))) {
        return false;
    }
    // Indexes are built once over all rows at the end, which is much
    // faster than keeping them up to date row by row.
    for (const QString &sql : photodb::createTableStatements()) {
        if (sql.startsWith(u"CREATE INDEX", Qt::CaseInsensitive))
            m_deferred.append(sql);
        else if (!execute(sql))
            return false;
    }
    using namespace photodb;
    return prepare(PhotoInfo, QString::fromUtf16(table::PhotoInfo),
                   {bracketed(column::Serial), bracketed(column::FileName),
                    bracketed(column::JapaneseFileName), bracketed(column::MajorClass),
                    bracketed(column::Category), bracketed(column::WorkType),
                    bracketed(column::Kind), bracketed(column::SubKind), bracketed(column::Title),
                    bracketed(column::HasDrawings), bracketed(column::Place),
                    bracketed(column::ManagementValue), bracketed(column::Representative),
                    bracketed(column::Frequency)})
        && prepare(WorkClass, QString::fromUtf16(table::WorkClass),
                   {bracketed(column::Serial), bracketed(column::MajorClass),
                    bracketed(column::Category), bracketed(column::WorkType),
                    bracketed(column::Kind), bracketed(column::SubKind)})
        && prepare(PhotoFile, QString::fromUtf16(table::PhotoFile),
                   {bracketed(column::Serial), bracketed(column::FileName),
                    bracketed(column::JapaneseFileName)})
        && prepare(PhotoTemp, QString::fromUtf16(table::PhotoTemp),
                   {bracketed(column::Serial), bracketed(column::AlbumPath)});
}

bool PhotoDatabaseWriter::add(const PhotoRecord &record, const std::string &albumPath)
{
    using R = PhotoRecord;
    for (sqlite3_stmt *statement : m_statements)
        sqlite3_bind_int(statement, 1, record.serial);

    const R::Field photoInfo[] = {
        R::FileName, R::JapaneseFileName, R::MajorClass, R::Category, R::WorkType,
        R::Kind,     R::SubKind,          R::Title};
    int column = 2;
    for (const R::Field field : photoInfo)
        bindText(PhotoInfo, column++, record[field]);
    sqlite3_bind_int(m_statements[PhotoInfo], column++, record.drawings);
    for (const R::Field field : {R::Place, R::ManagementValue, R::Representative, R::Frequency})
        bindText(PhotoInfo, column++, record[field]);

    column = 2;
    for (const R::Field field : {R::MajorClass, R::Category, R::WorkType, R::Kind, R::SubKind})
        bindText(WorkClass, column++, record[field]);

    bindText(PhotoFile, 2, record[R::FileName]);
    bindText(PhotoFile, 3, record[R::JapaneseFileName]);
    bindText(PhotoTemp, 2, albumPath);

    for (int statement = 0; statement < StatementCount; ++statement) {
        if (!step(Statement(statement)))
            return false;
    }
    return true;
}

bool PhotoDatabaseWriter::commit()
{
    if (!m_db)
        return false;
    for (sqlite3_stmt *&statement : m_statements) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    for (const QString &sql : std::as_const(m_deferred)) {
        if (!execute(sql))
            return false;
    }
    if (!execute(QStringLiteral("COMMIT")))
        return false;
    const bool closed = sqlite3_close(m_db) == SQLITE_OK;
    if (!closed)
        fail();
    m_db = nullptr;
    return closed;
}

bool PhotoDatabaseWriter::execute(const QString &sql)
{
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail();
    return true;
}

bool PhotoDatabaseWriter::prepare(Statement statement, const QString &table,
                                  const QStringList &columns)
{
    QStringList placeholders;
    for (qsizetype i = 1; i <= columns.size(); ++i)
        placeholders.append(u'?' + QString::number(i));
    const QByteArray sql = QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                               .arg(table, columns.join(u", "), placeholders.join(u", "))
                               .toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_statements[statement],
                           nullptr)
        != SQLITE_OK) {
        return fail();
    }
    return true;
}

bool PhotoDatabaseWriter::step(Statement statement)
{
    sqlite3_stmt *s = m_statements[statement];
    const bool done = sqlite3_step(s) == SQLITE_DONE;
    sqlite3_reset(s);
    return done || fail();
}

void PhotoDatabaseWriter::bindText(Statement statement, int column, const std::string &text)
{
    // The record outlives the step, so SQLite need not copy the text.
    sqlite3_bind_text(m_statements[statement], column, text.data(), int(text.size()),
                      SQLITE_STATIC);
}

bool PhotoDatabaseWriter::fail()
{
    if (m_errorText.isEmpty())
        m_errorText = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                           : QStringLiteral("データベースを作成できません");
    return false;
}

void PhotoDatabaseWriter::close()
{
    for (sqlite3_stmt *&statement : m_statements) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    if (m_db) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}
