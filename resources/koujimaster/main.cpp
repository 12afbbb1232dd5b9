#include "koujimastertemplate.h"

#include "jetdao/jetdao.h"
#include "platform/fileops.h"
#include "platform/winpath.h"

#include <QFile>

#include <cstdio>

// Build step: writes the KOUJIMASTER template into the program folder given
// as the only argument, replacing the one of an earlier build.
int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    // The database library speaks Windows paths: give the folder a drive.
    const QChar drive = QLatin1Char('T');
    win::mapDrive(drive, QFile::decodeName(argv[1]));
    const QString target = drive + QStringLiteral(":\\")
        + QString::fromUtf16(koujimastertemplate::FileName);
    // Made beside the target and renamed over it, so that an interrupted
    // build never leaves half a template behind.
    const QString partial = target + QStringLiteral(".partial");
    win::deleteFile(partial);
    try {
        koujimastertemplate::create(partial);
    } catch (const JETDAO::CDaoException &error) {
        std::fprintf(stderr, "%s\n", error.GetErrorMessage().toLocal8Bit().constData());
        return 1;
    }
    if (!win::moveFileReplace(partial, target)) {
        std::fprintf(stderr, "cannot replace %s (error %u)\n", qPrintable(target),
                     unsigned(win::lastError()));
        return 1;
    }
    return 0;
}
