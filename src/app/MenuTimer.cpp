#include "app/MenuTimer.h"

#include "app/Menu.h"

namespace morvane {

MenuTimer::MenuTimer(Menu& menu, QObject* parent) : QTimer(parent), m_menu(menu) {
    setSingleShot(true);
    connect(this, &QTimer::timeout, this, &MenuTimer::Event_Action);
    start(delayMilliseconds);
}

void MenuTimer::Event_Action() {
    m_menu.evaluate();
}

} // namespace morvane
