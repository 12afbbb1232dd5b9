#pragma once

#include <QString>

#include <optional>

// G_OUTPUTXML.dat as the host application reads it after DeliveryWriter
// finished: through the platform's profile functions, so of a name that
// appears twice (a file appended to by several runs) the first counts.
namespace host {

inline constexpr int OutputToFolder = 1;      // type
inline constexpr int KeptPhotoNames = 2;      // phototype of codes 4 and 28
inline constexpr int NoCooperation = -1;      // EXECCOOPERATIONHELP

struct OutputSettings
{
    int standardCode = 0;      // foldertype
    int photoType = 1;         // phototype: 1 serial names, 2 kept names
    int outputKind = 0;        // type
    QString folder;            // folder, Windows form
    int splitSizeMb = 0;       // size; 0 or less: one medium
    QString tekiyou;           // tekiyou (code 8)
    int sheet = 0;             // sheet: 1-3, 0 without a stylesheet
    int startMedia = 1;        // media: 1 to 9, anything else read as 1
    bool japaneseNames = false; // jname
    bool xmlOnly = false;       // xml
    bool otherData = false;     // othrsData
    QString koujiJH;            // KOUJIJH: the index's 適用要領基準 when set
    QString syashiJH;           // SYASHIJH: PHOTO.XML's 適用要領基準 when set
    int cooperation = NoCooperation; // EXECCOOPERATIONHELP
    bool browser = false;       // BROWSER
};

// Nothing when the file is missing or names no output folder.
std::optional<OutputSettings> readOutputSettings(const QString &windowsPath);

} // namespace host
