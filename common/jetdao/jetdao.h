#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

// The suite's database library (daobridge): Access-style databases opened by
// path, with a DAO-like interface. The files keep their names (G_PHOTO.mdb,
// KOUJIMASTER.MDB, CALS.mdb) and are SQLite databases underneath.
//
// Failures are thrown as CDaoException by value; catch by reference.
namespace JETDAO {

class CDaoDatabase;

class CDaoException
{
public:
    explicit CDaoException(QString errorMessage);

    // The Japanese error text that callers may show themselves.
    const QString &GetErrorMessage() const { return m_strError; }
    // Shows the error through the dialogs service (exclamation icon, OK).
    void ReportError(unsigned type = 0, unsigned helpContext = 0) const;

private:
    QString m_strError;
};

class CDaoWorkspace
{
public:
    void BeginTrans();
    void CommitTrans();
    void Rollback();

private:
    friend class CDaoDatabase;
    explicit CDaoWorkspace(CDaoDatabase *database);
    CDaoDatabase *m_pDatabase;
};

class CDaoDatabase
{
public:
    CDaoDatabase();
    ~CDaoDatabase();  // closes
    Q_DISABLE_COPY_MOVE(CDaoDatabase)

    // path: Windows form, through the platform's drive table. Throws when
    // the file is missing, is not a database or cannot be opened.
    void Open(const QString &path, bool exclusive = false, bool readOnly = false,
              const QString &connect = QString());
    bool IsOpen() const;
    void Close();

    // The workspace whose transactions cover this database.
    CDaoWorkspace *m_pWorkspace;

private:
    friend class CDaoWorkspace;
    friend class CDaoRecordset;
    friend class CDaoTableDef;
    struct Private;
    std::unique_ptr<Private> d;
};

// Open types and options, with DAO's values.
enum RecordsetOpenType { dbOpenDynaset = 2 };
enum RecordsetOption { dbReadOnly = 4, dbInconsistent = 16, dbConsistent = 32 };

class CDaoRecordset
{
public:
    explicit CDaoRecordset(CDaoDatabase *database);
    ~CDaoRecordset();  // closes
    Q_DISABLE_COPY_MOVE(CDaoRecordset)

    // type 2 (dynaset); options 4 (read-only) or 32 (editable). Throws on a
    // bad query or a missing table.
    void Open(int openType, const QString &sql, int options = 0);
    bool IsOpen() const;
    void Close();

    bool IsEOF() const;
    void MoveNext();
    // Text columns as QString, integer columns as int, null as an invalid
    // QVariant. Throws for an unknown column.
    QVariant GetFieldValue(const QString &columnName) const;
    // Rows of the opened query: 0 or more.
    long GetRecordCount() const;

    // Edits work on the query's base table, row by row id. Values are text;
    // numbers are given as decimal text and stored as numbers in number
    // columns.
    void AddNew();
    void Edit();
    void SetFieldValue(const QString &columnName, const QString &value);
    void Update();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Table definitions: creating the tables of a new database (the templates
// and temporary databases the suite ships or builds).
class CDaoTableDef
{
public:
    enum FieldType { dbLong = 4, dbText = 10, dbMemo = 12 };

    explicit CDaoTableDef(CDaoDatabase *database);
    ~CDaoTableDef();
    Q_DISABLE_COPY_MOVE(CDaoTableDef)

    void Create(const QString &tableName);
    void CreateField(const QString &name, FieldType type, int size = 0);
    // Creates the table in the database with the fields given so far.
    void Append();

private:
    CDaoDatabase *m_pDatabase;
    QString m_strName;
    QStringList m_fieldDefinitions;
};

} // namespace JETDAO
