// SPDX-License-Identifier: MIT
// Form_Resize: the four number boxes follow the window's width in twips, and
// txtWSF shows how many digits fit; narrow and minimised windows leave the
// widths alone, and nothing else moves.
#include <QLineEdit>
#include <QTest>
#include <cmath>

#include "window_driver.h"

namespace {

const QStringList kNumberBoxes = {"txtNum1", "txtNum2", "txtResult", "txtMem"};

// A box's pixel width for a width in twips, each edge at its nearest pixel.
int pixelWidth(int leftTwips, int widthTwips) {
    return static_cast<int>(std::lround((leftTwips + widthTwips) / 15.0)) -
           static_cast<int>(std::lround(leftTwips / 15.0));
}
int leftOf(const QString& box) { return box == QLatin1String("txtMem") ? 240 : 480; }

void resizeClient(WindowDriver& driver, int width) {
    driver.window.resize(width, 336);
    QTRY_COMPARE(driver.window.width(), width);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void widthsFollowTheWindow_data();
    void widthsFollowTheWindow();
    void narrowerThanTheMarginKeepsTheWidths();
    void minimiseAndRestoreChangeNothing();
    void onlyTheNumberBoxesChange();
};

void LayoutTest::widthsFollowTheWindow_data() {
    QTest::addColumn<int>("clientPixels");
    QTest::addColumn<int>("boxTwips");
    QTest::addColumn<QString>("wsf");
    // client twips = pixels × 15; boxes = client − 500; WSF = (box − 40) / 136
    QTest::newRow("designed 7725 twips") << 515 << 7225 << "52";
    QTest::newRow("9090 twips: 8550 / 136 = 62 r 118") << 606 << 8590 << "62";
    QTest::newRow("46 px: first to show a digit") << 46 << 190 << "1";
    QTest::newRow("45 px: 135 / 136 = 0") << 45 << 175 << "0";
    QTest::newRow("34 px: (10 - 40) / 136 truncates to 0") << 34 << 10 << "0";
    // 810 - 500 - 40 = 270 = 136 + 134. The box's pixel width read back as
    // twips (21 × 15 = 315) would give 2: the width in twips is kept.
    QTest::newRow("54 px: exact twips, not the pixel grid") << 54 << 310 << "1";
    QTest::newRow("wide 1600 px") << 1600 << 23500 << "172";
}

void LayoutTest::widthsFollowTheWindow() {
    QFETCH(int, clientPixels);
    QFETCH(int, boxTwips);
    QFETCH(QString, wsf);
    WindowDriver driver;
    driver.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window));
    resizeClient(driver, clientPixels);
    for (const QString& name : kNumberBoxes) {
        QCOMPARE(driver.box(name)->width(), pixelWidth(leftOf(name), boxTwips));
        QCOMPARE(driver.box(name)->property("widthInTwips").toInt(), boxTwips);
    }
    QCOMPARE(driver.text(QStringLiteral("txtWSF")), wsf);
}

// Below 500 twips no width can be set: the boxes keep theirs, and txtWSF is
// worked out again from the unchanged result box.
void LayoutTest::narrowerThanTheMarginKeepsTheWidths() {
    WindowDriver driver;
    driver.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window));
    resizeClient(driver, 606);
    driver.setText(QStringLiteral("txtWSF"), QStringLiteral("typed over"));
    resizeClient(driver, 33);  // 495 twips
    for (const QString& name : kNumberBoxes) {
        QCOMPARE(driver.box(name)->width(), pixelWidth(leftOf(name), 8590));
    }
    QCOMPARE(driver.text(QStringLiteral("txtWSF")), QStringLiteral("62"));
    resizeClient(driver, 34);  // exactly 10 twips left for the boxes
    QCOMPARE(driver.box(QStringLiteral("txtResult"))->property("widthInTwips").toInt(), 10);
}

void LayoutTest::minimiseAndRestoreChangeNothing() {
    WindowDriver driver;
    driver.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window));
    resizeClient(driver, 606);
    QList<int> widths;
    for (const QString& name : kNumberBoxes) widths << driver.box(name)->width();

    driver.setText(QStringLiteral("txtWSF"), QString());
    driver.window.setWindowState(Qt::WindowMinimized);
    QVERIFY(driver.window.isMinimized());
    QCOMPARE(driver.text(QStringLiteral("txtWSF")), QStringLiteral("62"));  // worked out again
    for (int i = 0; i < kNumberBoxes.size(); ++i) QCOMPARE(driver.box(kNumberBoxes[i])->width(), widths[i]);

    driver.setText(QStringLiteral("txtWSF"), QString());
    driver.window.setWindowState(Qt::WindowNoState);
    QVERIFY(!driver.window.isMinimized());
    QCOMPARE(driver.text(QStringLiteral("txtWSF")), QStringLiteral("62"));
    for (int i = 0; i < kNumberBoxes.size(); ++i) QCOMPARE(driver.box(kNumberBoxes[i])->width(), widths[i]);
}

void LayoutTest::onlyTheNumberBoxesChange() {
    WindowDriver driver;
    driver.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window));
    QHash<QString, QRect> before;
    for (QWidget* child : driver.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        before.insert(child->objectName(), child->geometry());
    }
    for (int width : {900, 200, 515}) {
        resizeClient(driver, width);
        for (QWidget* child : driver.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect designed = before.value(child->objectName());
            if (kNumberBoxes.contains(child->objectName())) {
                QCOMPARE(child->pos(), designed.topLeft());
                QCOMPARE(child->height(), designed.height());
            } else {
                QCOMPARE(child->geometry(), designed);
            }
        }
    }
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
