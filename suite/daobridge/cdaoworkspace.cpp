#include "jetdao/cdaoworkspace.h"

#include "cdaodatabaseprivate.h"
#include "sqlitestatement.h"

#include <sqlite3.h>

namespace JETDAO {

CDaoWorkspace::CDaoWorkspace(CDaoDatabase *database)
    : m_pDatabase(database)
{
}

void CDaoWorkspace::BeginTrans()
{
    SqliteStatement::execute(m_pDatabase->d->openConnection(), QStringLiteral("BEGIN"));
}

void CDaoWorkspace::CommitTrans()
{
    SqliteStatement::execute(m_pDatabase->d->openConnection(), QStringLiteral("COMMIT"));
}

void CDaoWorkspace::Rollback()
{
    sqlite3 *connection = m_pDatabase->d->connection;
    if (!connection || sqlite3_get_autocommit(connection))
        return;
    SqliteStatement::execute(connection, QStringLiteral("ROLLBACK"));
}

} // namespace JETDAO
