#include "gxtempdocument.h"

void GXTempDocument::addLine(int depth, const QString &label, const QString &value)
{
    const QString indent(qBound(0, depth, MaxDepth) * IndentBlanks, u' ');
    const QString head = indent + label.left(MaxLabelChars);
    QString rest = cleanValue(value);
    if (rest.isEmpty()) {
        m_lines.append(head);
        return;
    }
    QString prefix = head + u' ';
    while (!rest.isEmpty()) {
        qsizetype take = qMin(rest.size(), qsizetype(MaxLineChars) - prefix.size());
        // Never part a surrogate pair.
        if (take < rest.size() && rest.at(take - 1).isHighSurrogate())
            --take;
        m_lines.append(prefix + rest.left(take));
        rest = rest.mid(take);
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
        prefix = indent + QString::fromUtf16(ContinuationLabel) + u' ';
    }
}

QString GXTempDocument::text() const
{
    QString text;
    for (const QString &line : m_lines) {
        text += line;
        text += u'\n';
    }
    return text;
}

QString GXTempDocument::cleanValue(const QString &value)
{
    QString clean = value;
    for (QChar &c : clean) {
        if (c.unicode() < u' ' || c.unicode() == 0x7F)
            c = u' ';
    }
    return clean.trimmed();
}
