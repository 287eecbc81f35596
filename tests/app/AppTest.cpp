#include "app/App.h"

#include "app/Menu.h"
#include "app/MenuTimer.h"
#include "app/PreferencesFile.h"
#include "app/SplashScreen.h"
#include "support/ModalAnswers.h"
#include "support/TestPaths.h"
#include "support/WindowTestMain.h"
#include "windows/Ausgabe2D.h"
#include "windows/Ausgabe3D.h"
#include "windows/DataWindow.h"
#include "windows/MenuHost.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QFileOpenEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <random>

namespace morvane {
namespace {

namespace fs = std::filesystem;

QString text(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// Presses Return on the about screen after checking that it is one.
test::ModalAnswers::Answer closeAboutScreen() {
    return [](QWidget& modal) {
        QVERIFY2(qobject_cast<SplashScreen*>(&modal), modal.metaObject()->className());
        test::ModalAnswers::pressKey(Qt::Key_Return)(modal);
    };
}

// A document window that serves "FileOpen" itself, passing it on when asked to.
class ServingWindow : public QMainWindow, public MenuHandlers {
public:
    explicit ServingWindow(bool passOn) {
        MenuHost::attachTo(*this);
        addMenuHandler("FileOpen", [this, passOn] {
            ++calls;
            return !passOn;
        });
    }
    void enableMenuItems(MenuItems& items) override { items.enable("FileClose"); }

    int calls = 0;
};

} // namespace

class AppTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryFolder> m_folder;
    std::unique_ptr<test::ModalAnswers> m_answers;
    std::unique_ptr<App> m_app;
    QList<QUrl> m_mailLinks;

    fs::path copyOfExample(const std::string& name = "gesteine.txt") {
        const fs::path copy = *m_folder / name;
        fs::copy_file(test::examplesDir() / "gesteine.txt", copy,
                      fs::copy_options::overwrite_existing);
        return copy;
    }

    // A new App started with the files; the about screen is closed with Return.
    App& start(const QStringList& files) {
        m_app.reset();
        m_app = std::make_unique<App>();
        m_answers->expect(closeAboutScreen());
        m_app->start(files);
        return *m_app;
    }

    QList<DataWindow*> dataWindows() const {
        QList<DataWindow*> result;
        for (QMainWindow* window : m_app->menu().windows()) {
            if (auto* data = qobject_cast<DataWindow*>(window); data && data->isVisible()) {
                result << data;
            }
        }
        return result;
    }

    QAction& action(const char* name) {
        QAction* item = m_app->menu().item(name);
        if (!item) {
            qFatal("no menu item %s", name);
        }
        return *item;
    }

    static void deleteClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static bool preferencesExist() { return QFile::exists(PreferencesFile::path()); }

    static void writePreferences(const QByteArray& bytes) {
        QFile file(PreferencesFile::path());
        QDir().mkpath(QFileInfo(file).absolutePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

public slots:
    void openMailLink(const QUrl& url) { m_mailLinks << url; }

private slots:
    void initTestCase() {
        QTest::failOnWarning(QRegularExpression("unknown menu item"));
        QDesktopServices::setUrlHandler("mailto", this, "openMailLink");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("mailto"); }

    void init() {
        m_folder = std::make_unique<test::TemporaryFolder>();
        m_answers = std::make_unique<test::ModalAnswers>();
        QFile::remove(PreferencesFile::path());
        m_mailLinks.clear();
    }

    void cleanup() {
        m_app.reset();
        deleteClosedWindows();
        QCOMPARE(m_answers->pending(), 0);
        QCOMPARE(m_answers->unexpected(), QStringList());
        m_answers.reset();
        m_folder.reset();
    }

    void opensAFileGivenOnTheCommandLine() {
        start({text(copyOfExample())});
        QCOMPARE(dataWindows().size(), 1);
        DataWindow* window = dataWindows().front();
        QCOMPARE(window->windowTitle(), QString("gesteine.txt"));
        QCOMPARE(window->Liste()->model()->headerData(1, Qt::Horizontal).toString(),
                 QString("SiO2"));
        QCOMPARE(window->Liste()->model()->rowCount(), 62);
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }

    void theSameFileTwiceGivesTwoWindows() {
        const QString file = text(copyOfExample());
        start({file, file});
        const QList<DataWindow*> windows = dataWindows();
        QCOMPARE(windows.size(), 2);
        QVERIFY(windows[0]->data() != windows[1]->data());
    }

    void unreadableFilesOpenNoWindow() {
        start({text(*m_folder / "missing.txt"), text(copyOfExample())});
        QCOMPARE(dataWindows().size(), 1);
    }

    void theAboutScreenIsLaidOutAndClosesWithReturnOrEscape() {
        SplashScreen splash;
        QCOMPARE(splash.size(), QSize(500, 350));
        QCOMPARE(splash.palette().color(QPalette::Window), QColor(0x99, 0x99, 0xFF));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.StaticText1->text(), QString("Morvane"));
        QCOMPARE(splash.StaticText1->geometry(), QRect(20, 14, 460, 40));
        QCOMPARE(splash.StaticText1->font().pointSize(), 24);
        QCOMPARE(splash.StaticText2->geometry(), QRect(20, 66, 460, 189));
        const QStringList lines = splash.StaticText2->text().split('\n');
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[3], QString("\"Nummer - Wert 1- Wert 2 - Wert 3 - Wert 4 - Farbe\""));
        QCOMPARE(lines[6], QString("Version: 24. November 2002"));
        QCOMPARE(splash.PushButton1->text(), QString("Weiter"));
        QCOMPARE(splash.PushButton1->geometry(), QRect(404, 310, 76, 20));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            m_answers->expect(test::ModalAnswers::pressKey(key));
            SplashScreen shown;
            shown.exec(); // returns only once the key has closed it
            QVERIFY(!shown.isVisible());
        }
    }

    void theMenuBarHasEveryMenuAndItem_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("FileNew") << "FileNew"
                                 << "New" << QKeySequence("Ctrl+N");
        QTest::newRow("FileClose") << "FileClose"
                                   << "Close..." << QKeySequence("Ctrl+W");
        QTest::newRow("FileSave") << "FileSave"
                                  << "Save as..." << QKeySequence("Ctrl+Shift+S");
        QTest::newRow("FilePageSetup") << "FilePageSetup"
                                       << "Page Setup..." << QKeySequence("Ctrl+Shift+P");
        QTest::newRow("FileQuit") << "FileQuit"
                                  << "Quit" << QKeySequence("Ctrl+Q");
        QTest::newRow("EditCopyvectorimage") << "EditCopyvectorimage"
                                             << "Copy vector image" << QKeySequence("Ctrl+Alt+C");
        QTest::newRow("EditClear") << "EditClear"
                                   << "Clear" << QKeySequence();
        QTest::newRow("View2DGraph") << "View2DGraph"
                                     << "&2D Graph" << QKeySequence("Ctrl+2");
        QTest::newRow("ViewNormierteWertezeigen")
            << "ViewNormierteWertezeigen"
            << "&Normierte Werte zeigen" << QKeySequence("Ctrl+Alt+N");
        QTest::newRow("ViewLinienglatten")
            << "ViewLinienglatten" << QString::fromUtf8("Linien glätten")
            << QKeySequence("Ctrl+Alt+L");
        QTest::newRow("ViewBildaufzweitenBildschirm")
            << "ViewBildaufzweitenBildschirm"
            << "Bild auf zweiten Bildschirm" << QKeySequence("Ctrl+Shift+F");
        QTest::newRow("HelpEmailanAuthorProgrammierung")
            << "HelpEmailanAuthorProgrammierung"
            << "Email an Tarnewik, Programmierung" << QKeySequence();
        QTest::newRow("AppleAbout")
            << "AppleAbout" << QString::fromUtf8("Über dieses Programm...") << QKeySequence();
    }

    void theMenuBarHasEveryMenuAndItem() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        Menu menu;
        const QAction* action = menu.item(item.toStdString());
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        QVERIFY(!action->isChecked());
    }

    void everyWindowShowsTheSameItems() {
        const QString file = text(copyOfExample());
        start({file, file});
        const QList<DataWindow*> windows = dataWindows();
        QStringList titles;
        QList<QList<QAction*>> itemsPerWindow;
        for (DataWindow* window : windows) {
            QList<QAction*> items;
            titles.clear();
            for (QAction* menuAction : window->menuBar()->actions()) {
                titles << menuAction->text();
                items << menuAction->menu()->actions();
            }
            itemsPerWindow << items;
        }
        QCOMPARE(titles, QStringList({"File", "Edit", "&View", "Help"}));
        QCOMPARE(itemsPerWindow[0], itemsPerWindow[1]);
        QStringList fileMenu;
        for (QAction* item : windows[0]->menuBar()->actions().front()->menu()->actions()) {
            fileMenu << item->objectName();
        }
        QCOMPARE(fileMenu, QStringList({"FileNew", "FileOpen", "FileClose", "FileSave2", "FileSave",
                                        "UntitledMenu8", "FilePageSetup", "FilePrint",
                                        "UntitledMenu7", "FileQuit"}));
        QVERIFY(m_app->menu().item("UntitledMenu8")->isSeparator());
    }

    void saveIsEnabledOnlyAfterAChange() {
        start({text(copyOfExample())});
        DataWindow* window = dataWindows().front();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        for (const char* enabled : {"FileClose", "FileSave", "FileOpen", "FilePageSetup",
                                    "ViewNormierteWertezeigen", "ViewLinienglatten", "AppleAbout",
                                    "FileQuit", "HelpEmailanAuthorGeologie", "View3DGraph"}) {
            QVERIFY2(action(enabled).isEnabled(), enabled);
        }
        for (const char* disabled :
             {"FileSave2", "FileNew", "FilePrint", "EditCopy", "EditCopyimage", "ViewFilmen",
              "ViewFarbpalette", "ViewBildauferstenBildschirm"}) {
            QVERIFY2(!action(disabled).isEnabled(), disabled);
        }
        QCOMPARE(action("FileSave2").text(), QString("Save..."));

        // A graph recolours a row while another window is in front; the data window comes
        // back to the front.
        QWidget graph;
        graph.show();
        graph.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &graph);
        window->data()->row(1).farbe = 9;
        window->data()->changed = 2;
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QVERIFY(action("FileSave2").isEnabled());
        QCOMPARE(window->data()->changed, 1);
        QCOMPARE(window->Liste()->model()->index(0, 5).data().toString(), QString("9"));
    }

    void theGraphShortcutsOpenGraphWindowsOnTheSameData() {
        start({text(copyOfExample())});
        DataWindow* list = dataWindows().front();
        QTRY_COMPARE(QApplication::activeWindow(), list);
        QTest::keyClick(list->Liste(), Qt::Key_3, Qt::ControlModifier);
        list->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), list);
        QTest::keyClick(list->Liste(), Qt::Key_3, Qt::ControlModifier);
        list->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), list);
        QTest::keyClick(list->Liste(), Qt::Key_2, Qt::ControlModifier);
        QList<Ausgabe3D*> graphs;
        QList<Ausgabe2D*> triangles;
        for (QMainWindow* window : m_app->menu().windows()) {
            if (auto* graph = qobject_cast<Ausgabe3D*>(window)) {
                graphs << graph;
            } else if (auto* triangle = qobject_cast<Ausgabe2D*>(window)) {
                triangles << triangle;
            }
        }
        QCOMPARE(graphs.size(), 2);
        QCOMPARE(triangles.size(), 1);
        QVERIFY(triangles.front()->isVisible());
        QCOMPARE(triangles.front()->windowTitle(), QString("Grafische Darstellung in 2D"));
        QCOMPARE(triangles.front()->data()->data, list->data());
        for (Ausgabe3D* graph : graphs) {
            QVERIFY(graph->isVisible());
            QCOMPARE(graph->windowTitle(), QString("Grafische Darstellung in 3D"));
            QCOMPARE(graph->data()->data, list->data());
            QVERIFY(graph->bild());
        }

        // In front, a graph window serves closing and its colour buttons; the picture output
        // stays disabled.
        Ausgabe3D* graph = graphs.back();
        graph->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), graph);
        QVERIFY(action("FileClose").isEnabled());
        QVERIFY(action("ViewFarbpalette").isEnabled());
        QVERIFY(action("ViewFarbpalette").isChecked());
        QCOMPARE(action("FileSave2").text(), QString("Save graphic..."));
        for (const char* disabled :
             {"FileSave2", "FilePrint", "EditCopyimage", "EditCopyvectorimage", "ViewFilmen",
              "ViewBildauferstenBildschirm", "ViewBildaufzweitenBildschirm", "View3DGraph",
              "View2DGraph", "FileSave", "ViewNormierteWertezeigen"}) {
            QVERIFY2(!action(disabled).isEnabled(), disabled);
        }
        QTest::keyClick(graph, Qt::Key_F, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!graph->farbenvisible());
        QVERIFY(!action("ViewFarbpalette").isChecked());
        const QPointer<Ausgabe3D> closing(graph);
        QTest::keyClick(graph, Qt::Key_W, Qt::ControlModifier);
        deleteClosedWindows();
        QVERIFY(!closing);
        QVERIFY(list->isVisible());
    }

    void shortcutsReachTheWindowInFront() {
        const fs::path file = copyOfExample();
        start({text(file)});
        DataWindow* window = dataWindows().front();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QTest::keyClick(window->Liste(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(window->showsNormalisedValues());
        QCOMPARE(window->width(), 600);
        QVERIFY(action("ViewNormierteWertezeigen").isChecked());
        // Ctrl+S writes nothing while the data are unchanged (the item is disabled), and
        // writes the file once they have changed.
        fs::remove(file);
        QTest::keyClick(window->Liste(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!fs::exists(file));
        window->data()->changed = 1;
        MenuHost::refresh();
        QTest::keyClick(window->Liste(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(fs::exists(file));
        QCOMPARE(window->data()->changed, 0);
        QTest::keyClick(window->Liste(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!window->showsNormalisedValues());
        QVERIFY(!action("ViewNormierteWertezeigen").isChecked());
    }

    void theWindowInFrontServesFirstAndMayPassOn() {
        start({text(copyOfExample())});
        for (const bool passOn : {false, true}) {
            ServingWindow window(passOn);
            window.show();
            window.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &window);
            if (passOn) {
                m_answers->expect(test::ModalAnswers::cancel()); // the application's dialog
            }
            action("FileOpen").trigger();
            QCOMPARE(window.calls, 1);
            QCOMPARE(m_answers->pending(), 0);
            window.activateWindow(); // back from the dialog
            QTRY_VERIFY(action("FileClose").isEnabled());
            // Its rule replaced the data window's: "Save as..." is not enabled here.
            QVERIFY(!action("FileSave").isEnabled());
        }
    }

    void theHelpItemsOpenMailLinks() {
        start({text(copyOfExample())});
        action("HelpEmailanAuthorGeologie").trigger();
        action("HelpEmailanAuthorProgrammierung").trigger();
        QCOMPARE(m_mailLinks, QList<QUrl>({QUrl("mailto:brisolt@example.org"),
                                           QUrl("mailto:tarnewik@example.org")}));
    }

    void theAboutItemShowsTheAboutScreenAndStartsTheMenuTimer() {
        start({text(copyOfExample())});
        DataWindow* window = dataWindows().front();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        m_answers->expect(closeAboutScreen());
        action("AppleAbout").trigger();
        QCOMPARE(m_answers->pending(), 0);
        const MenuTimer* timer = m_app->menutimer();
        QVERIFY(timer && timer->isSingleShot());
        QCOMPARE(timer->interval(), 100);
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QVERIFY(action("FileSave").isEnabled());
        // A change nobody announces shows once the timer has re-evaluated the menus.
        window->data()->changed = 1;
        const_cast<MenuTimer*>(timer)->start();
        QTRY_VERIFY(action("FileSave2").isEnabled());
    }

    void toggledSmoothingSurvivesARestart() {
        start({text(copyOfExample())});
        const std::function<bool()> smoothing = m_app->smoothing();
        QVERIFY(!smoothing());
        action("ViewLinienglatten").trigger();
        QVERIFY(action("ViewLinienglatten").isChecked());
        QVERIFY(smoothing());
        action("ViewLinienglatten").trigger();
        action("ViewLinienglatten").trigger(); // twice leaves it as it was
        QVERIFY(m_app->quit());
        QVERIFY(preferencesExist());
        m_app.reset();
        QVERIFY(smoothing()); // the flag outlives the application

        start({text(copyOfExample())});
        QVERIFY(action("ViewLinienglatten").isChecked());
        QVERIFY(m_app->smoothing()());
        action("ViewLinienglatten").trigger();
        QVERIFY(m_app->quit());
        start({text(copyOfExample())});
        QVERIFY(!action("ViewLinienglatten").isChecked());
    }

    void thePageSetupSurvivesARestart_data() {
        QTest::addColumn<QPageLayout>("layout");
        QTest::newRow("Letter landscape, millimetres")
            << QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                           QMarginsF(12.5, 20, 7, 9), QPageLayout::Millimeter);
        QTest::newRow("custom size, points")
            << QPageLayout(QPageSize(QSizeF(123.4, 210), QPageSize::Millimeter),
                           QPageLayout::Portrait, QMarginsF(30, 31, 32, 33), QPageLayout::Point);
    }

    void thePageSetupSurvivesARestart() {
        QFETCH(QPageLayout, layout);
        start({text(copyOfExample())});
        QVERIFY(m_app->printer()->setPageLayout(layout));
        QVERIFY(m_app->quit());
        start({text(copyOfExample())});
        const QPageLayout restored = m_app->printer()->pageLayout();
        QVERIFY2(restored.isEquivalentTo(layout), qPrintable(restored.pageSize().name()));
        QCOMPARE(restored.units(), layout.units());
    }

    void preferenceFilesReadAsFarAsTheyMakeSense_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("smoothing");
        std::mt19937 random(4711);
        QByteArray noise(300, '\0');
        for (char& byte : noise) {
            byte = static_cast<char>(random());
        }
        const QByteArray validLength = QByteArray::fromHex("00000005");
        QTest::newRow("5 bytes, Length 0, smoothing 1")
            << QByteArray::fromHex("0000000001") << true;
        QTest::newRow("smoothing byte 2 is off") << QByteArray::fromHex("0000000002") << false;
        QTest::newRow("negative Length") << QByteArray::fromHex("fffffffb01") << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("3 bytes") << QByteArray::fromHex("000000") << false;
        QTest::newRow("Length 0 without smoothing byte")
            << QByteArray::fromHex("00000000") << false;
        QTest::newRow("Length past the end")
            << QByteArray::fromHex("0000006468656c6c6f01") << false;
        QTest::newRow("huge Length") << QByteArray::fromHex("7fffffff01") << false;
        QTest::newRow("garbage setup, smoothing kept") << validLength + "abcde" + '\1' << true;
        QTest::newRow("noise") << noise << false;
    }

    void preferenceFilesReadAsFarAsTheyMakeSense() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, smoothing);
        writePreferences(bytes);
        start({text(copyOfExample())});
        QCOMPARE(action("ViewLinienglatten").isChecked(), smoothing);
        QVERIFY(m_app->printer()->pageLayout().isEquivalentTo(QPrinter().pageLayout()));
    }

    void theFileIsLengthSetupAndSmoothing() {
        start({text(copyOfExample())});
        action("ViewLinienglatten").trigger();
        QVERIFY(m_app->quit());
        QFile file(PreferencesFile::path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const qint32 length = qFromBigEndian<qint32>(bytes.constData());
        QVERIFY(length > 0);
        QCOMPARE(bytes.size(), length + 5);
        QCOMPARE(bytes.back(), '\1');
    }

    void quittingStopsWhenTheQuestionIsCancelled() {
        start({text(copyOfExample())});
        DataWindow* window = dataWindows().front();
        window->data()->changed = 1;
        m_answers->expect(test::ModalAnswers::clickButton("CancelButton"));
        QVERIFY(!m_app->quit());
        QVERIFY(window->isVisible());
        QVERIFY(!m_app->hasEnded());
        QVERIFY(!preferencesExist());

        m_answers->expect(test::ModalAnswers::clickButton("DontButton"));
        action("FileQuit").trigger();
        QVERIFY(m_app->hasEnded());
        QVERIFY(preferencesExist());
        deleteClosedWindows();
        QVERIFY(dataWindows().isEmpty());
    }

    void quittingAsksEveryChangedWindow() {
        const QString file = text(copyOfExample());
        start({file, file, file});
        const QList<DataWindow*> windows = dataWindows();
        windows[0]->data()->changed = 1;
        windows[2]->data()->changed = 2;
        m_answers->expect(test::ModalAnswers::clickButton("DontButton"));
        m_answers->expect(test::ModalAnswers::clickButton("DontButton"));
        QVERIFY(m_app->quit());
        deleteClosedWindows();
        QVERIFY(dataWindows().isEmpty());
    }

    void aFailedSaveStopsQuittingAndKeepsTheChanges() {
        const fs::path folder = *m_folder / "gone";
        fs::create_directories(folder);
        fs::copy_file(test::examplesDir() / "gesteine.txt", folder / "gesteine.txt");
        start({text(folder / "gesteine.txt")});
        fs::remove_all(folder);
        DataWindow* window = dataWindows().front();
        window->data()->row(2).farbe = 3;
        window->data()->changed = 1;
        QString message;
        m_answers->expect(test::ModalAnswers::clickButton("SaveButton"));
        m_answers->expect(test::ModalAnswers::acknowledgeMessage(&message));
        QVERIFY(!m_app->quit());
        QVERIFY(message.contains("gesteine.txt"));
        QVERIFY(window->isVisible());
        QCOMPARE(window->data()->changed, 1);
        QCOMPARE(window->data()->row(2).farbe, 3);
        QVERIFY(!m_app->hasEnded());
    }

    void filesHandedOverLaterOpenToo() {
        start({text(copyOfExample())});
        QCoreApplication::postEvent(qApp, new QFileOpenEvent(text(copyOfExample("b.txt"))));
        QTRY_COMPARE(dataWindows().size(), 2);
        QCOMPARE(dataWindows().back()->windowTitle(), QString("b.txt"));
    }

    void aFileHandedOverDuringTheAboutScreenClosesIt() {
        m_app.reset();
        m_app = std::make_unique<App>();
        const QString file = text(copyOfExample());
        m_answers->expect([file](QWidget& modal) {
            QVERIFY(qobject_cast<SplashScreen*>(&modal));
            QCoreApplication::postEvent(qApp, new QFileOpenEvent(file));
        });
        m_app->start({});
        QCOMPARE(dataWindows().size(), 1);
        QCOMPARE(dataWindows().front()->windowTitle(), QString("gesteine.txt"));
    }

    void withoutFilesTheOpenDialogOffersTextFiles() {
        QStringList filters;
        m_app.reset();
        m_app = std::make_unique<App>();
        m_answers->expect(closeAboutScreen());
        m_answers->expect(test::ModalAnswers::chooseFile(text(copyOfExample()), &filters));
        m_app->start({});
        QCOMPARE(dataWindows().size(), 1);
        QCOMPARE(filters.size(), 2);
        QCOMPARE(filters[0], QString("Text files (*.txt) (*.asc *.ascii *.bas *.c *.class *.cp "
                                     "*.cpp *.h *.hp *.hpp *.i3 *.java *.m2 *.m3 *.mak *.text "
                                     "*.txt)"));
        QCOMPARE(filters[1], QString("All files (*)"));
        // "New" with a window open would do nothing, so it is disabled and does nothing.
        QVERIFY(!action("FileNew").isEnabled());
        m_app->Event_NewDocument();
    }

    void withoutWindowsTheProgramEnds() {
        if (Menu::hasGlobalMenuBar()) {
            QSKIP("the global menu bar keeps the program reachable without windows");
        }
        m_app.reset();
        m_app = std::make_unique<App>();
        m_answers->expect(closeAboutScreen());
        m_answers->expect(test::ModalAnswers::cancel());
        m_app->start({});
        QVERIFY(m_app->hasEnded());
        QVERIFY(preferencesExist());

        start({text(copyOfExample())});
        QVERIFY(!m_app->hasEnded());
        QTRY_COMPARE(QApplication::activeWindow(), dataWindows().front());
        action("FileClose").trigger();
        QTRY_VERIFY(m_app->hasEnded());
    }
};

} // namespace morvane

MORVANE_QTTEST_MAIN(morvane::AppTest)
#include "AppTest.moc"
