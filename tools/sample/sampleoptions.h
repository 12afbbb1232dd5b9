#pragma once

#include <QString>

#include <optional>

// What a sample delivery is made of. The same options always give the
// same bytes.
struct DeliveryOptions
{
    enum class Standard { Mlit, Maff, Nexco2012, Nexco2006 };
    enum class Encoding { ShiftJis, Utf8 };

    int photos = 0;
    Standard standard = Standard::Mlit;
    Encoding encoding = Encoding::ShiftJis;

    // The command-line names: mlit, maff, nexco24, nexco18; sjis, utf8.
    static std::optional<Standard> standardNamed(const QString &name);
    static std::optional<Encoding> encodingNamed(const QString &name);
};

// A government-building (営繕) delivery: a folder tree of photos.
struct EizenOptions
{
    static constexpr int DefaultDepth = 7;

    int photos = 0;
    int depth = DefaultDepth; // folder levels below the construction folder
};
