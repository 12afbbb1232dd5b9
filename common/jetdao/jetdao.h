#pragma once

// The suite's database library (daobridge): Access-style databases opened by
// path, with a DAO-like interface. The files keep their names (G_PHOTO.mdb,
// KOUJIMASTER.MDB, CALS.mdb) and are SQLite databases underneath, which
// take the programs' queries as written, [bracketed] and Japanese names
// included.
//
// Failures are thrown as CDaoException by value; catch by reference.

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaoexception.h"
#include "jetdao/cdaorecordset.h"
#include "jetdao/cdaotabledef.h"
#include "jetdao/cdaoworkspace.h"

#include <QString>

namespace JETDAO {

// A text value made safe to stand between the single quotes of a query:
// every single quote doubled. "O'Brien" gives "O''Brien".
QString EscapeQuotes(const QString &value);

} // namespace JETDAO
