#include "deliveryclassification.h"

#include "suiteapi/worksdatafunctions.h"

#include "platform/findfile.h"
#include "platform/winpath.h"

#include <algorithm>
#include <array>

namespace reader {

namespace {

// Calls visit(entry) for each entry of the folder but "." and ".." until it
// returns false. A folder that cannot be listed has no entries.
template <typename Visit>
void forEachEntry(const QString &folder, Visit visit)
{
    win::FileFinder finder;
    if (!finder.findFirst(folder + QStringLiteral("\\*.*")))
        return;
    do {
        const win::FindData &entry = finder.current();
        if (entry.name == u"." || entry.name == u"..")
            continue;
        if (!visit(entry))
            return;
    } while (finder.findNext());
}

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.mid(dot + 1);
}

bool sameText(const QString &a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isXmlOrDtd(const QString &extension)
{
    return sameText(extension, u"XML") || sameText(extension, u"DTD");
}

const char16_t *wide(const QString &text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}

QString photoFolderOf(const QString &root)
{
    return root + QStringLiteral("\\PHOTO");
}

} // namespace

bool FolderHasXmlAndDtd(const QString &folder)
{
    bool hasXml = false;
    bool hasDtd = false;
    forEachEntry(folder, [&](const win::FindData &entry) {
        const QString extension = extensionOf(entry.name);
        hasXml = hasXml || extension == u"XML";
        hasDtd = hasDtd || extension == u"DTD";
        return !(hasXml && hasDtd);
    });
    return hasXml && hasDtd;
}

bool PhotoFolderHasDtd(const QString &photoFolder)
{
    bool found = false;
    forEachEntry(photoFolder, [&](const win::FindData &entry) {
        found = sameText(entry.name, u"PHOTO02.DTD") || sameText(entry.name, u"PHOTO02N.DTD");
        return !found;
    });
    return found;
}

bool TreeHasOnlyXmlDtd(const QString &folder, bool descend)
{
    bool result = !descend;
    forEachEntry(folder, [&](const win::FindData &entry) {
        if (!entry.directory) {
            if (isXmlOrDtd(extensionOf(entry.name)))
                return true;
            result = false;
            return false;
        }
        if (!descend)
            return true;
        result = TreeHasOnlyXmlDtd(folder + u'\\' + entry.name, false);
        return result;
    });
    return result;
}

bool FolderHasOnlyImages(const QString &folder)
{
    static const std::array<QStringView, 7> Allowed = {u"jpg", u"jpeg", u"jpe", u"bmp",
                                                       u"tif", u"tiff", u"txt"};
    bool onlyImages = true;
    forEachEntry(folder, [&](const win::FindData &entry) {
        if (entry.directory)
            return true;
        const QString extension = extensionOf(entry.name);
        onlyImages = std::any_of(Allowed.begin(), Allowed.end(),
                                 [&](QStringView allowed) { return sameText(extension, allowed); });
        return onlyImages;
    });
    return onlyImages;
}

DeliveryClassification ClassifyDeliveryFolder(const QString &path,
                                              const suiteapi::WorksdataFunctions &worksdata)
{
    QString root = path;
    QString photoPath = path;
    bool stripped = false;
    int planFlag = 0;

    // The user may have chosen the PHOTO folder itself: its parent is the root.
    if (worksdata.checkPhotoFolder(wide(root)) != 0) {
        const qsizetype lastBackslash = root.lastIndexOf(u'\\');
        if (lastBackslash >= 0)
            root.truncate(lastBackslash);
        stripped = true;
    }

    if (FolderHasXmlAndDtd(root)) {
        std::array<char16_t, win::MaxPath> buffer{};
        planFlag = worksdata.getPlanFlag(wide(root), buffer.data());
        photoPath = photoFolderOf(root);
    } else if (!stripped) {
        photoPath = photoFolderOf(root);
        if (PhotoFolderHasDtd(photoPath))
            return {StandardDelivery, 0, root};
        const bool governmentBuilding = TreeHasOnlyXmlDtd(path, true) || FolderHasOnlyImages(path);
        return {governmentBuilding ? GovernmentBuildingDelivery : UndeterminedDelivery, 0, {}};
    }

    if (planFlag == 0 && !PhotoFolderHasDtd(photoPath))
        return {UndeterminedDelivery, planFlag, {}};
    return {StandardDelivery, planFlag, root};
}

} // namespace reader
