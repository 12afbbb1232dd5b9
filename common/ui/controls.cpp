#include "controls.h"

#include "dialogs.h"
#include "focuswatcher.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ui {

namespace {

const QString WindowsLineEnd = QStringLiteral("\r\n");
const QString LineEnd = QStringLiteral("\n");

QString withWindowsLineEnds(QString text)
{
    return text.replace(LineEnd, WindowsLineEnd);
}

QString withoutWindowsLineEnds(QString text)
{
    return text.replace(WindowsLineEnd, LineEnd);
}

} // namespace

QWidget *findControl(const QWidget *root, int controlId)
{
    if (!root)
        return nullptr;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (ui::controlId(widget) == controlId)
            return widget;
    }
    return nullptr;
}

void setControlId(QWidget *control, int controlId)
{
    control->setProperty(ControlIdProperty, controlId);
}

int controlId(const QWidget *control)
{
    return control->property(ControlIdProperty).toInt();
}

QString controlText(const QWidget *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *edit = qobject_cast<const QPlainTextEdit *>(control))
        return withWindowsLineEnds(edit->toPlainText());
    if (auto *edit = qobject_cast<const QTextEdit *>(control))
        return withWindowsLineEnds(edit->toPlainText());
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    return QString();
}

void setControlText(QWidget *control, const QString &text)
{
    // As MFC's AfxSetWindowText: an unchanged text is not set again, so
    // refreshing controls from variables raises no change handlers.
    if (controlText(control) == text)
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        // The typing limit (EM_LIMITTEXT) does not bind SetWindowText;
        // QLineEdit would cut the text to it.
        if (text.size() > edit->maxLength())
            edit->setMaxLength(int(text.size()));
        edit->setText(text);
    } else if (auto *edit = qobject_cast<QPlainTextEdit *>(control))
        edit->setPlainText(withoutWindowsLineEnds(text));
    else if (auto *edit = qobject_cast<QTextEdit *>(control))
        edit->setPlainText(withoutWindowsLineEnds(text));
    else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    } else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        group->setTitle(text);
}

int checkState(const QWidget *control)
{
    if (auto *box = qobject_cast<const QCheckBox *>(control))
        return box->checkState() == Qt::PartiallyChecked ? 2 : box->isChecked() ? 1 : 0;
    auto *button = qobject_cast<const QAbstractButton *>(control);
    return button && button->isChecked() ? 1 : 0;
}

void setCheckState(QWidget *control, int state)
{
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        box->setCheckState(state == 2 ? Qt::PartiallyChecked
                                      : state == 1 ? Qt::Checked : Qt::Unchecked);
        return;
    }
    auto *button = qobject_cast<QAbstractButton *>(control);
    if (!button)
        return;
    const bool checked = state == 1;
    if (button->isChecked() == checked)
        return;
    if (checked) {
        button->setChecked(true);
        return;
    }
    // Qt keeps one radio of an exclusive group checked; Windows lets code
    // clear them all (no choice made yet).
    QButtonGroup *group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

bool clickAsUser(QAbstractButton *button)
{
    if (!button->isEnabled() || !button->isVisibleTo(button->window()))
        return false;
    const quint64 dialogsBefore = dialogsRequested();
    button->setFocus(Qt::MouseFocusReason);
    if (dialogsRequested() != dialogsBefore || !button->isEnabled())
        return false;
    button->click();
    return true;
}

void onFocusLost(QWidget *control, std::function<void()> handler)
{
    new FocusWatcher(control, QEvent::FocusOut, std::move(handler));
}

void onFocusGained(QWidget *control, std::function<void()> handler)
{
    new FocusWatcher(control, QEvent::FocusIn, std::move(handler));
}

} // namespace ui
