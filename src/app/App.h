#pragma once

#include "app/Menu.h"
#include "draw/DiagramServices.h"
#include "windows/MenuHandlers.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;

namespace morvane {

class DataWindow;
class MenuTimer;
class SplashScreen;

// The application: builds the one menu bar and serves the application's items, opens measurement
// files into data windows, keeps the page setup (`printer`) and the smoothing flag, and reads
// and writes them as the preferences. Create it after the QApplication; start() runs start-up.
//
// Files handed over by the desktop (QFileOpenEvent, also posted for files dropped on a window)
// open like files from the command line. Where every window carries its own menu bar (Linux,
// Windows), the program ends normally once its last document window is gone, since nothing of
// it would be left to reach; on macOS it keeps running without windows.
class App : public QObject, public MenuHandlers {
    Q_OBJECT

public:
    static constexpr const char* mailGeology = "mailto:brisolt@example.org";
    static constexpr const char* mailProgramming = "mailto:tarnewik@example.org";

    // Start-up steps 1 to 3: the file types, the menu bar, the application's handlers.
    explicit App(QObject* parent = nullptr);
    // Deletes the windows still open, without questions.
    ~App() override;

    // Start-up steps 4 and 5: Event_Open (about screen, pi, printer, preferences), then one
    // Event_OpenDocument per file, or Event_NewDocument without files.
    void start(const QStringList& files);

    void Event_Open();
    // The program ends: writes the preferences. Runs once.
    void Event_Close();
    // Opens the file in a new data window; none when it cannot be read (the reason goes to the
    // diagnostic output, the user sees no window and no message).
    DataWindow* Event_OpenDocument(const QString& item);
    // The open dialog, when no window is open.
    void Event_NewDocument();

    void enableMenuItems(MenuItems& items) override;

    // Quits: closes every window, each data window asking its save question; a cancelled
    // question or a failed save stops the quitting (false). Then Event_Close, and the event loop
    // ends.
    bool quit();
    // Shows the about screen modally; its closing starts the menu timer.
    void showAbout();
    // Lets the user choose a text file and opens it.
    void openfile();
    void enablemenu();
    void loadpref();
    void savepref();

    Menu& menu() { return m_menu; }
    // The page setup; none before Event_Open has made it.
    QPrinter* printer() const { return m_printer.get(); }
    // The check mark of "Linien glätten" for the diagrams (DiagramServices::smoothing); any
    // thread may call it, and it stays valid after the application is gone.
    std::function<bool()> smoothing() const;
    // What the diagram models of the graph windows draw with: Qt pictures, smoothing(), the
    // system's long date and vector recorders on the system clipboard.
    DiagramServices diagramServices() const;
    const MenuTimer* menutimer() const { return m_menutimer.get(); }
    // True once the program has ended (Event_Close has run).
    bool hasEnded() const { return m_closed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addMenuHandlers();
    void closeAboutScreenInFront();
    void endWithoutWindows();
    bool hasDocumentWindows() const;

    Menu m_menu;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<MenuTimer> m_menutimer;
    QPointer<SplashScreen> m_splash;
    QStringList m_filesDuringStartUp;
    bool m_starting = false;
    bool m_started = false;
    bool m_quitting = false;
    bool m_closed = false;
};

} // namespace morvane
