#pragma once

#include "photodb/photorecord.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

// The photos of a bookshelf's albums: photos.db in the bookshelf's data
// folder (docs/suite-data.md), one SQLite database per bookshelf, so that an
// export of many albums opens one file per bookshelf and reads each album's
// photos by an index in their order.
namespace suitedata {

inline constexpr QStringView ShelfPhotosFileName = u"photos.db";

// An album as the bookshelf lists it; its label is in the folder's KOUJI.XML.
struct ShelfAlbum
{
    int number = 0; // the album's number, as the host names it
    QString folder; // the album folder's name inside the data folder
};

// 付加情報: a reference drawing of a photo.
struct ShelfDrawing
{
    QString fileName;      // 参考図ファイル名
    QString japaneseName;  // 参考図ファイル日本語名
    QString title;         // 参考図タイトル
    QStringList reserves;  // 付加情報予備*
};

// Every item of a photo's 写真情報.
struct ShelfPhoto
{
    QString fileName;          // 写真ファイル名 (the file in the album folder)
    QString japaneseFileName;  // 写真ファイル日本語名
    QString mediaNumber;       // メディア番号
    QString majorClass;        // 写真-大分類
    QString category;          // 写真区分
    QString workType;          // 工種
    QString kind;              // 種別
    QString subKind;           // 細別
    QString title;             // 写真タイトル
    QStringList classReserves; // 工種区分予備*
    QList<ShelfDrawing> drawings;
    QString place;             // 撮影箇所
    QString date;              // 撮影年月日
    QString representative;    // 代表写真
    QString frequency;         // 提出頻度写真
    QString managementValue;   // 施工管理値
    QString contractorNote;    // 請負者説明文
};

// Writes a new photos.db: albums and photos in the order added, in one
// transaction.
class ShelfPhotosWriter final
{
public:
    ShelfPhotosWriter();
    ~ShelfPhotosWriter(); // closes without committing
    Q_DISABLE_COPY_MOVE(ShelfPhotosWriter)

    // Replaces any file at hostFile.
    bool create(const QString &hostFile);
    bool addAlbum(const ShelfAlbum &album);
    // Appends a photo to an album added before.
    bool addPhoto(int albumNumber, const ShelfPhoto &photo);
    bool commit();

    QString errorText() const { return m_errorText; }

private:
    bool execute(const char *sql);
    bool prepare(sqlite3_stmt **statement, const char *sql);
    bool step(sqlite3_stmt *statement);
    bool fail();
    void close();

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_album = nullptr;
    sqlite3_stmt *m_photo = nullptr;
    sqlite3_stmt *m_drawing = nullptr;
    QHash<int, int> m_photoCounts; // photos added so far, by album number
    QString m_errorText;
};

// Reads a photos.db, read-only.
class ShelfPhotosReader final
{
public:
    ShelfPhotosReader();
    ~ShelfPhotosReader();
    Q_DISABLE_COPY_MOVE(ShelfPhotosReader)

    bool open(const QString &hostFile);
    // The albums in the bookshelf's order.
    QList<ShelfAlbum> albums();
    // Number of photos in an album.
    int photoCount(int albumNumber);
    // Each photo of an album in its order, as G_PHOTO.mdb takes it (serial
    // left 0, drawings counted); false when reading failed or visit did.
    bool forEachPhoto(int albumNumber, const std::function<bool(PhotoRecord &)> &visit);
    // The whole of each photo of an album, in order.
    QList<ShelfPhoto> photos(int albumNumber);

    QString errorText() const { return m_errorText; }

private:
    bool fail();
    void close();

    sqlite3 *m_db = nullptr;
    QString m_errorText;
};

} // namespace suitedata
