#include "GraphTestSupport.h"
#include "support/ModalAnswers.h"
#include "support/WindowTestMain.h"
#include "windows/Ausgabe2D.h"
#include "windows/Ausgabe3D.h"
#include "windows/DataWindow.h"
#include "windows/Farbbutton.h"
#include "windows/GraphCanvas.h"
#include "windows/SaveQuestionDialog.h"

#include <QTableView>

namespace morvane {

// The data window opens graph windows on its own data set, and sees what they change.
class GraphOpeningTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryFolder> m_folder;
    QPointer<DataWindow> m_list;
    QList<QPointer<GraphWindow>> m_graphs;

    template <typename Window>
    Window* graph(int index) const {
        return qobject_cast<Window*>(m_graphs.value(index).data());
    }

    // The cell of the list row with sample number `anr` in `column`; empty when there is none.
    QString cell(int anr, int column) const {
        const QAbstractItemModel& rows = *m_list->Liste()->model();
        for (int row = 0; row < rows.rowCount(); ++row) {
            if (rows.index(row, 0).data().toString() == QString::number(anr)) {
                return rows.index(row, column).data().toString();
            }
        }
        return {};
    }

private slots:
    void init() {
        m_folder = std::make_unique<test::TemporaryFolder>();
        test::writeBytes(*m_folder / "rows.txt", test::threeRows);
        m_list = new DataWindow();
        QVERIFY(m_list->loadfile(*m_folder / "rows.txt"));
        m_list->show();
        DataWindow::setGraphOpener(
            DataWindow::GraphKind::Tetrahedron3D, [this](std::shared_ptr<Dataset> data) {
                m_graphs << Ausgabe3D::open(std::move(data), test::countingServices());
            });
        DataWindow::setGraphOpener(
            DataWindow::GraphKind::Triangle2D, [this](std::shared_ptr<Dataset> data) {
                m_graphs << Ausgabe2D::open(std::move(data), test::countingServices());
            });
    }

    void cleanup() {
        DataWindow::setGraphOpener(DataWindow::GraphKind::Tetrahedron3D, {});
        DataWindow::setGraphOpener(DataWindow::GraphKind::Triangle2D, {});
        for (const QPointer<GraphWindow>& window : m_graphs) {
            delete window.data();
        }
        m_graphs.clear();
        delete m_list.data();
        m_folder.reset();
    }

    void everyCommandOpensAWindowOnTheSameSet() {
        QVERIFY(m_list->runMenuHandler("View3DGraph"));
        QVERIFY(m_list->runMenuHandler("View3DGraph"));
        QVERIFY(m_list->runMenuHandler("View2DGraph"));
        QCOMPARE(m_graphs.size(), 3);
        for (int i = 0; i < 3; ++i) {
            GraphWindow* window = m_graphs[i];
            QVERIFY(window->isVisible());
            QVERIFY(window->bild());
        }
        QCOMPARE(graph<Ausgabe3D>(0)->data()->data, m_list->data());
        QCOMPARE(graph<Ausgabe3D>(1)->data()->data, m_list->data());
        QCOMPARE(graph<Ausgabe2D>(2)->data()->data, m_list->data());
        QCOMPARE(graph<Ausgabe2D>(2)->windowTitle(), QString("Grafische Darstellung in 2D"));
    }

    void aRecolouredPointShowsInTheListAndAsksToSave_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QPoint>("point"); // of row 12 on the canvas
        QTest::newRow("3D") << "View3DGraph" << QPoint(197, 364);
        QTest::newRow("2D") << "View2DGraph" << QPoint(138, 352);
    }

    void aRecolouredPointShowsInTheListAndAsksToSave() {
        QFETCH(QString, command);
        QFETCH(QPoint, point);
        test::ModalAnswers answers;
        QVERIFY(m_list->runMenuHandler(command.toStdString()));
        GraphWindow* window = m_graphs.front();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::mouseClick(window->Farben(9), Qt::LeftButton);
        QTest::mouseClick(window->ausgabe(), Qt::LeftButton, {}, point);
        QCOMPARE(m_list->data()->changed, 2);

        m_list->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_list));
        QCOMPARE(cell(12, 5), QString("9"));
        QCOMPARE(m_list->data()->changed, 1);
        answers.expect([](QWidget& modal) {
            QVERIFY(qobject_cast<SaveQuestionDialog*>(&modal));
            test::ModalAnswers::clickButton("DontButton")(modal);
        });
        m_list->close();
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(answers.unexpected(), QStringList());
        QTRY_VERIFY(!m_list);
        // The graph window keeps the set alive and goes on drawing it.
        window->update();
        QVERIFY(window->bild());
    }
};

} // namespace morvane

MORVANE_QTTEST_MAIN(morvane::GraphOpeningTest)
#include "GraphOpeningTest.moc"
