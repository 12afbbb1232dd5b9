#pragma once

#include "importsettings.h"

#include <QString>

namespace suiteapi {
struct WorksdataFunctions;
}

namespace reader {

// What ClassifyDeliveryFolder found in a delivery root folder.
struct DeliveryClassification
{
    int kind = UndeterminedDelivery;
    // From GetPlanFlag, handed on to DNXmlRead; 0 when not asked.
    int planFlag = 0;
    // The folder to hand to DNXmlRead: set for a standard delivery only. It
    // is the parent when the user chose the PHOTO folder itself.
    QString root;
};

// The folder tests. An entry's extension is the text after the last dot of
// its name, or the whole name when it has no dot; "." and ".." are ignored.

// An entry with the extension "XML" and one with "DTD", exactly in capitals.
bool FolderHasXmlAndDtd(const QString &folder);
// An entry named PHOTO02.DTD or PHOTO02N.DTD, in any case.
bool PhotoFolderHasDtd(const QString &photoFolder);
// With descend: the folder has a subfolder, and every file in it and in its
// immediate subfolders has the extension XML or DTD (in any case). Without:
// every file directly in the folder has.
bool TreeHasOnlyXmlDtd(const QString &folder, bool descend);
// No file directly in the folder has an extension other than those of
// photos and text; a folder without files passes.
bool FolderHasOnlyImages(const QString &folder);

// Decides what kind of delivery the folder typed on the root folder page
// holds, asking worksdata whether it is a PHOTO folder and for the plan flag.
DeliveryClassification ClassifyDeliveryFolder(const QString &path,
                                              const suiteapi::WorksdataFunctions &worksdata);

} // namespace reader
