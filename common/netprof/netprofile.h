#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <array>

// NetProf.dat, the profile a shared bookshelf keeps in its data folder: the
// computers registered to share the bookshelf (USER, and one group section
// per installation listed in SERIALNO) and the computers using it now (the
// usage sections). Every section holds values under the keys "0" to "255".
namespace netprof {

inline constexpr QLatin1String FileName("NetProf.dat");

inline constexpr QLatin1String VersionSection("VERSION");
inline constexpr QLatin1String VersionKey("Version");
inline constexpr QLatin1String UserSection("USER");
inline constexpr QLatin1String SerialSection("SERIALNO");
inline constexpr QLatin1String UsedSection("USED");
inline constexpr QLatin1String BackupSection("BACKUP");
inline constexpr QLatin1String LockSection("LOCK");
inline constexpr QLatin1String UsedAlbumSection("USEDABM");

// The sections of computers using the bookshelf, in the order they are read
// and cleared.
inline constexpr std::array<QLatin1String, 4> UsageSections = {UsedSection, BackupSection,
                                                              LockSection, UsedAlbumSection};

constexpr int KeyCount = 256;
// Values are read into 61 characters: 60 significant.
constexpr int ValueBufferSize = 61;
constexpr int VersionBufferSize = 8;
// Group section names have up to 127 characters.
constexpr int GroupNameBufferSize = 128;

// The values of keys "0" to "255" of a section, "" where a key is missing.
QStringList readSection(const QString &file, const QString &section);
// The value of one key as the section reading sees it.
QString readValue(const QString &file, const QString &section, int key);
// True when any of the keys "0" to "255" holds a value.
bool sectionHasValues(const QString &file, const QString &section);

// The group sections named in SERIALNO, up to the first missing or empty key.
QStringList groupSections(const QString &file);

// The group section of the installation with this identifier:
// "USER_" followed by the encoded identifier.
QString groupSection(const QString &installationId);

} // namespace netprof
