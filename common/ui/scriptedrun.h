#pragma once

class QWidget;

namespace ui {

// Scripted runs: when the environment variable TESSERA_UI_SCRIPT names a
// UTF-8 script of UI actions (docs/scripted-runs.md), the program runs on
// Qt's offscreen platform and follows it. In main():
//
//     ui::ScriptedRun::prepare();          // before the QApplication
//     QApplication app(argc, argv);
//     ...
//     ui::ScriptedRun::attach(&sheet);     // before sheet.exec()
//
// Without the variable both calls do nothing.
class ScriptedRun
{
public:
    // Reads the script, chooses the offscreen platform and queues the
    // prepared answers, so that boxes raised during start-up take the
    // answers at the top of the script. A script that cannot be read or
    // has a malformed line ends the program with exit code 4 and a message
    // on stderr, before anything else happens.
    static void prepare();
    // Follows the script's actions on this window (a wizard sheet or a
    // plain dialog) once it shows. Only the first window attached is
    // followed.
    static void attach(QWidget *window);
    // Whether a script was prepared.
    static bool isActive();
};

} // namespace ui
