#include "app/App.h"

#include "app/MenuTimer.h"
#include "app/PageLayoutText.h"
#include "app/PreferencesFile.h"
#include "app/SplashScreen.h"
#include "app/TextEditing.h"
#include "base/Mathe.h"
#include "draw/qt/BundledFonts.h"
#include "draw/qt/QtDiagramServices.h"
#include "draw/qt/QtPictClipboard.h"
#include "windows/Ausgabe2D.h"
#include "windows/Ausgabe3D.h"
#include "windows/DataWindow.h"
#include "windows/PathText.h"

#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileOpenEvent>
#include <QMainWindow>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QUrl>
#include <algorithm>

namespace morvane {
App::App(QObject* parent) : QObject(parent) {
    // Step 1, the file types: nothing to register with the platform here; the dialogs take
    // their filters from FileTypes. Step 2, the menu bar, is m_menu.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    registerBundledFonts(); // pictures measure and draw text in the same face everywhere
    m_menu.setApplication(this);
    addMenuHandlers();
    DataWindow::setGraphOpener(DataWindow::GraphKind::Tetrahedron3D,
                               [this](std::shared_ptr<Dataset> data) {
                                   Ausgabe3D::open(std::move(data), diagramServices());
                               });
    DataWindow::setGraphOpener(DataWindow::GraphKind::Triangle2D,
                               [this](std::shared_ptr<Dataset> data) {
                                   Ausgabe2D::open(std::move(data), diagramServices());
                               });
    QCoreApplication::instance()->installEventFilter(this);
    connect(&m_menu, &Menu::windowDestroyed, this, &App::endWithoutWindows, Qt::QueuedConnection);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &App::Event_Close);
    m_menu.evaluate();
}

App::~App() {
    DataWindow::setGraphOpener(DataWindow::GraphKind::Tetrahedron3D, {});
    DataWindow::setGraphOpener(DataWindow::GraphKind::Triangle2D, {});
    QCoreApplication::instance()->removeEventFilter(this);
    disconnect(&m_menu, nullptr, this, nullptr);
    for (QMainWindow* window : m_menu.windows()) {
        delete window;
    }
}

void App::addMenuHandlers() {
    addMenuHandler("FileNew", [this] {
        Event_NewDocument();
        return true;
    });
    addMenuHandler("FileOpen", [this] {
        openfile();
        return true;
    });
    addMenuHandler("FilePageSetup", [this] {
        if (m_printer) {
            QPageSetupDialog dialog(m_printer.get(), nullptr);
            dialog.exec();
        }
        return true;
    });
    addMenuHandler("HelpEmailanAuthorGeologie", [] {
        QDesktopServices::openUrl(QUrl(mailGeology));
        return true;
    });
    addMenuHandler("HelpEmailanAuthorProgrammierung", [] {
        QDesktopServices::openUrl(QUrl(mailProgramming));
        return true;
    });
    addMenuHandler("ViewLinienglatten", [this] {
        m_menu.setChecked("ViewLinienglatten", !m_menu.isChecked("ViewLinienglatten"));
        return true;
    });
    addMenuHandler("AppleAbout", [this] {
        showAbout();
        return true;
    });
    // The platform's own items: quitting, and text editing in the focused text field.
    addMenuHandler("FileQuit", [this] {
        quit();
        return true;
    });
    for (const char* item : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
        addMenuHandler(item, [item] { return TextEditing::run(item); });
    }
}

void App::enableMenuItems(MenuItems& items) {
    for (const char* item :
         {"FilePageSetup", "FileOpen", "HelpEmailanAuthorGeologie",
          "HelpEmailanAuthorProgrammierung", "ViewLinienglatten", "AppleAbout", "FileQuit"}) {
        items.enable(item);
    }
    // "New" opens a file only while no window is open; otherwise it would do nothing.
    if (!hasDocumentWindows()) {
        items.enable("FileNew");
    }
    TextEditing::enableMenuItems(items);
}

void App::start(const QStringList& files) {
    m_starting = true;
    Event_Open();
    m_starting = false;
    const QStringList documents = files + m_filesDuringStartUp;
    m_filesDuringStartUp.clear();
    if (documents.isEmpty()) {
        Event_NewDocument();
    }
    for (const QString& file : documents) {
        Event_OpenDocument(file);
    }
    m_started = true;
    endWithoutWindows();
}

void App::Event_Open() {
    showAbout();
    Mathe::InitMathe();
    m_printer = std::make_unique<QPrinter>();
    loadpref();
}

void App::Event_Close() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    savepref();
}

DataWindow* App::Event_OpenDocument(const QString& item) {
    closeAboutScreenInFront();
    if (m_starting) {
        // Handed over while the about screen was up: opened once start-up has finished.
        m_filesDuringStartUp.append(item);
        return nullptr;
    }
    auto* window = new DataWindow(); // hidden; deletes itself when closed
    std::string error;
    if (!window->loadfile(PathText::toPath(item), &error)) {
        qWarning().noquote() << "morvane: cannot open" << item << "-"
                             << QString::fromStdString(error);
        delete window;
        return nullptr;
    }
    window->show();
    window->raise();
    window->activateWindow();
    m_menu.evaluate();
    return window;
}

void App::Event_NewDocument() {
    if (!hasDocumentWindows()) {
        openfile();
    }
}

void App::openfile() {
    const QString chosen = QFileDialog::getOpenFileName(nullptr, "Open textfile", QString(),
                                                        DataWindow::textFileFilters());
    if (!chosen.isEmpty()) {
        Event_OpenDocument(chosen);
    }
}

void App::showAbout() {
    SplashScreen splash;
    m_splash = &splash;
    connect(&splash, &QDialog::finished, this, &App::enablemenu);
    splash.exec();
}

void App::closeAboutScreenInFront() {
    if (m_splash && QApplication::activeModalWidget() == m_splash) {
        m_splash->reject();
    }
}

void App::enablemenu() {
    m_menutimer = std::make_unique<MenuTimer>(m_menu);
}

bool App::quit() {
    if (m_quitting || m_closed) {
        return false;
    }
    m_quitting = true;
    for (const QPointer<QMainWindow> window : m_menu.windows()) {
        if (window && window->isVisible() && !window->close()) {
            m_quitting = false;
            return false;
        }
    }
    Event_Close();
    QCoreApplication::quit();
    return true;
}

void App::endWithoutWindows() {
    if (Menu::hasGlobalMenuBar() || !m_started || m_quitting || m_closed || hasDocumentWindows()) {
        return;
    }
    Event_Close();
    QCoreApplication::quit();
}

bool App::hasDocumentWindows() const {
    const QList<QMainWindow*> windows = m_menu.windows();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QMainWindow* window) { return window->isVisible(); });
}

void App::loadpref() {
    const PreferencesFile::Record record = PreferencesFile::read(PreferencesFile::path());
    if (record.setup && m_printer) {
        if (const auto layout = PageLayoutText::parse(*record.setup)) {
            m_printer->setPageLayout(*layout);
        }
    }
    m_menu.setChecked("ViewLinienglatten", record.smoothing);
}

void App::savepref() {
    const QByteArray setup =
        m_printer ? PageLayoutText::serialise(m_printer->pageLayout()) : QByteArray();
    PreferencesFile::write(PreferencesFile::path(),
                           PreferencesFile::encode(setup, m_menu.isChecked("ViewLinienglatten")));
}

std::function<bool()> App::smoothing() const {
    return m_menu.checkMarkFlag("ViewLinienglatten");
}

DiagramServices App::diagramServices() const {
    static const auto clipboard = std::make_shared<QtPictClipboard>();
    return qtDiagramServices(smoothing(), clipboard);
}

bool App::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::FileOpen) {
        Event_OpenDocument(static_cast<QFileOpenEvent*>(event)->file());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace morvane
