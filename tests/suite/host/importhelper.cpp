// A second process for the import tests: carries out the temp folder's
// G_INPUTXML.dat and G_PHOTO.mdb into a data root as tessera-host does after
// DeliveryReader, so that a test can kill it or limit its file sizes.
//
//   host_import_helper DATAROOT               the host's carrying out; its
//                                             exit code
//   host_import_helper DATAROOT --jam PATH    the import, with a file put at
//                                             the host path PATH when the
//                                             first photo is in: 0 when it
//                                             was carried out, else 2
//
// "ready" on stdout marks the start of the import.
#include "importrun.h"
#include "shelfimport.h"

#include "photodb/photoinfotable.h"
#include "platform/fileops.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

const QString SettingsFileName = QStringLiteral("G_INPUTXML.dat");

// A file appears where the import will want a folder, after the start's
// checks: the moment a disk fills or another program steps in.
int importJammed(const QString &dataRoot, const QString &jamPath)
{
    const std::optional<host::ImportSettings> settings =
        host::readImportSettings(win::tempPath() + SettingsFileName);
    if (!settings)
        return 2;
    host::ImportSummary summary;
    QString error;
    const bool imported = host::importDelivery(
        dataRoot, *settings, photodb::PhotoInfoTable::databasePath(), &summary, &error,
        [&jamPath](int done, int) {
            QFile jam(jamPath);
            if (done == 1 && !jam.open(QIODevice::WriteOnly))
                std::fprintf(stderr, "%s cannot be made\n", qPrintable(jamPath));
        });
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return imported ? 0 : 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return 2;
    std::printf("ready\n");
    std::fflush(stdout);
    if (arguments.size() == 3 && arguments.at(1) == u"--jam")
        return importJammed(arguments.at(0), arguments.at(2));
    return host::carryOutImport(arguments.at(0), win::tempPath() + SettingsFileName,
                                photodb::PhotoInfoTable::databasePath());
}
