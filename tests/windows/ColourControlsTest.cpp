#include "draw/Grafik.h"
#include "support/ModalAnswers.h"
#include "support/WindowTestMain.h"
#include "windows/ColorChooser.h"
#include "windows/Farbbutton.h"

#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>

Q_DECLARE_METATYPE(morvane::Color)

namespace morvane {
namespace {

QImage pixels(QWidget& widget) {
    return widget.grab().toImage();
}

Color at(const QImage& image, int x, int y) {
    const QColor colour = image.pixelColor(x, y);
    return RGB(colour.red(), colour.green(), colour.blue());
}

} // namespace

class ColourControlsTest : public QObject {
    Q_OBJECT

private slots:
    void aSelectedButtonIsCrossedInTheInverseColour_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<Color>("cross");
        QTest::newRow("white") << 15 << RGB(0, 0, 0);
        QTest::newRow("black") << 0 << RGB(255, 255, 255);
        QTest::newRow("grey 8") << 8 << RGB(127, 127, 127);
        QTest::newRow("red") << 9 << RGB(0, 255, 255);
    }

    void aSelectedButtonIsCrossedInTheInverseColour() {
        QFETCH(int, index);
        QFETCH(Color, cross);
        const Color swatch = Grafik::GetFarbe(index);
        Farbbutton button;
        button.setC(swatch);
        button.resize(26, 20);
        button.setSelected(true);
        const QImage image = pixels(button);
        // Both strokes of the 2 x 2 pen: (0, 0) to (24, 18) and (24, 0) to (0, 18).
        for (const QPoint& point : {QPoint(0, 0), QPoint(1, 1), QPoint(25, 19), QPoint(24, 0),
                                    QPoint(25, 0), QPoint(0, 19), QPoint(12, 9)}) {
            QCOMPARE(at(image, point.x(), point.y()), cross);
        }
        for (const QPoint& point :
             {QPoint(12, 0), QPoint(0, 10), QPoint(25, 10), QPoint(12, 19), QPoint(2, 0)}) {
            QCOMPARE(at(image, point.x(), point.y()), swatch);
        }
        button.setSelected(false);
        const QImage plain = pixels(button);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 26; ++x) {
                QCOMPARE(at(plain, x, y), swatch);
            }
        }
    }

    void theChooserFramesItsColourInTheInverse() {
        ColorChooser chooser;
        chooser.resize(62, 20);
        chooser.setFarbe(RGB(0, 0, 128));
        const QImage image = pixels(chooser);
        QCOMPARE(at(image, 0, 0), RGB(255, 255, 127));
        QCOMPARE(at(image, 60, 18), RGB(255, 255, 127)); // the frame's far corner
        QCOMPARE(at(image, 1, 1), RGB(0, 0, 128));
        QCOMPARE(at(image, 30, 10), RGB(0, 0, 128));
        QCOMPARE(at(image, 60, 10), RGB(255, 255, 127));
    }

    void aConfirmedColourIsKeptAndAnnouncedBeforeTheRelease() {
        test::ModalAnswers answers;
        ColorChooser chooser;
        chooser.resize(62, 20);
        chooser.show();
        QStringList events;
        connect(&chooser, &ColorChooser::MouseDown, this,
                [&](int x, int y) { events << QString("MouseDown %1,%2").arg(x).arg(y); });
        connect(&chooser, &ColorChooser::Changed, this, [&] { events << "Changed"; });
        connect(&chooser, &ColorChooser::MouseUp, this, [&] { events << "MouseUp"; });
        QString title;
        answers.expect(test::ModalAnswers::chooseColour(QColor(10, 200, 30), &title));
        QTest::mouseClick(&chooser, Qt::LeftButton, {}, QPoint(5, 6));
        QCOMPARE(events, QStringList({"MouseDown 5,6", "Changed", "MouseUp"}));
        QCOMPARE(title, QString::fromUtf8("Neue Farbe für Projektion:"));
        QCOMPARE(chooser.farbe(), RGB(10, 200, 30));
        QCOMPARE(at(pixels(chooser), 30, 10), RGB(10, 200, 30));
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(answers.unexpected(), QStringList());
    }

    void aCancelledPickerKeepsTheColourAndStillReportsTheRelease() {
        test::ModalAnswers answers;
        ColorChooser chooser;
        chooser.setFarbe(RGB(1, 2, 3));
        chooser.show();
        QSignalSpy changed(&chooser, &ColorChooser::Changed);
        QSignalSpy released(&chooser, &ColorChooser::MouseUp);
        answers.expect(test::ModalAnswers::cancel());
        QTest::mouseClick(&chooser, Qt::LeftButton);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(released.count(), 1);
        QCOMPARE(chooser.farbe(), RGB(1, 2, 3));
        QCOMPARE(answers.pending(), 0);
    }

    void aChooserClosedWithItsWindowWhileThePickerIsUpReportsNothing() {
        test::ModalAnswers answers;
        auto* window = new QWidget();
        auto* chooser = new ColorChooser(window);
        chooser->resize(62, 20);
        window->show();
        QSignalSpy changed(chooser, &ColorChooser::Changed);
        QSignalSpy released(chooser, &ColorChooser::MouseUp);
        const QPointer<QWidget> alive(window);
        answers.expect([window](QWidget&) { delete window; });
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
                          chooser->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(chooser, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                            chooser->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(chooser, &release);
        QVERIFY(!alive);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(released.count(), 0);
        QCOMPARE(answers.pending(), 0);
    }
};

} // namespace morvane

MORVANE_QTTEST_MAIN(morvane::ColourControlsTest)
#include "ColourControlsTest.moc"
