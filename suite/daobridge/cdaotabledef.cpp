#include "jetdao/cdaotabledef.h"

#include "cdaodatabaseprivate.h"
#include "daoerrors.h"
#include "querytext.h"
#include "sqlitestatement.h"

namespace JETDAO {

namespace {

QString columnType(CDaoTableDef::FieldType type, int size)
{
    switch (type) {
    case CDaoTableDef::dbLong:
        return QStringLiteral("INTEGER");
    case CDaoTableDef::dbText:
        return size > 0 ? QStringLiteral("TEXT(%1)").arg(size) : QStringLiteral("TEXT");
    case CDaoTableDef::dbMemo:
        break;
    }
    return QStringLiteral("TEXT");
}

} // namespace

CDaoTableDef::CDaoTableDef(CDaoDatabase *database)
    : m_pDatabase(database)
{
}

void CDaoTableDef::Create(const QString &tableName)
{
    m_strName = tableName;
    m_fieldDefinitions.clear();
}

void CDaoTableDef::CreateField(const QString &name, FieldType type, int size)
{
    m_fieldDefinitions.append(querytext::quoteIdentifier(name) + QLatin1Char(' ')
                              + columnType(type, size));
}

void CDaoTableDef::Append()
{
    sqlite3 *connection = m_pDatabase->d->openConnection();
    if (m_fieldDefinitions.isEmpty())
        throw daoerrors::noFields(m_strName);
    SqliteStatement::execute(connection,
                             QStringLiteral("CREATE TABLE %1 (%2)")
                                 .arg(querytext::quoteIdentifier(m_strName),
                                      m_fieldDefinitions.join(QStringLiteral(", "))));
}

} // namespace JETDAO
