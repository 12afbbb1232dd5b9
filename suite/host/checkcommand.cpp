#include "checkcommand.h"

#include "hostmessages.h"
#include "hostoutput.h"
#include "hostpaths.h"

#include "deliverychecker.h"
#include "htmlreport.h"
#include "terminalreport.h"

#include <cstdio>

namespace host {

namespace {

constexpr int ExitPassed = 0;
constexpr int ExitFailed = 1;
constexpr int ExitNotChecked = 2;

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
