#include "app/Menu.h"

#include "app/MenuLayout.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

namespace morvane {
namespace {

// The check mark of this item is program state (line smoothing), set only by its handler and
// the preferences; every other check mark belongs to the rule of the window in front.
constexpr std::string_view stateCheckMark = "ViewLinienglatten";

// Items that show a check mark at some time; they are checkable from the start.
bool carriesCheckMark(std::string_view item) {
    return item == "ViewLinienglatten" || item == "ViewNormierteWertezeigen" ||
           item == "ViewFarbpalette";
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

Menu::Menu(QObject* parent) : QObject(parent) {
    build();
    if (hasGlobalMenuBar()) {
        m_globalBar.reset(makeMenuBar(nullptr));
    }
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    connect(application, &QGuiApplication::focusWindowChanged, this, &Menu::evaluate);
    connect(application, &QApplication::focusChanged, this, &Menu::evaluate);
}

Menu::~Menu() = default;

bool Menu::hasGlobalMenuBar() {
#ifdef Q_OS_MACOS
    return true;
#else
    return false;
#endif
}

void Menu::build() {
    for (const MenuLayout::Menu& menu : MenuLayout::menus()) {
        for (const MenuLayout::Item& entry : menu.items) {
            // A separator's "-" is no caption: some styles would show it as a section title.
            auto* action = new QAction(entry.isSeparator() ? QString() : text(entry.caption), this);
            const std::string name(entry.name);
            action->setObjectName(text(entry.name));
            if (entry.isSeparator()) {
                action->setSeparator(true);
                m_items.emplace(name, action);
                continue;
            }
            action->setShortcut(MenuLayout::shortcutFromText(entry.shortcut));
            action->setMenuRole(entry.role);
            action->setEnabled(false);
            if (carriesCheckMark(entry.name)) {
                action->setCheckable(true);
                auto flag = std::make_shared<std::atomic<bool>>(false);
                connect(action, &QAction::toggled, this, [flag](bool on) { flag->store(on); });
                m_checkFlags.emplace(name, std::move(flag));
            }
            connect(action, &QAction::triggered, this, [this, action, name](bool checked) {
                // Qt has already flipped a checkable item; check marks change only through
                // handlers and rules.
                if (action->isCheckable()) {
                    action->setChecked(!checked);
                }
                run(name);
            });
            m_items.emplace(name, action);
        }
    }
}

QMenuBar* Menu::makeMenuBar(QWidget* parent) {
    auto* bar = new QMenuBar(parent);
    bar->setObjectName("MenuBar");
    for (const MenuLayout::Menu& menu : MenuLayout::menus()) {
        QMenu* shown = bar->addMenu(text(menu.caption));
        shown->setObjectName(text(menu.name));
        for (const MenuLayout::Item& entry : menu.items) {
            shown->addAction(item(entry.name));
        }
        connect(shown, &QMenu::aboutToShow, this, &Menu::evaluate);
    }
    return bar;
}

QAction* Menu::item(std::string_view name) const {
    const auto found = m_items.find(name);
    return found == m_items.end() ? nullptr : found->second;
}

QAction* Menu::findOrWarn(std::string_view name) const {
    QAction* action = item(name);
    if (!action) {
        qWarning("Menu: unknown menu item %.*s", static_cast<int>(name.size()), name.data());
    }
    return action;
}

bool Menu::isChecked(std::string_view name) const {
    const QAction* action = item(name);
    return action && action->isChecked();
}

std::function<bool()> Menu::checkMarkFlag(std::string_view name) const {
    const auto found = m_checkFlags.find(name);
    if (found == m_checkFlags.end()) {
        return [] {
            return false;
        };
    }
    return [flag = found->second] {
        return flag->load();
    };
}

void Menu::setApplication(MenuHandlers* application) {
    m_application = application;
}

MenuHandlers* Menu::activeHandlers() const {
    // A hidden window is no longer in front, even while it still counts as active (it may be
    // on its way out).
    QWidget* window = QApplication::activeWindow();
    return window && window->isVisible() ? dynamic_cast<MenuHandlers*>(window) : nullptr;
}

void Menu::run(std::string_view name) {
    const QPointer<Menu> alive(this);
    bool done = false;
    if (MenuHandlers* window = activeHandlers()) {
        done = window->runMenuHandler(name);
    }
    if (!done && m_application) {
        m_application->runMenuHandler(name);
    }
    if (alive) {
        evaluate();
    }
}

void Menu::evaluate() {
    for (const auto& [name, action] : m_items) {
        if (action->isSeparator()) {
            continue;
        }
        action->setEnabled(false);
        if (action->isCheckable() && name != stateCheckMark) {
            action->setChecked(false);
        }
    }
    if (m_application) {
        m_application->enableMenuItems(*this);
    }
    if (MenuHandlers* window = activeHandlers()) {
        window->enableMenuItems(*this);
    }
}

void Menu::attach(QMainWindow& window) {
    if (!hasGlobalMenuBar()) {
        window.setMenuBar(makeMenuBar(&window));
    }
    m_windows.append(QPointer<QMainWindow>(&window));
    connect(&window, &QObject::destroyed, this, [this](QObject* gone) {
        m_windows.removeIf([gone](const QPointer<QMainWindow>& each) {
            return each.isNull() || static_cast<QObject*>(each.data()) == gone;
        });
        emit windowDestroyed();
        // "New" depends on the windows that are left; evaluate once the window is gone.
        QMetaObject::invokeMethod(this, &Menu::evaluate, Qt::QueuedConnection);
    });
}

QList<QMainWindow*> Menu::windows() const {
    QList<QMainWindow*> alive;
    for (const QPointer<QMainWindow>& window : m_windows) {
        if (window) {
            alive.append(window.data());
        }
    }
    return alive;
}

void Menu::enable(std::string_view name) {
    if (QAction* action = findOrWarn(name)) {
        action->setEnabled(true);
    }
}

void Menu::setChecked(std::string_view name, bool checked) {
    if (QAction* action = findOrWarn(name)) {
        action->setCheckable(action->isCheckable() || checked);
        action->setChecked(checked);
    }
}

void Menu::setCaption(std::string_view name, const QString& caption) {
    if (QAction* action = findOrWarn(name)) {
        action->setText(caption);
    }
}

} // namespace morvane
