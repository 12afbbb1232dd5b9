// The export functions of the suite's construction-data library.
#include "suiteapi/worksdata.h"

#include "errorinformation.h"
#include "settingsfile.h"

#include "platform/winpath.h"
#include "suitedata/albuminfo.h"

#include <algorithm>

extern "C" {

int DNKoujiInfGet2(const char16_t *koujiXmlPath, char16_t *buffer)
{
    if (!buffer)
        return 0;
    buffer[0] = u'\0';
    const QString path = koujiXmlPath ? QString::fromUtf16(koujiXmlPath) : QString();
    const QString host = path.isEmpty() ? QString() : win::toHostPath(path);
    suitedata::AlbumInfo album;
    if (host.isEmpty() || !suitedata::readAlbumInfo(host, &album))
        return 0;
    // The caller's buffer holds a path's 260 characters.
    const QString label = album.label.left(win::MaxPath - 1);
    std::copy(label.utf16(), label.utf16() + label.size(), buffer);
    buffer[label.size()] = u'\0';
    return 1;
}

int DNErrInfMake4(char16_t *koujiXmlPath, int standardCode)
{
    if (!koujiXmlPath)
        return 0;
    const QString kouji = QString::fromUtf16(koujiXmlPath);
    return errorinformation::write(settingsfile::tempFilePath(errorinformation::FileName), kouji,
                                   standardCode,
                                   errorinformation::findProblems(kouji, standardCode))
        ? 1
        : 0;
}

} // extern "C"
