#pragma once

#include <QString>
#include <QStringList>

// The lines of GXTemp: blanks for indentation, a label without blanks, one
// blank and the value. The wizards read the file a line at a time into
// buffers of 640 characters, so every line is kept short enough to arrive
// whole; a longer value goes on in lines whose label is an ideographic
// blank, which shows as an empty label.
class GXTempDocument final
{
public:
    // fgetws into 640 characters keeps 639, the line feed among them.
    static constexpr int MaxLineChars = 638;
    static constexpr int IndentBlanks = 4;
    // Deeper items are shown at this depth, and longer labels cut, so
    // that a label always leaves room for its value.
    static constexpr int MaxDepth = 8;
    static constexpr int MaxLabelChars = 128;
    static constexpr char16_t ContinuationLabel[] = u"\u3000";

    // Control characters in the value (line breaks of a free text) become
    // blanks; blanks at both ends go.
    void addLine(int depth, const QString &label, const QString &value = QString());

    const QStringList &lines() const { return m_lines; }
    // The file's text: every line ended by a line feed.
    QString text() const;

private:
    static QString cleanValue(const QString &value);

    QStringList m_lines;
};
