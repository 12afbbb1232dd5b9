// A second process for the platform tests: holds a named mutex, or asks
// for another instance's window as a second program instance does.
//
//   platform_helper mutex <name>   prints the result, holds until stdin ends
//   platform_helper raise <title>  exits 0 when the window was found, else 1

#include "platform/gui/windowbeacon.h"
#include "platform/namedmutex.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char *resultName(win::NamedMutex::Result result)
{
    switch (result) {
    case win::NamedMutex::Result::Created:
        return "Created";
    case win::NamedMutex::Result::AlreadyExists:
        return "AlreadyExists";
    case win::NamedMutex::Result::Failed:
        break;
    }
    return "Failed";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    if (args.at(1) == QLatin1String("mutex")) {
        win::NamedMutex mutex;
        std::printf("%s\n", resultName(mutex.create(args.at(2))));
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    if (args.at(1) == QLatin1String("raise"))
        return win::bringWindowForward(args.at(2)) ? 0 : 1;
    return 2;
}
