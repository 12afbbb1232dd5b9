#include "dtdlocator.h"

#include "dtdtext.h"
#include "officialdtds.h"

#include "platform/pathresolver.h"

#include <QFile>
#include <QFileInfo>

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

namespace {

void ignoreGenericError(void *, const char *, ...)
{
}

struct SyntaxErrors
{
    QString first;

    static void collect(void *self, xmlError *error)
    {
        auto *errors = static_cast<SyntaxErrors *>(self);
        if (!error || error->level < XML_ERR_ERROR || !errors->first.isEmpty())
            return;
        errors->first = QStringLiteral("%1 (%2行目)")
                            .arg(QString::fromUtf8(error->message ? error->message : "").trimmed())
                            .arg(error->line);
    }
};

} // namespace

DtdLocator::DtdLocator(const QString &documentHostPath, const QByteArray &documentEncoding)
    : m_folder(QFileInfo(documentHostPath).path())
    , m_documentEncoding(documentEncoding)
{
}

DtdSource DtdLocator::locate(const std::string &systemId) const
{
    DtdSource source;
    source.systemId = QString::fromStdString(systemId);
    source.fileName = fileNameOf(source.systemId);
    if (source.fileName.isEmpty())
        return source;
    if (readFromFolder(&source)) {
        source.origin = DtdSource::Origin::Folder;
        return source;
    }
    if (const char16_t *official = officialdtds::named(source.fileName)) {
        source.origin = DtdSource::Origin::Official;
        source.utf8 = QString::fromUtf16(official).toUtf8();
        return source;
    }
    source.origin = DtdSource::Origin::Missing;
    return source;
}

QString DtdLocator::fileNameOf(const QString &systemId)
{
    const qsizetype separator = qMax(qMax(systemId.lastIndexOf(u'/'), systemId.lastIndexOf(u'\\')),
                                     systemId.lastIndexOf(u':'));
    return win::withoutTrailingDotsAndBlanks(systemId.mid(separator + 1).trimmed());
}

bool DtdLocator::readFromFolder(DtdSource *source) const
{
    QString name = source->fileName;
    if (!win::hostEntryExists(win::joinHostPath(m_folder, name)))
        name = win::findNameIgnoringCase(m_folder, name);
    if (name.isEmpty())
        return false;
    QFile file(win::joinHostPath(m_folder, name));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxDtdBytes) {
        source->folderProblem = QStringLiteral("%1 を読み込めません").arg(name);
        return false;
    }
    const std::optional<DtdText::Decoded> decoded =
        DtdText::decode(file.readAll(), m_documentEncoding);
    if (!decoded) {
        source->folderProblem = QStringLiteral("%1 の文字コードを判別できません").arg(name);
        return false;
    }
    const QByteArray utf8 = decoded->text.toUtf8();
    if (const QString error = syntaxError(utf8); !error.isEmpty()) {
        source->folderProblem = QStringLiteral("%1 はDTDとして読めません: %2").arg(name, error);
        return false;
    }
    source->fileName = name;
    source->encoding = decoded->encoding;
    source->utf8 = utf8;
    return true;
}

QString DtdLocator::syntaxError(const QByteArray &utf8)
{
    SyntaxErrors errors;
    const xmlGenericErrorFunc savedHandler = xmlGenericError;
    void *const savedContext = xmlGenericErrorContext;
    const xmlStructuredErrorFunc savedStructured = xmlStructuredError;
    void *const savedStructuredContext = xmlStructuredErrorContext;
    xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
    xmlSetStructuredErrorFunc(&errors, &SyntaxErrors::collect);

    xmlParserInputBufferPtr input =
        xmlParserInputBufferCreateMem(utf8.constData(), int(utf8.size()), XML_CHAR_ENCODING_UTF8);
    // xmlIOParseDTD takes the buffer over, also when it fails.
    xmlDtdPtr dtd = input ? xmlIOParseDTD(nullptr, input, XML_CHAR_ENCODING_UTF8) : nullptr;
    if (dtd)
        xmlFreeDtd(dtd);
    else if (errors.first.isEmpty())
        errors.first = QStringLiteral("DTDを読み込めません");

    xmlSetStructuredErrorFunc(savedStructuredContext, savedStructured);
    xmlSetGenericErrorFunc(savedContext, savedHandler);
    return errors.first;
}
