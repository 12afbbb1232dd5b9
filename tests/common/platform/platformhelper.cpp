// A second process for the platform tests: holds a named mutex, or asks
// for another instance's window as a second program instance does.
//
//   platform_helper mutex <name>   prints the result, holds until stdin ends
//   platform_helper raise <title>  exits 0 when the window was found, else 1
//   platform_helper rewrite <profile> <settings>
//                                  rewrites both files, generation after
//                                  generation, until killed

#include "platform/gui/windowbeacon.h"
#include "platform/namedmutex.h"
#include "platform/profile.h"
#include "rewritecontent.h"
#include "settingsfile.h"

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

int rewriteForever(const QString &profile, const QString &settings)
{
    const QString section = QStringLiteral("S");
    const QString key = QStringLiteral("gen");
    std::printf("ready\n");
    std::fflush(stdout);
    for (int generation = win::getPrivateProfileInt(section, key, 0, profile) + 1;; ++generation) {
        if (!win::writePrivateProfileString(section, key, rewrite::profileValue(generation), profile)
            || !settingsfile::writeLines(settings, rewrite::settingsLines(generation),
                                         win::TextFile::Mode::WriteReplace))
            return 1;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("rewrite"))
        return rewriteForever(args.at(2), args.at(3));
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
