#include "codepage.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace win {

namespace {

constexpr char AnsiCodePage[] = "CP932";
constexpr const char *Utf16Host = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-16LE" : "UTF-16BE";
// The character MultiByteToWideChar gives for bytes CP932 does not define.
constexpr char16_t UndefinedCharacter = 0x30FB;

// One pair of conversion descriptors per thread, opened on first use;
// iconv keeps no state between calls once reset.
class Converters
{
public:
    Converters()
        : m_toAnsi(iconv_open(AnsiCodePage, Utf16Host))
        , m_fromAnsi(iconv_open(Utf16Host, AnsiCodePage))
    {
    }
    ~Converters()
    {
        if (m_toAnsi != iconv_t(-1))
            iconv_close(m_toAnsi);
        if (m_fromAnsi != iconv_t(-1))
            iconv_close(m_fromAnsi);
    }
    Q_DISABLE_COPY_MOVE(Converters)

    static Converters &local()
    {
        thread_local Converters converters;
        return converters;
    }

    iconv_t toAnsi() const { return m_toAnsi; }
    iconv_t fromAnsi() const { return m_fromAnsi; }

private:
    iconv_t m_toAnsi;
    iconv_t m_fromAnsi;
};

// Runs iconv over the whole input; at each byte sequence it cannot convert
// it asks onFailure how many input bytes to skip after writing a stand-in.
template <typename Fallback>
QByteArray convert(iconv_t descriptor, const char *input, size_t inputLeft, Fallback onFailure)
{
    QByteArray output;
    if (descriptor == iconv_t(-1))
        return output;
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    output.resize(qsizetype(inputLeft * 2 + 16));
    char *in = const_cast<char *>(input);
    char *out = output.data();
    size_t outputLeft = size_t(output.size());
    while (inputLeft > 0) {
        if (iconv(descriptor, &in, &inputLeft, &out, &outputLeft) != size_t(-1))
            break;
        if (errno == E2BIG || outputLeft < 8) {
            const qsizetype used = out - output.data();
            output.resize(output.size() * 2 + 16);
            out = output.data() + used;
            outputLeft = size_t(output.size() - used);
            continue;
        }
        const size_t skip = std::min(onFailure(reinterpret_cast<const uchar *>(in), inputLeft, &out), inputLeft);
        outputLeft = size_t(output.size() - (out - output.data()));
        in += skip;
        inputLeft -= skip;
        iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    }
    output.truncate(out - output.data());
    return output;
}

QString utf16Text(const QByteArray &utf16)
{
    return QString(reinterpret_cast<const QChar *>(utf16.constData()), utf16.size() / 2);
}

} // namespace

bool isAnsiLeadByte(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isAnsiTrailByte(uchar byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

QByteArray toAnsi(const QString &text)
{
    // Each UTF-16 unit that CP932 cannot hold becomes one '?', so a
    // character outside the BMP becomes "??", as WideCharToMultiByte does.
    return convert(Converters::local().toAnsi(), reinterpret_cast<const char *>(text.utf16()),
                   size_t(text.size()) * 2, [](const uchar *, size_t, char **out) {
                       *(*out)++ = '?';
                       return size_t(2);
                   });
}

QString fromAnsi(const QByteArray &bytes)
{
    return utf16Text(convert(
        Converters::local().fromAnsi(), bytes.constData(), size_t(bytes.size()),
        [](const uchar *in, size_t left, char **out) {
            const char16_t stand = UndefinedCharacter;
            std::memcpy(*out, &stand, sizeof stand);
            *out += sizeof stand;
            // A lead byte with a proper trail byte is one undefined
            // character; any other byte stands alone.
            return left >= 2 && isAnsiLeadByte(in[0]) && isAnsiTrailByte(in[1]) ? size_t(2) : size_t(1);
        }));
}

std::optional<QString> fromAnsiStrict(const QByteArray &bytes)
{
    bool defined = true;
    const QByteArray utf16 = convert(Converters::local().fromAnsi(), bytes.constData(),
                                     size_t(bytes.size()), [&defined](const uchar *, size_t left, char **) {
                                         defined = false;
                                         return left;
                                     });
    if (!defined)
        return std::nullopt;
    return utf16Text(utf16);
}

} // namespace win
