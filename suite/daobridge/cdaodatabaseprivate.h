#pragma once

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaoworkspace.h"

#include <QList>

#include <memory>

struct sqlite3;

namespace JETDAO {

struct CDaoDatabase::Private
{
    // The connection; throws when the database is not open.
    sqlite3 *openConnection() const;

    sqlite3 *connection = nullptr;
    bool readOnly = false;
    std::unique_ptr<CDaoWorkspace> workspace;
    // Recordsets open on the database, closed with it.
    QList<CDaoRecordset *> recordsets;
};

} // namespace JETDAO
