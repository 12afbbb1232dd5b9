#include "cp932decoder.h"

#include <libxml/encoding.h>

#include <array>
#include <cerrno>
#include <iconv.h>

namespace {

constexpr char EncodingName[] = "X-TESSERA-CP932";

// Unicode of each single byte and of each lead-trail pair (lead << 8 |
// trail); Invalid for bytes that form no character, Lead for the first
// byte of a pair.
constexpr char16_t Invalid = 0xFFFF;
constexpr char16_t Lead = 0xFFFE;

struct Table
{
    std::array<char16_t, 0x100> single;
    std::array<char16_t, 0x10000> pair;
};

char16_t convert(iconv_t converter, const unsigned char *bytes, std::size_t count, bool *incomplete)
{
    char16_t result[2] = {};
    char *in = reinterpret_cast<char *>(const_cast<unsigned char *>(bytes));
    char *out = reinterpret_cast<char *>(result);
    std::size_t inLeft = count;
    std::size_t outLeft = sizeof result;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
    *incomplete = done == std::size_t(-1) && errno == EINVAL;
    // One UTF-16 unit exactly: CP932 has no characters outside the BMP.
    if (done == std::size_t(-1) || outLeft != sizeof result - sizeof(char16_t))
        return Invalid;
    return result[0];
}

const Table &table()
{
    static const Table table = [] {
        Table t;
        t.single.fill(Invalid);
        t.pair.fill(Invalid);
        const iconv_t converter = iconv_open("UTF-16LE", "CP932");
        if (converter == iconv_t(-1))
            return t;
        for (unsigned lead = 0; lead < 0x100; ++lead) {
            const unsigned char byte = static_cast<unsigned char>(lead);
            bool incomplete = false;
            t.single[lead] = convert(converter, &byte, 1, &incomplete);
            if (!incomplete)
                continue;
            t.single[lead] = Lead;
            for (unsigned trail = 0; trail < 0x100; ++trail) {
                const unsigned char bytes[2] = {byte, static_cast<unsigned char>(trail)};
                t.pair[lead << 8 | trail] = convert(converter, bytes, 2, &incomplete);
            }
        }
        iconv_close(converter);
        return t;
    }();
    return table;
}

int utf8Length(char16_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
}

unsigned char *putUtf8(unsigned char *out, char16_t c)
{
    if (c < 0x80) {
        *out++ = static_cast<unsigned char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<unsigned char>(0xC0 | c >> 6);
        *out++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<unsigned char>(0xE0 | c >> 12);
        *out++ = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
        *out++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace

const char *Cp932Decoder::encodingName()
{
    static const bool registered = [] {
        table();
        return xmlNewCharEncodingHandler(EncodingName, &Cp932Decoder::decode, nullptr) != nullptr;
    }();
    // Without the handler libxml2 still reads CP932 through iconv.
    return registered ? EncodingName : "CP932";
}

int Cp932Decoder::decode(unsigned char *out, int *outLength, const unsigned char *in, int *inLength)
{
    const Table &t = table();
    const unsigned char *inPos = in;
    const unsigned char *inEnd = in + *inLength;
    unsigned char *outPos = out;
    unsigned char *outEnd = out + *outLength;
    int result = 0;
    while (inPos < inEnd) {
        char16_t c = t.single[*inPos];
        int width = 1;
        if (c == Lead) {
            if (inPos + 1 == inEnd)
                break; // the trail byte comes with the next chunk
            c = t.pair[inPos[0] << 8 | inPos[1]];
            width = 2;
        }
        if (c == Invalid) {
            result = -2;
            break;
        }
        if (outEnd - outPos < utf8Length(c))
            break; // called again once there is room
        outPos = putUtf8(outPos, c);
        inPos += width;
    }
    *inLength = int(inPos - in);
    *outLength = int(outPos - out);
    return result < 0 ? result : *outLength;
}
