#include "profiledocument.h"

#include "codepage.h"
#include "ntfsnames.h"

#include <algorithm>

namespace win {

namespace {

const QByteArray Utf16Bom("\xFF\xFE", 2);

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimmedBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

bool isAscii(const char *data, qsizetype length)
{
    return std::all_of(data, data + length, [](char byte) { return uchar(byte) < 0x80; });
}

} // namespace

ProfileDocument ProfileDocument::fromBytes(const QByteArray &bytes)
{
    ProfileDocument document;
    document.m_bytes = bytes;
    if (bytes.startsWith(Utf16Bom)) {
        document.m_encoding = ProfileEncoding::Utf16;
        document.m_headerBytes = Utf16Bom.size();
    }
    document.parse();
    return document;
}

ProfileDocument ProfileDocument::fromSectionBytes(const QByteArray &bytes, ProfileEncoding encoding)
{
    ProfileDocument document;
    document.m_bytes = bytes;
    document.m_encoding = encoding;
    document.parse();
    return document;
}

ProfileDocument ProfileDocument::newFile(ProfileEncoding encoding)
{
    ProfileDocument document;
    document.m_encoding = encoding;
    document.m_newFile = true;
    if (encoding == ProfileEncoding::Utf16) {
        document.m_bytes = Utf16Bom;
        document.m_headerBytes = Utf16Bom.size();
    }
    document.m_contentEnd = document.m_bytes.size();
    return document;
}

QString ProfileDocument::decode(qsizetype start, qsizetype length) const
{
    if (m_encoding == ProfileEncoding::Ansi) {
        // Most lines are plain ASCII: no code page conversion for them.
        const char *data = m_bytes.constData() + start;
        return isAscii(data, length) ? QString::fromLatin1(data, length) : fromAnsi(m_bytes.mid(start, length));
    }
    QString text(length / 2, Qt::Uninitialized);
    const uchar *data = reinterpret_cast<const uchar *>(m_bytes.constData()) + start;
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(data[2 * i] | (data[2 * i + 1] << 8)));
    return text;
}

QByteArray ProfileDocument::encode(const QString &text) const
{
    if (m_encoding == ProfileEncoding::Ansi)
        return toAnsi(text);
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray ProfileDocument::lineEnd() const
{
    return encode(QStringLiteral("\r\n"));
}

void ProfileDocument::parse()
{
    const qsizetype unit = unitSize();
    // A stray odd byte at the end of a UTF-16 file belongs to no line; it
    // stays at the very end, and what is added goes before it.
    m_contentEnd = m_bytes.size() - (m_bytes.size() - m_headerBytes) % unit;
    const qsizetype size = m_contentEnd;
    auto unitAt = [&](qsizetype offset) -> char16_t {
        const uchar *data = reinterpret_cast<const uchar *>(m_bytes.constData()) + offset;
        return unit == 1 ? data[0] : char16_t(data[0] | (data[1] << 8));
    };
    qsizetype position = m_headerBytes;
    while (position < size) {
        Line line;
        line.start = position;
        qsizetype end = position;
        while (end + unit <= size && unitAt(end) != u'\r' && unitAt(end) != u'\n')
            end += unit;
        line.contentBytes = end - position;
        if (end < size) {
            const bool crlf = unitAt(end) == u'\r' && end + 2 * unit <= size && unitAt(end + unit) == u'\n';
            line.endBytes = crlf ? 2 * unit : unit;
        }
        position = end + line.endBytes;

        const QString text = trimmedBlanks(decode(line.start, line.contentBytes));
        const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (text.isEmpty()) {
            line.kind = Kind::Blank;
        } else if (text.startsWith(QLatin1Char('[')) && close > 0) {
            line.kind = Kind::Section;
            line.name = trimmedBlanks(text.mid(1, close - 1));
        } else if (equals >= 0) {
            line.kind = Kind::Key;
            line.name = trimmedBlanks(text.left(equals));
            line.value = trimmedBlanks(text.mid(equals + 1));
        } else {
            line.kind = Kind::Other;
        }
        m_lines.append(line);
    }
    index();
}

void ProfileDocument::index()
{
    qsizetype header = -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        Line &line = m_lines[i];
        if (line.kind == Kind::Section) {
            if (header >= 0)
                m_lines[header].sectionEnd = i;
            header = i;
            const QString name = ntfsUpper(line.name);
            if (!m_sections.contains(name))
                m_sections.insert(name, i);
        }
    }
    if (header >= 0)
        m_lines[header].sectionEnd = m_lines.size();
}

qsizetype ProfileDocument::findSection(const QString &section) const
{
    return m_sections.value(ntfsUpper(trimmedBlanks(section)), -1);
}

qsizetype ProfileDocument::sectionEnd(qsizetype header) const
{
    return m_lines.at(header).sectionEnd;
}

qsizetype ProfileDocument::findKey(qsizetype header, const QString &key) const
{
    const QString name = trimmedBlanks(key);
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines.at(i).kind == Kind::Key && ntfsEqual(m_lines.at(i).name, name))
            return i;
    }
    return -1;
}

std::optional<QString> ProfileDocument::value(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section);
    const qsizetype line = header < 0 ? -1 : findKey(header, key);
    if (line < 0)
        return std::nullopt;
    return m_lines.at(line).value;
}

// Where a key line's value starts in the file: after the first '=' and the
// blanks behind it. Found in the bytes themselves, so that the key name and
// spacing before it are kept exactly even where they do not decode.
qsizetype ProfileDocument::valueOffset(const Line &line) const
{
    const uchar *data = reinterpret_cast<const uchar *>(m_bytes.constData());
    const qsizetype end = line.start + line.contentBytes;
    const qsizetype unit = unitSize();
    auto unitAt = [&](qsizetype offset) -> char16_t {
        return unit == 1 ? data[offset] : char16_t(data[offset] | (data[offset + 1] << 8));
    };
    qsizetype offset = line.start;
    while (offset + unit <= end && unitAt(offset) != u'=') {
        const bool pair = unit == 1 && isAnsiLeadByte(data[offset]) && offset + 1 < end
                          && isAnsiTrailByte(data[offset + 1]);
        offset += pair ? 2 : unit;
    }
    offset += unit;
    while (offset + unit <= end && (unitAt(offset) == u' ' || unitAt(offset) == u'\t'))
        offset += unit;
    return std::min(offset, end);
}

QByteArray ProfileDocument::spliced(qsizetype start, qsizetype removed, const QByteArray &inserted) const
{
    QByteArray result = m_bytes;
    result.replace(start, removed, inserted);
    return result;
}

qsizetype ProfileDocument::valueEnd(const Line &line) const
{
    const uchar *data = reinterpret_cast<const uchar *>(m_bytes.constData());
    const qsizetype unit = unitSize();
    const qsizetype start = valueOffset(line);
    qsizetype end = line.start + line.contentBytes;
    // Neither blank is ever the second byte of a CP932 character.
    while (end - unit >= start && (data[end - unit] == ' ' || data[end - unit] == '\t')
           && (unit == 1 || data[end - 1] == 0))
        end -= unit;
    return end;
}

QByteArray ProfileDocument::withValue(const QString &section, const QString &key, const QString &value) const
{
    return withValueBytes(section, key, encode(value));
}

QByteArray ProfileDocument::withMovedValue(const QString &section, const QString &fromKey,
                                           const QString &toKey) const
{
    const qsizetype header = findSection(section);
    const qsizetype from = header < 0 ? -1 : findKey(header, fromKey);
    if (from < 0)
        return m_bytes;
    const Line &line = m_lines.at(from);
    const qsizetype start = valueOffset(line);
    // The same kind of document as this one: a whole file, or a section.
    const QByteArray writtenBytes = withValueBytes(section, toKey, m_bytes.mid(start, valueEnd(line) - start));
    const ProfileDocument written =
        m_headerBytes > 0 ? fromBytes(writtenBytes) : fromSectionBytes(writtenBytes, m_encoding);
    return written.withoutKey(section, fromKey);
}

QByteArray ProfileDocument::withValueBytes(const QString &section, const QString &key,
                                           const QByteArray &encodedValue) const
{
    const QString sectionName = trimmedBlanks(section);
    const QString keyName = trimmedBlanks(key);
    const QByteArray keyLine = encode(keyName + QLatin1Char('=')) + encodedValue + lineEnd();
    const qsizetype header = findSection(sectionName);
    if (header < 0) {
        // Windows ends an unfinished last line before it adds the section.
        const bool unfinished = m_lines.isEmpty() ? (!m_newFile && !m_bytes.isEmpty())
                                                  : m_lines.last().endBytes == 0;
        return spliced(m_contentEnd, 0,
                       (unfinished ? lineEnd() : QByteArray())
                           + encode(QLatin1Char('[') + sectionName + QLatin1Char(']')) + lineEnd() + keyLine);
    }
    const qsizetype existing = findKey(header, keyName);
    if (existing >= 0) {
        const Line &line = m_lines.at(existing);
        const qsizetype offset = valueOffset(line);
        return spliced(offset, line.start + line.contentBytes - offset, encodedValue);
    }
    qsizetype after = header;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines.at(i).kind == Kind::Key || m_lines.at(i).kind == Kind::Other)
            after = i;
    }
    const Line &line = m_lines.at(after);
    return spliced(line.start + line.contentBytes + line.endBytes, 0,
                   (line.endBytes == 0 ? lineEnd() : QByteArray()) + keyLine);
}

QByteArray ProfileDocument::withoutKey(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section);
    const qsizetype line = header < 0 ? -1 : findKey(header, key);
    if (line < 0)
        return m_bytes;
    return spliced(m_lines.at(line).start, m_lines.at(line).contentBytes + m_lines.at(line).endBytes,
                   QByteArray());
}

std::optional<ProfileDocument::Span> ProfileDocument::sectionSpan(const QString &section) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const qsizetype end = sectionEnd(header);
    return Span{m_lines.at(header).start, end < m_lines.size() ? m_lines.at(end).start : m_contentEnd};
}

QByteArray ProfileDocument::withSpanReplaced(const Span &span, const QByteArray &bytes) const
{
    return spliced(span.start, span.end - span.start, bytes);
}

QByteArray ProfileDocument::withoutSection(const QString &section) const
{
    const std::optional<Span> span = sectionSpan(section);
    return span ? withSpanReplaced(*span, QByteArray()) : m_bytes;
}

} // namespace win
