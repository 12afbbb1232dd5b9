#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// Private profile files (GetPrivateProfile*W / WritePrivateProfile*W) with
// Windows' rules. A file that starts with the UTF-16LE byte-order mark is
// read as UTF-16LE, any other as the ANSI code page (CP932). Writes change
// only the lines concerned, keep every other byte and the file's encoding,
// and replace the file atomically (temporary file, then rename), so a crash
// never leaves half a profile behind. A parsed file is kept between calls
// while it stays unchanged (profilecache.h), so reading many keys of a
// large profile parses it once.
namespace win {

enum class ProfileEncoding {
    Ansi,   // CP932, as Windows creates a missing profile
    Utf16,  // UTF-16LE with byte-order mark
};

// Lines: "[name]" starts a section (the name runs to the last ']' and is
// trimmed of blanks and tabs, so "[ Sec ]" is the section "Sec"),
// "key=value" a key (name and value trimmed of blanks and tabs); lines
// without '=' are never found as keys. There are no comment lines: ";k=1"
// is the key ";k". Line ends may be CR LF, LF or a lone CR.
//
// GetPrivateProfileStringW: section and key names match without regard to
// case; only the first section of a name is searched and its first key of
// the name wins; the value loses one pair of surrounding quotes (" or ');
// at most bufferSize - 1 characters are returned. A missing file, section
// or key gives the default without its trailing blanks.
QString getPrivateProfileString(const QString &section, const QString &key,
                                const QString &defaultValue, int bufferSize,
                                const QString &file);

// GetPrivateProfileIntW: the value as RtlUnicodeStringToInteger reads it
// with base 0: an optional sign, "0x", "0o" or "0b" (lower case) for hex,
// octal or binary, then the digits up to the first that does not belong
// ("-5" is -5, "12abc" 12, "abc" 0, "0x1A" 26), wrapping at 32 bits; the
// default when the key is missing or its value empty.
int getPrivateProfileInt(const QString &section, const QString &key, int defaultValue,
                         const QString &file);

// GetPrivateProfileStructW: the value holds two hex digits per byte and a
// one-byte checksum (low byte of the sum of the bytes). Fails on a missing
// key (FileNotFound), or on a wrong length, a non-hex digit or a wrong
// checksum (InvalidData), leaving *data as it was. The writer puts upper-
// case digits.
bool getPrivateProfileStruct(const QString &section, const QString &key, QByteArray *data,
                             int size, const QString &file);
bool writePrivateProfileStruct(const QString &section, const QString &key,
                               const QByteArray &data, const QString &file);

// WritePrivateProfileStringW with a value: replaces the key's value in
// place (after the '=' and the blanks behind it), adds a new key "key=value"
// after the last key line of its section, and a new section at the end of
// the file, after a CR LF when the file does not end with a line end. New
// lines end with CR LF. A missing file is created in newFileEncoding
// (UTF-16 with its byte-order mark); an existing one keeps its encoding,
// characters CP932 cannot hold becoming '?'. Refused with InvalidParameter:
// line breaks anywhere, '=' in the key, an empty section or key name.
// AccessDenied for a read-only file or a folder, PathNotFound when the
// folder is missing. Writing the value a key already has leaves the file
// untouched.
bool writePrivateProfileString(const QString &section, const QString &key,
                               const QString &value, const QString &file,
                               ProfileEncoding newFileEncoding = ProfileEncoding::Ansi);
// WritePrivateProfileStringW with a null value: deletes the key's line.
// Deleting from a missing file or section succeeds and creates nothing.
bool deletePrivateProfileKey(const QString &section, const QString &key, const QString &file);
// WritePrivateProfileStringW with a null key: deletes the whole section,
// its header and every line up to the next section.
bool deletePrivateProfileSection(const QString &section, const QString &file);

// One section of a profile, read once: its values key by key without the
// file being looked at again for each, and changes to them made in memory
// and written back in one replace of the file (closing a hundred gaps of a
// section writes the file once, not two hundred times). Each change gives
// the bytes its single call would give in the file.
class ProfileSection final
{
public:
    // The first section of that name as the file holds it now.
    ProfileSection(const QString &section, const QString &file);
    ~ProfileSection();
    Q_DISABLE_COPY_MOVE(ProfileSection)

    // GetPrivateProfileStringW of one of its keys with an empty default,
    // the changes so far included.
    QString value(const QString &key, int bufferSize) const;
    // As deletePrivateProfileKey.
    void deleteKey(const QString &key);
    // The value of fromKey moved to toKey byte for byte and whole, however
    // long, also where its bytes form no CP932 character: written as
    // WritePrivateProfileStringW writes a value (in place, or as a new key
    // after the last key of the section), then fromKey's line deleted.
    void moveValue(const QString &fromKey, const QString &toKey);

    // Writes the changes; true also when there are none. False with
    // SharingViolation when another writer changed the section since it
    // was read (nothing is written: read it again), else with the error of
    // the write (AccessDenied for a read-only file).
    bool commit();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace win
