#pragma once

class QMainWindow;

namespace morvane {

// The application's one menu bar as the windows reach it. Menu (src/app) is the only
// implementation and registers itself while it exists; without one (window tests) the static
// helpers do nothing.
class MenuHost {
public:
    MenuHost(const MenuHost&) = delete;
    MenuHost& operator=(const MenuHost&) = delete;

    // The menu bar of this process, or none.
    static MenuHost* current();
    // Gives a document window the menu bar's items: its own menu bar showing the shared items
    // on Linux and Windows, nothing on macOS where the one bar is global. Call once, from the
    // window's constructor, before the window is sized.
    static void attachTo(QMainWindow& window);
    // Evaluates the enabled state, check marks and captions of every item now, so that
    // shortcuts follow a change that no command or activation announced.
    static void refresh();

protected:
    MenuHost();
    virtual ~MenuHost();

    virtual void attach(QMainWindow& window) = 0;
    virtual void evaluate() = 0;
};

} // namespace morvane
