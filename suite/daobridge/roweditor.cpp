#include "roweditor.h"

#include "querytext.h"
#include "sqlitestatement.h"

#include <QStringList>

void RowEditor::begin(Mode mode, qint64 rowId)
{
    m_mode = mode;
    m_rowId = rowId;
    m_values.clear();
}

void RowEditor::setValue(const QString &column, const QVariant &value)
{
    for (auto &entry : m_values) {
        if (entry.first == column) {
            entry.second = value;
            return;
        }
    }
    m_values.append({column, value});
}

void RowEditor::write(sqlite3 *connection, const QString &table)
{
    if (m_mode == Mode::Edit && m_values.isEmpty()) {
        cancel();
        return;
    }
    SqliteStatement statement(connection, m_mode == Mode::AddNew ? insertStatement(table)
                                                                 : updateStatement(table));
    int parameter = 1;
    for (const auto &[column, value] : std::as_const(m_values)) {
        if (value.typeId() == QMetaType::LongLong)
            statement.bindInt64(parameter++, value.toLongLong());
        else
            statement.bindText(parameter++, value.toString());
    }
    if (m_mode == Mode::Edit)
        statement.bindInt64(parameter, m_rowId);
    statement.step();
    cancel();
}

void RowEditor::cancel()
{
    begin(Mode::None);
}

QString RowEditor::insertStatement(const QString &table) const
{
    if (m_values.isEmpty())
        return QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(querytext::quoteIdentifier(table));
    QStringList columns;
    QStringList parameters;
    for (const auto &entry : m_values) {
        columns.append(querytext::quoteIdentifier(entry.first));
        parameters.append(QStringLiteral("?"));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(querytext::quoteIdentifier(table), columns.join(QStringLiteral(", ")),
             parameters.join(QStringLiteral(", ")));
}

QString RowEditor::updateStatement(const QString &table) const
{
    QStringList assignments;
    for (const auto &entry : m_values)
        assignments.append(querytext::quoteIdentifier(entry.first) + QStringLiteral(" = ?"));
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
        .arg(querytext::quoteIdentifier(table), assignments.join(QStringLiteral(", ")),
             QLatin1String(querytext::RowIdColumn));
}
