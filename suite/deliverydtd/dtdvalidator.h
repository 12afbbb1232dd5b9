#pragma once

#include "dtdsource.h"
#include "xmlproblem.h"

#include <QList>
#include <QString>

#include <memory>

class XmlStream;

// Validates a delivery document (INDEX_C.XML, PHOTO.XML, ...) against the
// DTD its DOCTYPE names, found by DtdLocator and read in its own encoding,
// while the document is read as a stream: so the checker validates in the
// same pass as it reads the items, and the tests of what the programs
// write validate a whole file with validateFile().
class DtdValidator final
{
public:
    // Validity errors kept for one document; the rest are only counted.
    static constexpr qsizetype MaxKept = 1000;

    struct Result
    {
        bool opened = false;
        bool wellFormed = false;
        XmlProblem notWellFormed;
        DtdSource dtd;
        QList<XmlProblem> invalid;
        qsizetype invalidCount = 0;

        // Opened, well-formed, validated against a DTD and nothing invalid.
        bool isValid() const;
        // What went wrong, for a test's failure message.
        QString describe() const;
    };

    explicit DtdValidator(const QString &documentHostPath);
    ~DtdValidator();
    Q_DISABLE_COPY_MOVE(DtdValidator)

    // A stream over the document that validates what it reads, to be read
    // while this validator lives; nothing when the file cannot be opened.
    // dtd() is known once it returned.
    std::unique_ptr<XmlStream> open();

    const DtdSource &dtd() const { return m_dtd; }
    const QList<XmlProblem> &invalid() const { return m_invalid; }
    qsizetype invalidCount() const { return m_invalidCount; }

    // Reads the whole document.
    static Result validateFile(const QString &hostPath);

private:
    QString m_path;
    DtdSource m_dtd;
    QList<XmlProblem> m_invalid;
    qsizetype m_invalidCount = 0;
};
