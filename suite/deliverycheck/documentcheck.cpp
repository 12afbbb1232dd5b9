#include "documentcheck.h"

#include "checkmessages.h"
#include "checkreport.h"

#include "xmlstream.h"

namespace deliverycheck {

DocumentCheck::DocumentCheck(CheckReport &report, const QString &hostPath,
                             const QString &relativeFile)
    : m_report(report)
    , m_file(relativeFile)
    , m_validator(hostPath)
{
}

DocumentCheck::~DocumentCheck() = default;

XmlStream *DocumentCheck::open()
{
    m_stream = m_validator.open();
    if (!m_stream)
        m_report.error(RuleClass::Grammar, m_file, 0, QString(),
                       messages::NotWellFormed.arg(QStringLiteral("読み込めません")));
    return m_stream.get();
}

void DocumentCheck::read(XmlItemReader::Handler &handler)
{
    if (!m_stream)
        return;
    XmlItemReader reader(*m_stream);
    m_wellFormed = reader.read(handler);
    if (!m_wellFormed) {
        m_report.error(RuleClass::Grammar, m_file, reader.error().line, QString(),
                       messages::NotWellFormed.arg(reader.error().message));
    }
    reportDtd();
    reportValidity();
    m_stream.reset();
}

void DocumentCheck::reportDtd()
{
    const DtdSource &source = dtd();
    if (!source.folderProblem.isEmpty())
        m_report.error(RuleClass::Grammar, dtdFile(), 0, QString(),
                       messages::DtdUnusable.arg(source.folderProblem));
    switch (source.origin) {
    case DtdSource::Origin::None:
        // A document that breaks off before its DOCTYPE has its finding.
        if (m_wellFormed)
            m_report.error(RuleClass::Grammar, m_file, 0, QString(),
                           messages::NoDoctype.toString());
        break;
    case DtdSource::Origin::Folder:
        break;
    case DtdSource::Origin::Official:
        if (source.folderProblem.isEmpty())
            m_report.error(RuleClass::Structure, dtdFile(), 0, QString(),
                           messages::MissingDtd.arg(source.fileName));
        m_report.notice(RuleClass::Grammar, m_file, 0, QString(),
                        messages::ValidatedWithOfficialDtd.arg(source.fileName));
        break;
    case DtdSource::Origin::Missing:
        if (source.folderProblem.isEmpty())
            m_report.error(RuleClass::Structure, dtdFile(), 0, QString(),
                           messages::MissingDtd.arg(source.fileName));
        m_report.notice(RuleClass::Grammar, m_file, 0, QString(),
                        messages::DtdNotHeld.arg(source.fileName));
        break;
    }
}

void DocumentCheck::reportValidity()
{
    for (const XmlProblem &problem : m_validator.invalid())
        m_report.error(RuleClass::Grammar, m_file, problem.line, QString(),
                       messages::NotValid.arg(problem.message));
    const qsizetype more = m_validator.invalidCount() - m_validator.invalid().size();
    if (more > 0)
        m_report.error(RuleClass::Grammar, m_file, 0, QString(),
                       messages::MoreNotValid.arg(QString::number(more)));
}

QString DocumentCheck::dtdFile() const
{
    const qsizetype separator = m_file.lastIndexOf(u'\\');
    const QString folder = separator < 0 ? QString() : m_file.left(separator + 1);
    return folder + dtd().fileName;
}

QString DocumentCheck::dtdDescription() const
{
    const DtdSource &source = dtd();
    switch (source.origin) {
    case DtdSource::Origin::None:
        return messages::None.toString();
    case DtdSource::Origin::Folder:
        return QStringLiteral("%1, %2").arg(source.fileName, source.encoding);
    case DtdSource::Origin::Official:
        return messages::ValidatedWithOfficialDtd.arg(source.fileName);
    case DtdSource::Origin::Missing:
        return messages::DtdNotFound.arg(source.fileName);
    }
    return QString();
}

} // namespace deliverycheck
