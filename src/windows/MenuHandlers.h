#pragma once

#include "windows/MenuItems.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace morvane {

// Menu commands served by one party: a window, or the application. A top-level widget that also
// derives from MenuHandlers takes part in menu handling while it is the active window: its
// handler for a chosen item runs first, and a false result (or no handler) passes the command on
// to the application's handlers. Its enabling rule runs after the application's rule whenever
// the menus are evaluated.
class MenuHandlers {
public:
    // Returns true when it has dealt with the command.
    using Handler = std::function<bool()>;

    MenuHandlers() = default;
    MenuHandlers(const MenuHandlers&) = delete;
    MenuHandlers& operator=(const MenuHandlers&) = delete;
    virtual ~MenuHandlers() = default;

    // Registers (or replaces) the handler of a menu item, by item name.
    void addMenuHandler(std::string item, Handler handler);
    bool hasMenuHandler(std::string_view item) const;
    // Runs the item's handler; false when there is none or it passed the command on.
    bool runMenuHandler(std::string_view item);

    // The enabling rule: enables the items this party can serve right now and sets their check
    // marks and captions. Runs whenever the menus are evaluated.
    virtual void enableMenuItems(MenuItems& items) = 0;

private:
    std::map<std::string, Handler, std::less<>> m_handlers;
};

} // namespace morvane
