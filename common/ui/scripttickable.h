#pragma once

#include <QString>

namespace ui {

// A tree control whose items stand for folders and carry tick marks (the
// folder trees of the wizards). Scripts tick their items by folder path
// ("tick <controlId> <path>"): the control implements this next to its
// QWidget base, and the script runner finds it with dynamic_cast.
class ScriptTickable
{
public:
    virtual ~ScriptTickable();

    // Toggles the tick of the item that stands for this folder (Windows
    // form), as a click on its image does; false when no item does.
    virtual bool tickPath(const QString &windowsPath) = 0;
};

} // namespace ui
