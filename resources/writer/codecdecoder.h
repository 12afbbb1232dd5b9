#pragma once

#include <QtGlobal>

#include <iconv.h>
#include <optional>

namespace characterlists {

// Decodes single characters of a multi-byte code through iconv, so that the
// lists take their characters from the codec's mapping, not from hand.
class CodecDecoder final
{
public:
    explicit CodecDecoder(const char *codec);
    ~CodecDecoder();
    Q_DISABLE_COPY_MOVE(CodecDecoder)

    bool isValid() const;
    // The one UTF-16 unit that the two bytes stand for; nothing when the
    // code gives them no character or more than one unit.
    std::optional<char16_t> decode(int lead, int trail) const;

private:
    iconv_t m_descriptor;
};

} // namespace characterlists
