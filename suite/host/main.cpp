// tessera-host: the host application's stand-in, one subcommand per task
// it carries out.
#include "checkcommand.h"
#include "exportcommand.h"
#include "importcommand.h"
#include "hostmessages.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

struct Command
{
    const char16_t *name;
    int (*run)(const QStringList &arguments);
};

const Command Commands[] = {
    {u"check", host::runCheckCommand},
    {u"export", host::runExportCommand},
    {u"import", host::runImportCommand},
};

int usage()
{
    std::fputs((host::messages::Usage.toString() + u'\n').toUtf8().constData(), stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return usage();
    for (const Command &command : Commands) {
        if (arguments.at(1) == QStringView(command.name))
            return command.run(arguments.mid(2));
    }
    return usage();
}
