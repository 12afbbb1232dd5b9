#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A DTD file's text read in its own encoding. Delivery discs carry their
// DTDs as Shift_JIS text without an encoding declaration, beside documents
// that declare Shift_JIS, while libxml2 reads an external DTD as UTF-8
// unless told otherwise; so the encoding is told from the file: a
// byte-order mark, else a text declaration, else UTF-8 when the bytes are
// UTF-8, else the document's encoding, else CP932 as the discs write it.
class DtdText final
{
public:
    struct Decoded
    {
        QString text;     // without a text declaration
        QString encoding; // the encoding it was read in ("Shift_JIS", "UTF-8")
    };

    // documentEncoding: what the document's XML declaration names, empty
    // for none. Nothing when no candidate reads the bytes.
    static std::optional<Decoded> decode(const QByteArray &bytes,
                                         const QByteArray &documentEncoding);

private:
    static std::optional<QString> decodeAs(const QByteArray &bytes, const QByteArray &encoding);
    static QString withoutTextDeclaration(const QString &text);
};
