#pragma once

#include <QList>
#include <QString>

// What CALS.mdb registers: documents of the delivery data other than PHOTO
// with their items and their files. Texts are as they go into the
// delivery; an empty text is an item not given.
namespace calsdb {

enum class Kind {
    Meeting, // 打合せ簿, folder MEET
    Plan,    // 施工計画書, folder PLAN
    Other,   // その他, folder OTHRS
};

// オリジナルファイル情報
struct RegisteredFile
{
    // The file, a Windows path; a relative one is taken from the folder of
    // CALS.mdb.
    QString path;
    QString japaneseName; // オリジナルファイル日本語名; empty: the file's own name
    QString software;     // オリジナルファイル作成ソフトバージョン情報
    QString content;      // オリジナルファイル内容
};

struct Registration
{
    int id = 0;
    Kind kind = Kind::Meeting;
    QString title; // 打合せ簿名称, 施工計画書名称 or 資料名
    // 打合せ簿 only.
    QString meetingKind; // 打合せ簿種類
    QString management;  // 管理区分
    QString author;      // 作成者
    QString recipient;   // 提出先
    QString issued;      // 発行日付 (CCYY-MM-DD)
    QString received;    // 受理日付
    QString completed;   // 完了日付
    // その他 only: その他サブフォルダ日本語名, one subfolder per name.
    QString subfolder;
    QString contractorNote; // その他/請負者説明文
    QString ordererNote;    // その他/発注者説明文
    QList<RegisteredFile> files; // in their order
};

} // namespace calsdb
