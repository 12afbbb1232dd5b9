#pragma once

#include <QStringView>

// The texts of tessera-host, shown to the user as they stand.
namespace host::messages {

inline constexpr QStringView Usage = u"使い方: tessera-host check FOLDER [--html REPORT]";
inline constexpr QStringView NoDriveMapsFolder = u"ドライブに割り当てられていないフォルダです: %1";
inline constexpr QStringView ReportNotWritten = u"報告を書き込めません: %1（%2）";

} // namespace host::messages
