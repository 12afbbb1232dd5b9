#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <memory>

namespace JETDAO {

class CDaoDatabase;

// Open types and options, with DAO's values.
enum RecordsetOpenType { dbOpenDynaset = 2 };
enum RecordsetOption { dbReadOnly = 4, dbConsistent = 32 };

// The rows of one query, read forward. Rows are fetched as the caller moves,
// so a large table is never held in memory. Failures throw CDaoException.
class CDaoRecordset
{
public:
    explicit CDaoRecordset(CDaoDatabase *database);
    ~CDaoRecordset();  // closes
    Q_DISABLE_COPY_MOVE(CDaoRecordset)

    // openType: dbOpenDynaset. options: dbReadOnly for reads; without it the
    // rows of a query on a single table can be edited. Refuses a bad query,
    // a missing table or column, and a statement that returns no rows.
    void Open(int openType, const QString &sql, int options = 0);
    bool IsOpen() const;
    void Close();

    bool IsEOF() const;
    void MoveNext();
    // The current row's value of a column, by name (without regard to
    // case): text as QString, whole numbers as int (qlonglong beyond 32
    // bits), null as an invalid QVariant. Throws for an unknown column or
    // when there is no current row.
    QVariant GetFieldValue(const QString &columnName) const;
    // Number of rows of the query.
    long GetRecordCount() const;

    // Edits of the query's base table: AddNew or Edit (the current row),
    // SetFieldValue for each column to set, then Update. Values are given as
    // text; a number column takes decimal text and stores it as a number.
    void AddNew();
    void Edit();
    void SetFieldValue(const QString &columnName, const QString &value);
    void Update();

    CDaoDatabase *m_pDatabase;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace JETDAO
