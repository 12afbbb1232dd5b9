#include "jetdao/cdaodatabase.h"

#include "cdaodatabaseprivate.h"
#include "daoerrors.h"
#include "jetdao/cdaorecordset.h"
#include "platform/findfile.h"
#include "platform/winpath.h"
#include "sqlitestatement.h"

#include <QFile>

#include <sqlite3.h>

namespace JETDAO {

namespace {

// How long an open waits for another program to release its lock.
constexpr int LockWaitMilliseconds = 1000;

QString hostPathOf(const QString &path)
{
    win::ErrorCode error = win::error::Success;
    const QString hostPath = win::toHostPath(path, &error);
    if (hostPath.isEmpty())
        throw error == win::error::PathNotFound ? daoerrors::fileNotFound(path)
                                                : daoerrors::badPath(path);
    return hostPath;
}

// Looks the file up the way the programs do, so that a name differing only
// in case is found, and a folder is told apart from a file.
bool findFile(const QString &path, bool *isFolder)
{
    win::FileFinder finder;
    if (!finder.findFirst(path))
        return false;
    *isFolder = finder.current().directory;
    return true;
}

sqlite3 *openConnection(const QString &hostPath, int flags)
{
    sqlite3 *connection = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &connection, flags, nullptr)
        == SQLITE_OK)
        return connection;
    sqlite3_close_v2(connection);
    return nullptr;
}

// Reads the file's header and schema now, so that a file that is not a
// database, or one another program holds locked, is refused at the open
// rather than at the first query. An empty file is no database either,
// although the engine would take it for a new one.
void checkReadable(sqlite3 *connection, const QString &path)
{
    qint64 pages = 0;
    try {
        SqliteStatement pageCount(connection, QStringLiteral("PRAGMA page_count"));
        if (pageCount.step())
            pages = pageCount.int64Value(0);
        SqliteStatement::execute(connection, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (const CDaoException &) {
        switch (sqlite3_errcode(connection) & 0xFF) {
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            throw daoerrors::notADatabase(path);
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw daoerrors::locked(path);
        default:
            throw daoerrors::cannotOpen(path);
        }
    }
    if (pages == 0)
        throw daoerrors::notADatabase(path);
}

} // namespace

sqlite3 *CDaoDatabase::Private::openConnection() const
{
    if (!connection)
        throw daoerrors::databaseNotOpen();
    return connection;
}

CDaoDatabase::CDaoDatabase()
    : d(std::make_unique<Private>())
{
    d->workspace.reset(new CDaoWorkspace(this));
    m_pWorkspace = d->workspace.get();
}

CDaoDatabase::~CDaoDatabase()
{
    Close();
}

void CDaoDatabase::Create(const QString &path)
{
    if (IsOpen())
        throw daoerrors::alreadyOpen();
    const QString hostPath = hostPathOf(path);
    bool isFolder = false;
    if (findFile(path, &isFolder))
        throw daoerrors::alreadyExists(path);

    sqlite3 *connection =
        openConnection(hostPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!connection)
        throw daoerrors::cannotCreate(path);
    try {
        // Writes the file header: an empty file would not be recognised as
        // a database when it is opened again.
        SqliteStatement::execute(connection, QStringLiteral("PRAGMA user_version = 0"));
    } catch (const CDaoException &) {
        sqlite3_close_v2(connection);
        throw daoerrors::cannotCreate(path);
    }
    d->connection = connection;
    d->readOnly = false;
}

void CDaoDatabase::Open(const QString &path, bool exclusive, bool readOnly, const QString &)
{
    if (IsOpen())
        throw daoerrors::alreadyOpen();
    const QString hostPath = hostPathOf(path);
    bool isFolder = false;
    if (!findFile(path, &isFolder))
        throw daoerrors::fileNotFound(path);
    if (isFolder)
        throw daoerrors::notADatabase(path);

    // Without SQLITE_OPEN_CREATE: a file that vanished meanwhile is not
    // replaced by a new empty database.
    sqlite3 *connection =
        openConnection(hostPath, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    if (!connection)
        throw daoerrors::cannotOpen(path);
    try {
        sqlite3_busy_timeout(connection, LockWaitMilliseconds);
        // A read-only database keeps its read lock until it is closed: the
        // many small queries of one handler (a lookup per photo) would
        // otherwise lock the file and check for a journal each time.
        // Other programs can still read it meanwhile.
        if (exclusive || readOnly)
            SqliteStatement::execute(connection, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        checkReadable(connection, path);
        // Jet commits a transaction without forcing it to disk unless asked
        // (dbForceOSFlush); so do we. A program crash loses nothing that
        // was committed, and a build of one-row transactions (thousands of
        // KOUJIMASTER.MDB nodes) does not wait for the disk at each one.
        if (!readOnly)
            SqliteStatement::execute(connection, QStringLiteral("PRAGMA synchronous = OFF"));
    } catch (const CDaoException &) {
        sqlite3_close_v2(connection);
        throw;
    }
    d->connection = connection;
    d->readOnly = readOnly;
}

bool CDaoDatabase::IsOpen() const
{
    return d->connection != nullptr;
}

void CDaoDatabase::Close()
{
    while (!d->recordsets.isEmpty())
        d->recordsets.constFirst()->Close();
    if (d->connection) {
        // Rolls back a transaction still in progress.
        sqlite3_close_v2(d->connection);
        d->connection = nullptr;
    }
}

} // namespace JETDAO
