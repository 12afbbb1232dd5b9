#include "jetdao/cdaorecordset.h"

#include "cdaodatabaseprivate.h"
#include "daoerrors.h"
#include "querytext.h"
#include "roweditor.h"
#include "sqlitestatement.h"

#include <QHash>

#include <sqlite3.h>

#include <optional>

namespace JETDAO {

namespace {

// The table every column of the query comes from, or an empty text when
// the columns come from several tables or from expressions.
QString singleBaseTable(const SqliteStatement &statement)
{
    QString table;
    for (int column = 0; column < statement.columnCount(); ++column) {
        const char *database = sqlite3_column_database_name(statement.handle(), column);
        const char *columnTable = sqlite3_column_table_name(statement.handle(), column);
        if (!database || !columnTable || qstrcmp(database, "main") != 0)
            return QString();
        const QString name = QString::fromUtf8(columnTable);
        if (!table.isEmpty() && name != table)
            return QString();
        table = name;
    }
    return table;
}

// The query again, with the row id of its table as the first column, when
// its rows stand for rows of that table.
std::optional<SqliteStatement> prepareWithRowId(sqlite3 *connection, const QString &sql,
                                                int columnCount)
{
    const QString rewritten = querytext::withRowId(sql);
    if (rewritten.isEmpty())
        return std::nullopt;
    try {
        SqliteStatement statement(connection, rewritten);
        if (statement.columnCount() == columnCount + 1)
            return statement;
    } catch (const CDaoException &) {
        // A view or a table without row ids: the rows stay read-only.
    }
    return std::nullopt;
}

// SQLite's rule for number columns: a declared type that contains "INT".
bool isIntegerColumn(const char *declaredType)
{
    return declaredType && QByteArray(declaredType).toUpper().contains("INT");
}

} // namespace

struct CDaoRecordset::Private
{
    sqlite3 *connection = nullptr;
    SqliteStatement statement;
    QString sql;
    QHash<QString, int> columns;  // name as the query gives it -> column
    bool eof = true;
    bool readOnly = true;
    QString baseTable;  // empty: the rows cannot be edited
    RowEditor editor;

    int columnIndex(const QString &name) const;
    void requireOpen() const;
    void requireCurrentRow() const;
    void requireEditable() const;
};

void CDaoRecordset::Private::requireOpen() const
{
    if (!statement.isValid())
        throw daoerrors::recordsetNotOpen();
}

void CDaoRecordset::Private::requireCurrentRow() const
{
    requireOpen();
    if (eof)
        throw daoerrors::noCurrentRecord();
}

void CDaoRecordset::Private::requireEditable() const
{
    requireOpen();
    if (readOnly)
        throw daoerrors::readOnlyRecordset();
    if (baseTable.isEmpty())
        throw daoerrors::notUpdatable();
}

int CDaoRecordset::Private::columnIndex(const QString &name) const
{
    const auto exact = columns.constFind(name);
    if (exact != columns.constEnd())
        return exact.value();
    for (auto it = columns.constBegin(); it != columns.constEnd(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    throw daoerrors::unknownField(name);
}

CDaoRecordset::CDaoRecordset(CDaoDatabase *database)
    : m_pDatabase(database)
    , d(std::make_unique<Private>())
{
}

CDaoRecordset::~CDaoRecordset()
{
    Close();
}

void CDaoRecordset::Open(int openType, const QString &sql, int options)
{
    Close();
    if (openType != dbOpenDynaset)
        throw daoerrors::unsupportedOpenType(openType);
    sqlite3 *connection = m_pDatabase->d->openConnection();

    SqliteStatement statement(connection, sql);
    const int columnCount = statement.columnCount();
    if (columnCount == 0)
        throw daoerrors::returnsNoRows(sql);
    // Rows are only ever changed through the edit operations: a statement
    // that writes is refused even when it returns rows (RETURNING).
    if (!sqlite3_stmt_readonly(statement.handle()))
        throw daoerrors::badStatement(sql);

    const bool readOnly = (options & dbReadOnly) || m_pDatabase->d->readOnly;
    QString baseTable = readOnly ? QString() : singleBaseTable(statement);
    int firstColumn = 0;
    if (!baseTable.isEmpty()) {
        if (auto withRowId = prepareWithRowId(connection, sql, columnCount)) {
            statement = std::move(*withRowId);
            firstColumn = 1;
        } else {
            baseTable.clear();
        }
    }

    QHash<QString, int> columns;
    for (int column = statement.columnCount() - 1; column >= firstColumn; --column)
        columns.insert(statement.columnName(column), column);  // the first of a name wins

    const bool eof = !statement.step();

    d->connection = connection;
    d->statement = std::move(statement);
    d->sql = sql;
    d->columns = std::move(columns);
    d->eof = eof;
    d->readOnly = readOnly;
    d->baseTable = baseTable;
    m_pDatabase->d->recordsets.append(this);
}

bool CDaoRecordset::IsOpen() const
{
    return d->statement.isValid();
}

void CDaoRecordset::Close()
{
    if (!IsOpen())
        return;
    m_pDatabase->d->recordsets.removeOne(this);
    *d = Private();
}

bool CDaoRecordset::IsEOF() const
{
    return d->eof;
}

void CDaoRecordset::MoveNext()
{
    d->requireCurrentRow();
    d->eof = !d->statement.step();
}

QVariant CDaoRecordset::GetFieldValue(const QString &columnName) const
{
    d->requireCurrentRow();
    return d->statement.value(d->columnIndex(columnName));
}

long CDaoRecordset::GetRecordCount() const
{
    d->requireOpen();
    SqliteStatement count(d->connection, querytext::countQuery(d->sql));
    return count.step() ? long(count.int64Value(0)) : 0;
}

void CDaoRecordset::AddNew()
{
    d->requireEditable();
    d->editor.begin(RowEditor::Mode::AddNew);
}

void CDaoRecordset::Edit()
{
    d->requireEditable();
    d->requireCurrentRow();
    d->editor.begin(RowEditor::Mode::Edit, d->statement.int64Value(0));
}

void CDaoRecordset::SetFieldValue(const QString &columnName, const QString &value)
{
    d->requireOpen();
    if (!d->editor.isEditing())
        throw daoerrors::noEditInProgress();
    const int column = d->columnIndex(columnName);
    const char *origin = sqlite3_column_origin_name(d->statement.handle(), column);
    if (!origin)
        throw daoerrors::fieldNotUpdatable(columnName);

    const QString originName = QString::fromUtf8(origin);
    if (!isIntegerColumn(sqlite3_column_decltype(d->statement.handle(), column))) {
        d->editor.setValue(originName, value);
        return;
    }
    bool isNumber = false;
    const qlonglong number = value.trimmed().toLongLong(&isNumber);
    if (!isNumber)
        throw daoerrors::notANumber(columnName, value);
    d->editor.setValue(originName, QVariant(number));
}

void CDaoRecordset::Update()
{
    d->requireOpen();
    if (!d->editor.isEditing())
        throw daoerrors::noEditInProgress();
    d->editor.write(d->connection, d->baseTable);
}

} // namespace JETDAO
