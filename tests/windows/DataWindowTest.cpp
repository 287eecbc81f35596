#include "windows/DataWindow.h"

#include "support/ModalAnswers.h"
#include "support/RecordingMenuItems.h"
#include "support/TestPaths.h"
#include "support/WindowTestMain.h"
#include "windows/FileDrops.h"
#include "windows/SaveQuestionDialog.h"

#include <QFileOpenEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QUrl>

namespace morvane {
namespace {

namespace fs = std::filesystem;

using test::evaluate;
using test::RecordingMenuItems;

QStringList headings(const DataWindow& window) {
    QStringList result;
    const QAbstractItemModel* model = window.Liste()->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        result << model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    return result;
}

QStringList rowCells(const DataWindow& window, int row) {
    QStringList result;
    const QAbstractItemModel* model = window.Liste()->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        result << model->index(row, column).data().toString();
    }
    return result;
}

} // namespace

class DataWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryFolder> m_folder;
    QPointer<DataWindow> m_window;

    fs::path example() const { return test::examplesDir() / "gesteine.txt"; }

    // A copy of the example in the temporary folder, loaded into a fresh, shown window.
    DataWindow& openCopy(const std::string& name = "gesteine.txt") {
        const fs::path copy = *m_folder / name;
        fs::copy_file(example(), copy, fs::copy_options::overwrite_existing);
        m_window = new DataWindow();
        if (!m_window->loadfile(copy)) {
            qFatal("cannot load the example copy");
        }
        m_window->show();
        return *m_window;
    }

private slots:
    void init() { m_folder = std::make_unique<test::TemporaryFolder>(); }

    void cleanup() {
        delete m_window;
        DataWindow::setGraphOpener(DataWindow::GraphKind::Tetrahedron3D, {});
        DataWindow::setGraphOpener(DataWindow::GraphKind::Triangle2D, {});
        m_folder.reset();
    }

    void startsUntitledWithTheLayoutOfAnEmptyList() {
        m_window = new DataWindow();
        QCOMPARE(m_window->windowTitle(), QString("untitled"));
        QVERIFY(!m_window->isVisible());
        m_window->show();
        QCOMPARE(m_window->content()->size(), QSize(300, 400));
        QCOMPARE(m_window->Liste()->geometry(), QRect(-1, -1, 302, 387));
        QCOMPARE(headings(*m_window), QStringList({"Anr", "A", "B", "C", "D", "Farbe"}));
        QCOMPARE(m_window->Liste()->model()->rowCount(), 0);
    }

    void headingsComeFromTheHeaderInBothViews() {
        DataWindow& window = openCopy();
        QCOMPARE(window.windowTitle(), QString("gesteine.txt"));
        QCOMPARE(headings(window), QStringList({"Anr", "SiO2", "Al2O3", "FeO", "MgO", "Farbe"}));
        window.switchView();
        QCOMPARE(headings(window), QStringList({"Anr", "SiO2", "Al2O3", "FeO", "MgO", "Farbe",
                                                "nSiO2", "nAl2O3", "nFeO", "nMgO", "Summe"}));
        QVERIFY(window.showsNormalisedValues());
        window.switchView();
        QCOMPARE(headings(window).size(), 6);
    }

    void listsEveryRowWithTheCellsOfTheList() {
        const fs::path file = *m_folder / "rows.txt";
        test::writeBytes(file, "Nr\tA\tB\tC\tD\tFarbe\n12\t1\t1\t1\t1\t9\n13\t0\t0\t0\t0\t3\n"
                               "0\t5\t5\t5\t5\t1\n14\t2,5\t0\t0\t7,5\n");
        m_window = new DataWindow();
        QVERIFY(m_window->loadfile(file));
        m_window->switchView();
        QCOMPARE(m_window->Liste()->model()->rowCount(), 3); // the row numbered 0 is dropped
        QCOMPARE(rowCells(*m_window, 0), QStringList({"12", "1,00", "1,00", "1,00", "1,00", "9",
                                                      "25,0", "25,0", "25,0", "25,0", "100"}));
        QCOMPARE(rowCells(*m_window, 1), QStringList({"13", "0,00", "0,00", "0,00", "0,00", "3",
                                                      "n.d.", "n.d.", "n.d.", "n.d.", "n.d."}));
        QCOMPARE(rowCells(*m_window, 2), QStringList({"14", "2,50", "0,00", "0,00", "7,50", "0",
                                                      "25,0", "0,0", "0,0", "75,0", "100"}));
        const QVariant alignment =
            m_window->Liste()->model()->index(0, 3).data(Qt::TextAlignmentRole);
        QVERIFY(alignment.value<Qt::Alignment>() & Qt::AlignRight);
    }

    void aFileWithoutRowsGivesAnEmptyListAndDefaultNames() {
        const fs::path file = *m_folder / "empty.txt";
        test::writeBytes(file, "Nr\tSiO2\n");
        m_window = new DataWindow();
        QVERIFY(m_window->loadfile(file));
        QCOMPARE(m_window->Liste()->model()->rowCount(), 0);
        QCOMPARE(headings(*m_window), QStringList({"Anr", "SiO2", "B", "C", "D", "Farbe"}));
    }

    void aMissingFileLoadsNothingAndSaysWhy() {
        m_window = new DataWindow();
        std::string error;
        QVERIFY(!m_window->loadfile(*m_folder / "missing.txt", &error));
        QVERIFY(!error.empty());
        QVERIFY(!m_window->data());
        QCOMPARE(m_window->windowTitle(), QString("untitled"));
    }

    void theNormalisedViewWidensANarrowWindow() {
        DataWindow& window = openCopy();
        QCOMPARE(window.width(), 300);
        window.switchView();
        QCOMPARE(window.width(), 600);
        window.resize(300, window.height());
        QCOMPARE(window.width(), 500); // the normalised view needs 500
        window.resize(700, window.height());
        window.switchView();
        QCOMPARE(window.width(), 700); // switching back keeps the width...
        window.resize(200, 200);
        QCOMPARE(window.content()->size(), QSize(300, 300)); // ...and allows 300 x 300 again
        window.resize(40000, 40000);
        QCOMPARE(window.content()->size(), QSize(32000, 32000));
    }

    void theListKeepsItsDistanceToTheEdges() {
        DataWindow& window = openCopy();
        window.resize(450, window.height() + 100);
        QCOMPARE(window.Liste()->geometry(), QRect(-1, -1, 452, 487));
    }

    void theRuleEnablesSaveOnlyForChangedData() {
        DataWindow& window = openCopy();
        RecordingMenuItems fresh = evaluate(window);
        QCOMPARE(fresh.enabled, (std::set<std::string, std::less<>>{"FileClose", "FileSave",
                                                                    "ViewNormierteWertezeigen"}));
        QCOMPARE(fresh.captions["FileSave2"], QString("Save..."));
        QCOMPARE(fresh.checked["ViewNormierteWertezeigen"], false);

        window.data()->changed = 1;
        window.switchView();
        RecordingMenuItems changed = evaluate(window);
        QVERIFY(changed.enabled.contains("FileSave2"));
        QCOMPARE(changed.checked["ViewNormierteWertezeigen"], true);

        window.data()->file.reset(); // nowhere to save in place
        QVERIFY(!evaluate(window).enabled.contains("FileSave2"));
    }

    void graphItemsNeedAnOpenerThatGetsTheSharedDataset() {
        DataWindow& window = openCopy();
        std::shared_ptr<Dataset> handedOver;
        int opened2D = 0;
        DataWindow::setGraphOpener(DataWindow::GraphKind::Tetrahedron3D,
                                   [&](std::shared_ptr<Dataset> data) { handedOver = data; });
        RecordingMenuItems items = evaluate(window);
        QVERIFY(items.enabled.contains("View3DGraph"));
        QVERIFY(!items.enabled.contains("View2DGraph"));
        QVERIFY(window.runMenuHandler("View3DGraph"));
        QCOMPARE(handedOver.get(), window.data().get());

        DataWindow::setGraphOpener(DataWindow::GraphKind::Triangle2D,
                                   [&](std::shared_ptr<Dataset>) { ++opened2D; });
        QVERIFY(evaluate(window).enabled.contains("View2DGraph"));
        window.runMenuHandler("View2DGraph");
        window.runMenuHandler("View2DGraph");
        QCOMPARE(opened2D, 2);
    }

    void printPassesTheCommandOn() {
        DataWindow& window = openCopy();
        QVERIFY(window.hasMenuHandler("FilePrint"));
        QVERIFY(!window.runMenuHandler("FilePrint"));
    }

    void comingToTheFrontShowsARecolouredRow() {
        DataWindow& window = openCopy();
        auto* other = new QWidget();
        other->show();
        other->activateWindow();
        QTRY_VERIFY(!window.isActiveWindow());
        window.data()->row(1).farbe = 9;
        window.data()->changed = 2;
        window.activateWindow();
        QTRY_VERIFY(window.isActiveWindow());
        QCOMPARE(window.data()->changed, 1);
        QCOMPARE(window.Liste()->model()->index(0, 5).data().toString(), QString("9"));
        delete other;
    }

    void saveAsWritesTheNewFileAndRenamesTheWindow() {
        DataWindow& window = openCopy();
        window.data()->row(1).farbe = 11;
        window.data()->changed = 1;
        const fs::path target = *m_folder / "neu.txt";
        test::ModalAnswers answers;
        QStringList filters;
        answers.expect(
            test::ModalAnswers::chooseFile(QString::fromStdString(target.string()), &filters));
        QVERIFY(window.runMenuHandler("FileSave"));
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(window.windowTitle(), QString("neu.txt"));
        QCOMPARE(window.data()->file, std::optional<fs::path>(target));
        QCOMPARE(window.data()->changed, 0);
        QVERIFY(test::readBytes(target).find("\n101\t56,38\t16,29\t6,69\t3,25\t11\n") !=
                std::string::npos);
        QVERIFY(filters.first().startsWith("Text files (*.txt) (*.asc"));
        QCOMPARE(filters.last(), QString("All files (*)"));

        // The plain save now writes to the new file.
        window.data()->row(1).farbe = 4;
        window.data()->changed = 1;
        QVERIFY(window.runMenuHandler("FileSave2"));
        QVERIFY(test::readBytes(target).find("\t3,25\t4\n") != std::string::npos);
        QVERIFY(test::readBytes(*m_folder / "gesteine.txt").find("\t3,25\t5\n") !=
                std::string::npos);
        QVERIFY(answers.unexpected().isEmpty());
    }

    void cancellingTheSaveDialogChangesNothing() {
        DataWindow& window = openCopy();
        window.data()->changed = 1;
        test::ModalAnswers answers;
        answers.expect(test::ModalAnswers::cancel());
        QCOMPARE(window.savefile(std::nullopt), DataWindow::SaveOutcome::Cancelled);
        QCOMPARE(window.data()->changed, 1);
        QCOMPARE(window.windowTitle(), QString("gesteine.txt"));
    }

    void theSaveQuestionLooksAsLaidOut() {
        SaveQuestionDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Sichern?"));
        QCOMPARE(dialog.size(), QSize(350, 120));
        QCOMPARE(dialog.SaveButton->text(), QString("Sichern"));
        QCOMPARE(dialog.SaveButton->geometry(), QRect(240, 80, 90, 20));
        QCOMPARE(dialog.DontButton->text(), QString("Nicht sichern"));
        QCOMPARE(dialog.DontButton->geometry(), QRect(125, 80, 100, 20));
        QCOMPARE(dialog.CancelButton->text(), QString("Abbrechen"));
        QCOMPARE(dialog.CancelButton->geometry(), QRect(20, 80, 90, 20));
        QVERIFY(dialog.SaveButton->isDefault());
        auto* icon = dialog.findChild<QLabel*>("Canvas1");
        QVERIFY(icon && !icon->pixmap().isNull());
        QCOMPARE(icon->geometry(), QRect(20, 14, 32, 32));
        auto* text = dialog.findChild<QLabel*>("StaticText1");
        QCOMPARE(text->text(), QString::fromUtf8("Sie haben die Daten geändert. Wollen Sie die "
                                                 "Änderungen sichern?"));
        QCOMPARE(text->geometry(), QRect(64, 14, 216, 40));
    }

    void theSaveQuestionDecidesAboutClosing_data() {
        QTest::addColumn<int>("kind"); // 0 click the button, 1 press the key
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Sichern") << 0 << "SaveButton" << true << true;
        QTest::newRow("Return") << 1 << "Return" << true << true;
        QTest::newRow("Nicht sichern") << 0 << "DontButton" << true << false;
        QTest::newRow("Abbrechen") << 0 << "CancelButton" << false << false;
        QTest::newRow("Escape") << 1 << "Escape" << false << false;
    }

    void theSaveQuestionDecidesAboutClosing() {
        QFETCH(int, kind);
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        DataWindow& window = openCopy();
        window.data()->row(1).farbe = 13;
        window.data()->changed = 1;
        test::ModalAnswers answers;
        if (kind == 0) {
            answers.expect(test::ModalAnswers::clickButton(answer));
        } else {
            answers.expect(
                test::ModalAnswers::pressKey(answer == "Return" ? Qt::Key_Return : Qt::Key_Escape));
        }
        QCOMPARE(window.close(), closed);
        QCOMPARE(answers.pending(), 0);
        QVERIFY(answers.unexpected().isEmpty());
        const bool written =
            test::readBytes(*m_folder / "gesteine.txt").find("\t3,25\t13\n") != std::string::npos;
        QCOMPARE(written, saved);
        if (!closed) {
            QVERIFY(window.isVisible());
            QCOMPARE(window.data()->changed, 1);
        }
    }

    void unchangedDataClosesWithoutAQuestion() {
        DataWindow& window = openCopy();
        test::ModalAnswers answers;
        QVERIFY(window.close());
        QVERIFY(answers.unexpected().isEmpty());
    }

    void aFailedSaveNamesFileAndReasonAndKeepsTheWindow() {
        // The file's folder disappears, so nothing can be created there.
        const fs::path folder = *m_folder / "gone";
        fs::create_directories(folder);
        fs::copy_file(example(), folder / "gesteine.txt");
        m_window = new DataWindow();
        QVERIFY(m_window->loadfile(folder / "gesteine.txt"));
        m_window->show();
        fs::remove_all(folder);
        m_window->data()->changed = 1;

        test::ModalAnswers answers;
        QString plainSave;
        answers.expect(test::ModalAnswers::acknowledgeMessage(&plainSave));
        QVERIFY(m_window->runMenuHandler("FileSave2"));
        QVERIFY2(plainSave.contains("gesteine.txt"), qPrintable(plainSave));
        QVERIFY2(plainSave.contains("No such file or directory"), qPrintable(plainSave));
        QCOMPARE(m_window->data()->changed, 1);

        QString onClosing;
        answers.expect(test::ModalAnswers::clickButton("SaveButton"));
        answers.expect(test::ModalAnswers::acknowledgeMessage(&onClosing));
        QVERIFY(!m_window->close());
        QVERIFY(m_window && m_window->isVisible());
        QVERIFY(onClosing.contains("gesteine.txt"));
        QCOMPARE(m_window->data()->changed, 1);
        QCOMPARE(answers.pending(), 0);
        QVERIFY(answers.unexpected().isEmpty());
    }

    void droppedFilesAreHandedToTheApplication() {
        DataWindow& window = openCopy();
        struct Catcher : QObject {
            QStringList files;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (watched == qApp && event->type() == QEvent::FileOpen) {
                    files << static_cast<QFileOpenEvent*>(event)->file();
                    return true;
                }
                return false;
            }
        } catcher;
        qApp->installEventFilter(&catcher);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile("/data/a.txt"), QUrl("https://example.org/b.txt"),
                      QUrl::fromLocalFile("/data/c.txt")});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&catcher);
        QCOMPARE(catcher.files, QStringList({"/data/a.txt", "/data/c.txt"}));
    }
};

} // namespace morvane

MORVANE_QTTEST_MAIN(morvane::DataWindowTest)
#include "DataWindowTest.moc"
