#pragma once

#include "workspacetest.h"

#include "sampleoptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

// The library as the wizards load it: libworksdata.so from the program
// folder, opened by dlopen, its functions taken by their C names.
class WorksdataLibrary
{
public:
    using DNXmlReadFunction = int(const char16_t *, int);
    using CheckPhotoFolderFunction = int(const char16_t *);
    using GetPlanFlagFunction = int(const char16_t *, char16_t *);

    // Loaded once for the test run; fails the test when it cannot be.
    static const WorksdataLibrary &instance();

    int dnXmlRead(const QString &root, int planFlag) const;
    int checkPhotoFolder(const QString &folder) const;
    int getPlanFlag(const QString &folder, QString *buffer = nullptr) const;

    DNXmlReadFunction *DNXmlRead = nullptr;
    CheckPhotoFolderFunction *CheckPhotoFolder = nullptr;
    GetPlanFlagFunction *GetPlanFlag = nullptr;
};

// A workspace with sample deliveries and what DNXmlRead leaves in the temp
// folder, read back as the wizards read it.
class WorksdataTest : public WorkspaceTest
{
protected:
    const WorksdataLibrary &library() const { return WorksdataLibrary::instance(); }

    // Generates a delivery into the workspace folder and returns its
    // Windows path.
    QString generateDelivery(const QString &relative, const DeliveryOptions &options) const;
    // Copies a delivery of tests/data/worksdata into the workspace.
    QString copyTestDelivery(const QString &name) const;

    QString gxtempHostPath() const;
    QString databaseHostPath() const;
    // GXTemp's lines, read as the wizards' ccs=UNICODE streams do.
    QStringList gxtempLines() const;
    // Files in the temp folder other than GXTemp and G_PHOTO.mdb.
    QStringList strayTempFiles() const;

    // Through JETDAO, as the photo pages read G_PHOTO.mdb.
    long rowCount(const QString &table) const;
    // Every row of a query as column name -> value maps.
    QList<QVariantMap> rows(const QString &sql, const QStringList &columns) const;
};
