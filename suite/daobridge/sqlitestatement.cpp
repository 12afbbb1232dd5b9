#include "sqlitestatement.h"

#include "daoerrors.h"

#include <sqlite3.h>

#include <limits>
#include <utility>

SqliteStatement::SqliteStatement(sqlite3 *connection, const QString &sql)
    : m_sql(sql)
{
    const QByteArray text = sql.toUtf8();
    const char *tail = nullptr;
    int rc = sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &m_statement, &tail);
    if (rc != SQLITE_OK)
        throw daoerrors::fromEngine(connection, rc, sql);
    if (!m_statement)
        throw daoerrors::badStatement(sql);

    sqlite3_stmt *second = nullptr;
    const char *end = text.constData() + text.size();
    rc = sqlite3_prepare_v2(connection, tail, int(end - tail), &second, nullptr);
    sqlite3_finalize(second);
    if (rc != SQLITE_OK || second) {
        finalize();
        throw daoerrors::badStatement(sql);
    }
}

SqliteStatement::~SqliteStatement()
{
    finalize();
}

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr))
    , m_sql(std::move(other.m_sql))
{
}

SqliteStatement &SqliteStatement::operator=(SqliteStatement &&other) noexcept
{
    if (this != &other) {
        finalize();
        m_statement = std::exchange(other.m_statement, nullptr);
        m_sql = std::move(other.m_sql);
    }
    return *this;
}

void SqliteStatement::execute(sqlite3 *connection, const QString &sql)
{
    SqliteStatement statement(connection, sql);
    while (statement.step()) {
    }
}

void SqliteStatement::finalize()
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw daoerrors::fromEngine(sqlite3_db_handle(m_statement), rc, m_sql);
}

void SqliteStatement::bindText(int index, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const int rc = sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()),
                                     SQLITE_TRANSIENT);
    if (rc != SQLITE_OK)
        throw daoerrors::fromEngine(sqlite3_db_handle(m_statement), rc, m_sql);
}

void SqliteStatement::bindInt64(int index, qint64 number)
{
    const int rc = sqlite3_bind_int64(m_statement, index, number);
    if (rc != SQLITE_OK)
        throw daoerrors::fromEngine(sqlite3_db_handle(m_statement), rc, m_sql);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER: {
        const qint64 number = sqlite3_column_int64(m_statement, column);
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return QVariant(int(number));
        return QVariant(qlonglong(number));
    }
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column)));
    }
    case SQLITE_BLOB: {
        const auto *bytes = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return QVariant(QByteArray(bytes, sqlite3_column_bytes(m_statement, column)));
    }
    default:
        return QVariant();
    }
}

qint64 SqliteStatement::int64Value(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}
