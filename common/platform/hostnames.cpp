#include "hostnames.h"

#include "codepage.h"
#include "pathresolver.h"

#include <optional>

namespace win {

namespace {

// A byte that is no part of UTF-8 (0x80..0xFF) stands as U+DC00 + byte.
constexpr char16_t EscapeBase = 0xDC00;
constexpr char16_t FirstEscape = EscapeBase + 0x80;
constexpr char16_t LastEscape = EscapeBase + 0xFF;

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at bytes[i] (no overlong
// forms, no surrogates, nothing above U+10FFFF), 0 when there is none.
int sequenceLength(const QByteArray &bytes, qsizetype i)
{
    const uchar lead = uchar(bytes.at(i));
    if (lead < 0x80)
        return 1;
    int length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const uchar next = uchar(bytes.at(i + k));
        if (!isContinuation(next))
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

// An escape is a lone low surrogate of the escape range: the low half of a
// surrogate pair is a character of its own.
bool isEscapeAt(const QString &text, qsizetype i)
{
    const char16_t unit = text.at(i).unicode();
    return unit >= FirstEscape && unit <= LastEscape
        && (i == 0 || !text.at(i - 1).isHighSurrogate());
}

bool holdsEscapes(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEscapeAt(text, i))
            return true;
    }
    return false;
}

bool isHoldableName(const QString &name)
{
    if (name.isEmpty() || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || isForbiddenInName(c, false))
            return false;
    }
    return true;
}

} // namespace

QString hostPathFromBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int length = sequenceLength(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
        text += QChar(char16_t(EscapeBase + uchar(bytes.at(i))));
        runStart = ++i;
    }
    text += QString::fromUtf8(bytes.constData() + runStart, bytes.size() - runStart);
    return text;
}

QByteArray hostPathBytes(const QString &hostPath)
{
    if (!holdsEscapes(hostPath))
        return hostPath.toUtf8();
    QByteArray bytes;
    bytes.reserve(hostPath.size() * 3);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < hostPath.size(); ++i) {
        if (!isEscapeAt(hostPath, i))
            continue;
        bytes += QStringView(hostPath).mid(runStart, i - runStart).toUtf8();
        bytes += char(hostPath.at(i).unicode() - EscapeBase);
        runStart = i + 1;
    }
    bytes += QStringView(hostPath).mid(runStart).toUtf8();
    return bytes;
}

QString windowsName(const QString &hostName)
{
    if (hostName == QLatin1String(".") || hostName == QLatin1String(".."))
        return hostName;
    QString name = hostName;
    if (holdsEscapes(hostName)) {
        const std::optional<QString> ansi = fromAnsiStrict(hostPathBytes(hostName));
        if (!ansi)
            return QString();
        name = *ansi;
    }
    return isHoldableName(name) ? name : QString();
}

QString displayName(const QString &hostName)
{
    QString shown = hostName;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isEscapeAt(hostName, i))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

} // namespace win
