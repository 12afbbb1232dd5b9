#pragma once

#include "photorecord.h"

#include <QString>
#include <QStringList>

#include <array>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// Writes a new G_PHOTO.mdb (SQLite underneath, read by JETDAO) with the
// photodb schema: one row per photo in each of its four tables, all in one
// transaction through prepared statements. The file is a scratch copy that
// the caller renames into place once commit() succeeded.
class PhotoDatabaseWriter final
{
public:
    PhotoDatabaseWriter();
    ~PhotoDatabaseWriter(); // closes without committing
    Q_DISABLE_COPY_MOVE(PhotoDatabaseWriter)

    // hostPath must not exist yet.
    bool create(const QString &hostPath);
    bool add(const PhotoRecord &record, const std::string &albumPath);
    // Commits and closes.
    bool commit();

    QString errorText() const { return m_errorText; }

private:
    enum Statement { PhotoInfo, WorkClass, PhotoFile, PhotoTemp, StatementCount };

    bool execute(const QString &sql);
    bool prepare(Statement statement, const QString &table, const QStringList &columns);
    bool step(Statement statement);
    void bindText(Statement statement, int column, const std::string &text);
    bool fail();
    void close();

    sqlite3 *m_db = nullptr;
    std::array<sqlite3_stmt *, StatementCount> m_statements {};
    QStringList m_deferred; // CREATE INDEX statements, run before the commit
    QString m_errorText;
};
