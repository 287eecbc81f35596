#include "windows/Ausgabe3D.h"

#include "GraphTestSupport.h"
#include "draw/Grafik.h"
#include "draw/qt/QtPicture.h"
#include "support/ModalAnswers.h"
#include "support/RecordingMenuItems.h"
#include "support/WindowTestMain.h"
#include "windows/ColorChooser.h"
#include "windows/Farbbutton.h"
#include "windows/GraphCanvas.h"
#include "windows/SystemBeep.h"
#include "windows/UpDownArrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

namespace morvane {
namespace {

using test::control;

const QString degreeSign = QString::fromUtf8("°");
constexpr Color marginGrey = RGB(240, 240, 240);
// At all angles 0 on the 637 x 486 canvas: CenterX 318.5, CenterY 243, ScaleFactor 121.5.
constexpr QPoint centre{318, 243};
constexpr QPoint cornerA{197, 364};

} // namespace

class Ausgabe3DTest : public QObject {
    Q_OBJECT

private:
    test::GraphTestRun m_run;

    // A window opened as the data window opens it, on the three rows, shown.
    Ausgabe3D& open(std::shared_ptr<Dataset> data = nullptr) {
        if (!data) {
            data = test::loadRows(*m_run.folder, "rows.txt", test::threeRows);
        }
        Ausgabe3D* window =
            Ausgabe3D::open(std::move(data), test::countingServices(&m_run.drawings));
        m_run.windows << window;
        if (!QTest::qWaitForWindowExposed(window)) {
            qFatal("the 3D window was not shown");
        }
        return *window;
    }

    static QSlider& slider(const QWidget& window, int axis) {
        return control<QSlider>(window, QString("Slider%1").arg(axis).toUtf8().constData());
    }
    static QString winkelText(const QWidget& window, int axis) {
        return control<QLabel>(window, QString("Winkel%1").arg(axis).toUtf8().constData()).text();
    }
    static QScrollBar& scrollBar(const QWidget& window, const char* name) {
        return control<QScrollBar>(window, name);
    }
    static QLineEdit& kreisdicke(const QWidget& window) {
        return control<QLineEdit>(window, "Kreisdicke");
    }
    static void click(Ausgabe3D& window, QPoint at) {
        QTest::mouseClick(window.ausgabe(), Qt::LeftButton, {}, at);
    }
    static std::vector<int> colours(const Dataset& data) {
        std::vector<int> result;
        for (std::int32_t i = 1; i <= data.anzahl(); ++i) {
            result.push_back(data.row(i).farbe);
        }
        return result;
    }

private slots:
    void init() { m_run.start(); }

    void cleanup() { m_run.finish(); }

    void everyControlSitsAtItsBox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        const std::vector<std::pair<const char*, QRect>> boxes{
            {"ScrollBarY", {787, 46, 16, 487}},      {"ScrollBarX", {150, 532, 638, 16}},
            {"ausgabe", {150, 46, 637, 486}},        {"StaticText1", {20, 46, 120, 20}},
            {"StaticText2", {20, 79, 66, 20}},       {"Winkel1", {85, 79, 30, 20}},
            {"LittleWinkel1", {127, 78, 13, 23}},    {"Slider1", {20, 107, 120, 16}},
            {"StaticText3", {20, 135, 66, 20}},      {"Winkel2", {85, 135, 30, 20}},
            {"LittleWinkel2", {127, 134, 13, 23}},   {"Slider2", {20, 163, 120, 16}},
            {"StaticText4", {20, 191, 66, 20}},      {"Winkel3", {85, 191, 30, 20}},
            {"LittleWinkel3", {127, 190, 13, 23}},   {"Slider3", {20, 219, 120, 16}},
            {"StaticText5", {20, 247, 120, 20}},     {"StaticText7", {20, 272, 66, 20}},
            {"thefaktor", {71, 272, 44, 20}},        {"LittleArrows1", {127, 271, 13, 23}},
            {"FaktorSlider", {20, 300, 120, 16}},    {"CheckData", {20, 328, 118, 20}},
            {"CheckLinie", {20, 360, 118, 20}},      {"CheckText", {20, 392, 118, 20}},
            {"StaticText9", {20, 425, 73, 20}},      {"Kreisdicke", {107, 424, 33, 22}},
            {"punktname", {20, 512, 118, 20}},       {"StaticText8", {215, 14, 65, 20}},
            {"popupansicht", {292, 14, 161, 20}},    {"StaticText6", {465, 14, 74, 20}},
            {"PopupProjektion", {551, 14, 162, 20}}, {"Farbe", {725, 14, 62, 20}}};
        for (const auto& [name, box] : boxes) {
            QTest::newRow(name) << QString(name) << box;
        }
    }

    void everyControlSitsAtItsBox() {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        const Ausgabe3D& window = open();
        QCOMPARE(window.windowTitle(), QString("Grafische Darstellung in 3D"));
        QCOMPARE(window.content()->size(), QSize(802, 547));
        QCOMPARE(window.content()->minimumSize(), QSize(500, 300));
        const auto* found = window.findChild<QWidget*>(name);
        QVERIFY(found);
        QCOMPARE(found->geometry(), box);
    }

    void opensOnTheDataSetWithItsFaceChoices() {
        auto data = test::loadRows(*m_run.folder, "rows.txt",
                                   "Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe\n1\t1\t1\t1\t1\t0\n");
        Ausgabe3D& window = open(data);
        QCOMPARE(window.data()->data, data); // the same object, not a copy
        QCOMPARE(window.bild()->Width(), 637);
        QCOMPARE(window.bild()->Height(), 486);
        QCOMPARE(m_run.drawings, 1);
        const QComboBox& faces = control<QComboBox>(window, "PopupProjektion");
        QStringList items;
        for (int i = 0; i < faces.count(); ++i) {
            items << faces.itemText(i);
        }
        QCOMPARE(items, QStringList({"keine", "SiO2 - Al2O3 - FeO", "Al2O3 - FeO - MgO",
                                     "SiO2 - FeO - MgO", "SiO2 - Al2O3 - MgO"}));
        QCOMPARE(faces.currentIndex(), 0);
        QCOMPARE(control<QComboBox>(window, "popupansicht").currentText(), QString("Pos 0"));
        QCOMPARE(winkelText(window, 1), "0" + degreeSign);
        QCOMPARE(control<QLabel>(window, "thefaktor").text(), QString("100%"));
        QCOMPARE(window.selected(), 0);
        QVERIFY(window.farbenvisible());
        for (int i = 0; i < GraphWindow::colourCount; ++i) {
            QCOMPARE(window.Farben(i)->c(), Grafik::GetFarbe(i));
            QCOMPARE(window.Farben(i)->selected(), i == 0);
            QCOMPARE(window.Farben(i)->geometry(), QRect(26 * (i % 8), 20 * (i / 8), 26, 20));
        }
    }

    void theAngleArrowsWrapOnce() {
        Ausgabe3D& window = open();
        auto& little = control<UpDownArrows>(window, "LittleWinkel1");
        slider(window, 1).setValue(359);
        QCOMPARE(window.data()->winkel1, 359.0);
        little.upButton()->click();
        QCOMPARE(window.data()->winkel1, 0.0);
        QCOMPARE(slider(window, 1).value(), 0);
        QCOMPARE(winkelText(window, 1), "0" + degreeSign);
        little.downButton()->click();
        QCOMPARE(window.data()->winkel1, 359.0);
        QCOMPARE(winkelText(window, 1), "359" + degreeSign);
        control<UpDownArrows>(window, "LittleWinkel3").upButton()->click();
        QCOMPARE(window.data()->winkel3, 1.0);
        QCOMPARE(winkelText(window, 3), "1" + degreeSign);
        QCOMPARE(m_run.drawings, 5); // opening, the slider, one per arrow click
    }

    void anglesAreCorrectedOnce_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("wrapped");
        QTest::newRow("359.5") << 359.5 << -0.5;
        QTest::newRow("-0.5") << -0.5 << 359.5;
        QTest::newRow("359") << 359.0 << 359.0;
        QTest::newRow("0") << 0.0 << 0.0;
        QTest::newRow("364") << 364.0 << 4.0;
        QTest::newRow("-5") << -5.0 << 355.0;
        QTest::newRow("725") << 725.0 << 365.0;
    }

    void anglesAreCorrectedOnce() {
        QFETCH(double, x);
        QFETCH(double, wrapped);
        QCOMPARE(Ausgabe3D::winkel360(x), wrapped);
    }

    void arrowStepsWrapOnce_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("result");
        QTest::newRow("359 up") << 359 << 1 << 0;
        QTest::newRow("0 down") << 0 << -1 << 359;
        QTest::newRow("10 up") << 10 << 1 << 11;
        QTest::newRow("358 up") << 358 << 1 << 359;
        QTest::newRow("725 up, corrected once") << 725 << 1 << 366;
        QTest::newRow("-5 down") << -5 << -1 << 354;
    }

    void arrowStepsWrapOnce() {
        QFETCH(int, angle);
        QFETCH(int, step);
        QFETCH(int, result);
        Ausgabe3D::movewinkel(angle, step);
        QCOMPARE(angle, result);
    }

    void aPresetSetsTheAnglesAndStaysShownUntilAnAngleMoves() {
        Ausgabe3D& window = open();
        auto& presets = control<QComboBox>(window, "popupansicht");
        const int before = m_run.drawings;
        presets.setCurrentIndex(2);
        QCOMPARE(m_run.drawings, before + 1);
        QCOMPARE(slider(window, 1).value(), 73);
        QCOMPARE(slider(window, 2).value(), 345);
        QCOMPARE(slider(window, 3).value(), 34);
        QCOMPARE(winkelText(window, 1), "73" + degreeSign);
        QCOMPARE(winkelText(window, 2), "345" + degreeSign);
        QCOMPARE(winkelText(window, 3), "34" + degreeSign);
        QCOMPARE(window.data()->winkel2, 345.0);
        QCOMPARE(presets.currentIndex(), 2);
        QVERIFY(!window.selectingposition());

        slider(window, 2).setValue(300);
        QCOMPARE(presets.currentIndex(), -1);
        QCOMPARE(window.data()->winkel2, 300.0);
        QCOMPARE(winkelText(window, 2), "300" + degreeSign);
        QCOMPARE(m_run.drawings, before + 2);
        presets.setCurrentIndex(0);
        QCOMPARE(window.data()->winkel1, 0.0);
        QCOMPARE(window.data()->winkel2, 0.0);
        QCOMPARE(presets.currentIndex(), 0);
    }

    void keysTurnTheView_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("sliders");
        QTest::newRow("left") << int(Qt::Key_Left) << QString() << QList<int>{5, 0, 0};
        QTest::newRow("right") << int(Qt::Key_Right) << QString() << QList<int>{355, 0, 0};
        QTest::newRow("up") << int(Qt::Key_Up) << QString() << QList<int>{0, 355, 0};
        QTest::newRow("down") << int(Qt::Key_Down) << QString() << QList<int>{0, 5, 0};
        QTest::newRow("colon") << int(Qt::Key_Colon) << ":" << QList<int>{0, 0, 355};
        QTest::newRow("full stop") << int(Qt::Key_Period) << "." << QList<int>{0, 0, 355};
        QTest::newRow("comma") << int(Qt::Key_Comma) << "," << QList<int>{0, 0, 5};
        QTest::newRow("semicolon") << int(Qt::Key_Semicolon) << ";" << QList<int>{0, 0, 5};
    }

    void keysTurnTheView() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QList<int>, sliders);
        Ausgabe3D& window = open();
        const int before = m_run.drawings;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(window.content(), &press);
        QVERIFY(press.isAccepted());
        QCOMPARE((QList<int>{slider(window, 1).value(), slider(window, 2).value(),
                             slider(window, 3).value()}),
                 sliders);
        QCOMPARE(window.data()->winkel1, double(sliders[0]));
        QCOMPARE(window.data()->winkel3, double(sliders[2]));
        QCOMPARE(m_run.drawings, before + 1); // once for all sliders that moved
    }

    void aKeyStepTurnsAboutTheViewOfHalfTheAngles() {
        Ausgabe3D& window = open();
        control<QComboBox>(window, "popupansicht").setCurrentIndex(2); // 73, 345, 34
        window.moveview(1, 0, 0);
        // At half the angles (36.5, 172.5, 17 degrees) the steps are the first column of the
        // rows: cos 172.5 cos 17 = -0.948, sin 36.5 sin 172.5 cos 17 - cos 36.5 sin 17 = -0.161,
        // cos 36.5 sin 172.5 cos 17 + sin 36.5 sin 17 = 0.274; five times each, truncated.
        QCOMPARE(slider(window, 1).value(), 68);
        QCOMPARE(slider(window, 2).value(), 344);
        QCOMPARE(slider(window, 3).value(), 35);
        QCOMPARE(control<QComboBox>(window, "popupansicht").currentIndex(), -1);
    }

    void keysBelongToTheFieldWhileItHasTheFocus() {
        Ausgabe3D& window = open();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        kreisdicke(window).setFocus();
        QTRY_VERIFY(kreisdicke(window).hasFocus());
        QTest::keyClick(&kreisdicke(window), Qt::Key_Up);
        QTest::keyClick(&kreisdicke(window), Qt::Key_Period);
        QCOMPARE(slider(window, 2).value(), 0);
        QCOMPARE(slider(window, 3).value(), 0);
        QCOMPARE(kreisdicke(window).text(), QString("12."));
    }

    void halfZoomLeavesGreyMarginsAndNothingToScroll() {
        Ausgabe3D& window = open();
        control<QSlider>(window, "FaktorSlider").setValue(50);
        QCOMPARE(window.faktor(), 50);
        QCOMPARE(control<QLabel>(window, "thefaktor").text(), QString("50%"));
        QCOMPARE(window.bild()->Width(), 318);
        QCOMPARE(window.bild()->Height(), 243);
        QCOMPARE(scrollBar(window, "ScrollBarX").maximum(), 0);
        QCOMPARE(scrollBar(window, "ScrollBarY").maximum(), 0);
        const QImage canvas = test::grabbed(*window.ausgabe());
        QCOMPARE(test::pixel(canvas, 317, 5), RGB(255, 255, 255)); // the picture
        QCOMPARE(test::pixel(canvas, 318, 5), marginGrey);
        QCOMPARE(test::pixel(canvas, 636, 485), marginGrey);
        QCOMPARE(test::pixel(canvas, 5, 243), marginGrey);
        QCOMPARE(test::pixel(canvas, 5, 242), RGB(255, 255, 255));
    }

    void tripleZoomScrollsThePicture() {
        Ausgabe3D& window = open();
        auto& zoom = control<QSlider>(window, "FaktorSlider");
        zoom.setValue(300);
        QCOMPARE(window.bild()->Width(), 1911);
        QCOMPARE(window.bild()->Height(), 1458);
        QScrollBar& across = scrollBar(window, "ScrollBarX");
        QScrollBar& down = scrollBar(window, "ScrollBarY");
        QCOMPARE(across.maximum(), 1274);
        QCOMPARE(down.maximum(), 972);
        QCOMPARE(across.pageStep(), 637);
        QCOMPARE(down.pageStep(), 486);
        QCOMPARE(across.value(), 0);
        // Scrolling shows another part of the same picture; nothing is rendered.
        const int drawings = m_run.drawings;
        across.setValue(637);
        down.setValue(486);
        QCOMPARE(m_run.drawings, drawings);
        const QImage canvas = test::grabbed(*window.ausgabe());
        const QImage& picture = *pictureImage(*window.bild());
        for (const QPoint& at : {QPoint(0, 0), QPoint(318, 243), QPoint(300, 100)}) {
            QCOMPARE(canvas.pixel(at), picture.pixel(at + QPoint(637, 486)));
        }
        // The arrows move the zoom by one and stop at its end.
        auto& arrows = control<UpDownArrows>(window, "LittleArrows1");
        arrows.upButton()->click();
        QCOMPARE(window.faktor(), 300);
        arrows.downButton()->click();
        QCOMPARE(window.faktor(), 299);
        QCOMPARE(control<QLabel>(window, "thefaktor").text(), QString("299%"));
    }

    void optionCentresTheEnlargedPicture() {
        Ausgabe3D& window = open();
        QTest::keyPress(window.windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        control<QSlider>(window, "FaktorSlider").setValue(300);
        QTest::keyRelease(window.windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(scrollBar(window, "ScrollBarX").value(), 637);
        QCOMPARE(scrollBar(window, "ScrollBarY").value(), 486);
    }

    void theCircleSizeTakesTheLeadingNumberOnReturn_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("stored");
        QTest::newRow("7.9") << "7.9" << int(Qt::Key_Return) << 7;
        QTest::newRow("no number") << "abc" << int(Qt::Key_Return) << 0;
        QTest::newRow("enter") << "20px" << int(Qt::Key_Enter) << 20;
        QTest::newRow("negative") << "-3" << int(Qt::Key_Return) << -3;
        QTest::newRow("comma ends it") << "8,5" << int(Qt::Key_Return) << 8;
    }

    void theCircleSizeTakesTheLeadingNumberOnReturn() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, stored);
        Ausgabe3D& window = open();
        QLineEdit& field = kreisdicke(window);
        field.clear();
        QTest::keyClicks(&field, typed);
        QCOMPARE(window.data()->kreisdicke, 12); // typing alone changes nothing
        const int before = m_run.drawings;
        QTest::keyClick(&field, Qt::Key(key));
        QCOMPARE(window.data()->kreisdicke, stored);
        QCOMPARE(field.text(), QString::number(stored));
        QCOMPARE(m_run.drawings, before + 1);
    }

    void aClickGivesThePointTheSelectedColour() {
        Ausgabe3D& window = open();
        const Dataset& data = *window.data()->data;
        QTest::mouseClick(window.Farben(9), Qt::LeftButton);
        QTest::mouseClick(window.Farben(9), Qt::LeftButton); // again: it stays selected
        QCOMPARE(window.selected(), 9);
        for (int i = 0; i < GraphWindow::colourCount; ++i) {
            QCOMPARE(window.Farben(i)->selected(), i == 9);
        }
        click(window, cornerA);
        QCOMPARE(test::rowNumbered(data, 12)->farbe, 9);
        QCOMPARE(data.changed, 2);
        QCOMPARE(m_run.beeps, 0);
        // The picture shows the point red now (away from the edges that meet at the corner).
        QCOMPARE(test::pixel(*pictureImage(*window.bild()), cornerA.x() - 3, cornerA.y() + 3),
                 RGB(255, 0, 0));
        // A second click in the same colour changes nothing and renders nothing.
        const int drawings = m_run.drawings;
        click(window, cornerA);
        QCOMPARE(m_run.drawings, drawings);
        QCOMPARE(m_run.beeps, 0);
    }

    void aClickOnNoPointBeepsAndChangesNothing() {
        Ausgabe3D& window = open();
        const Dataset& data = *window.data()->data;
        QTest::mouseClick(window.Farben(9), Qt::LeftButton);
        const std::vector<int> before = colours(data);
        click(window, QPoint(5, 5));
        QCOMPARE(m_run.beeps, 1);
        QCOMPARE(colours(data), before);
        QCOMPARE(data.changed, 0);
    }

    void hiddenColourButtonsTurnRecolouringOff() {
        Ausgabe3D& window = open();
        const Dataset& data = *window.data()->data;
        QTest::mouseClick(window.Farben(9), Qt::LeftButton);
        window._ViewFarbpalette_Action();
        QVERIFY(!window.farbenvisible());
        QVERIFY(!window.Farben(3)->isVisible());
        click(window, cornerA);
        click(window, QPoint(5, 5));
        QCOMPARE(test::rowNumbered(data, 12)->farbe, 3);
        QCOMPARE(m_run.beeps, 0);
        QCOMPARE(data.changed, 0);
        window._ViewFarbpalette_Action();
        QVERIFY(window.Farben(3)->isVisible());
        QCOMPARE(window.selected(), 9);
        QVERIFY(window.Farben(9)->selected());
    }

    void theMouseNamesThePointUnderIt() {
        Ausgabe3D& window = open();
        const QLabel& name = control<QLabel>(window, "punktname");
        test::moveMouse(*window.ausgabe(), cornerA + QPoint(4, -4));
        QCOMPARE(name.text(), QString("12"));
        test::moveMouse(*window.ausgabe(), centre);
        QCOMPARE(name.text(), QString("10")); // the front one of the two
        test::moveMouse(*window.ausgabe(), QPoint(5, 5));
        QCOMPARE(name.text(), QString());
    }

    void pointsAreHitWithinLessThanFivePixels_data() {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("hit");
        QTest::newRow("on it") << QPoint(0, 0) << true;
        QTest::newRow("4 right") << QPoint(4, 0) << true;
        QTest::newRow("5 right") << QPoint(5, 0) << false;
        QTest::newRow("4 left, 4 up") << QPoint(-4, -4) << true;
        QTest::newRow("5 left") << QPoint(-5, 0) << false;
        QTest::newRow("5 down") << QPoint(0, 5) << false;
        QTest::newRow("4 down, 4 right") << QPoint(4, 4) << true;
    }

    void pointsAreHitWithinLessThanFivePixels() {
        QFETCH(QPoint, offset);
        QFETCH(bool, hit);
        Ausgabe3D& window = open();
        const QPoint at = cornerA + offset;
        const datarow* row = window.Punktobject(at.x(), at.y());
        QCOMPARE(row != nullptr, hit);
        if (row) {
            QCOMPARE(row->anr, 12);
        }
    }

    void theHitTestFollowsThePictureShownWhateverElseWasDrawn() {
        auto data = test::loadRows(*m_run.folder, "rows.txt", test::threeRows);
        Ausgabe3D& front = open(data);
        QCOMPARE(test::hitAnr(front, centre.x(), centre.y()), 10);
        // Another window on the same rows, turned half round and zoomed: it re-sorts the rows
        // by its own depth (row 11 is in front there) and rewrites their positions.
        Ausgabe3D& other = open(data);
        control<QSlider>(other, "FaktorSlider").setValue(300);
        slider(other, 1).setValue(180);
        QCOMPARE(data->row(data->anzahl()).anr, 11);
        QCOMPARE(test::hitAnr(front, centre.x(), centre.y()), 10);
        QCOMPARE(test::hitAnr(front, cornerA.x(), cornerA.y()), 12);
        // The model drawn again at another size (as for a print-out) leaves the canvas's
        // picture, and so its hit test, as it was.
        QVERIFY(front.data()->makepicture(200, 100, nullptr));
        QCOMPARE(front.data()->CenterX, 100.0);
        QCOMPARE(test::hitAnr(front, centre.x(), centre.y()), 10);
        QCOMPARE(front.Punktobject(100, 50), nullptr);
        // Scrolled, the canvas position is a position in the picture plus the scroll values.
        control<QSlider>(front, "FaktorSlider").setValue(200);
        scrollBar(front, "ScrollBarX").setValue(300);
        scrollBar(front, "ScrollBarY").setValue(200);
        // At 200 %: CenterX 637, CenterY 486, so the centre lies at 337, 286 of the canvas.
        QCOMPARE(test::hitAnr(front, 337, 286), 10);
        QCOMPARE(front.Punktobject(centre.x(), centre.y()), nullptr);
    }

    void theMenuRuleEnablesClosingAndTheColourButtonsOnly() {
        Ausgabe3D& window = open();
        test::RecordingMenuItems items = test::evaluate(window);
        QCOMPARE(items.enabled,
                 (std::set<std::string, std::less<>>{"FileClose", "ViewFarbpalette"}));
        QVERIFY(items.checked.at("ViewFarbpalette"));
        QCOMPARE(items.captions.at("FileSave2"), QString("Save graphic..."));
        for (const char* item :
             {"FilePrint", "FileSave2", "EditCopyimage", "EditCopyvectorimage",
              "ViewBildauferstenBildschirm", "ViewBildaufzweitenBildschirm", "ViewFilmen"}) {
            QVERIFY2(!window.hasMenuHandler(item), item);
        }
        QVERIFY(window.runMenuHandler("ViewFarbpalette"));
        QVERIFY(!test::evaluate(window).checked.at("ViewFarbpalette"));
        QVERIFY(!window.Farben(0)->isVisible());
        QPointer<Ausgabe3D> alive(&window);
        QVERIFY(window.runMenuHandler("FileClose"));
        QTRY_VERIFY(!alive);
    }

    void resizingRendersAgainAndWidensTheColourButtons() {
        Ausgabe3D& window = open();
        const int before = m_run.drawings;
        window.resize(window.size() + QSize(100, 50));
        QTRY_COMPARE(window.ausgabe()->size(), QSize(737, 536));
        QCOMPARE(window.bild()->Width(), 737);
        QCOMPARE(window.bild()->Height(), 536);
        QCOMPARE(m_run.drawings, before + 1);
        QCOMPARE(control<QScrollBar>(window, "ScrollBarY").geometry(), QRect(887, 46, 16, 537));
        QCOMPARE(control<QScrollBar>(window, "ScrollBarX").geometry(), QRect(150, 582, 738, 16));
        QCOMPARE(control<QLabel>(window, "punktname").geometry(), QRect(20, 562, 118, 20));
        QCOMPARE(control<ColorChooser>(window, "Farbe").geometry(), QRect(825, 14, 62, 20));
        QCOMPARE(slider(window, 1).geometry(), QRect(20, 107, 120, 16));
        QCOMPARE(window.Farben(15)->geometry(), QRect(39 * 7, 20, 39, 20));
        // Narrower than the buttons can follow: they keep a width of one pixel.
        window.resize(QSize(500, window.height()));
        QTRY_COMPARE(window.content()->width(), 500);
        QCOMPARE(window.Farben(15)->geometry(), QRect(7, 20, 1, 20));
        QVERIFY(window.Farben(15)->isVisible());
    }

    void theFaceAndItsColourReachTheModel() {
        test::ModalAnswers answers;
        Ausgabe3D& window = open();
        control<QComboBox>(window, "PopupProjektion").setCurrentIndex(3);
        QCOMPARE(window.data()->which, 3);
        int drawings = m_run.drawings;
        answers.expect(test::ModalAnswers::cancel());
        QTest::mouseClick(&control<ColorChooser>(window, "Farbe"), Qt::LeftButton);
        QCOMPARE(window.data()->projektionsfarbe, Color{});
        QCOMPARE(m_run.drawings, drawings);
        answers.expect(test::ModalAnswers::chooseColour(QColor(0, 0, 255)));
        QTest::mouseClick(&control<ColorChooser>(window, "Farbe"), Qt::LeftButton);
        QCOMPARE(window.data()->projektionsfarbe, RGB(0, 0, 255));
        QCOMPARE(m_run.drawings, drawings + 1);
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(answers.unexpected(), QStringList());
    }

    void theSwitchesReachTheModel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("flag");
        QTest::newRow("points") << "CheckData" << 0;
        QTest::newRow("edges") << "CheckLinie" << 1;
        QTest::newRow("labels") << "CheckText" << 2;
    }

    void theSwitchesReachTheModel() {
        QFETCH(QString, name);
        QFETCH(int, flag);
        Ausgabe3D& window = open();
        const auto state = [&] {
            const Daten3D& model = *window.data();
            return std::array<bool, 3>{model.showdata, model.showline, model.showtext};
        };
        const int before = m_run.drawings;
        control<QCheckBox>(window, name.toUtf8().constData()).setChecked(false);
        std::array<bool, 3> expected{true, true, true};
        expected[static_cast<std::size_t>(flag)] = false;
        QCOMPARE(state(), expected);
        QCOMPARE(m_run.drawings, before + 1);
    }

    void withoutAPictureTheCanvasSaysOutOfMemory() {
        auto* window = new Ausgabe3D(test::countingServices());
        m_run.windows << window;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->update(); // the model has no data set: no picture
        QCOMPARE(window->bild(), nullptr);
        QCOMPARE(scrollBar(*window, "ScrollBarX").maximum(), 0);
        const QImage canvas = test::grabbed(*window->ausgabe());
        int dark = 0;
        for (int y = 8; y <= 22; ++y) {
            for (int x = 20; x < 120; ++x) {
                dark += test::pixel(canvas, x, y).red() < 100 ? 1 : 0;
            }
        }
        QVERIFY(dark > 50);
        QCOMPARE(test::pixel(canvas, 300, 300), RGB(255, 255, 255));
    }
};

} // namespace morvane

MORVANE_QTTEST_MAIN(morvane::Ausgabe3DTest)
#include "Ausgabe3DTest.moc"
