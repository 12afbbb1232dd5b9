#pragma once

#include "sampleoptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes delivery XML as the programs that make delivery discs do: an XML
// declaration naming the encoding, the DOCTYPE with the DTD file, tab
// indentation and CR LF line ends.
class SampleXmlWriter final
{
public:
    SampleXmlWriter(DeliveryOptions::Encoding encoding, const QString &root, const QString &dtdFile,
                    const QString &dtdVersion);

    void open(const QString &name);
    void close();
    void element(const QString &name, const QString &value);

    // The document's bytes in its encoding; closes what is still open.
    QByteArray finish();

    // Text in the encoding: UTF-8, or CP932 as Windows writes Shift_JIS.
    static QByteArray encode(const QString &text, DeliveryOptions::Encoding encoding);

private:
    void indent();
    static QString escaped(const QString &text);

    DeliveryOptions::Encoding m_encoding;
    QString m_text;
    QStringList m_open;
};
