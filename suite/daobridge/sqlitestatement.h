#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

struct sqlite3;
struct sqlite3_stmt;

// One compiled statement of the engine. Failures throw JETDAO::CDaoException
// with the statement's text.
class SqliteStatement
{
public:
    SqliteStatement() = default;
    // Compiles exactly one statement: anything after it other than blanks,
    // semicolons and comments is refused, so a query text cannot smuggle in
    // a second statement.
    SqliteStatement(sqlite3 *connection, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement &operator=(SqliteStatement &&other) noexcept;
    Q_DISABLE_COPY(SqliteStatement)

    // Compiles and runs a statement that returns no rows.
    static void execute(sqlite3 *connection, const QString &sql);

    bool isValid() const { return m_statement != nullptr; }
    sqlite3_stmt *handle() const { return m_statement; }
    const QString &sql() const { return m_sql; }

    // Moves to the next row: true on a row, false at the end.
    bool step();
    void bindText(int index, const QString &text);
    void bindInt64(int index, qint64 number);

    int columnCount() const;
    QString columnName(int column) const;
    // Text as QString, whole numbers as int (qlonglong when wider), null as
    // an invalid QVariant.
    QVariant value(int column) const;
    qint64 int64Value(int column) const;

private:
    void finalize();

    sqlite3_stmt *m_statement = nullptr;
    QString m_sql;
};
