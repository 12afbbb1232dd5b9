#pragma once

// Template and control ids of ShelfWarden's dialog (netprofresetdlg.ui).
namespace shelfwarden_ids {

inline constexpr int IDD_NETPROFRESET = 103;

inline constexpr int IDC_STATIC = -1;
inline constexpr int IDC_CHANGE = 1004;        // 共有情報を変更
inline constexpr int IDC_SHELF_LIST = 1006;    // bookshelves, in discovery order
inline constexpr int IDC_FOLDER = 1007;        // target data folder, read-only
inline constexpr int IDC_SHARING_LIST = 1008;  // computers sharing the bookshelf
inline constexpr int IDC_USING_LIST = 1009;    // computers using it
inline constexpr int IDC_GROUP_TAB = 1010;     // 自共有グループ / 他共有グループ
inline constexpr int IDC_BROWSE = 1013;        // 参照
inline constexpr int IDC_SHELF_MODE = 1017;    // 工事選択
inline constexpr int IDC_FOLDER_MODE = 1018;   // フォルダ指定
inline constexpr int IDC_EXIT = 2;             // 終　了 (IDCANCEL)

} // namespace shelfwarden_ids
