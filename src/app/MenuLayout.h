#pragma once

#include <QAction>
#include <QKeySequence>
#include <string_view>
#include <vector>

// The one menu bar of the program as data: menus in order, each item with its name (by which
// the program finds it), its caption ("&" marks the mnemonic), its shortcut as written for the
// Mac ("Cmd+Option+C") and the platform role of the quit and about items.
namespace morvane::MenuLayout {

struct Item {
    std::string_view name;
    std::string_view caption; // "-" for a separator
    std::string_view shortcut;
    QAction::MenuRole role = QAction::NoRole;

    bool isSeparator() const { return caption == "-"; }
};

struct Menu {
    std::string_view name;
    std::string_view caption;
    std::vector<Item> items;
};

const std::vector<Menu>& menus();

// "Cmd" is the command key, "Option" the option key; on Linux and Windows they are Ctrl and
// Alt, and Qt's Ctrl is the command key on macOS, so "Cmd+Option+N" becomes Ctrl+Alt+N.
QKeySequence shortcutFromText(std::string_view text);

} // namespace morvane::MenuLayout
