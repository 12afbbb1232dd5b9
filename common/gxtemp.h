#pragma once

#include "platform/textfile.h"

#include <QLatin1String>
#include <QString>

#include <array>

// The temporary construction-information file that worksdata writes for the
// wizards' basic-information pages (DNXmlRead for DeliveryReader, DNInfMake
// for DeliveryWriter): UTF-16LE with a byte-order mark, one item per line,
// "<indentation><label> <value>".
//
// A page reads it twice: a first pass that measures the labels and the
// values up to the section-end line, and a second that lays the lines out.
class GXTemp
{
public:
    // A line split into its label, with its indentation, and its value.
    struct Line
    {
        QString label;
        QString value;
    };

    static constexpr QLatin1String FileName{"GXTemp"};
    // The readers read lines into buffers of this many characters, so a
    // piece holds at most LineBufferChars - 1; a longer line arrives as
    // several lines.
    static constexpr int LineBufferChars = 640;

    // Markers DNInfMake puts at the start of a value (B001 to B005), at the
    // start of a label (B004, B005) or anywhere in a value (KJJH, SSJH).
    static constexpr QLatin1String MarkerB001{"--**B001**--"};
    static constexpr QLatin1String MarkerB002{"--**B002**--"};
    static constexpr QLatin1String MarkerB003{"--**B003**--"};
    static constexpr QLatin1String MarkerB004{"--**B004**--"};
    static constexpr QLatin1String MarkerB005{"--**B005**--"};
    static constexpr QLatin1String MarkerKJJH{"--**KJJH**--"};
    static constexpr QLatin1String MarkerSSJH{"--**SSJH**--"};
    static constexpr std::array<QLatin1String, 7> Markers{
        MarkerB001, MarkerB002, MarkerB003, MarkerB004, MarkerB005, MarkerKJJH, MarkerSSJH};

    // The temp path followed by "GXTemp".
    static QString path();
    // Splits one line as read (without its line feed).
    static Line splitLine(const QString &text);
    // Whether the line's label, trimmed, is the given section-end label.
    static bool isSectionEnd(const Line &line, const QString &sectionEndLabel);
    // The text with every occurrence of the seven markers removed.
    static QString removeMarkers(QString text);

    // sectionEndLabel: "準拠する要領" (DeliveryReader) or "出力形式"
    // (DeliveryWriter); see inWidthSection().
    explicit GXTemp(const QString &sectionEndLabel = QString());

    // Opens the file in the mode "r, ccs=UNICODE"; false when it cannot be
    // opened (win::lastError() tells why).
    bool open(const QString &filePath = path());
    // The next line, split. False at the end of the file or on a read error.
    bool readLine(Line *line);
    // True when reading stopped on a read error rather than at the end.
    bool hasReadError() const;
    // Whether the line just read belongs to the part of the file whose
    // values decide the width of the value column: every line up to and
    // including the first section-end line.
    bool inWidthSection() const { return m_inWidthSection; }
    void close();

private:
    win::TextFile m_file;
    QString m_sectionEndLabel;
    bool m_sectionEnded = false;
    bool m_inWidthSection = false;
    bool m_pieceContinues = false;
};
