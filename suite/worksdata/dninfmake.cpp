// DNInfMake: the pre-flight listing of DeliveryWriter's basic-information
// page, written to GXTemp (docs/worksdata.md).
#include "suiteapi/worksdata.h"

#include "basicinfomake.h"
#include "gxtemp.h"
#include "settingsfile.h"

#include "platform/pathnames.h"

#include <algorithm>

namespace {

// The caller's output buffers: 適用要領基準 and othrsDataCreateFlag.
constexpr int TekiyouChars = 256;
constexpr int FlagChars = BasicInfoMake::OtherDataKinds + 1;

QString fromWide(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

void copyOut(const QString &text, char16_t *buffer, int capacity)
{
    if (!buffer)
        return;
    const QString kept = text.left(capacity - 1);
    std::copy(kept.utf16(), kept.utf16() + kept.size(), buffer);
    buffer[kept.size()] = u'\0';
}

} // namespace

extern "C" {

// Arguments 3, 4, 5, 6 and 9 are the host's and do not change the listing.
int DNInfMake(const char16_t *koujiFolder, int standardCode, int, const char16_t *,
              const char16_t *, int, char16_t *tekiyou, const char16_t *calsDatabase,
              const char16_t *, int japaneseNames, char16_t *otherDataCreateFlag)
{
    copyOut(QString(), tekiyou, TekiyouChars);
    copyOut(QString(), otherDataCreateFlag, FlagChars);
    // The character lists are shipped beside the wizard that loaded us.
    const BasicInfoMake::Options options{standardCode, japaneseNames != 0, fromWide(calsDatabase),
                                         win::programFolder()};
    QString standard;
    QString flag;
    if (!writeBasicInfo(fromWide(koujiFolder), options,
                        settingsfile::tempFilePath(QString(GXTemp::FileName)), &standard, &flag))
        return 0;
    copyOut(standard, tekiyou, TekiyouChars);
    copyOut(flag, otherDataCreateFlag, FlagChars);
    return 1;
}

} // extern "C"
