#include "codecdecoder.h"

#include <QtEndian>

namespace characterlists {

CodecDecoder::CodecDecoder(const char *codec)
    : m_descriptor(iconv_open("UTF-16LE", codec))
{
}

CodecDecoder::~CodecDecoder()
{
    if (isValid())
        iconv_close(m_descriptor);
}

bool CodecDecoder::isValid() const
{
    return m_descriptor != iconv_t(-1);
}

std::optional<char16_t> CodecDecoder::decode(int lead, int trail) const
{
    if (!isValid())
        return std::nullopt;
    char input[] = {char(lead), char(trail)};
    char *in = input;
    size_t inLeft = sizeof input;
    char output[8];
    char *out = output;
    size_t outLeft = sizeof output;
    iconv(m_descriptor, nullptr, nullptr, nullptr, nullptr);
    if (iconv(m_descriptor, &in, &inLeft, &out, &outLeft) == size_t(-1) || inLeft != 0)
        return std::nullopt;
    if (sizeof output - outLeft != 2)
        return std::nullopt;
    return char16_t(qFromLittleEndian<quint16>(output));
}

} // namespace characterlists
