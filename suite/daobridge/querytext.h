#pragma once

#include <QString>

// Rewrites of the programs' query texts that the recordsets need.
namespace querytext {

// The name of the row id column that editable recordsets put in front.
inline constexpr char RowIdColumn[] = "rowid";

// The query with the row id of its table as the first column, or an empty
// text when the query is not a plain SELECT whose rows stand for single
// table rows (DISTINCT, GROUP BY and compound queries are not).
QString withRowId(const QString &sql);

// A query that counts the rows of the given one.
QString countQuery(const QString &sql);

// An identifier quoted for the engine, whatever characters it holds.
QString quoteIdentifier(const QString &name);

} // namespace querytext
