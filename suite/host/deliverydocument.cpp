#include "deliverydocument.h"

#include "platform/codepage.h"

namespace host {

DeliveryDocument::DeliveryDocument(const QString &root, const QString &dtdFile,
                                   const QString &stylesheet)
    // The writer breaks the line before the DOCTYPE itself.
    : m_text(QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>")),
      m_xml(&m_text)
{
    m_xml.setAutoFormatting(true);
    m_xml.setAutoFormattingIndent(-1);
    if (!stylesheet.isEmpty())
        m_xml.writeProcessingInstruction(
            QStringLiteral("xml-stylesheet"),
            QStringLiteral("type=\"text/xsl\" href=\"%1\"").arg(stylesheet));
    m_xml.writeDTD(QStringLiteral("<!DOCTYPE %1 SYSTEM \"%2\">").arg(root, dtdFile));
}

void DeliveryDocument::optionalElement(const QString &name, const QString &value)
{
    if (!value.isEmpty())
        element(name, value);
}

QByteArray DeliveryDocument::finish()
{
    m_xml.writeEndDocument();
    return discText(m_text);
}

QByteArray discText(const QString &text)
{
    // One pass: QString::replace moves the tail once per batch of
    // matches, which a PHOTO.XML of 100 000 photos makes quadratic.
    QString lines;
    lines.reserve(text.size() + text.size() / 8);
    QChar previous;
    for (const QChar character : text) {
        if (character == u'\n' && previous != u'\r')
            lines += u'\r';
        lines += character;
        previous = character;
    }
    return win::toAnsi(lines);
}

} // namespace host
