#pragma once

#include "exportsource.h"
#include "otherdataplan.h"
#include "outputsettings.h"

#include <QString>

#include <functional>

// Carries out G_OUTPUTXML.dat for a standard delivery: into the output
// folder (one subfolder per medium when split) INDEX_C.XML and
// PHOTO\PHOTO.XML, each with its official DTD beside it, the photos into
// PHOTO\PIC and the reference drawings into PHOTO\DRA (no image files with
// xml=1), and PHOTO\PHOTO05.XSL named by PHOTO.XML with sheet 1-3. With
// othrsData=1 the first medium also gets the other delivery data CALS.mdb
// registers: MEET, PLAN and OTHRS with their documents, DTDs and files.
// Government-building codes get the folder tree
// folder\album label\class levels\photo instead, without XML.
namespace host {

struct ExportSummary
{
    int photos = 0;
    int media = 0;
    qint64 bytes = 0; // everything written
};

class DeliveryExport final
{
public:
    // Called after each photo with the count done and the total.
    using Progress = std::function<void(int done, int total)>;

    DeliveryExport(const OutputSettings &settings, const ExportSource &source);

    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // False with the reason in errorText() when a folder or file cannot be
    // made; what was written stays for the user to see.
    bool run();

    const ExportSummary &summary() const { return m_summary; }
    QString errorText() const { return m_errorText; }

private:
    bool runStandard(const QString &rootHost);
    bool runGovernmentBuilding(const QString &rootHost);
    // MEET, PLAN and OTHRS of the plan into the medium's folder.
    bool writeOtherData(const QString &mediumHost);
    bool writeDocumentFolder(const QString &folderHost, const char16_t *xmlName,
                             const QByteArray &xml, const char16_t *dtdName);
    bool copyOriginals(const QString &folderHost, const QList<PlannedDocument> &documents);
    bool writeFile(const QString &hostPath, const QByteArray &bytes);
    bool copyFile(const QString &sourceHost, const QString &targetHost);
    bool makeFolder(const QString &hostPath);

    OutputSettings m_settings;
    const ExportSource &m_source;
    Progress m_progress;
    OtherDataPlan m_otherData;
    ExportSummary m_summary;
    QString m_errorText;
};

} // namespace host
