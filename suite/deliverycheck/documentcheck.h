#pragma once

#include "dtdsource.h"
#include "dtdvalidator.h"
#include "xmlitemreader.h"

#include <QString>

#include <memory>

class XmlStream;

// Reads one delivery document for the checks in a single pass: the
// handler takes its items while the stream validates them against the DTD
// the document names; then the grammar check's findings are reported (not
// well-formed, no DOCTYPE, the DTD missing or unusable, each validity
// error with its line).
namespace deliverycheck {

class CheckReport;

class DocumentCheck final
{
public:
    // relativeFile: the document as the findings name it.
    DocumentCheck(CheckReport &report, const QString &hostPath, const QString &relativeFile);
    ~DocumentCheck();
    Q_DISABLE_COPY_MOVE(DocumentCheck)

    // The stream to read, for the handler to intern its names in; null when
    // the file cannot be opened (reported).
    XmlStream *open();
    // Reads the document through the handler and reports the grammar.
    void read(XmlItemReader::Handler &handler);

    const DtdSource &dtd() const { return m_validator.dtd(); }
    // The DTD as the summary names it.
    QString dtdDescription() const;
    bool isWellFormed() const { return m_wellFormed; }

private:
    void reportDtd();
    void reportValidity();
    // The DTD's place beside the document, as findings name it.
    QString dtdFile() const;

    CheckReport &m_report;
    QString m_file;
    DtdValidator m_validator;
    std::unique_ptr<XmlStream> m_stream;
    bool m_wellFormed = false;
};

} // namespace deliverycheck
