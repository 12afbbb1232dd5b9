#include "scripttickable.h"

namespace ui {

// Defined here so that the type information lives in this library only and
// dynamic_cast finds the interface in controls of any library.
ScriptTickable::~ScriptTickable() = default;

} // namespace ui
