#pragma once

#include "exportsource.h"
#include "outputsettings.h"

#include <QList>
#include <QString>

// Which photo goes onto which medium under which name: serials from 1
// across the whole delivery, photos in serial order, a new medium whenever
// the next photo and its drawings would take a medium over the split size.
namespace host {

struct PlannedDrawing
{
    const suitedata::ShelfDrawing *item = nullptr;
    QString sourceHost;
    QString name; // Dnnnnnnn.JPG
    qint64 bytes = 0;
};

struct PlannedPhoto
{
    int serial = 0;
    const ExportPhoto *photo = nullptr;
    QString sourceHost;
    QString name; // Pnnnnnnn.JPG, or the kept name
    qint64 bytes = 0;
    QList<PlannedDrawing> drawings;
};

struct PlannedMedium
{
    int number = 0;
    QList<PlannedPhoto> photos;
    qint64 bytes = 0; // of the image files
};

QList<PlannedMedium> planMedia(const ExportSource &source, const OutputSettings &settings);

// The folder of a medium: the output folder itself for a delivery on one
// medium, else its subfolder MEDIAnn with the medium's number.
QString mediumFolderName(int mediumNumber);

} // namespace host
