#pragma once

#include "jetdao/cdaoexception.h"

#include <QString>

struct sqlite3;

// The error texts of the database library, in the words the user reads.
namespace daoerrors {

using JETDAO::CDaoException;

CDaoException fileNotFound(const QString &path);
CDaoException badPath(const QString &path);
CDaoException notADatabase(const QString &path);
CDaoException locked(const QString &path);
CDaoException cannotOpen(const QString &path);
CDaoException cannotCreate(const QString &path);
CDaoException alreadyExists(const QString &path);
CDaoException alreadyOpen();
CDaoException databaseNotOpen();
CDaoException recordsetNotOpen();
CDaoException unsupportedOpenType(int openType);
CDaoException returnsNoRows(const QString &sql);
CDaoException badStatement(const QString &sql);
CDaoException noCurrentRecord();
CDaoException unknownField(const QString &name);
CDaoException readOnlyRecordset();
CDaoException notUpdatable();
CDaoException fieldNotUpdatable(const QString &name);
CDaoException notANumber(const QString &name, const QString &value);
CDaoException noEditInProgress();
CDaoException noFields(const QString &tableName);

// A failure the engine reported on the connection, in words; the statement
// it ran follows when there was one.
CDaoException fromEngine(sqlite3 *connection, int resultCode, const QString &sql = QString());

} // namespace daoerrors
