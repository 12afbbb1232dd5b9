#pragma once

#include <QWidget>

// Controls carry the numeric control ids of their dialog template as the
// dynamic property "controlId" (set in the .ui files), so code, tests and
// scripts reach them by id as the dialog templates name them.
namespace ui {

inline constexpr char ControlIdProperty[] = "controlId";

// The control with this id among the children of root, or nullptr.
QWidget *findControl(const QWidget *root, int controlId);

// The same, cast; nullptr when missing or of another class.
template <typename Widget>
Widget *control(const QWidget *root, int controlId)
{
    return qobject_cast<Widget *>(findControl(root, controlId));
}

} // namespace ui
