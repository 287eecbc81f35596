#include "app/PageLayoutText.h"

#include "app/PreferencesFile.h"
#include "support/WindowTestMain.h"

namespace morvane {

class PageLayoutTextTest : public QObject {
    Q_OBJECT

private slots:
    void layoutsComeBackEquivalent_data() {
        QTest::addColumn<QPageLayout>("layout");
        QTest::newRow("A4 portrait, millimetres")
            << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        QTest::newRow("Legal landscape, inches")
            << QPageLayout(QPageSize(QPageSize::Legal), QPageLayout::Landscape,
                           QMarginsF(0.25, 0.5, 0.75, 1.0 / 3.0), QPageLayout::Inch);
        QTest::newRow("custom size in points, no margins")
            << QPageLayout(QPageSize(QSizeF(500.5, 700.25), QPageSize::Point),
                           QPageLayout::Portrait, QMarginsF(), QPageLayout::Point);
        QTest::newRow("custom size in millimetres, Didot margins")
            << QPageLayout(QPageSize(QSizeF(99.9, 140), QPageSize::Millimeter),
                           QPageLayout::Landscape, QMarginsF(3, 4, 5, 6), QPageLayout::Didot);
    }

    void layoutsComeBackEquivalent() {
        QFETCH(QPageLayout, layout);
        const QByteArray bytes = PageLayoutText::serialise(layout);
        const std::optional<QPageLayout> restored = PageLayoutText::parse(bytes);
        QVERIFY2(restored, bytes.constData());
        QVERIFY(restored->isEquivalentTo(layout));
        QCOMPARE(restored->units(), layout.units());
        QCOMPARE(restored->margins(), layout.margins());
        // And through the preferences record.
        const PreferencesFile::Record record =
            PreferencesFile::decode(PreferencesFile::encode(bytes, true));
        QCOMPARE(record.setup, std::optional<QByteArray>(bytes));
        QVERIFY(record.smoothing);
    }

    void textsThatDoNotDescribeAPageAreRefused_data() {
        QTest::addColumn<QByteArray>("text");
        const QByteArray good = "Morvane page layout 1\nsize 7\ndefinition 210 297 0\n"
                                "orientation 0\nunits 0\nmargins 10 10 10 10\n";
        QVERIFY(PageLayoutText::parse(good)); // the base every case below spoils
        auto spoil = [&good](const char* from, const char* to) {
            return QByteArray(good).replace(from, to);
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("other header") << spoil("layout 1", "layout 2");
        QTest::newRow("missing key") << spoil("units 0\n", "");
        QTest::newRow("repeated key") << good + "size 7\n";
        QTest::newRow("size id out of range") << spoil("size 7", "size 9999");
        QTest::newRow("negative size id") << spoil("size 7", "size -1");
        QTest::newRow("text for a number") << spoil("margins 10 10", "margins ten 10");
        QTest::newRow("not a number") << spoil("margins 10", "margins nan");
        QTest::newRow("infinite margin") << spoil("margins 10", "margins inf");
        QTest::newRow("negative margin") << spoil("margins 10", "margins -1");
        QTest::newRow("three margins") << spoil("10 10 10 10", "10 10 10");
        QTest::newRow("margins wider than the page") << spoil("margins 10", "margins 250");
        QTest::newRow("orientation 2") << spoil("orientation 0", "orientation 2");
        QTest::newRow("unit out of range") << spoil("units 0", "units 17");
        QTest::newRow("custom size of zero")
            << spoil("size 7\ndefinition 210", "size 30\ndefinition 0");
        QTest::newRow("absurd custom size")
            << spoil("size 7\ndefinition 210", "size 30\ndefinition 1e300");
        QTest::newRow("binary") << QByteArray("\x00\xff\x10\x80", 4);
    }

    void textsThatDoNotDescribeAPageAreRefused() {
        QFETCH(QByteArray, text);
        QVERIFY(!PageLayoutText::parse(text));
    }

    void lengthIsBigEndian() {
        const QByteArray bytes = PreferencesFile::encode(QByteArray(258, 'x'), false);
        QCOMPARE(bytes.left(4), QByteArray::fromHex("00000102"));
        QCOMPARE(bytes.size(), 258 + 5);
        QCOMPARE(bytes.back(), '\0');
    }
};

} // namespace morvane

MORVANE_QTTEST_MAIN(morvane::PageLayoutTextTest)
#include "PageLayoutTextTest.moc"
