#include "shelfphotos.h"

#include <QFile>

#include <sqlite3.h>

namespace suitedata {

namespace {

// Repeated reserve items are kept in one column, one per line: they are
// short codes and never hold a line break of their own.
constexpr QChar ReserveSeparator = u'\n';

const char *const Schema[] = {
    "CREATE TABLE albums ([number] INTEGER PRIMARY KEY, [position] INTEGER NOT NULL, "
    "[folder] TEXT NOT NULL)",
    "CREATE TABLE photos ([id] INTEGER PRIMARY KEY, [album] INTEGER NOT NULL, "
    "[position] INTEGER NOT NULL, [写真ファイル名] TEXT, [写真ファイル日本語名] TEXT, "
    "[メディア番号] TEXT, [写真-大分類] TEXT, [写真区分] TEXT, [工種] TEXT, [種別] TEXT, "
    "[細別] TEXT, [写真タイトル] TEXT, [工種区分予備] TEXT, [撮影箇所] TEXT, [撮影年月日] TEXT, "
    "[代表写真] TEXT, [提出頻度写真] TEXT, [施工管理値] TEXT, [請負者説明文] TEXT)",
    "CREATE TABLE drawings ([photo] INTEGER NOT NULL, [position] INTEGER NOT NULL, "
    "[参考図ファイル名] TEXT, [参考図ファイル日本語名] TEXT, [参考図タイトル] TEXT, "
    "[付加情報予備] TEXT)",
};
// Built after the rows: one pass over the data instead of row by row.
const char *const Indexes[] = {
    "CREATE INDEX photos_album ON photos ([album], [position])",
    "CREATE INDEX drawings_photo ON drawings ([photo], [position])",
};

// Columns of photos from 写真ファイル名 on, in the order of ShelfPhoto.
const char PhotoColumns[] =
    "[写真ファイル名], [写真ファイル日本語名], [メディア番号], [写真-大分類], [写真区分], [工種], "
    "[種別], [細別], [写真タイトル], [工種区分予備], [撮影箇所], [撮影年月日], [代表写真], "
    "[提出頻度写真], [施工管理値], [請負者説明文]";

void bindText(sqlite3_stmt *statement, int column, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QString columnText(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

std::string columnString(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return text ? std::string(text, size_t(sqlite3_column_bytes(statement, column))) : std::string();
}

QStringList splitReserves(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(ReserveSeparator);
}

// A statement finalized however the function ends.
class Statement final
{
public:
    Statement(sqlite3 *db, const char *sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Q_DISABLE_COPY_MOVE(Statement)

    sqlite3_stmt *get() const { return m_statement; }
    explicit operator bool() const { return m_statement != nullptr; }

private:
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace

ShelfPhotosWriter::ShelfPhotosWriter() = default;

ShelfPhotosWriter::~ShelfPhotosWriter()
{
    close();
}

bool ShelfPhotosWriter::create(const QString &hostFile)
{
    close();
    m_errorText.clear();
    m_photoCounts.clear();
    QFile::remove(hostFile);
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(QFile::encodeName(hostFile).constData(), &m_db, flags, nullptr)
        != SQLITE_OK)
        return fail();
    if (!execute("BEGIN"))
        return false;
    for (const char *sql : Schema) {
        if (!execute(sql))
            return false;
    }
    const QByteArray photoInsert =
        QByteArray("INSERT INTO photos ([album], [position], ") + PhotoColumns
        + ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18)";
    return prepare(&m_album, "INSERT INTO albums ([number], [position], [folder]) VALUES (?1, ?2, ?3)")
        && prepare(&m_photo, photoInsert.constData())
        && prepare(&m_drawing,
                   "INSERT INTO drawings ([photo], [position], [参考図ファイル名], "
                   "[参考図ファイル日本語名], [参考図タイトル], [付加情報予備]) "
                   "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
}

bool ShelfPhotosWriter::addAlbum(const ShelfAlbum &album)
{
    if (!m_db)
        return false;
    sqlite3_bind_int(m_album, 1, album.number);
    sqlite3_bind_int(m_album, 2, int(m_photoCounts.size()));
    bindText(m_album, 3, album.folder);
    if (!step(m_album))
        return false;
    m_photoCounts.insert(album.number, 0);
    return true;
}

bool ShelfPhotosWriter::addPhoto(int albumNumber, const ShelfPhoto &photo)
{
    if (!m_db)
        return false;
    if (!m_photoCounts.contains(albumNumber)) {
        m_errorText = QStringLiteral("no album %1").arg(albumNumber);
        return false;
    }
    sqlite3_bind_int(m_photo, 1, albumNumber);
    sqlite3_bind_int(m_photo, 2, m_photoCounts[albumNumber]++);
    const QString items[] = {
        photo.fileName, photo.japaneseFileName, photo.mediaNumber, photo.majorClass,
        photo.category, photo.workType, photo.kind, photo.subKind, photo.title,
        photo.classReserves.join(ReserveSeparator), photo.place, photo.date,
        photo.representative, photo.frequency, photo.managementValue, photo.contractorNote};
    int column = 3;
    for (const QString &item : items)
        bindText(m_photo, column++, item);
    if (!step(m_photo))
        return false;
    const sqlite3_int64 id = sqlite3_last_insert_rowid(m_db);
    int position = 0;
    for (const ShelfDrawing &drawing : photo.drawings) {
        sqlite3_bind_int64(m_drawing, 1, id);
        sqlite3_bind_int(m_drawing, 2, position++);
        bindText(m_drawing, 3, drawing.fileName);
        bindText(m_drawing, 4, drawing.japaneseName);
        bindText(m_drawing, 5, drawing.title);
        bindText(m_drawing, 6, drawing.reserves.join(ReserveSeparator));
        if (!step(m_drawing))
            return false;
    }
    return true;
}

bool ShelfPhotosWriter::commit()
{
    if (!m_db)
        return false;
    for (sqlite3_stmt **statement : {&m_album, &m_photo, &m_drawing}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    for (const char *sql : Indexes) {
        if (!execute(sql))
            return false;
    }
    if (!execute("COMMIT"))
        return false;
    const bool closed = sqlite3_close(m_db) == SQLITE_OK;
    m_db = nullptr;
    if (!closed)
        m_errorText = QStringLiteral("photos.db cannot be closed");
    return closed;
}

bool ShelfPhotosWriter::execute(const char *sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK || fail();
}

bool ShelfPhotosWriter::prepare(sqlite3_stmt **statement, const char *sql)
{
    return sqlite3_prepare_v2(m_db, sql, -1, statement, nullptr) == SQLITE_OK || fail();
}

bool ShelfPhotosWriter::step(sqlite3_stmt *statement)
{
    const bool done = sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_reset(statement);
    return done || fail();
}

bool ShelfPhotosWriter::fail()
{
    if (m_errorText.isEmpty())
        m_errorText = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                           : QStringLiteral("photos.db cannot be created");
    return false;
}

void ShelfPhotosWriter::close()
{
    for (sqlite3_stmt **statement : {&m_album, &m_photo, &m_drawing}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    if (m_db) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

ShelfPhotosReader::ShelfPhotosReader() = default;

ShelfPhotosReader::~ShelfPhotosReader()
{
    close();
}

bool ShelfPhotosReader::open(const QString &hostFile)
{
    close();
    m_errorText.clear();
    const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(QFile::encodeName(hostFile).constData(), &m_db, flags, nullptr)
        != SQLITE_OK) {
        fail();
        close();
        return false;
    }
    return true;
}

QList<ShelfAlbum> ShelfPhotosReader::albums()
{
    QList<ShelfAlbum> albums;
    if (!m_db)
        return albums;
    const Statement query(m_db, "SELECT [number], [folder] FROM albums ORDER BY [position]");
    if (!query) {
        fail();
        return albums;
    }
    while (sqlite3_step(query.get()) == SQLITE_ROW)
        albums.append({sqlite3_column_int(query.get(), 0), columnText(query.get(), 1)});
    return albums;
}

int ShelfPhotosReader::photoCount(int albumNumber)
{
    if (!m_db)
        return 0;
    const Statement query(m_db, "SELECT count(*) FROM photos WHERE [album] = ?1");
    if (!query) {
        fail();
        return 0;
    }
    sqlite3_bind_int(query.get(), 1, albumNumber);
    return sqlite3_step(query.get()) == SQLITE_ROW ? sqlite3_column_int(query.get(), 0) : 0;
}

bool ShelfPhotosReader::forEachPhoto(int albumNumber,
                                     const std::function<bool(PhotoRecord &)> &visit)
{
    if (!m_db)
        return false;
    // The columns in the order of the fields they fill.
    const Statement query(
        m_db,
        "SELECT [写真ファイル名], [写真ファイル日本語名], [写真-大分類], [写真区分], [工種], "
        "[種別], [細別], [写真タイトル], [撮影箇所], [施工管理値], [代表写真], [提出頻度写真], "
        "(SELECT count(*) FROM drawings WHERE drawings.[photo] = photos.[id]) "
        "FROM photos WHERE [album] = ?1 ORDER BY [position]");
    if (!query)
        return fail();
    using R = PhotoRecord;
    const R::Field fields[] = {R::FileName, R::JapaneseFileName, R::MajorClass, R::Category,
                               R::WorkType, R::Kind,             R::SubKind,    R::Title,
                               R::Place,    R::ManagementValue,  R::Representative,
                               R::Frequency};
    const int drawingsColumn = int(std::size(fields));
    sqlite3_bind_int(query.get(), 1, albumNumber);
    PhotoRecord record;
    int result;
    while ((result = sqlite3_step(query.get())) == SQLITE_ROW) {
        int column = 0;
        for (const R::Field field : fields)
            record.fields[field] = columnString(query.get(), column++);
        record.drawings = sqlite3_column_int(query.get(), drawingsColumn);
        if (!visit(record))
            return false;
    }
    return result == SQLITE_DONE || fail();
}

QList<ShelfPhoto> ShelfPhotosReader::photos(int albumNumber)
{
    QList<ShelfPhoto> photos;
    if (!m_db)
        return photos;
    const QByteArray sql = QByteArray("SELECT [id], ") + PhotoColumns
                           + " FROM photos WHERE [album] = ?1 ORDER BY [position]";
    const Statement query(m_db, sql.constData());
    const Statement drawings(m_db,
                             "SELECT [参考図ファイル名], [参考図ファイル日本語名], [参考図タイトル], "
                             "[付加情報予備] FROM drawings WHERE [photo] = ?1 ORDER BY [position]");
    if (!query || !drawings) {
        fail();
        return photos;
    }
    sqlite3_bind_int(query.get(), 1, albumNumber);
    while (sqlite3_step(query.get()) == SQLITE_ROW) {
        sqlite3_stmt *row = query.get();
        ShelfPhoto photo;
        QString *const items[] = {
            &photo.fileName, &photo.japaneseFileName, &photo.mediaNumber, &photo.majorClass,
            &photo.category, &photo.workType, &photo.kind, &photo.subKind, &photo.title,
            nullptr, &photo.place, &photo.date, &photo.representative, &photo.frequency,
            &photo.managementValue, &photo.contractorNote};
        int column = 1;
        for (QString *item : items) {
            if (item)
                *item = columnText(row, column);
            else
                photo.classReserves = splitReserves(columnText(row, column));
            ++column;
        }
        sqlite3_reset(drawings.get());
        sqlite3_bind_int64(drawings.get(), 1, sqlite3_column_int64(row, 0));
        while (sqlite3_step(drawings.get()) == SQLITE_ROW) {
            photo.drawings.append({columnText(drawings.get(), 0), columnText(drawings.get(), 1),
                                   columnText(drawings.get(), 2),
                                   splitReserves(columnText(drawings.get(), 3))});
        }
        photos.append(photo);
    }
    return photos;
}

bool ShelfPhotosReader::fail()
{
    if (m_errorText.isEmpty())
        m_errorText = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                           : QStringLiteral("photos.db cannot be opened");
    return false;
}

void ShelfPhotosReader::close()
{
    if (m_db) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

} // namespace suitedata
