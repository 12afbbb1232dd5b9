#include "checkcommand.h"

#include "hostmessages.h"

#include "deliverychecker.h"
#include "htmlreport.h"
#include "terminalreport.h"

#include "platform/winpath.h"

#include <QDir>
#include <QRegularExpression>

#include <cstdio>

namespace host {

namespace {

constexpr int ExitPassed = 0;
constexpr int ExitFailed = 1;
constexpr int ExitNotChecked = 2;

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

bool isWindowsPath(const QString &path)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return drive.match(path).hasMatch();
}

// The host application names folders in Windows form (D:\納品); on the
// command line a host path is taken as well, through the drive table.
QString windowsPathOf(const QString &path)
{
    return isWindowsPath(path) ? path
                               : win::toWindowsPath(QDir::cleanPath(QDir(path).absolutePath()));
}

QString hostPathOf(const QString &path)
{
    return isWindowsPath(path) ? win::toHostPath(path) : QDir(path).absolutePath();
}

} // namespace

int runCheckCommand(const QStringList &arguments)
{
    // FOLDER, optionally followed or preceded by --html REPORT.
    QStringList rest = arguments;
    QString html;
    const qsizetype option = rest.indexOf(QStringLiteral("--html"));
    if (option >= 0 && option + 1 < rest.size()) {
        html = rest.takeAt(option + 1);
        rest.removeAt(option);
    }
    if (rest.size() != 1 || rest.first().startsWith(u"--") || (option >= 0 && html.isEmpty())) {
        print(stderr, messages::Usage.toString() + u'\n');
        return ExitNotChecked;
    }
    const QString folder = rest.first();
    const QString root = windowsPathOf(folder);
    if (root.isEmpty()) {
        print(stderr, messages::NoDriveMapsFolder.arg(folder) + u'\n');
        return ExitNotChecked;
    }

    const deliverycheck::CheckReport report = deliverycheck::DeliveryChecker().check(root);
    QString htmlShown;
    if (!html.isEmpty()) {
        QString error;
        const QString htmlHost = hostPathOf(html);
        if (htmlHost.isEmpty() || !deliverycheck::HtmlReport::write(report, htmlHost, &error)) {
            print(stdout, deliverycheck::TerminalReport::text(report));
            print(stderr, messages::ReportNotWritten.arg(html, error) + u'\n');
            return ExitNotChecked;
        }
        htmlShown = html;
    }
    print(stdout, deliverycheck::TerminalReport::text(report, htmlShown));
    switch (report.outcome()) {
    case deliverycheck::CheckReport::Outcome::Passed:
        return ExitPassed;
    case deliverycheck::CheckReport::Outcome::Failed:
        return ExitFailed;
    case deliverycheck::CheckReport::Outcome::NotADelivery:
        break;
    }
    return ExitNotChecked;
}

} // namespace host
