// Feeds arbitrary bytes to the host stand-in's readers of the settings the
// programs leave it, as the file's content: G_INPUTXML.dat for the import
// and G_OUTPUTXML.dat for the export (their sections differ, so one file
// serves both). The output settings then plan a delivery of a few photos
// larger than a megabyte, as the export does: media numbered on from the
// first without a gap, every photo on one of them, and the stylesheet's
// document named.
#include "deliveryplan.h"
#include "exportfollowup.h"
#include "fuzzcheck.h"
#include "fuzzsupport.h"
#include "outputsettings.h"
#include "shelfimport.h"

#include "platform/winpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

constexpr int PhotoCount = 3;
constexpr qint64 PhotoBytes = 3 * 1024 * 1024;

// Photos of 3 MB each (sparse files), with a drawing on the second.
const host::ExportSource &largePhotos()
{
    static QTemporaryDir folder;
    static const host::ExportSource source = [] {
        host::ExportSource made;
        for (int i = 0; i < PhotoCount; ++i) {
            host::ExportPhoto photo;
            photo.albumHostFolder = folder.path();
            photo.item.fileName = QStringLiteral("P%1.JPG").arg(i);
            QFile file(QDir(folder.path()).filePath(photo.item.fileName));
            if (file.open(QIODevice::WriteOnly))
                file.resize(PhotoBytes);
            if (i == 1)
                photo.item.drawings.append({photo.item.fileName, {}, {}, {}});
            made.photos.append(photo);
        }
        return made;
    }();
    return source;
}

void plan(const host::OutputSettings &settings)
{
    const QList<host::PlannedMedium> media = host::planMedia(largePhotos(), settings);
    check(!media.isEmpty() && media.first().number == settings.startMedia);
    qsizetype planned = 0;
    for (qsizetype i = 0; i < media.size(); ++i) {
        check(i == 0 || media.at(i).number == media.at(i - 1).number + 1);
        host::mediumFolderName(media.at(i).number);
        planned += media.at(i).photos.size();
    }
    check(planned == PhotoCount);
    host::stylesheetDocument(settings, int(media.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::writeInput(QStringLiteral("G_OUTPUTXML.dat"), data, size);
    if (path.isEmpty())
        return 0;
    if (const auto import = host::readImportSettings(path))
        check(!import->deliveryFolder.isEmpty() && import->deliveryFolder.size() < win::MaxPath);
    if (const auto output = host::readOutputSettings(path)) {
        check(output->folder.size() < win::MaxPath);
        plan(*output);
    }
    return 0;
}
