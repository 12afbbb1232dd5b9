#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
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

    // Validation against the DTD a document names, for checking a delivery
    // and for testing what the programs write. The stream asks loadDtd for
    // the DTD's text instead of reading a file or the network itself, and
    // hands each validity error to report; the read goes on after one.
    // Without a text from loadDtd (or without a DOCTYPE) nothing is
    // validated and nothing reported.
    struct Validation
    {
        // The DTD's text in UTF-8 for the system identifier the DOCTYPE
        // names ("PHOTO05.DTD"); nothing when there is none to read.
        std::function<std::optional<QByteArray>(const std::string &systemId)> loadDtd;
        std::function<void(int line, const QString &message)> report;
    };

    // Nothing when the file cannot be opened.
    static std::unique_ptr<XmlStream> fromFile(const QString &hostPath);
    static std::unique_ptr<XmlStream> fromFile(const QString &hostPath, Validation validation);
    static std::unique_ptr<XmlStream> fromMemory(const QByteArray &bytes);
    ~XmlStream();
    Q_DISABLE_COPY_MOVE(XmlStream)

    Token next();

    // The current element's name (UTF-8), interned: it equals a pointer
    // returned by intern() for the same name, so names compare by address.
    const char *name() const;
    const char *intern(const char *name);
    int depth() const;
    // The line of the current node: for a StartElement or EndElement the
    // line of its start tag, for Text the line it starts on.
    int line() const;
    bool isEmptyElement() const;
    // The text of a Text token (UTF-8).
    const char *text() const;
    std::string attribute(const char *name) const;
    // The system identifier of a DocumentType token ("PHOTO05.DTD").
    std::string systemId() const;

    // Why the document could not be read and on which line, as the
    // readers report it.
    QString errorMessage() const;
    // The same in two parts: the parser's text and the line.
    QString errorText() const { return m_errorText; }
    int errorLine() const { return m_errorLine; }

    // The encoding to force on a document whose first bytes are head:
    // "CP932" for the Shift_JIS family, empty to let the declaration rule.
    static QByteArray forcedEncoding(const QByteArray &head);
    // The encoding the XML declaration at the start of head names, as
    // written; empty when there is none.
    static QByteArray declaredEncoding(const QByteArray &head);
    // Shift_JIS under any of its names (sjis, windows-31j, cp932, ...).
    static bool isShiftJisName(const QByteArray &encoding);

private:
    struct Private;
    explicit XmlStream(std::unique_ptr<Private> d);
    static std::unique_ptr<XmlStream> open(const QString &hostPath,
                                           std::unique_ptr<Validation> validation);
    static void onError(void *self, struct _xmlError *error);
    void reportInvalid(struct _xmlError *error);
    static struct _xmlParserInput *loadExternalEntity(const char *url, const char *id,
                                                      struct _xmlParserCtxt *context);

    std::unique_ptr<Private> d;
    QString m_errorText;
    int m_errorLine = 0;
};
