#pragma once

#include "wizardsheet.h"

#include <QString>

class QWidget;

namespace ui {

struct ScriptCommand;

// Carries out the action lines of a script on one window as the user would
// with mouse and keyboard. Controls are looked up in the current page of a
// wizard, then among the sheet's buttons; in a plain dialog, anywhere in it.
class ScriptActions
{
public:
    explicit ScriptActions(QWidget *window);

    // Carries out a text, click, select, tick, next, back, finish, cancel or
    // shot line. Returns why the line cannot be carried out (no such
    // control, a control of the wrong kind, an index out of range...), empty
    // when it was. What a user's attempt would not do either (a disabled
    // control) is no error: *note says so and nothing happens.
    QString perform(const ScriptCommand &command, QString *note);

    // The template id of the page showing; 0 when the window is no wizard.
    int currentPage() const;
    // Closes the window as its Cancel (or exit, id 2) button does.
    void close();

private:
    QString enterText(const ScriptCommand &command, QString *note);
    QString click(const ScriptCommand &command, QString *note);
    QString select(const ScriptCommand &command, QString *note);
    QString tick(const ScriptCommand &command, QString *note);
    QString press(WizardSheet::Button button, const QString &name, QString *note);
    QString cancel(QString *note);
    QString shot(const ScriptCommand &command);
    // The control for a line, or nullptr with *error set.
    QWidget *usableControl(int controlId, QString *error, QString *note) const;

    QWidget *m_window;
    WizardSheet *m_sheet;
};

} // namespace ui
