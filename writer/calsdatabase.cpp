#include "calsdatabase.h"

#include "jetdao/jetdao.h"
#include "pathchecks.h"
#include "platform/pathnames.h"

namespace writer {

QString calsDatabasePath(const QString &calsFolder)
{
    return win::joinPath(calsFolder, CalsDatabaseFileName.toString());
}

bool probeCalsDatabase(const QString &calsFolder)
{
    const QString path = calsDatabasePath(calsFolder);
    if (GetPathKind(path) != PathKindFile)
        return false;
    try {
        JETDAO::CDaoDatabase database;
        database.Open(path, false, false, QString());
        JETDAO::CDaoRecordset recordset(&database);
        recordset.Open(JETDAO::dbOpenDynaset, QStringLiteral("select * from XML"),
                       JETDAO::dbReadOnly);
        const bool hasRows = recordset.GetRecordCount() > 0;
        recordset.Close();
        database.Close();
        return hasRows;
    } catch (const JETDAO::CDaoException &e) {
        e.ReportError();
        return false;
    }
}

} // namespace writer
