#include "samplexmlwriter.h"

#include "platform/codepage.h"

namespace {

constexpr QLatin1String LineEnd("\r\n");

} // namespace

SampleXmlWriter::SampleXmlWriter(DeliveryOptions::Encoding encoding, const QString &root,
                                 const QString &dtdFile, const QString &dtdVersion)
    : m_encoding(encoding)
{
    const QString encodingName = encoding == DeliveryOptions::Encoding::ShiftJis
        ? QStringLiteral("Shift_JIS")
        : QStringLiteral("UTF-8");
    m_text += QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>").arg(encodingName) + LineEnd;
    m_text += QStringLiteral("<!DOCTYPE %1 SYSTEM \"%2\">").arg(root, dtdFile) + LineEnd;
    m_text += QStringLiteral("<%1 DTD_version=\"%2\">").arg(root, dtdVersion) + LineEnd;
    m_open.append(root);
}

void SampleXmlWriter::open(const QString &name)
{
    indent();
    m_text += u'<' + name + u'>' + LineEnd;
    m_open.append(name);
}

void SampleXmlWriter::close()
{
    const QString name = m_open.takeLast();
    indent();
    m_text += QStringLiteral("</") + name + u'>' + LineEnd;
}

void SampleXmlWriter::element(const QString &name, const QString &value)
{
    indent();
    m_text += u'<' + name + u'>' + escaped(value) + QStringLiteral("</") + name + u'>' + LineEnd;
}

QByteArray SampleXmlWriter::finish()
{
    while (!m_open.isEmpty())
        close();
    return encode(m_text, m_encoding);
}

QByteArray SampleXmlWriter::encode(const QString &text, DeliveryOptions::Encoding encoding)
{
    return encoding == DeliveryOptions::Encoding::ShiftJis ? win::toAnsi(text) : text.toUtf8();
}

void SampleXmlWriter::indent()
{
    m_text += QString(m_open.size(), u'\t');
}

QString SampleXmlWriter::escaped(const QString &text)
{
    QString result = text;
    result.replace(u'&', QStringLiteral("&amp;"));
    result.replace(u'<', QStringLiteral("&lt;"));
    result.replace(u'>', QStringLiteral("&gt;"));
    return result;
}
