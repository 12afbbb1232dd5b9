#include "scriptactions.h"

#include "controls.h"
#include "propertypage.h"
#include "scriptcommand.h"
#include "scripttickable.h"

#include "platform/winpath.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

namespace ui {

namespace {

constexpr int CancelControlId = 2;  // IDCANCEL: Cancel or the exit button

// D:\... or a UNC path; anything else is a path of this machine.
bool isWindowsPath(const QString &path)
{
    static const QRegularExpression windowsForm(QStringLiteral("^([A-Za-z]:[\\\\/]|\\\\\\\\)"));
    return windowsForm.match(path).hasMatch();
}

bool isReadOnly(const QWidget *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->isReadOnly();
    if (auto *edit = qobject_cast<const QPlainTextEdit *>(control))
        return edit->isReadOnly();
    if (auto *edit = qobject_cast<const QTextEdit *>(control))
        return edit->isReadOnly();
    return false;
}

bool isEditBox(const QWidget *control)
{
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->isEditable();
    return qobject_cast<const QLineEdit *>(control) || qobject_cast<const QPlainTextEdit *>(control)
        || qobject_cast<const QTextEdit *>(control);
}

QString outOfRange(int controlId, int index, int count)
{
    return QStringLiteral("control %1 has %2 entries, no index %3").arg(controlId).arg(count).arg(index);
}

} // namespace

ScriptActions::ScriptActions(QWidget *window)
    : m_window(window)
    , m_sheet(qobject_cast<WizardSheet *>(window))
{
}

QString ScriptActions::perform(const ScriptCommand &command, QString *note)
{
    using Kind = ScriptCommand::Kind;
    switch (command.kind) {
    case Kind::Text:
        return enterText(command, note);
    case Kind::Click:
        return click(command, note);
    case Kind::Select:
        return select(command, note);
    case Kind::Tick:
        return tick(command, note);
    case Kind::Next:
        return press(WizardSheet::NextButton, QStringLiteral("Next"), note);
    case Kind::Back:
        return press(WizardSheet::BackButton, QStringLiteral("Back"), note);
    case Kind::Finish:
        return press(WizardSheet::FinishButton, QStringLiteral("Finish"), note);
    case Kind::Cancel:
        return cancel(note);
    case Kind::Shot:
        return shot(command);
    case Kind::Answer:
    case Kind::Browse:
    case Kind::Save:
    case Kind::ExpectPage:
        break;
    }
    return QStringLiteral("not an action for the window");
}

int ScriptActions::currentPage() const
{
    return m_sheet && m_sheet->currentPage() ? m_sheet->currentPage()->templateId() : 0;
}

void ScriptActions::close()
{
    QWidget *button = m_sheet ? static_cast<QWidget *>(m_sheet->button(WizardSheet::CancelButton))
                              : findControl(m_window, CancelControlId);
    if (auto *cancelButton = qobject_cast<QAbstractButton *>(button); cancelButton && cancelButton->isEnabled())
        cancelButton->click();
    // A handler may keep the window open; the run must end all the same.
    if (!m_window->isVisible())
        return;
    if (auto *dialog = qobject_cast<QDialog *>(m_window))
        dialog->reject();
    else
        m_window->close();
}

QString ScriptActions::enterText(const ScriptCommand &command, QString *note)
{
    QString error;
    QWidget *control = usableControl(command.controlId, &error, note);
    if (!control)
        return error;
    if (!isEditBox(control))
        return QStringLiteral("control %1 is no edit box").arg(command.controlId);
    if (isReadOnly(control)) {
        *note = QStringLiteral("control %1 is read-only: nothing done").arg(command.controlId);
        return QString();
    }
    control->setFocus(Qt::MouseFocusReason);
    setControlText(control, command.text);
    return QString();
}

QString ScriptActions::click(const ScriptCommand &command, QString *note)
{
    QString error;
    QWidget *control = usableControl(command.controlId, &error, note);
    if (!control)
        return error;
    auto *button = qobject_cast<QAbstractButton *>(control);
    if (!button)
        return QStringLiteral("control %1 is no button, radio or check box").arg(command.controlId);
    if (!clickAsUser(button))
        *note = QStringLiteral("the click on control %1 was lost").arg(command.controlId);
    return QString();
}

QString ScriptActions::select(const ScriptCommand &command, QString *note)
{
    QString error;
    QWidget *control = usableControl(command.controlId, &error, note);
    if (!control)
        return error;
    const int index = command.number;
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        if (index >= combo->count())
            return outOfRange(command.controlId, index, combo->count());
        combo->setFocus(Qt::MouseFocusReason);
        combo->setCurrentIndex(index);
        // A choice in the list is the user's (CBN_SELCHANGE), unlike a
        // selection made by code.
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
        return QString();
    }
    QTabBar *tabs = qobject_cast<QTabBar *>(control);
    if (auto *tabWidget = qobject_cast<QTabWidget *>(control))
        tabs = tabWidget->tabBar();
    if (tabs) {
        if (index >= tabs->count())
            return outOfRange(command.controlId, index, tabs->count());
        tabs->setFocus(Qt::MouseFocusReason);
        tabs->setCurrentIndex(index);
        return QString();
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(control); view && view->model()) {
        const int rows = view->model()->rowCount(view->rootIndex());
        if (index >= rows)
            return outOfRange(command.controlId, index, rows);
        const QModelIndex item = view->model()->index(index, 0, view->rootIndex());
        view->setFocus(Qt::MouseFocusReason);
        view->scrollTo(item);
        view->selectionModel()->setCurrentIndex(
            item, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return QString();
    }
    return QStringLiteral("control %1 is no list, combo box or tab control").arg(command.controlId);
}

QString ScriptActions::tick(const ScriptCommand &command, QString *note)
{
    QString error;
    QWidget *control = usableControl(command.controlId, &error, note);
    if (!control)
        return error;
    auto *tickable = dynamic_cast<ScriptTickable *>(control);
    if (!tickable)
        return QStringLiteral("control %1 has no folder items to tick").arg(command.controlId);
    if (!tickable->tickPath(command.text))
        return QStringLiteral("control %1 has no item for %2").arg(command.controlId).arg(command.text);
    return QString();
}

QString ScriptActions::press(WizardSheet::Button button, const QString &name, QString *note)
{
    if (!m_sheet)
        return QStringLiteral("the window is no wizard");
    QAbstractButton *target = m_sheet->button(button);
    if (!target->isEnabled() || target->isHidden()) {
        *note = QStringLiteral("%1 is not available: nothing done").arg(name);
        return QString();
    }
    if (!clickAsUser(target))
        *note = QStringLiteral("the click on %1 was lost").arg(name);
    return QString();
}

QString ScriptActions::cancel(QString *note)
{
    if (m_sheet)
        return press(WizardSheet::CancelButton, QStringLiteral("Cancel"), note);
    if (auto *button = qobject_cast<QAbstractButton *>(findControl(m_window, CancelControlId))) {
        if (!clickAsUser(button))
            *note = QStringLiteral("the click on control %1 was lost").arg(CancelControlId);
        return QString();
    }
    if (auto *dialog = qobject_cast<QDialog *>(m_window)) {
        dialog->reject();
        return QString();
    }
    return QStringLiteral("the window has no cancel button");
}

QString ScriptActions::shot(const ScriptCommand &command)
{
    const QString file = isWindowsPath(command.text) ? win::toHostPath(command.text) : command.text;
    if (file.isEmpty())
        return QStringLiteral("no drive maps %1").arg(command.text);
    if (!m_window->grab().save(file, "PNG"))
        return QStringLiteral("cannot write the picture %1").arg(command.text);
    return QString();
}

QWidget *ScriptActions::usableControl(int controlId, QString *error, QString *note) const
{
    QWidget *control = m_sheet ? m_sheet->findControl(controlId) : findControl(m_window, controlId);
    if (!control) {
        *error = m_sheet ? QStringLiteral("no control %1 on page %2 or the sheet").arg(controlId).arg(currentPage())
                         : QStringLiteral("no control %1 in the window").arg(controlId);
        return nullptr;
    }
    if (!control->isEnabled() || !control->isVisibleTo(m_window)) {
        *note = QStringLiteral("control %1 is %2: nothing done")
                    .arg(controlId)
                    .arg(control->isEnabled() ? QStringLiteral("hidden") : QStringLiteral("disabled"));
        return nullptr;
    }
    return control;
}

} // namespace ui
