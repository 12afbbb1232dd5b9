#pragma once

#include "platform/suitelibrary.h"

#include <QStringList>
#include <QStringView>

#include <optional>

class QDialog;

namespace ui {

// What every program of the suite does around its one modal window: the
// command line taken before QApplication, its title as the display name of
// message boxes, the refusal of a wrong argument count, the suite libraries
// loaded by name with the program's message when one is missing, and the
// modal run turned into the exit code. A program frees its libraries after
// the run, in its own order (win::SuiteLibrary frees at the latest when it
// is destroyed).
//
//     const QStringList arguments = SuiteApplication::commandLine(argc, argv);
//     QApplication application(argc, argv);
//     MyApp app;                   // derived from SuiteApplication
//     if (app.initInstance(arguments)) {
//         Sheet sheet(app);
//         app.runWizard(sheet);    // runModal(), then the libraries freed
//     }
//     return app.exitInstance();
class SuiteApplication
{
public:
    // title: the program's title; message boxes without a caption of their
    // own carry it. Needs the QApplication.
    explicit SuiteApplication(QStringView title);
    virtual ~SuiteApplication();
    Q_DISABLE_COPY_MOVE(SuiteApplication)

    // The command line as the program was given it, program name first.
    // Taken before QApplication, which removes the options it knows.
    static QStringList commandLine(int argc, char **argv);

    // Runs the modal window; m_nResult becomes 0 when it was cancelled and
    // 1 for any other end.
    void runModal(QDialog &window);
    // The process exit code: 1 when the wizard was finished, else 0.
    int exitInstance() const { return m_nResult; }

    // False, after the message that the program works only with the host
    // application, unless the arguments after the program name number
    // exactly count.
    static bool acceptArgumentCount(const QStringList &arguments, int count);
    // Loads a suite library by its Windows name; false after
    // "<name>がロードできません。".
    static bool loadSuiteLibrary(win::SuiteLibrary &library, QStringView windowsName);
    // Loads the library and binds its functions (a struct of suiteapi with
    // fromLibrary); false after the library's message when either fails.
    template <typename Functions>
    static bool loadSuiteFunctions(win::SuiteLibrary &library, QStringView windowsName,
                                   Functions &functions)
    {
        if (!loadSuiteLibrary(library, windowsName))
            return false;
        if (const std::optional<Functions> bound = Functions::fromLibrary(library)) {
            functions = *bound;
            return true;
        }
        refuseLibrary(library, windowsName);
        return false;
    }

protected:
    // 1 when the wizard ended other than by Cancel: the exit code.
    int m_nResult = 0;

private:
    // Frees a library that lacks functions, with the library's message.
    static void refuseLibrary(win::SuiteLibrary &library, QStringView windowsName);
};

} // namespace ui
