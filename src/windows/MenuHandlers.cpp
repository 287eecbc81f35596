#include "windows/MenuHandlers.h"

namespace morvane {

void MenuHandlers::addMenuHandler(std::string item, Handler handler) {
    m_handlers.insert_or_assign(std::move(item), std::move(handler));
}

bool MenuHandlers::hasMenuHandler(std::string_view item) const {
    return m_handlers.find(item) != m_handlers.end();
}

bool MenuHandlers::runMenuHandler(std::string_view item) {
    const auto found = m_handlers.find(item);
    if (found == m_handlers.end() || !found->second) {
        return false;
    }
    // A copy: the handler may close and destroy its window, and with it this map.
    const Handler handler = found->second;
    return handler();
}

} // namespace morvane
