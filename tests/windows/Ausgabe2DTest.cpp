#include "windows/Ausgabe2D.h"

#include "GraphTestSupport.h"
#include "draw/qt/QtPicture.h"
#include "support/RecordingMenuItems.h"
#include "support/WindowTestMain.h"
#include "windows/Ausgabe3D.h"
#include "windows/Farbbutton.h"
#include "windows/GraphCanvas.h"
#include "windows/SystemBeep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>

namespace morvane {
namespace {

using test::control;

constexpr Color marginGrey = RGB(240, 240, 240);
// On the 625 x 449 canvas the triangle has the side 349, its left corner at x 138 and its base
// at y 352.234; face A - B - C puts row 12 (all A) on the left corner, row 11 (B and D) on the
// right corner at x 487 and row 10 (A and C) at 225, 201.
constexpr QPoint leftCorner{138, 352};
constexpr QPoint rightCorner{487, 352};
constexpr QPoint halfwayUp{225, 201};

QStringList items(const QComboBox& popup) {
    QStringList result;
    for (int i = 0; i < popup.count(); ++i) {
        result << popup.itemText(i);
    }
    return result;
}

} // namespace

class Ausgabe2DTest : public QObject {
    Q_OBJECT

private:
    test::GraphTestRun m_run;

    std::shared_ptr<Dataset> rows() {
        return test::loadRows(*m_run.folder, "rows.txt", test::threeRows);
    }

    // A window opened as the data window opens it, shown and in front.
    Ausgabe2D& open(std::shared_ptr<Dataset> data = nullptr) {
        Ausgabe2D* window = Ausgabe2D::open(data ? std::move(data) : rows(),
                                            test::countingServices(&m_run.drawings));
        m_run.windows << window;
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) {
            qFatal("the 2D window did not come to the front");
        }
        return *window;
    }

    static void click(Ausgabe2D& window, QPoint at) {
        QTest::mouseClick(window.ausgabe(), Qt::LeftButton, {}, at);
    }

private slots:
    void init() { m_run.start(); }

    void cleanup() { m_run.finish(); }

    void everyControlSitsAtItsBox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        const std::vector<std::pair<const char*, QRect>> boxes{
            {"ScrollBarX", {150, 494, 625, 16}}, {"ausgabe", {150, 46, 625, 449}},
            {"StaticText6", {496, 14, 93, 20}},  {"PopupProjektion", {601, 14, 162, 20}},
            {"StaticText5", {20, 46, 120, 20}},  {"StaticText7", {20, 71, 66, 20}},
            {"Faktortext", {71, 71, 44, 20}},    {"LittleArrows1", {127, 70, 13, 23}},
            {"FaktorSlider", {20, 99, 120, 16}}, {"ScrollBarY", {775, 46, 16, 449}},
            {"Checkraster", {20, 127, 118, 20}}, {"CheckText", {20, 159, 118, 20}},
            {"CheckRand", {20, 191, 118, 20}},   {"CheckData", {20, 223, 118, 20}},
            {"StaticText1", {20, 256, 73, 20}},  {"Kreisdicke", {105, 255, 33, 22}},
            {"punktname", {20, 475, 118, 20}}};
        for (const auto& [name, box] : boxes) {
            QTest::newRow(name) << QString(name) << box;
        }
    }

    void everyControlSitsAtItsBox() {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        const Ausgabe2D& window = open();
        QCOMPARE(window.windowTitle(), QString("Grafische Darstellung in 2D"));
        QCOMPARE(window.content()->size(), QSize(790, 510));
        QCOMPARE(window.content()->minimumSize(), QSize(400, 350));
        QCOMPARE(window.content()->maximumWidth(), 1000);
        const auto* found = window.findChild<QWidget*>(name);
        QVERIFY(found);
        QCOMPARE(found->geometry(), box);
    }

    void theFaceChoicesAreTheFourNameTriples() {
        auto data = test::loadRows(*m_run.folder, "named.txt",
                                   "Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe\n1\t1\t1\t1\t1\t0\n");
        Ausgabe2D& window = open(data);
        QCOMPARE(window.data()->data, data);
        const auto& faces = control<QComboBox>(window, "PopupProjektion");
        QCOMPARE(items(faces), QStringList({"SiO2 - Al2O3 - FeO", "Al2O3 - FeO - MgO",
                                            "SiO2 - FeO - MgO", "SiO2 - Al2O3 - MgO"}));
        QCOMPARE(faces.currentIndex(), 0);
        QCOMPARE(window.data()->which, 0);
        QCOMPARE(control<QLabel>(window, "punktname").text(), QString(" "));
        QCOMPARE(control<QLabel>(window, "Faktortext").text(), QString("100%"));
        for (int i = 0; i < GraphWindow::colourCount; ++i) {
            QCOMPARE(window.Farben(i)->geometry(), QRect(62 * (i % 8), 20 * (i / 8), 62, 20));
        }
    }

    void theThirdFaceIsCDA() {
        Ausgabe2D& window = open();
        auto& faces = control<QComboBox>(window, "PopupProjektion");
        const int before = m_run.drawings;
        faces.setCurrentIndex(2);
        QCOMPARE(faces.currentText(), QString("A - C - D"));
        QCOMPARE(window.data()->which, 2);
        QCOMPARE(m_run.drawings, before + 1);
        // On face C - D - A, row 12 (all A) lies on the left corner, row 10 (A and C) halfway
        // along the base.
        QCOMPARE(test::hitAnr(window, leftCorner.x(), leftCorner.y()), 12);
        QCOMPARE(test::hitAnr(window, 312, 352), 10);
    }

    void opensWithThePictureOfItsCanvas() {
        Ausgabe2D& window = open();
        QCOMPARE(window.bild()->Width(), 625);
        QCOMPARE(window.bild()->Height(), 449);
        QCOMPARE(control<QScrollBar>(window, "ScrollBarX").maximum(), 0);
        QCOMPARE(control<QScrollBar>(window, "ScrollBarY").pageStep(), 449);
    }

    void tripleZoomScrollsThePicture() {
        Ausgabe2D& window = open();
        control<QSlider>(window, "FaktorSlider").setValue(300);
        QCOMPARE(window.bild()->Width(), 1875);
        QCOMPARE(window.bild()->Height(), 1347);
        QCOMPARE(control<QScrollBar>(window, "ScrollBarX").maximum(), 1250);
        QCOMPARE(control<QScrollBar>(window, "ScrollBarY").maximum(), 898);
        QCOMPARE(control<QLabel>(window, "Faktortext").text(), QString("300%"));
    }

    void halfZoomLeavesGreyMargins() {
        Ausgabe2D& window = open();
        control<QSlider>(window, "FaktorSlider").setValue(50);
        QCOMPARE(window.bild()->Width(), 312);
        QCOMPARE(window.bild()->Height(), 224);
        QCOMPARE(control<QScrollBar>(window, "ScrollBarY").maximum(), 0);
        const QImage canvas = test::grabbed(*window.ausgabe());
        QCOMPARE(test::pixel(canvas, 312, 10), marginGrey);
        QCOMPARE(test::pixel(canvas, 10, 224), marginGrey);
        QCOMPARE(test::pixel(canvas, 311, 5), RGB(255, 255, 255));
    }

    void comingToTheFrontRendersAgainWithColoursChangedElsewhere() {
        Ausgabe2D& window = open();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        // Another window recolours row 12 while this one is behind.
        test::rowNumbered(*window.data()->data, 12)->farbe = 9;
        const int before = m_run.drawings;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(m_run.drawings, before + 1);
        QCOMPARE(test::pixel(*pictureImage(*window.bild()), leftCorner.x(), leftCorner.y()),
                 RGB(255, 0, 0));
    }

    void aClickGivesThePointTheSelectedColour() {
        Ausgabe2D& window = open();
        const Dataset& data = *window.data()->data;
        QTest::mouseClick(window.Farben(9), Qt::LeftButton);
        const int before = m_run.drawings;
        click(window, leftCorner + QPoint(3, -4));
        QCOMPARE(test::rowNumbered(data, 12)->farbe, 9);
        QCOMPARE(data.changed, 2);
        QCOMPARE(m_run.drawings, before + 1);
        QCOMPARE(test::pixel(*pictureImage(*window.bild()), leftCorner.x(), leftCorner.y()),
                 RGB(255, 0, 0));
        click(window, QPoint(600, 20));
        QCOMPARE(m_run.beeps, 1);
        window._ViewFarbpalette_Action();
        click(window, rightCorner);
        click(window, QPoint(600, 20));
        QCOMPARE(test::rowNumbered(data, 11)->farbe, 2);
        QCOMPARE(m_run.beeps, 1);
    }

    void theMouseNamesThePointUnderIt() {
        Ausgabe2D& window = open();
        const auto& name = control<QLabel>(window, "punktname");
        test::moveMouse(*window.ausgabe(), halfwayUp);
        QCOMPARE(name.text(), QString("10"));
        test::moveMouse(*window.ausgabe(), rightCorner + QPoint(-4, 4));
        QCOMPARE(name.text(), QString("11"));
        test::moveMouse(*window.ausgabe(), rightCorner + QPoint(5, 0));
        QCOMPARE(name.text(), QString());
    }

    void theHitTestFollowsThePictureShownWhateverElseWasDrawn() {
        auto data = rows();
        Ausgabe2D& window = open(data);
        // A 3D window projecting the rows onto a face, and this diagram drawn at another size
        // (as for a print-out), both rewrite the positions stored in the shared rows.
        Ausgabe3D* solid = Ausgabe3D::open(data, test::countingServices());
        m_run.windows << solid;
        control<QComboBox>(*solid, "PopupProjektion").setCurrentIndex(1);
        QVERIFY(window.data()->makepicture(300, 300, nullptr));
        QVERIFY(test::rowNumbered(*data, 12)->PunktX != leftCorner.x());
        QCOMPARE(test::hitAnr(window, leftCorner.x(), leftCorner.y()), 12);
        QCOMPARE(test::hitAnr(window, halfwayUp.x(), halfwayUp.y()), 10);
        // Scrolled, the canvas position is a position in the picture plus the scroll values.
        control<QSlider>(window, "FaktorSlider").setValue(200);
        control<QScrollBar>(window, "ScrollBarX").setValue(100);
        control<QScrollBar>(window, "ScrollBarY").setValue(300);
        // At 200 % (1250 x 898) the side is 798, the left corner at 226, 741.068.
        QCOMPARE(test::hitAnr(window, 126, 441), 12);
    }

    void rowsWithoutAPlaceOnTheFaceAreNeverHit() {
        Ausgabe2D& window = open();
        control<QComboBox>(window, "PopupProjektion").setCurrentIndex(1); // B - C - D
        // Row 12 has none of B, C and D: the drawing leaves it where the face before put it,
        // and that is no place on this face.
        const datarow* row = test::rowNumbered(*window.data()->data, 12);
        QVERIFY(row);
        QCOMPARE(QPoint(row->PunktX, static_cast<int>(row->PunktY)), leftCorner);
        QCOMPARE(window.Punktobject(leftCorner.x(), leftCorner.y()), nullptr);
    }

    void theCircleSizeAndSwitchesReachTheModel() {
        Ausgabe2D& window = open();
        auto& field = control<QLineEdit>(window, "Kreisdicke");
        field.clear();
        QTest::keyClicks(&field, "7.9");
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(window.data()->kreisdicke, 7);
        QCOMPARE(field.text(), QString("7"));
        const std::vector<std::pair<const char*, bool Daten2D::*>> switches{
            {"Checkraster", &Daten2D::showraster},
            {"CheckRand", &Daten2D::showrand},
            {"CheckText", &Daten2D::showtext},
            {"CheckData", &Daten2D::showdata}};
        for (const auto& [name, flag] : switches) {
            const int before = m_run.drawings;
            control<QCheckBox>(window, name).setChecked(false);
            QVERIFY2(!(window.data()->*flag), name);
            QCOMPARE(m_run.drawings, before + 1);
        }
    }

    void theMenuRuleLooksAtThePicture() {
        Ausgabe2D& window = open();
        test::RecordingMenuItems items = test::evaluate(window);
        QCOMPARE(items.enabled,
                 (std::set<std::string, std::less<>>{"FileClose", "ViewFarbpalette"}));
        QCOMPARE(items.captions.at("FileSave2"), QString("Save graphic..."));
        QVERIFY(items.checked.at("ViewFarbpalette"));
        for (const char* item : {"FilePrint", "FileSave2", "EditCopyimage", "EditCopyvectorimage",
                                 "ViewBildauferstenBildschirm", "ViewBildaufzweitenBildschirm"}) {
            QVERIFY2(!window.hasMenuHandler(item), item);
        }
        auto* empty = new Ausgabe2D(test::countingServices());
        m_run.windows << empty;
        empty->update();
        QCOMPARE(empty->bild(), nullptr);
        QVERIFY(!test::evaluate(*empty).captions.contains("FileSave2"));
    }

    void theColourButtonsFollowTheWidthUpToItsLimit() {
        Ausgabe2D& window = open();
        const int before = m_run.drawings;
        window.resize(400, window.height());
        QTRY_COMPARE(window.content()->width(), 400);
        QVERIFY(m_run.drawings > before);
        QCOMPARE(window.bild()->Width(), 235);
        QCOMPARE(window.Farben(1)->geometry(), QRect(13, 0, 13, 20));
        window.resize(1200, window.height());
        QTRY_COMPARE(window.content()->width(), 1000);
        QCOMPARE(window.Farben(1)->geometry(), QRect(88, 0, 88, 20));
        QCOMPARE(window.ausgabe()->width(), 835);
    }
};

} // namespace morvane

MORVANE_QTTEST_MAIN(morvane::Ausgabe2DTest)
#include "Ausgabe2DTest.moc"
