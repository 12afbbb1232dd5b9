#pragma once

#include <QWidget>

#include <functional>

class QAbstractButton;

// Controls carry the numeric control id of their dialog template as the
// dynamic property "controlId" (int), set in the .ui files:
//
//     <widget class="QLineEdit" name="folderEdit">
//      <property name="controlId" stdset="0">
//       <number>1001</number>
//      </property>
//     </widget>
//
// so code, tests and scripts reach them by the ids the templates name.
// A group of radio buttons (WS_GROUP on Windows) is a QButtonGroup in the
// .ui file, since Qt otherwise makes all radio buttons of one parent a group.
//
// Handlers follow the Windows notifications:
// - edit box changed (EN_CHANGE): QLineEdit::textChanged, which setting the
//   text from code raises too;
// - focus lost or gained (EN_KILLFOCUS, LBN_SETFOCUS, ...): onFocusLost /
//   onFocusGained below;
// - button, radio or check box clicked (BN_CLICKED): QAbstractButton::clicked;
// - combo box selection changed by the user (CBN_SELCHANGE, not raised by
//   code): QComboBox::activated;
// - list box selection changed (LBN_SELCHANGE): QListWidget::currentRowChanged;
// - tab changed (TCN_SELCHANGE): QTabWidget / QTabBar::currentChanged.
namespace ui {

inline constexpr char ControlIdProperty[] = "controlId";

// The control with this id among the descendants of root, or nullptr.
QWidget *findControl(const QWidget *root, int controlId);

// The same, cast; nullptr when missing or of another class.
template <typename Widget>
Widget *control(const QWidget *root, int controlId)
{
    return qobject_cast<Widget *>(findControl(root, controlId));
}

// Gives a control made in code its id.
void setControlId(QWidget *control, int controlId);
// The control's id, 0 when it has none.
int controlId(const QWidget *control);

// GetWindowText / SetWindowText over the control kinds of the templates:
// edit boxes (single and multi-line; multi-line text has CR LF line ends,
// as Windows gives it), combo boxes, static texts, buttons and group boxes.
// Setting the same text again changes nothing and raises no handler.
QString controlText(const QWidget *control);
void setControlText(QWidget *control, const QString &text);

// BM_GETCHECK / BM_SETCHECK for check boxes and radio buttons: 1 checked,
// 0 not, 2 indeterminate. Unlike a plain setChecked(false), this also
// clears a radio button that is the checked one of its group.
int checkState(const QWidget *button);
void setCheckState(QWidget *button, int state);

// Clicks a button, radio or check box as the user does with the mouse: the
// focus moves to it first (so an edit box's focus-loss handler runs), then
// it is clicked. As on Windows, the click is lost when the focus change
// brought up a dialog (the box takes the mouse) or disabled the button.
// False when the button was not clicked (also when disabled or hidden).
bool clickAsUser(QAbstractButton *button);

// Runs handler whenever the control loses (gains) the keyboard focus,
// including to another window, as Windows notifies it. The control's own
// context menu does not count.
void onFocusLost(QWidget *control, std::function<void()> handler);
void onFocusGained(QWidget *control, std::function<void()> handler);

} // namespace ui
