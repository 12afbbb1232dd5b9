#pragma once

#include "workspacetest.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// Creates the database file at the host path and runs the statements,
// straight through the engine.
void createEngineDatabase(const QString &hostPath, const QStringList &statements);

// A workspace whose database files are made and inspected straight through
// the engine, independently of the library under test.
class JetDaoTest : public WorkspaceTest
{
protected:
    // Creates the database file (relative to D:\) and runs the statements.
    void createDatabase(const QString &relative, const QStringList &statements) const;
    // The first column of the first row of a query, read by the engine
    // (invalid when there is no row).
    QVariant engineValue(const QString &relative, const QString &sql) const;
    // Every row of a query as its columns joined with '|'.
    QStringList engineRows(const QString &relative, const QString &sql) const;
};
