#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

// A delivery document under construction as discs carry it: the XML
// declaration naming Shift_JIS, an optional stylesheet instruction, the
// DOCTYPE with the DTD beside the file, elements indented by tabs; finished
// as CP932 with CR LF line ends.
namespace host {

class DeliveryDocument final
{
public:
    DeliveryDocument(const QString &root, const QString &dtdFile,
                     const QString &stylesheet = QString());

    QXmlStreamWriter &xml() { return m_xml; }

    void element(const QString &name, const QString &value) { m_xml.writeTextElement(name, value); }
    // The element only when the value is given.
    void optionalElement(const QString &name, const QString &value);
    void start(const QString &name) { m_xml.writeStartElement(name); }
    void end() { m_xml.writeEndElement(); }

    QByteArray finish();

private:
    QString m_text;
    QXmlStreamWriter m_xml;
};

// Text as a disc carries it: CR LF line ends, CP932.
QByteArray discText(const QString &text);

} // namespace host
