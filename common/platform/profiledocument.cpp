#include "profiledocument.h"

#include "codepage.h"
#include "ntfsnames.h"

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
    if (m_encoding == ProfileEncoding::Ansi)
        return fromAnsi(m_bytes.mid(start, length));
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
            line.name = text.mid(1, close - 1);
        } else if (text.startsWith(QLatin1Char(';'))) {
            line.kind = Kind::Comment;
        } else if (equals >= 0) {
            line.kind = Kind::Key;
            line.name = trimmedBlanks(text.left(equals));
            line.value = trimmedBlanks(text.mid(equals + 1));
        } else {
            line.kind = Kind::Other;
        }
        m_lines.append(line);
    }
}

qsizetype ProfileDocument::findSection(const QString &section) const
{
    const QString name = trimmedBlanks(section);
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).kind == Kind::Section && ntfsEqual(m_lines.at(i).name, name))
            return i;
    }
    return -1;
}

qsizetype ProfileDocument::sectionEnd(qsizetype header) const
{
    qsizetype end = header + 1;
    while (end < m_lines.size() && m_lines.at(end).kind != Kind::Section)
        ++end;
    return end;
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

QByteArray ProfileDocument::withValue(const QString &section, const QString &key, const QString &value) const
{
    const QString sectionName = trimmedBlanks(section);
    const QString keyName = trimmedBlanks(key);
    const QByteArray keyLine = encode(keyName + QLatin1Char('=') + value) + lineEnd();
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
        return spliced(offset, line.start + line.contentBytes - offset, encode(value));
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

QByteArray ProfileDocument::withoutSection(const QString &section) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return m_bytes;
    const qsizetype end = sectionEnd(header);
    const qsizetype start = m_lines.at(header).start;
    const qsizetype stop = end < m_lines.size() ? m_lines.at(end).start : m_contentEnd;
    return spliced(start, stop - start, QByteArray());
}

} // namespace win
