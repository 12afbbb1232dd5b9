#include "dtdtext.h"

#include "xmlstream.h"

#include "platform/codepage.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

constexpr char Utf8[] = "UTF-8";
constexpr char ShiftJis[] = "Shift_JIS";

struct ByteOrderMark
{
    QByteArrayView bytes;
    const char *encoding;
};
const ByteOrderMark ByteOrderMarks[] = {
    {"\xEF\xBB\xBF", Utf8},
    {"\xFF\xFE", "UTF-16LE"},
    {"\xFE\xFF", "UTF-16BE"},
};

bool isUtf8Name(const QByteArray &encoding)
{
    return encoding.compare("UTF-8", Qt::CaseInsensitive) == 0
        || encoding.compare("UTF8", Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<DtdText::Decoded> DtdText::decode(const QByteArray &bytes,
                                                const QByteArray &documentEncoding)
{
    for (const ByteOrderMark &mark : ByteOrderMarks) {
        if (bytes.startsWith(mark.bytes)) {
            const std::optional<QString> text =
                decodeAs(bytes.mid(mark.bytes.size()), mark.encoding);
            if (!text)
                return std::nullopt;
            return Decoded {withoutTextDeclaration(*text), QString::fromLatin1(mark.encoding)};
        }
    }

    // A text declaration ("<?xml encoding=...?>") has the same form as an
    // XML declaration; the first that reads the bytes is taken.
    QList<QByteArray> candidates;
    const QByteArray declared = XmlStream::declaredEncoding(bytes.left(512));
    if (!declared.isEmpty())
        candidates.append(declared);
    candidates.append(Utf8);
    if (!documentEncoding.isEmpty())
        candidates.append(documentEncoding);
    candidates.append(ShiftJis);
    for (const QByteArray &encoding : std::as_const(candidates)) {
        if (const std::optional<QString> text = decodeAs(bytes, encoding)) {
            const QByteArray name = XmlStream::isShiftJisName(encoding) ? QByteArray(ShiftJis)
                : isUtf8Name(encoding)                                  ? QByteArray(Utf8)
                                                                        : encoding;
            return Decoded {withoutTextDeclaration(*text), QString::fromLatin1(name)};
        }
    }
    return std::nullopt;
}

std::optional<QString> DtdText::decodeAs(const QByteArray &bytes, const QByteArray &encoding)
{
    // Windows' own code page for the Shift_JIS family, as the discs are
    // written; a text that does not come back to the same bytes held
    // something CP932 cannot read.
    if (XmlStream::isShiftJisName(encoding)) {
        QString text = win::fromAnsi(bytes);
        if (win::toAnsi(text) != bytes)
            return std::nullopt;
        return text;
    }
    QStringDecoder decoder(encoding.constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString DtdText::withoutTextDeclaration(const QString &text)
{
    // The declaration names the encoding of the bytes it stood in, which
    // the text handed to the parser no longer has.
    static const QRegularExpression declaration(QStringLiteral("^<\\?xml\\s[^>]*\\?>"));
    QString result = text;
    result.remove(declaration);
    return result;
}
