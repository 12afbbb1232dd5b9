#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <utility>

struct sqlite3;

// The edit buffer of a recordset: the row being added or changed and the
// values set for it so far, written to the table in one statement.
class RowEditor
{
public:
    enum class Mode { None, AddNew, Edit };

    // Starts a new row (AddNew) or a change of the row with the given row
    // id (Edit); values set before are dropped.
    void begin(Mode mode, qint64 rowId = 0);
    bool isEditing() const { return m_mode != Mode::None; }
    // A text, or a qint64 for a number column. A later value for the same
    // column replaces the earlier one.
    void setValue(const QString &column, const QVariant &value);
    // Inserts or updates the row; throws CDaoException and keeps the buffer
    // when the engine refuses. Ends the edit on success.
    void write(sqlite3 *connection, const QString &table);
    void cancel();

private:
    QString insertStatement(const QString &table) const;
    QString updateStatement(const QString &table) const;

    Mode m_mode = Mode::None;
    qint64 m_rowId = 0;
    QList<std::pair<QString, QVariant>> m_values;
};
