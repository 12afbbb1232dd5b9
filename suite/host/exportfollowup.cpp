#include "exportfollowup.h"

#include "deliveryplan.h"
#include "hostmessages.h"
#include "hostoutput.h"

#include "cooperationfile.h"
#include "platform/pathnames.h"
#include "platform/winpath.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace host {

QString stylesheetDocument(const OutputSettings &settings, int media)
{
    QString folder = settings.folder;
    if (media > 1)
        folder = win::joinPath(folder, mediumFolderName(settings.startMedia));
    return win::joinPath(win::joinPath(folder, QStringLiteral("PHOTO")),
                         QStringLiteral("PHOTO.XML"));
}

void showInBrowser(const QString &windowsPath)
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const bool display = !environment.value(QStringLiteral("DISPLAY")).isEmpty()
                         || !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (display
        && QProcess::startDetached(QStringLiteral("xdg-open"), {win::toHostPath(windowsPath)}))
        return;
    print(stdout, messages::OpenInBrowser.arg(windowsPath) + u'\n');
}

bool handOver(const OutputSettings &settings, const QString &cooperationIni)
{
    const std::optional<worksdata::Cooperator> cooperator =
        worksdata::readCooperator(cooperationIni, settings.cooperation);
    const QString program = cooperator ? win::toHostPath(cooperator->program) : QString();
    if (program.isEmpty() || !QProcess::startDetached(program, {settings.folder})) {
        print(stderr, messages::HandOverFailed.arg(cooperator ? cooperator->program
                                                               : QString::number(settings.cooperation))
                          + u'\n');
        return false;
    }
    print(stdout, messages::HandedOver.arg(cooperator->name, settings.folder) + u'\n');
    return true;
}

} // namespace host
