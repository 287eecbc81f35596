#pragma once

#include "windows/MenuItems.h"

#include <string_view>

// The platform's own text editing behind Undo, Cut, Copy, Paste and Clear: the items act on the
// text field that has the keyboard focus and are enabled only where they would do something
// there (Cut and Copy need a selection, Paste text on the clipboard, Undo an undo step).
namespace morvane::TextEditing {

void enableMenuItems(MenuItems& items);
// Runs an Edit item on the focused text field; false when it is no such item or no field.
bool run(std::string_view item);

} // namespace morvane::TextEditing
