#include "jetdaotest.h"

#include <QFile>

#include <sqlite3.h>

namespace {

// A connection closed when the scope ends.
class Connection
{
public:
    explicit Connection(const QString &hostPath, int flags)
    {
        if (sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &m_db, flags, nullptr)
            != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << hostPath.toStdString();
    }
    ~Connection() { sqlite3_close_v2(m_db); }
    Q_DISABLE_COPY_MOVE(Connection)

    QList<QVariantList> query(const QString &sql) const
    {
        QList<QVariantList> rows;
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr)
            != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(m_db) << ": " << sql.toStdString();
            return rows;
        }
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            QVariantList row;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                if (sqlite3_column_type(statement, column) == SQLITE_NULL) {
                    row.append(QVariant());
                } else if (sqlite3_column_type(statement, column) == SQLITE_INTEGER) {
                    row.append(sqlite3_column_int64(statement, column));
                } else {
                    row.append(QString::fromUtf8(
                        reinterpret_cast<const char *>(sqlite3_column_text(statement, column))));
                }
            }
            rows.append(row);
        }
        if (rc != SQLITE_DONE)
            ADD_FAILURE() << sqlite3_errmsg(m_db) << ": " << sql.toStdString();
        sqlite3_finalize(statement);
        return rows;
    }

private:
    sqlite3 *m_db = nullptr;
};

} // namespace

void createEngineDatabase(const QString &hostPath, const QStringList &statements)
{
    Connection connection(hostPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    connection.query(QStringLiteral("PRAGMA user_version = 1"));
    for (const QString &sql : statements)
        connection.query(sql);
}

void JetDaoTest::createDatabase(const QString &relative, const QStringList &statements) const
{
    createEngineDatabase(hostPath(relative), statements);
}

QVariant JetDaoTest::engineValue(const QString &relative, const QString &sql) const
{
    Connection connection(hostPath(relative), SQLITE_OPEN_READONLY);
    const QList<QVariantList> rows = connection.query(sql);
    return rows.isEmpty() ? QVariant() : rows.first().value(0);
}

QStringList JetDaoTest::engineRows(const QString &relative, const QString &sql) const
{
    Connection connection(hostPath(relative), SQLITE_OPEN_READONLY);
    QStringList joined;
    for (const QVariantList &row : connection.query(sql)) {
        QStringList cells;
        for (const QVariant &cell : row)
            cells.append(cell.toString());
        joined.append(cells.join(QLatin1Char('|')));
    }
    return joined;
}
