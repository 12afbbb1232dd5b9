#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace JETDAO {

class CDaoDatabase;

// Creates a table in a database opened for writing: Create, CreateField
// for each column in order, then Append.
class CDaoTableDef
{
public:
    enum FieldType { dbLong = 4, dbText = 10, dbMemo = 12 };

    explicit CDaoTableDef(CDaoDatabase *database);
    Q_DISABLE_COPY_MOVE(CDaoTableDef)

    void Create(const QString &tableName);
    // size: the most characters of a text field, written into its type.
    void CreateField(const QString &name, FieldType type, int size = 0);
    // Creates the table with the fields given so far; throws CDaoException
    // when the table exists or the database refuses.
    void Append();

private:
    CDaoDatabase *m_pDatabase;
    QString m_strName;
    QStringList m_fieldDefinitions;
};

} // namespace JETDAO
