#pragma once

#include <QStringView>

// The texts of the delivery check, shown to the user as they stand.
namespace deliverycheck::messages {

// Levels and classes.
inline constexpr QStringView Error = u"エラー";
inline constexpr QStringView Notice = u"注意";
inline constexpr QStringView Structure = u"フォルダ構成";
inline constexpr QStringView Grammar = u"XML文法";
inline constexpr QStringView Items = u"管理項目";
inline constexpr QStringView Images = u"画像";

// The folder.
inline constexpr QStringView NoFolder = u"フォルダがありません: %1";
inline constexpr QStringView NotADelivery =
    u"電子納品のフォルダではありません（索引ファイルも PHOTO\\PHOTO.XML もありません）";

// Structure.
inline constexpr QStringView MissingIndexFile = u"索引ファイル INDEX_C.XML がありません";
inline constexpr QStringView MissingPhotoXml = u"写真管理ファイル PHOTO\\PHOTO.XML がありません";
inline constexpr QStringView MissingDtd = u"DTD %1 がありません";
inline constexpr QStringView MissingNamedFolder = u"%1 に記入されたフォルダ %2 がありません";
inline constexpr QStringView MissingPhotoFile = u"写真ファイル %1 がありません";
inline constexpr QStringView MissingDrawingFile = u"参考図ファイル %1 がありません";
inline constexpr QStringView MissingOtherDocument = u"管理ファイル %1 がありません";
inline constexpr QStringView MissingOriginalFile = u"オリジナルファイル %1 がありません";
inline constexpr QStringView UnnamedFile = u"%1 に記入のないファイルです";
inline constexpr QStringView UnnamedFolder = u"%1 に記入のないフォルダです";
inline constexpr QStringView HiddenOrSystemFile =
    u"隠しファイルまたはシステムファイルです（納品前に削除します）";
inline constexpr QStringView NameNotUpperCase = u"名前は半角英数大文字で付けます: %1";

// Grammar.
inline constexpr QStringView NotWellFormed = u"XMLとして正しくありません: %1";
inline constexpr QStringView NoDoctype = u"DOCTYPE 宣言がないため、DTDで検証できません";
inline constexpr QStringView DtdNotHeld =
    u"DTD %1 がフォルダになく公式のDTDにもないため、DTDで検証していません";
inline constexpr QStringView ValidatedWithOfficialDtd = u"公式の %1 で検証しました";
inline constexpr QStringView DtdUnusable = u"DTDを使えません: %1";
inline constexpr QStringView NotValid = u"DTDに適合しません: %1";
inline constexpr QStringView MoreNotValid = u"DTDに適合しない箇所がほかに %1 件あります";

// Items.
inline constexpr QStringView RequiredEmpty = u"必須の項目が空です";
inline constexpr QStringView TooLong = u"文字数が上限を超えています（%1 文字、上限 %2 文字）";
inline constexpr QStringView NotDigits = u"半角数字で記入します: %1";
inline constexpr QStringView NotAlphanumeric = u"半角英数字で記入します: %1";
inline constexpr QStringView NotUpperAlphanumeric = u"半角英数大文字で記入します: %1";
inline constexpr QStringView DateForm = u"日付は CCYY-MM-DD の形式で記入します: %1";
inline constexpr QStringView DateNotReal = u"実在しない日付です: %1";
inline constexpr QStringView NotFlag = u"0 か 1 を記入します: %1";
inline constexpr QStringView ForbiddenCharacters = u"使用できない文字「%1」が含まれています";
inline constexpr QStringView CharacterListMissing =
    u"%1 を読めないため、使用できない文字を確認していません";
inline constexpr QStringView FileNameWithFolder = u"ファイル名にフォルダが含まれています: %1";
inline constexpr QStringView FileNameNotUpperCase = u"ファイル名は半角英数大文字で付けます: %1";
inline constexpr QStringView PhotoFileNameForm =
    u"写真ファイル名は Pnnnnnnn.JPG の形式で付けます: %1";
inline constexpr QStringView DrawingFileNameForm =
    u"参考図ファイル名は Dnnnnnnn.JPG か Dnnnnnnn.TIF の形式で付けます: %1";
inline constexpr QStringView MeetingFileNameForm =
    u"打合せ簿オリジナルファイル名は MTGnnnmm.XXX の形式で付けます: %1";
inline constexpr QStringView PlanFileNameForm =
    u"施工計画書オリジナルファイル名は PLNnnnmm.XXX の形式で付けます: %1";
inline constexpr QStringView OriginalFileNameForm =
    u"オリジナルファイル名は半角英数大文字の 8文字＋拡張子3文字以内で付けます: %1";
inline constexpr QStringView DuplicateSerial = u"シリアル番号 %1 が重複しています（%2行目と同じ）";
inline constexpr QStringView DuplicateFileName = u"%1 が重複しています（%2行目と同じ）";
inline constexpr QStringView OutsidePeriod = u"撮影年月日 %1 が工期（%2～%3）の外です";
inline constexpr QStringView PeriodReversed = u"%1 %2 が %3 %4 より後です";
inline constexpr QStringView MediaNumberOver =
    u"メディア番号 %1 がメディア総枚数 %2 を超えています";
inline constexpr QStringView MediaNumberZero = u"メディア番号は 1 から数えます";
inline constexpr QStringView PhotoCountMismatch =
    u"写真枚数が一致しません（写真情報 %1 件、写真フォルダのファイル %2 個）";
inline constexpr QStringView UnknownMajorClass = u"写真-大分類「%1」は基準の分類にありません（%2）";
inline constexpr QStringView CategoryRequired =
    u"写真-大分類が「工事」の写真には写真区分を記入します";
inline constexpr QStringView UnknownCategory = u"写真区分「%1」は基準の区分にありません（%2）";
inline constexpr QStringView CategoryOutsideWork =
    u"写真区分は写真-大分類が「工事」の写真に記入します";
inline constexpr QStringView LevelWithoutUpper = u"%1 を記入するときは %2 も記入します";
inline constexpr QStringView EmptyDrawing = u"参考図ファイル名のない付加情報です";

// Images.
inline constexpr QStringView NotJpeg = u"JPEG形式の画像ではありません（%1）";
inline constexpr QStringView NotAnImage = u"画像として読み込めません: %1";
inline constexpr QStringView JpegCutOff = u"JPEGの終わりがなく、途中で切れています";
inline constexpr QStringView FormatNotReadable =
    u"%1 形式の画像を読み込めないため、確認していません";
inline constexpr QStringView PixelsOutside =
    u"有効画素数 %1×%2（%3 画素）が基準の 100万～300万画素程度から外れています";

// The report.
inline constexpr QStringView ReportTitle = u"電子納品チェック";
inline constexpr QStringView FolderLine = u"対象フォルダ: %1";
inline constexpr QStringView IndexLine = u"索引ファイル: %1（DTD: %2）";
inline constexpr QStringView PhotoLine = u"写真管理ファイル: %1（DTD: %2）";
inline constexpr QStringView OtherDocumentLine = u"管理ファイル: %1（DTD: %2）";
inline constexpr QStringView StandardLine = u"写真管理基準: %1";
inline constexpr QStringView CountLine = u"写真 %1 枚、参考図 %2 枚、写真フォルダのファイル %3 個";
inline constexpr QStringView ImagesNotDecoded = u"（画像の読み込みは省きました）";
inline constexpr QStringView None = u"なし";
inline constexpr QStringView DtdNotFound = u"%1（ありません）";
inline constexpr QStringView ClassHeading = u"区分";
inline constexpr QStringView TotalHeading = u"合計";
inline constexpr QStringView LevelHeading = u"レベル";
inline constexpr QStringView FileHeading = u"ファイル";
inline constexpr QStringView LineHeading = u"行";
inline constexpr QStringView ItemHeading = u"項目";
inline constexpr QStringView MessageHeading = u"内容";
inline constexpr QStringView LineNumber = u"%1行目";
inline constexpr QStringView RootFolder = u"（フォルダ）";
inline constexpr QStringView ClassCounts = u"%1: エラー %2 件、注意 %3 件";
inline constexpr QStringView MoreFindings = u"…ほか %1 件（%2 に全件）";
inline constexpr QStringView MoreFindingsNoHtml = u"…ほか %1 件（--html で全件を出力できます）";
inline constexpr QStringView ResultPassed = u"結果: エラーはありません（注意 %1 件）";
inline constexpr QStringView ResultFailed = u"結果: エラー %1 件、注意 %2 件";
inline constexpr QStringView ResultNotADelivery = u"結果: 電子納品のフォルダではありません";

} // namespace deliverycheck::messages
