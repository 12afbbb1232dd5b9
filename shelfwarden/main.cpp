#include "runshelfwarden.h"

#include "ui/scriptedrun.h"

#include <QApplication>

int main(int argc, char **argv)
{
    ui::ScriptedRun::prepare();
    QApplication application(argc, argv);
    return shelfwarden::runShelfWarden();
}
