#include "dtdvalidator.h"

#include "dtdlocator.h"
#include "xmlstream.h"

#include <QFile>

namespace {

// The XML declaration stands within this many bytes of the start.
constexpr qint64 DeclarationScan = 512;

QByteArray declaredEncodingOf(const QString &hostPath)
{
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? XmlStream::declaredEncoding(file.read(DeclarationScan))
                                          : QByteArray();
}

} // namespace

DtdValidator::DtdValidator(const QString &documentHostPath)
    : m_path(documentHostPath)
{
}

DtdValidator::~DtdValidator() = default;

std::unique_ptr<XmlStream> DtdValidator::open()
{
    const DtdLocator locator(m_path, declaredEncodingOf(m_path));
    XmlStream::Validation validation;
    validation.loadDtd = [this, locator](const std::string &systemId) -> std::optional<QByteArray> {
        m_dtd = locator.locate(systemId);
        if (!m_dtd.isUsable())
            return std::nullopt;
        return m_dtd.utf8;
    };
    validation.report = [this](int line, const QString &message) {
        if (m_invalid.size() < MaxKept)
            m_invalid.append({line, message});
        ++m_invalidCount;
    };
    return XmlStream::fromFile(m_path, std::move(validation));
}

DtdValidator::Result DtdValidator::validateFile(const QString &hostPath)
{
    Result result;
    DtdValidator validator(hostPath);
    const std::unique_ptr<XmlStream> stream = validator.open();
    result.opened = stream != nullptr;
    if (stream) {
        XmlStream::Token token = stream->next();
        while (token != XmlStream::Token::End && token != XmlStream::Token::Error)
            token = stream->next();
        result.wellFormed = token == XmlStream::Token::End;
        if (!result.wellFormed)
            result.notWellFormed = {stream->errorLine(), stream->errorText()};
    }
    result.dtd = validator.dtd();
    result.invalid = validator.invalid();
    result.invalidCount = validator.invalidCount();
    return result;
}

bool DtdValidator::Result::isValid() const
{
    return opened && wellFormed && dtd.isUsable() && invalidCount == 0;
}

QString DtdValidator::Result::describe() const
{
    if (!opened)
        return QStringLiteral("cannot be opened");
    QStringList lines;
    if (!wellFormed)
        lines.append(QStringLiteral("line %1: not well-formed: %2")
                         .arg(notWellFormed.line)
                         .arg(notWellFormed.message));
    switch (dtd.origin) {
    case DtdSource::Origin::None:
        lines.append(QStringLiteral("names no DTD"));
        break;
    case DtdSource::Origin::Missing:
        lines.append(QStringLiteral("DTD %1 not found").arg(dtd.systemId));
        break;
    case DtdSource::Origin::Folder:
    case DtdSource::Origin::Official:
        break;
    }
    if (!dtd.folderProblem.isEmpty())
        lines.append(dtd.folderProblem);
    for (const XmlProblem &problem : invalid)
        lines.append(QStringLiteral("line %1: %2").arg(problem.line).arg(problem.message));
    if (invalidCount > invalid.size())
        lines.append(QStringLiteral("%1 more").arg(invalidCount - invalid.size()));
    return lines.join(u'\n');
}
