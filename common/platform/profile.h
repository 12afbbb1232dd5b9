#pragma once

#include <QByteArray>
#include <QString>

// Private profile files (GetPrivateProfile*W / WritePrivateProfile*W) with
// Windows' rules. A file that starts with the UTF-16LE byte-order mark is
// read as UTF-16LE, any other as the ANSI code page (CP932). Writes change
// only the lines concerned, keep every other byte and the file's encoding,
// and replace the file atomically (temporary file, then rename), so a crash
// never leaves half a profile behind.
namespace win {

enum class ProfileEncoding {
    Ansi,   // CP932, as Windows creates a missing profile
    Utf16,  // UTF-16LE with byte-order mark
};

// GetPrivateProfileStringW: section and key names match without regard to
// case, the first match wins; the value is trimmed of blanks and one pair
// of surrounding quotes; at most bufferSize - 1 characters are returned.
QString getPrivateProfileString(const QString &section, const QString &key,
                                const QString &defaultValue, int bufferSize,
                                const QString &file);

// GetPrivateProfileIntW: the value's leading decimal digits (an optional
// minus sign first), 0 when it starts with none, the default when missing.
int getPrivateProfileInt(const QString &section, const QString &key, int defaultValue,
                         const QString &file);

// GetPrivateProfileStructW: the value holds two hex digits per byte and a
// one-byte checksum (sum of the bytes). Fails on a missing key, a wrong
// length or a wrong checksum.
bool getPrivateProfileStruct(const QString &section, const QString &key, QByteArray *data,
                             int size, const QString &file);
bool writePrivateProfileStruct(const QString &section, const QString &key,
                               const QByteArray &data, const QString &file);

// WritePrivateProfileStringW with a value: replaces the key's value in
// place, adds a new key at the end of its section and a new section at the
// end of the file. A missing file is created in newFileEncoding.
bool writePrivateProfileString(const QString &section, const QString &key,
                               const QString &value, const QString &file,
                               ProfileEncoding newFileEncoding = ProfileEncoding::Ansi);
// WritePrivateProfileStringW with a null value: deletes the key.
bool deletePrivateProfileKey(const QString &section, const QString &key, const QString &file);
// WritePrivateProfileStringW with a null key: deletes the whole section.
bool deletePrivateProfileSection(const QString &section, const QString &file);

} // namespace win
