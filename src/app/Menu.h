#pragma once

#include "windows/MenuHandlers.h"
#include "windows/MenuHost.h"
#include "windows/MenuItems.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QAction;
class QMainWindow;
class QMenuBar;

namespace morvane {

// The one menu bar of the program (see MenuLayout): File, Edit, View, Help. Every item is one
// QAction, found by its name; on macOS the bar is the global one, on Linux and Windows every
// document window shows its own bar with the same actions, so check marks, captions and the
// enabled state are the same everywhere.
//
// A chosen item runs the active window's handler first (when that window is a MenuHandlers);
// when it passes, the application's. Enabling: every item starts disabled, then the
// application's rule runs, then the active window's; an item no rule enables stays disabled,
// so an item is enabled only where a rule knows its command does something. The evaluation runs
// when a window is activated or the focus moves, before a menu opens, after each command, and on
// request (MenuHost::refresh, MenuTimer), so the shortcuts follow the same state.
class Menu : public QObject, public MenuItems, public MenuHost {
    Q_OBJECT

public:
    explicit Menu(QObject* parent = nullptr);
    ~Menu() override;

    // True where the platform has one menu bar for all windows (macOS).
    static bool hasGlobalMenuBar();

    // The item (or separator) of that name; none for an unknown name.
    QAction* item(std::string_view name) const;
    bool isChecked(std::string_view item) const;

    // The application's handlers and rule; they serve what the windows pass on.
    void setApplication(MenuHandlers* application);
    // Runs a chosen item as described above, then evaluates the menus.
    void run(std::string_view item);

    // The check mark of `item` as a flag that any thread may read; it outlives the menu bar.
    std::function<bool()> checkMarkFlag(std::string_view item) const;

    // Document windows that carry the menu bar, oldest first.
    QList<QMainWindow*> windows() const;

    void evaluate() override;
    void attach(QMainWindow& window) override;

    void enable(std::string_view item) override;
    void setChecked(std::string_view item, bool checked) override;
    void setCaption(std::string_view item, const QString& caption) override;

signals:
    // A document window is gone.
    void windowDestroyed();

private:
    void build();
    QMenuBar* makeMenuBar(QWidget* parent);
    QAction* findOrWarn(std::string_view item) const;
    MenuHandlers* activeHandlers() const;

    std::map<std::string, QAction*, std::less<>> m_items;
    std::map<std::string, std::shared_ptr<std::atomic<bool>>, std::less<>> m_checkFlags;
    std::unique_ptr<QMenuBar> m_globalBar;
    QList<QPointer<QMainWindow>> m_windows;
    MenuHandlers* m_application = nullptr;
};

} // namespace morvane
