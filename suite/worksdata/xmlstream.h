#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>

// A forward-only reader of delivery XML over libxml2's xmlTextReader, set up
// for files that come from outside: nothing is fetched from the network,
// no DTD or external entity is loaded, entities are not expanded. Memory
// stays flat however large the file is, since each node is freed once it
// has been passed.
//
// Files that declare Shift_JIS are read as CP932 (Windows-31J), as the
// Windows programs that write them encode: NEC and IBM extensions such as
// circled digits would otherwise break the read.
class XmlStream final
{
public:
    enum class Token {
        StartElement,
        EndElement,
        Text,         // character data or CDATA of the current element
        DocumentType, // <!DOCTYPE ...>
        End,          // the document was read to its end
        Error,        // not well-formed or unreadable; errorMessage() says why
    };

    // The file of a Windows path; nothing when it cannot be opened.
    static std::unique_ptr<XmlStream> fromFile(const QString &path);
    static std::unique_ptr<XmlStream> fromMemory(const QByteArray &bytes);
    ~XmlStream();
    Q_DISABLE_COPY_MOVE(XmlStream)

    Token next();

    // The current element's name (UTF-8), interned: it equals a pointer
    // returned by intern() for the same name, so names compare by address.
    const char *name() const;
    const char *intern(const char *name);
    int depth() const;
    bool isEmptyElement() const;
    // The text of a Text token (UTF-8).
    const char *text() const;
    std::string attribute(const char *name) const;
    // The system identifier of a DocumentType token ("PHOTO05.DTD").
    std::string systemId() const;

    // Why the document could not be read and on which line, as the
    // readers report it.
    QString errorMessage() const;

    // The encoding to force on a document whose first bytes are head:
    // "CP932" for the Shift_JIS family, empty to let the declaration rule.
    static QByteArray forcedEncoding(const QByteArray &head);

private:
    struct Private;
    explicit XmlStream(std::unique_ptr<Private> d);
    static void onError(void *self, struct _xmlError *error);

    std::unique_ptr<Private> d;
    QString m_errorText;
    int m_errorLine = 0;
};
