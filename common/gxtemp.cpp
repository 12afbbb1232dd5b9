#include "gxtemp.h"

#include "platform/fileops.h"

namespace {

constexpr QChar Blank = QLatin1Char(' ');
constexpr QChar LineFeed = QLatin1Char('\n');

qsizetype skipBlanks(const QString &text, qsizetype from)
{
    while (from < text.size() && text.at(from) == Blank)
        ++from;
    return from;
}

} // namespace

QString GXTemp::path()
{
    return win::tempPath() + FileName;
}

GXTemp::Line GXTemp::splitLine(const QString &text)
{
    const qsizetype tokenStart = skipBlanks(text, 0);
    qsizetype tokenEnd = text.indexOf(Blank, tokenStart);
    if (tokenEnd < 0)
        tokenEnd = text.size();
    return Line{text.left(tokenEnd), text.mid(skipBlanks(text, tokenEnd))};
}

bool GXTemp::isSectionEnd(const Line &line, const QString &sectionEndLabel)
{
    return line.label.trimmed() == sectionEndLabel;
}

QString GXTemp::removeMarkers(QString text)
{
    for (const QLatin1String marker : Markers)
        text.remove(marker);
    return text;
}

GXTemp::GXTemp(const QString &sectionEndLabel)
    : m_sectionEndLabel(sectionEndLabel)
{
}

bool GXTemp::open(const QString &filePath)
{
    m_sectionEnded = false;
    m_inWidthSection = false;
    m_pieceContinues = false;
    return m_file.open(filePath, win::TextFile::Mode::Read);
}

bool GXTemp::readLine(Line *line)
{
    QString text;
    for (;;) {
        if (!m_file.readLine(&text, LineBufferChars))
            return false;
        const bool endsLine = text.endsWith(LineFeed);
        if (endsLine)
            text.chop(1);
        const bool afterFullPiece = m_pieceContinues;
        m_pieceContinues = !endsLine;
        // The line feed of a line that exactly filled the buffer arrives
        // alone: it ends that line and is no empty line of its own.
        if (!(afterFullPiece && endsLine && text.isEmpty()))
            break;
    }
    *line = splitLine(text);
    m_inWidthSection = !m_sectionEnded;
    if (!m_sectionEndLabel.isEmpty() && isSectionEnd(*line, m_sectionEndLabel))
        m_sectionEnded = true;
    return true;
}

bool GXTemp::hasReadError() const
{
    return m_file.hasError();
}

void GXTemp::close()
{
    m_file.close();
}
