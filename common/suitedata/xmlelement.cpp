#include "xmlelement.h"

#include <QFile>
#include <QXmlStreamReader>

namespace suitedata {

const XmlElement &XmlElement::child(QStringView childName) const
{
    static const XmlElement none;
    for (const XmlElement &element : children) {
        if (element.name == childName)
            return element;
    }
    return none;
}

QList<const XmlElement *> XmlElement::childrenNamed(QStringView childName) const
{
    QList<const XmlElement *> found;
    for (const XmlElement &element : children) {
        if (element.name == childName)
            found.append(&element);
    }
    return found;
}

QStringList XmlElement::childTexts(QStringView childName) const
{
    QStringList texts;
    for (const XmlElement *element : childrenNamed(childName))
        texts.append(element->text);
    return texts;
}

namespace {

// The suite's files nest a few levels deep; a file nested deeper is
// broken, and reading it would run the stack out (element by element).
constexpr int MaxDepth = 64;

// Reads the element whose start the reader has just passed.
void readElement(QXmlStreamReader &reader, XmlElement *element, int depth)
{
    element->name = reader.name().toString();
    if (depth > MaxDepth) {
        reader.raiseError(QStringLiteral("elements nested more than %1 deep").arg(MaxDepth));
        return;
    }
    while (reader.readNext() != QXmlStreamReader::Invalid) {
        if (reader.isEndElement())
            return;
        if (reader.isStartElement()) {
            element->children.append(XmlElement());
            readElement(reader, &element->children.last(), depth + 1);
        } else if (reader.isCharacters() && !reader.isWhitespace()) {
            element->text += reader.text();
        }
    }
}

bool readRoot(QXmlStreamReader &reader, const QString &source, XmlElement *root, QString *error)
{
    *root = XmlElement();
    while (!reader.atEnd() && !reader.isStartElement())
        reader.readNext();
    if (reader.isStartElement())
        readElement(reader, root, 1);
    // Whatever follows the root must be well-formed too.
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError() || root->name.isEmpty()) {
        *error = QStringLiteral("%1: %2").arg(
            source, reader.hasError() ? reader.errorString() : QStringLiteral("no element"));
        return false;
    }
    return true;
}

} // namespace

bool readXmlFile(const QString &hostFile, XmlElement *root, QString *error)
{
    QFile file(hostFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(hostFile, file.errorString());
        return false;
    }
    QXmlStreamReader reader(&file);
    return readRoot(reader, hostFile, root, error);
}

bool readXmlBytes(const QByteArray &bytes, const QString &source, XmlElement *root,
                  QString *error)
{
    QXmlStreamReader reader(bytes);
    return readRoot(reader, source, root, error);
}

bool readXmlText(const QString &text, const QString &source, XmlElement *root, QString *error)
{
    QXmlStreamReader reader(text);
    return readRoot(reader, source, root, error);
}

} // namespace suitedata
