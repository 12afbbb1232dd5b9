// The import functions of the suite's construction-data library as the
// wizards call them: C linkage, zero-terminated UTF-16 strings.
#include "suiteapi/worksdata.h"

#include "deliveryfolder.h"
#include "deliveryimport.h"

#include "platform/winpath.h"

namespace {

QString fromWide(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

} // namespace

extern "C" {

int DNXmlRead(const char16_t *rootFolder, int planFlag)
{
    const QString root = fromWide(rootFolder);
    if (root.isEmpty())
        return 0;
    return DeliveryImport(root, planFlag).run() ? 1 : 0;
}

int CheckPhotoFolder(const char16_t *folder)
{
    const QString path = fromWide(folder);
    return !path.isEmpty() && DeliveryFolder::isPhotoFolder(path) ? 1 : 0;
}

int GetPlanFlag(const char16_t *folder, char16_t *buffer)
{
    const QString path = fromWide(folder);
    QString indexName;
    const int flag =
        path.isEmpty() ? DeliveryFolder::NoIndex : DeliveryFolder(path).planFlag(&indexName);
    if (buffer) {
        const QString text = indexName.left(win::MaxPath - 1);
        std::copy(text.utf16(), text.utf16() + text.size(), buffer);
        buffer[text.size()] = u'\0';
    }
    return flag;
}

} // extern "C"
