#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A small element tree read with Qt Core's stream reader, for the suite's own
// short XML files (kouji.xml, an album's KOUJI.XML): element names, their
// text and their child elements; attributes, comments and processing
// instructions are dropped.
namespace suitedata {

struct XmlElement
{
    QString name;
    QString text; // the element's own character data, concatenated
    QList<XmlElement> children;

    // The first child of that name; an empty element when there is none.
    const XmlElement &child(QStringView childName) const;
    // Every child of that name, in document order.
    QList<const XmlElement *> childrenNamed(QStringView childName) const;
    // Text of the first child of that name ("" when there is none).
    QString childText(QStringView childName) const { return child(childName).text; }
    // The texts of every child of that name.
    QStringList childTexts(QStringView childName) const;
};

// Reads the file's root element; false with the reason in *error when the
// file cannot be read or is not well-formed XML.
bool readXmlFile(const QString &hostFile, XmlElement *root, QString *error);
// The same for the file's bytes; source names them in *error.
bool readXmlBytes(const QByteArray &bytes, const QString &source, XmlElement *root,
                  QString *error);
// The same for a document already decoded (a Shift_JIS file of a disc);
// source names it in *error.
bool readXmlText(const QString &text, const QString &source, XmlElement *root, QString *error);

} // namespace suitedata
