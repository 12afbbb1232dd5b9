// tessera-sample: sample data for the delivery programs, one subcommand
// per kind of data.
#include "calscommand.h"
#include "commandline.h"
#include "deliverycommand.h"
#include "eizencommand.h"
#include "suitecommand.h"

#include <QCoreApplication>

#include <iterator>

namespace {

struct Command
{
    const char16_t *name;
    int (*run)(const QStringList &arguments);
    const char16_t *usage;
};

const Command Commands[] = {
    {u"delivery", runDeliveryCommand,
     u"delivery DIR --photos N [--standard mlit|maff|nexco24|nexco18] [--encoding sjis|utf8]"},
    {u"eizen", runEizenCommand, u"eizen DIR --photos N [--depth D]"},
    {u"suite", runSuiteSample,
     u"suite DIR --shelves N [--shared] [--albums M] [--photos P] [--standard CODE]"},
    {u"cals", runCalsCommand, u"cals DIR --rows N [--broken]"},
};

int usage()
{
    QString text = QStringLiteral("usage:");
    for (const Command &command : Commands)
        text += QStringLiteral("\n  tessera-sample ") + QString::fromUtf16(command.usage);
    commandline::printError(text);
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
