#pragma once

// CP932 (Windows-31J) to UTF-8 for libxml2, through a table made once from
// the C library's own CP932 converter. Reading a large PHOTO.XML this way
// takes a fraction of the time of calling the converter for every chunk,
// and gives the same characters.
class Cp932Decoder final
{
public:
    // The libxml2 encoding name under which the decoder is registered;
    // registers it on the first call.
    static const char *encodingName();

private:
    static int decode(unsigned char *out, int *outLength, const unsigned char *in, int *inLength);
};
