#include "profile.h"

#include "hostentry.h"
#include "hosterror.h"
#include "profilecache.h"
#include "profiledocument.h"
#include "replacingfile.h"
#include "winpath.h"

#include <optional>

namespace win {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

std::optional<ProfileDocument> readProfile(const QString &file)
{
    ErrorCode code = error::Success;
    const QString host = toHostPath(file, &code);
    if (code != error::Success) {
        setLastError(code);
        return std::nullopt;
    }
    return ProfileCache::instance().read(host);
}

std::optional<QString> readValue(const QString &section, const QString &key, const QString &file)
{
    const std::optional<ProfileDocument> document = readProfile(file);
    if (!document)
        return std::nullopt;
    return document->value(section, key);
}

// Windows takes one pair of matching quotes (single or double) off a value.
QString withoutQuotes(const QString &value)
{
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// RtlUnicodeStringToInteger with base 0, as GetPrivateProfileIntW uses it:
// blanks, a sign, then "0x", "0o" or "0b" for hex, octal or binary, and
// digits up to the first that does not belong; arithmetic wraps at 32 bits.
int parseInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).unicode() <= u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        negative = text.at(i++) == QLatin1Char('-');
    quint32 base = 10;
    if (i + 1 < text.size() && text.at(i) == QLatin1Char('0')) {
        const char16_t prefix = text.at(i + 1).unicode();
        base = prefix == u'x' ? 16 : prefix == u'o' ? 8 : prefix == u'b' ? 2 : 10;
        if (base != 10)
            i += 2;
    }
    quint32 total = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const quint32 digit = c >= u'0' && c <= u'9'   ? quint32(c - u'0')
                              : c >= u'a' && c <= u'z' ? quint32(c - u'a' + 10)
                              : c >= u'A' && c <= u'Z' ? quint32(c - u'A' + 10)
                                                       : 99;
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    return int(negative ? 0u - total : total);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool holdsLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

enum class Missing { Create, Keep };

// Reads the file, applies the edit and, when anything changed, writes the
// result to a temporary file that replaces the profile in one rename: a
// crash or a full disk leaves the old profile, never half of a new one. The
// written file is known to the cache as it is, without reading it back.
template <typename Edit>
bool editProfile(const QString &file, ProfileEncoding newFileEncoding, Missing missing, Edit edit)
{
    ErrorCode code = error::Success;
    const QString host = toHostPath(file, &code);
    if (code != error::Success)
        return fail(code);
    const HostEntry entry = HostEntry::of(host);
    if (entry.directory || entry.readOnly)
        return fail(error::AccessDenied);

    std::optional<ProfileDocument> document;
    if (entry.exists) {
        document = ProfileCache::instance().read(host);
        if (!document)
            return fail(error::AccessDenied);
    } else if (missing == Missing::Keep) {
        return true;
    } else {
        document = ProfileDocument::newFile(newFileEncoding);
    }
    const QByteArray edited = edit(*document);
    if (entry.exists && edited == document->bytes())
        return true;

    ReplacingFile output;
    if (!output.open(host))
        return false;
    std::optional<FileStamp> written;
    if (output.file().write(edited) != edited.size() || !output.commit(&written))
        return fail(error::WriteFault);
    ProfileCache::instance().remember(host, written, ProfileDocument::fromBytes(edited));
    return true;
}

} // namespace

QString getPrivateProfileString(const QString &section, const QString &key, const QString &defaultValue,
                                int bufferSize, const QString &file)
{
    if (bufferSize <= 0)
        return QString();
    const std::optional<QString> value = readValue(section, key, file);
    QString result;
    if (value) {
        result = withoutQuotes(*value);
    } else {
        // Windows cuts trailing blanks off the default.
        qsizetype end = defaultValue.size();
        while (end > 0 && defaultValue.at(end - 1) == QLatin1Char(' '))
            --end;
        result = defaultValue.left(end);
    }
    result.truncate(bufferSize - 1);
    return result;
}

int getPrivateProfileInt(const QString &section, const QString &key, int defaultValue, const QString &file)
{
    const std::optional<QString> value = readValue(section, key, file);
    if (!value)
        return defaultValue;
    const QString text = withoutQuotes(*value);
    return text.isEmpty() ? defaultValue : parseInteger(text);
}

bool getPrivateProfileStruct(const QString &section, const QString &key, QByteArray *data, int size,
                             const QString &file)
{
    const std::optional<QString> value = readValue(section, key, file);
    if (!value)
        return fail(error::FileNotFound);
    if (size < 0 || value->size() != 2 * qsizetype(size) + 2)
        return fail(error::InvalidData);
    QByteArray bytes;
    bytes.reserve(size + 1);
    for (qsizetype i = 0; i < value->size(); i += 2) {
        const int high = hexDigit(value->at(i));
        const int low = hexDigit(value->at(i + 1));
        if (high < 0 || low < 0)
            return fail(error::InvalidData);
        bytes.append(char(high << 4 | low));
    }
    const uchar checksum = uchar(bytes.back());
    bytes.chop(1);
    uchar sum = 0;
    for (const char byte : std::as_const(bytes))
        sum = uchar(sum + uchar(byte));
    if (sum != checksum)
        return fail(error::InvalidData);
    *data = bytes;
    return true;
}

bool writePrivateProfileStruct(const QString &section, const QString &key, const QByteArray &data,
                               const QString &file)
{
    QString text;
    text.reserve(2 * data.size() + 2);
    uchar sum = 0;
    auto appendByte = [&text](uchar byte) {
        text += QLatin1Char(HexDigits[byte >> 4]);
        text += QLatin1Char(HexDigits[byte & 0x0F]);
    };
    for (const char byte : data) {
        appendByte(uchar(byte));
        sum = uchar(sum + uchar(byte));
    }
    appendByte(sum);
    return writePrivateProfileString(section, key, text, file);
}

bool writePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &file, ProfileEncoding newFileEncoding)
{
    // A line break would split the line and plant lines of its own in the
    // file; '=' in a key name would make a different key.
    if (section.trimmed().isEmpty() || key.trimmed().isEmpty() || holdsLineBreak(section)
        || holdsLineBreak(key) || holdsLineBreak(value) || key.contains(QLatin1Char('=')))
        return fail(error::InvalidParameter);
    return editProfile(file, newFileEncoding, Missing::Create, [&](const ProfileDocument &document) {
        return document.withValue(section, key, value);
    });
}

bool deletePrivateProfileKey(const QString &section, const QString &key, const QString &file)
{
    return editProfile(file, ProfileEncoding::Ansi, Missing::Keep, [&](const ProfileDocument &document) {
        return document.withoutKey(section, key);
    });
}

bool deletePrivateProfileSection(const QString &section, const QString &file)
{
    return editProfile(file, ProfileEncoding::Ansi, Missing::Keep, [&](const ProfileDocument &document) {
        return document.withoutSection(section);
    });
}

struct ProfileSection::Private
{
    QString section;
    QString file;
    ProfileEncoding encoding = ProfileEncoding::Ansi;
    // The section's bytes as read, and with the changes.
    QByteArray read;
    std::optional<ProfileDocument> lines;

    void change(const QByteArray &bytes) { lines = ProfileDocument::fromSectionBytes(bytes, encoding); }
};

ProfileSection::ProfileSection(const QString &section, const QString &file)
    : d(std::make_unique<Private>())
{
    d->section = section;
    d->file = file;
    const std::optional<ProfileDocument> document = readProfile(file);
    if (!document)
        return;
    const std::optional<ProfileDocument::Span> span = document->sectionSpan(section);
    if (!span)
        return;
    d->encoding = document->encoding();
    d->read = document->bytes().mid(span->start, span->end - span->start);
    d->change(d->read);
}

ProfileSection::~ProfileSection() = default;

QString ProfileSection::value(const QString &key, int bufferSize) const
{
    const std::optional<QString> value = d->lines ? d->lines->value(d->section, key) : std::nullopt;
    if (!value || bufferSize <= 0)
        return QString();
    QString result = withoutQuotes(*value);
    result.truncate(bufferSize - 1);
    return result;
}

void ProfileSection::deleteKey(const QString &key)
{
    if (d->lines)
        d->change(d->lines->withoutKey(d->section, key));
}

void ProfileSection::moveValue(const QString &fromKey, const QString &toKey)
{
    if (d->lines)
        d->change(d->lines->withMovedValue(d->section, fromKey, toKey));
}

bool ProfileSection::commit()
{
    if (!d->lines || d->lines->bytes() == d->read)
        return true;
    // A file gone meanwhile has changed as well.
    bool changedMeanwhile = true;
    const bool written = editProfile(d->file, d->encoding, Missing::Keep, [&](const ProfileDocument &document) {
        changedMeanwhile = false;
        const std::optional<ProfileDocument::Span> span = document.sectionSpan(d->section);
        if (!span || document.bytes().mid(span->start, span->end - span->start) != d->read) {
            changedMeanwhile = true;
            return document.bytes();
        }
        return document.withSpanReplaced(*span, d->lines->bytes());
    });
    if (!written)
        return false;
    return changedMeanwhile ? fail(error::SharingViolation) : true;
}

} // namespace win
