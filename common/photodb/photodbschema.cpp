#include "photodbschema.h"

namespace photodb {

QStringList createTableStatements()
{
    return {
        QStringLiteral("CREATE TABLE [写真情報] ("
                       "[シリアル番号] INTEGER, [写真ファイル名] TEXT, [写真ファイル日本語名] TEXT, "
                       "[写真-大分類] TEXT, [写真区分] TEXT, [工種] TEXT, [種別] TEXT, [細別] TEXT, "
                       "[写真タイトル] TEXT, [付加情報] INTEGER, [撮影箇所] TEXT, [施工管理値] TEXT, "
                       "[代表写真] TEXT, [提出頻度写真] TEXT)"),
        QStringLiteral("CREATE TABLE [撮影工種区分] ("
                       "[シリアル番号] INTEGER, [写真-大分類] TEXT, [写真区分] TEXT, [工種] TEXT, "
                       "[種別] TEXT, [細別] TEXT)"),
        QStringLiteral("CREATE TABLE [写真ファイル情報] ("
                       "[シリアル番号] INTEGER, [写真ファイル名] TEXT, [写真ファイル日本語名] TEXT)"),
        QStringLiteral("CREATE TABLE [写真情報Temp] ([シリアル番号] INTEGER, [albumpath] TEXT)"),
        // DeliveryWriter looks up each photo's file and album row by serial
        // number, and DeliveryReader groups the classification level by
        // level: without these every lookup would read the whole table.
        QStringLiteral("CREATE INDEX [撮影工種区分_シリアル番号] ON [撮影工種区分] ([シリアル番号])"),
        QStringLiteral("CREATE INDEX [撮影工種区分_分類] ON [撮影工種区分] "
                       "([写真-大分類], [写真区分], [工種], [種別], [細別])"),
        QStringLiteral("CREATE INDEX [写真ファイル情報_シリアル番号] ON [写真ファイル情報] ([シリアル番号])"),
        QStringLiteral("CREATE INDEX [写真情報Temp_シリアル番号] ON [写真情報Temp] ([シリアル番号])"),
    };
}

} // namespace photodb
