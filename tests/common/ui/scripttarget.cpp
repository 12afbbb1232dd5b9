// A tiny program for the scripted-run tests: a box during start-up, then a
// wizard (or, with the argument "dialog", a plain dialog) run by the script
// in TESSERA_UI_SCRIPT. It prints what it saw to stdout.
#include "scripttestwindows.h"

#include "ui/dialogs.h"
#include "ui/scriptedrun.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    ui::ScriptedRun::prepare();
    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("スクリプト試験"));

    const int answer = ui::messageBox(nullptr, QStringLiteral("起動しますか？"), QString(),
                                      ui::Buttons::YesNo, ui::Icon::Question);
    std::printf("startup %s\n", qPrintable(ui::resultName(answer)));

    std::unique_ptr<QDialog> window;
    if (argc > 1 && qstrcmp(argv[1], "dialog") == 0)
        window = std::make_unique<ScriptDialog>();
    else
        window = std::make_unique<ScriptWizard>();
    ui::ScriptedRun::attach(window.get());
    const int result = window->exec();
    std::printf("platform %s\nresult %d\n", qPrintable(QGuiApplication::platformName()), result);
    return 0;
}
