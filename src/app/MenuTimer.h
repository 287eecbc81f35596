#pragma once

#include <QTimer>

namespace morvane {

class Menu;

// One-shot timer that re-evaluates every menu item 100 ms after it was made (started by the
// about screen's closing, so that the menus are right once start-up has gone on).
class MenuTimer : public QTimer {
    Q_OBJECT

public:
    static constexpr int delayMilliseconds = 100;

    explicit MenuTimer(Menu& menu, QObject* parent = nullptr);

    void Event_Action();

private:
    Menu& m_menu;
};

} // namespace morvane
