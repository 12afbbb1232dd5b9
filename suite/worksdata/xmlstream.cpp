#include "xmlstream.h"

#include "cp932decoder.h"

#include "platform/hostentry.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <unistd.h>

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlreader.h>

namespace {

// No XML_PARSE_DTDLOAD, XML_PARSE_NOENT, XML_PARSE_DTDATTR or
// XML_PARSE_XINCLUDE: a delivery names its DTD, which may not even be on
// the disc, and a hostile file must not pull other files in. Big lines:
// a PHOTO.XML runs to millions of lines, and findings name them.
constexpr int ParseOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOCDATA
    | XML_PARSE_COMPACT | XML_PARSE_BIG_LINES;

// Validation loads the external subset, through our own loader only, and
// still expands no entity.
constexpr int ValidationOptions = XML_PARSE_DTDLOAD | XML_PARSE_DTDVALID;

// A forced encoding overrides the declaration; none leaves it to rule.
int optionsFor(const QByteArray &forcedEncoding, bool validating)
{
    const int options = validating ? ParseOptions | ValidationOptions : ParseOptions;
    return forcedEncoding.isEmpty() ? options : options | XML_PARSE_IGNORE_ENC;
}

const char *encodingArgument(const QByteArray &forcedEncoding)
{
    if (forcedEncoding.isEmpty())
        return nullptr;
    return forcedEncoding == "CP932" ? Cp932Decoder::encodingName() : forcedEncoding.constData();
}

// The XML declaration stands within this many bytes of the start.
constexpr qsizetype DeclarationScan = 512;

int readFromFile(void *context, char *buffer, int length)
{
    const qint64 read = static_cast<QFile *>(context)->read(buffer, length);
    return read < 0 ? -1 : int(read);
}

// libxml2 reports encoding failures through its generic handler, which
// prints to stderr; the read fails all the same, so they are dropped.
void ignoreGenericError(void *, const char *, ...)
{
}

void initLibrary()
{
    static const bool initialised = [] {
        xmlInitParser();
        return true;
    }();
    Q_UNUSED(initialised);
}

// The validating stream whose DTD the entity loader hands out.
thread_local XmlStream *t_validatingStream = nullptr;

} // namespace

struct XmlStream::Private
{
    xmlTextReaderPtr reader = nullptr;
    QFile file;
    QByteArray bytes;
    bool finished = false;
    // The thread's generic error handler before this stream, put back when
    // it ends; streams end in the reverse order of their start.
    xmlGenericErrorFunc savedHandler = xmlGenericError;
    void *savedContext = xmlGenericErrorContext;

    // Validating only: what to report to, the DTD's text, and the entity
    // loader and stream that were current before this one.
    std::unique_ptr<Validation> validation;
    QByteArray dtdText;
    bool dtdServed = false;
    // The elements whose validity errors were reported last, by node and
    // line: libxml2's reader validates each element twice (as it passes it
    // and as the parser ends it), so the second report of one is dropped.
    // Nodes are freed as the stream goes on, so only recent ones count.
    std::array<std::pair<const void *, long>, 16> reportedInvalid {};
    std::size_t nextReported = 0;
    xmlExternalEntityLoader savedLoader = nullptr;
    XmlStream *savedStream = nullptr;

    Private() { xmlSetGenericErrorFunc(nullptr, ignoreGenericError); }

    ~Private()
    {
        if (reader)
            xmlFreeTextReader(reader);
        if (validation) {
            xmlSetExternalEntityLoader(savedLoader);
            t_validatingStream = savedStream;
        }
        xmlSetGenericErrorFunc(savedContext, savedHandler);
    }
};

XmlStream::XmlStream(std::unique_ptr<Private> d)
    : d(std::move(d))
{
    xmlTextReaderSetStructuredErrorHandler(this->d->reader, &XmlStream::onError, this);
}

XmlStream::~XmlStream() = default;

std::unique_ptr<XmlStream> XmlStream::fromFile(const QString &hostPath)
{
    return open(hostPath, nullptr);
}

std::unique_ptr<XmlStream> XmlStream::fromFile(const QString &hostPath, Validation validation)
{
    // The DOCTYPE is read first, so that the DTD is known before the
    // validating read starts: without one there is nothing to validate
    // against, and a validating read would only report every element.
    std::string systemId;
    if (const std::unique_ptr<XmlStream> prolog = open(hostPath, nullptr);
        prolog && prolog->next() == Token::DocumentType) {
        systemId = prolog->systemId();
    }
    std::optional<QByteArray> dtdText;
    if (!systemId.empty() && validation.loadDtd)
        dtdText = validation.loadDtd(systemId);
    if (!dtdText)
        return open(hostPath, nullptr);
    auto validating = std::make_unique<Validation>(std::move(validation));
    std::unique_ptr<XmlStream> stream = open(hostPath, std::move(validating));
    if (stream)
        stream->d->dtdText = *dtdText;
    return stream;
}

std::unique_ptr<XmlStream> XmlStream::open(const QString &hostPath,
                                           std::unique_ptr<Validation> validation)
{
    initLibrary();
    auto d = std::make_unique<Private>();
    // Through the platform: a named pipe in place of the file fails as a
    // missing file does rather than blocking the read for ever.
    const int fd = win::openHostFile(hostPath, O_RDONLY);
    if (fd < 0)
        return nullptr;
    if (!d->file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    const QByteArray encoding = forcedEncoding(d->file.peek(DeclarationScan));
    const bool validating = validation != nullptr;
    // Our own read callback: libxml2's file input would open gzip data
    // transparently, and a small compressed file could expand without end.
    d->reader = xmlReaderForIO(readFromFile, nullptr, &d->file, nullptr, encodingArgument(encoding),
                               optionsFor(encoding, validating));
    if (!d->reader)
        return nullptr;
    std::unique_ptr<XmlStream> stream(new XmlStream(std::move(d)));
    if (validating) {
        Private &p = *stream->d;
        p.validation = std::move(validation);
        p.savedLoader = xmlGetExternalEntityLoader();
        p.savedStream = t_validatingStream;
        xmlSetExternalEntityLoader(&XmlStream::loadExternalEntity);
        t_validatingStream = stream.get();
    }
    return stream;
}

std::unique_ptr<XmlStream> XmlStream::fromMemory(const QByteArray &bytes)
{
    initLibrary();
    auto d = std::make_unique<Private>();
    d->bytes = bytes;
    const QByteArray encoding = forcedEncoding(bytes.left(DeclarationScan));
    d->reader = xmlReaderForMemory(d->bytes.constData(), int(d->bytes.size()), nullptr,
                                   encodingArgument(encoding), optionsFor(encoding, false));
    if (!d->reader)
        return nullptr;
    return std::unique_ptr<XmlStream>(new XmlStream(std::move(d)));
}

QByteArray XmlStream::forcedEncoding(const QByteArray &head)
{
    if (isShiftJisName(declaredEncoding(head)))
        return QByteArrayLiteral("CP932");
    // A byte-order mark or the declaration itself tells libxml2 the rest;
    // with neither the document is UTF-8, as XML says.
    return QByteArray();
}

QByteArray XmlStream::declaredEncoding(const QByteArray &head)
{
    static const QRegularExpression declaration(
        QStringLiteral("^<\\?xml[^>]*?\\bencoding\\s*=\\s*[\"']([A-Za-z0-9._-]+)[\"']"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(head));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

bool XmlStream::isShiftJisName(const QByteArray &encoding)
{
    static const QList<QByteArray> shiftJisNames = {
        "shift_jis",  "shift-jis",   "sjis",  "x-sjis", "ms_kanji",
        "csshiftjis", "windows-31j", "cp932", "ms932",
    };
    return shiftJisNames.contains(encoding.toLower());
}

XmlStream::Token XmlStream::next()
{
    if (d->finished)
        return m_errorText.isEmpty() ? Token::End : Token::Error;
    for (;;) {
        const int result = xmlTextReaderRead(d->reader);
        if (result != 1) {
            d->finished = true;
            if (result < 0 && m_errorText.isEmpty())
                m_errorText = QStringLiteral("XMLを読み込めません");
            return m_errorText.isEmpty() ? Token::End : Token::Error;
        }
        switch (xmlTextReaderNodeType(d->reader)) {
        case XML_READER_TYPE_ELEMENT:
            return Token::StartElement;
        case XML_READER_TYPE_END_ELEMENT:
            return Token::EndElement;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
            return Token::Text;
        case XML_READER_TYPE_DOCUMENT_TYPE:
            return Token::DocumentType;
        default:
            // Comments, processing instructions, whitespace between elements
            // and references to entities that are left unexpanded.
            break;
        }
    }
}

const char *XmlStream::name() const
{
    return reinterpret_cast<const char *>(xmlTextReaderConstLocalName(d->reader));
}

const char *XmlStream::intern(const char *name)
{
    return reinterpret_cast<const char *>(
        xmlTextReaderConstString(d->reader, reinterpret_cast<const xmlChar *>(name)));
}

int XmlStream::depth() const
{
    return xmlTextReaderDepth(d->reader);
}

int XmlStream::line() const
{
    // The node's own line: the parser may have read ahead of it.
    const xmlNode *node = xmlTextReaderCurrentNode(d->reader);
    const long line = node ? xmlGetLineNo(node) : -1;
    return line > 0 ? int(line) : xmlTextReaderGetParserLineNumber(d->reader);
}

bool XmlStream::isEmptyElement() const
{
    return xmlTextReaderIsEmptyElement(d->reader) == 1;
}

const char *XmlStream::text() const
{
    const xmlChar *value = xmlTextReaderConstValue(d->reader);
    return value ? reinterpret_cast<const char *>(value) : "";
}

std::string XmlStream::attribute(const char *name) const
{
    xmlChar *value = xmlTextReaderGetAttribute(d->reader, reinterpret_cast<const xmlChar *>(name));
    if (!value)
        return std::string();
    std::string result(reinterpret_cast<const char *>(value));
    xmlFree(value);
    return result;
}

std::string XmlStream::systemId() const
{
    const xmlNode *node = xmlTextReaderCurrentNode(d->reader);
    if (!node || node->type != XML_DTD_NODE)
        return std::string();
    const xmlChar *id = reinterpret_cast<const xmlDtd *>(node)->SystemID;
    return id ? std::string(reinterpret_cast<const char *>(id)) : std::string();
}

QString XmlStream::errorMessage() const
{
    return QStringLiteral("%1 (%2行目)").arg(m_errorText).arg(m_errorLine);
}

void XmlStream::onError(void *self, xmlError *error)
{
    auto *stream = static_cast<XmlStream *>(self);
    if (error && error->domain == XML_FROM_VALID && stream->d->validation) {
        if (error->level >= XML_ERR_ERROR)
            stream->reportInvalid(error);
        return;
    }
    // Warnings (an undeclared entity in a document with an external DTD)
    // do not stop the read; the first real error is the one worth telling.
    if (!error || error->level < XML_ERR_ERROR || !stream->m_errorText.isEmpty())
        return;
    stream->m_errorText = QString::fromUtf8(error->message ? error->message : "").trimmed();
    if (stream->m_errorText.isEmpty())
        stream->m_errorText = QStringLiteral("XMLを読み込めません");
    stream->m_errorLine = error->line;
}

void XmlStream::reportInvalid(xmlError *error)
{
    Private &p = *d;
    const auto *node = static_cast<const xmlNode *>(error->node);
    const long nodeLine = node ? xmlGetLineNo(node) : -1;
    if (node) {
        const std::pair<const void *, long> key(node, nodeLine);
        if (std::find(p.reportedInvalid.begin(), p.reportedInvalid.end(), key)
            != p.reportedInvalid.end())
            return;
        p.reportedInvalid[p.nextReported++ % p.reportedInvalid.size()] = key;
    }
    // The element's own line rather than where the parser has got to.
    const int line = nodeLine > 0 ? int(nodeLine) : error->line;
    if (p.validation->report)
        p.validation->report(line,
                             QString::fromUtf8(error->message ? error->message : "").trimmed());
}

xmlParserInputPtr XmlStream::loadExternalEntity(const char *, const char *,
                                                xmlParserCtxtPtr context)
{
    // Only the external subset is handed out, once; a DTD that pulls in
    // further entities gets nothing for them.
    XmlStream *stream = t_validatingStream;
    if (!stream || stream->d->dtdServed)
        return nullptr;
    Private &d = *stream->d;
    d.dtdServed = true;
    xmlParserInputBufferPtr buffer =
        xmlParserInputBufferCreateMem(d.dtdText.constData(), int(d.dtdText.size()),
                                      XML_CHAR_ENCODING_UTF8);
    if (!buffer)
        return nullptr;
    xmlParserInputPtr input = xmlNewIOInputStream(context, buffer, XML_CHAR_ENCODING_UTF8);
    if (!input)
        xmlFreeParserInputBuffer(buffer);
    return input;
}
