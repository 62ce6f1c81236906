// SPDX-License-Identifier: MIT
// The window as designed: every control's kind, caption, tool tip, place,
// font and tab order, the window's own look, and every caption fully visible
// in its control by the metrics of the font it really got.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <cmath>
#include <limits>

#include "window_driver.h"

namespace {

struct Designed {
    const char* name;
    const char* kind;
    const char* caption;
    const char* toolTip;
    int left, top, width, height;  // twips
    int tabIndex;
    double points;
};

// The designed controls, top to bottom. Label3 is drawn at 7.5 pt instead of
// 8.25 pt: no installed font has two lines of 8.25 pt within its 25 px.
const Designed kDesigned[] = {
    {"txtNum1", "text box", "", "", 480, 120, 7200, 420, 0, 12},
    {"cmdClr1", "button", "Clear", "", 0, 150, 495, 375, 10, 8.25},
    {"cmdPaste1", "button", "Paste", "", 0, 530, 520, 300, 34, 8.25},
    {"cmdShftUp", "button", "U", "", 600, 600, 285, 315, 41, 8.25},
    {"cmdShftDn", "button", "D", "", 900, 600, 285, 315, 42, 8.25},
    {"cmdSwitch", "button", "S", "", 1200, 600, 285, 315, 43, 8.25},
    {"cmdClearAll", "button", "C", "", 1500, 600, 285, 315, 44, 8.25},
    {"Label1", "label", " +  -  *  /", "", 3600, 600, 1215, 255, 8, 12},
    {"txtNum2", "text box", "", "", 480, 960, 7215, 420, 1, 12},
    {"cmdClr2", "button", "Clear", "", 0, 990, 495, 375, 11, 8.25},
    {"cmdPaste2", "button", "Paste", "", 0, 1370, 520, 300, 35, 8.25},
    {"Label2", "label", "=", "", 3960, 1440, 1215, 255, 9, 12},
    {"txtResult", "text box", "", "", 480, 1800, 7215, 420, 2, 12},
    {"cmdClr3", "button", "Clear", "", 0, 1830, 495, 375, 12, 8.25},
    {"cmdPasteRes", "button", "Paste", "", 0, 2200, 520, 300, 38, 8.25},
    {"txtExp", "text box", "", "", 6960, 2280, 735, 285, 36, 8.25},
    {"Label5", "label", "Scientific notation exponent:", "", 4840, 2340, 2055, 255, 37, 8.25},
    {"cmdAdd", "button", "Add", "", 600, 2400, 975, 495, 4, 8.25},
    {"cmdSubtract", "button", "Subtract", "", 1560, 2400, 855, 495, 5, 8.25},
    {"cmdMultiply", "button", "Multiply", "", 2400, 2400, 855, 495, 6, 8.25},
    {"cmdDivide", "button", "Divide", "", 3240, 2400, 975, 495, 7, 8.25},
    {"OptHP", "option", "High Precision (29 Sig Figs)", "", 4560, 2610, 2295, 195, 22, 8.25},
    {"txtWSF", "text box", "", "Sig figs that fit into the window width", 7320, 2640, 375, 285, 39,
     8.25},
    {"Label6", "label", "WSF:", "Significant figures that fit into window width", 6880, 2680, 495, 255,
     40, 8.25},
    {"optVHP", "option", "Very High Precision", "", 4560, 2830, 1695, 195, 23, 8.25},
    {"cmdShift", "button", "Shift Result to 1", "", 530, 3000, 1335, 375, 13, 8.25},
    {"cmdShift2", "button", "Shift Result to 2", "", 1850, 3000, 1335, 375, 27, 8.25},
    {"cmdCopyResult", "button", "Copy Result", "", 3170, 3000, 1095, 375, 30, 8.25},
    {"Label3", "label", "Significant figures     in VHP (30 - 500):", "", 4600, 3075, 1400, 375, 15,
     7.5},
    {"cmdPi", "button", "pi ", "", 6840, 3120, 480, 375, 29, 8.25},
    {"txtSigFigs", "text box", "50", "", 5940, 3150, 375, 285, 14, 8.25},
    {"cmdMemPlus", "button", "M+", "", 720, 3600, 495, 375, 16, 8.25},
    {"cmdMemMinus", "button", "M-", "", 1200, 3600, 495, 375, 17, 8.25},
    {"cmdMemRec1", "button", "MR1", "", 1680, 3600, 495, 375, 18, 8.25},
    {"cmdMemRec2", "button", "MR2", "", 2160, 3600, 495, 375, 19, 8.25},
    {"cmdMemClear", "button", "MC", "", 2640, 3600, 495, 375, 20, 8.25},
    {"cmdCopyMem", "button", "Copy Mem", "", 3120, 3600, 975, 375, 31, 8.25},
    {"cmdReciprocal", "button", "1/x ", "", 4320, 3600, 495, 375, 26, 8.25},
    {"cmdSqRt", "button", "Sq Rt", "Square root only calculates up to 100 significant figures", 4800,
     3600, 615, 375, 25, 8.25},
    {"cmdPower", "button", "^ Exp", "", 5400, 3600, 615, 375, 24, 8.25},
    {"cmdFac", "button", "x ! ", "", 6015, 3600, 480, 375, 28, 8.25},
    {"cmdMacro", "button", "e-macro", "Each click adds one term to the infinite series that calculates e.",
     6480, 3600, 855, 375, 21, 8.25},
    {"txtMem", "text box", "", "", 240, 4080, 7215, 420, 3, 12},
    {"cmdVisit", "button", "Visit the website of the author of this program", "", 4080, 4660, 3375, 255,
     33, 8.25},
    {"Label4", "label", "", "", 280, 4680, 3495, 255, 32, 8.25},  // caption checked on its own
};

// Each edge in twips goes to its nearest pixel (15 twips a pixel).
int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
QRect pixelRect(const Designed& d) {
    return QRect(QPoint(pixels(d.left), pixels(d.top)),
                 QPoint(pixels(d.left + d.width) - 1, pixels(d.top + d.height) - 1));
}

QString kindOf(QWidget* widget) {
    if (qobject_cast<QLineEdit*>(widget)) return QStringLiteral("text box");
    if (qobject_cast<QPushButton*>(widget)) return QStringLiteral("button");
    if (qobject_cast<QRadioButton*>(widget)) return QStringLiteral("option");
    if (qobject_cast<QLabel*>(widget)) return QStringLiteral("label");
    return QStringLiteral("other");
}

QString captionOf(QWidget* widget) {
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return {};
}

// isSignalConnected is protected; naming it through a subclass gives a
// pointer to QObject's member that applies to any object.
struct SignalPeek : QObject {
    static bool connected(const QObject* object, const QMetaMethod& signal) {
        return (object->*(&SignalPeek::isSignalConnected))(signal);
    }
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlTable_data();
    void controlTable();
    void fortyFiveControlsAndNoOthers();
    void focusStartsInFirstBoxAndTabWalksTheDesignedOrder();
    void windowAtStart();
    void colours();
    void textBoxesTakeAnyLength();
    void everyButtonIsConnected();
    void captionsFit_data();
    void captionsFit();
    void textBoxesHoldTheirFont();
};

void WindowTest::controlTable_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kDesigned)); ++row) {
        QTest::newRow(kDesigned[row].name) << row;
    }
}

void WindowTest::controlTable() {
    QFETCH(int, row);
    const Designed& d = kDesigned[row];
    WindowDriver driver;  // not shown: the boxes keep their designed widths
    const auto found = driver.window.findChildren<QWidget*>(QString::fromLatin1(d.name));
    QCOMPARE(found.size(), 1);
    QWidget* widget = found.front();
    QCOMPARE(kindOf(widget), QString::fromLatin1(d.kind));
    if (QByteArray(d.name) != "Label4") QCOMPARE(captionOf(widget), QString::fromLatin1(d.caption));
    QCOMPARE(widget->toolTip(), QString::fromLatin1(d.toolTip));
    QCOMPARE(widget->geometry(), pixelRect(d));
    QCOMPARE(widget->font().pointSizeF(), d.points);
    QCOMPARE(widget->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(widget->font().bold() || widget->font().italic(), false);
    if (kindOf(widget) == QLatin1String("label")) QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
}

void WindowTest::fortyFiveControlsAndNoOthers() {
    WindowDriver driver;
    const auto boxes = driver.window.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    const auto buttons = driver.window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    const auto options = driver.window.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    const auto labels = driver.window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(boxes.size(), 7);
    QCOMPARE(buttons.size(), 30);
    QCOMPARE(options.size(), 2);
    QCOMPARE(labels.size(), 6);
    QCOMPARE(driver.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 45);
}

void WindowTest::focusStartsInFirstBoxAndTabWalksTheDesignedOrder() {
    WindowDriver driver;
    driver.window.show();
    driver.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&driver.window));
    QCOMPARE(QApplication::focusWidget(), driver.box(QStringLiteral("txtNum1")));

    // The designed tab indices, labels left out, in order.
    std::vector<const Designed*> order;
    for (const Designed& d : kDesigned) {
        if (QByteArray(d.kind) != "label") order.push_back(&d);
    }
    std::sort(order.begin(), order.end(),
              [](const Designed* a, const Designed* b) { return a->tabIndex < b->tabIndex; });
    QCOMPARE(order.size(), std::size_t(39));

    // The focus chain, as setTabOrder leaves it, from txtNum1 round to it.
    QWidget* widget = driver.box(QStringLiteral("txtNum1"));
    QStringList chain;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != driver.box(QStringLiteral("txtNum1")));
    QStringList expected;
    for (const Designed* d : order) expected << QString::fromLatin1(d->name);
    QCOMPARE(chain, expected);

    // Tab itself, up to the options (Qt enters an option group at its
    // selected option only), and on from the option after them.
    for (const Designed* d : order) {
        if (QByteArray(d->kind) == "option") break;
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(d->name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void WindowTest::windowAtStart() {
    WindowDriver driver;
    calcora::frmNumora& w = driver.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Calcora"));
    QCOMPARE(w.size(), QSize(515, 336));
    QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));
    const QImage icon = w.windowIcon().pixmap(32, 32).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(driver.control<QLabel>(QStringLiteral("Label4"))->text().startsWith(QStringLiteral("Ver 1.2")));
    QVERIFY(driver.control<QRadioButton>(QStringLiteral("optVHP"))->isChecked());
    QVERIFY(!driver.control<QRadioButton>(QStringLiteral("OptHP"))->isChecked());
    QCOMPARE(driver.text(QStringLiteral("txtSigFigs")), QStringLiteral("50"));
    for (const char* name : {"txtNum1", "txtNum2", "txtResult", "txtMem", "txtExp"}) {
        QCOMPARE(driver.text(QString::fromLatin1(name)), QString());
    }
    QCOMPARE(w.macroCount(), std::int16_t(0));
    for (QPushButton* button : w.findChildren<QPushButton*>()) {
        QVERIFY(!button->autoDefault() && !button->isDefault());
        QVERIFY2(!button->text().contains(QLatin1Char('&')), qPrintable(button->objectName()));
    }

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect screen = w.screen()->availableGeometry();
    QVERIFY(std::abs(w.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(std::abs(w.geometry().center().y() - screen.center().y()) <= 1);
}

void WindowTest::colours() {
    WindowDriver driver;
    const QColor background(192, 192, 255);
    QCOMPARE(driver.window.palette().color(QPalette::Window), background);
    QVERIFY(driver.window.autoFillBackground());
    const QColor system = QApplication::palette().color(QPalette::Window);
    for (QWidget* child : driver.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool ownColours = qobject_cast<QLabel*>(child) || qobject_cast<QRadioButton*>(child);
        QVERIFY2(!child->autoFillBackground(), qPrintable(child->objectName()));
        QCOMPARE(child->palette().color(QPalette::Window), ownColours ? background : system);
    }
}

void WindowTest::textBoxesTakeAnyLength() {
    WindowDriver driver;
    const QString pasted(100000, QLatin1Char('7'));
    for (QLineEdit* box : driver.window.findChildren<QLineEdit*>()) {
        QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
        box->setText(pasted);
        QCOMPARE(box->text().size(), pasted.size());
    }
}

void WindowTest::everyButtonIsConnected() {
    WindowDriver driver;
    const QMetaMethod clicked = QMetaMethod::fromSignal(&QAbstractButton::clicked);
    for (QPushButton* button : driver.window.findChildren<QPushButton*>()) {
        QVERIFY2(SignalPeek::connected(button, clicked), qPrintable(button->objectName()));
    }
}

void WindowTest::captionsFit_data() {
    QTest::addColumn<QString>("name");
    for (const Designed& d : kDesigned) {
        if (QByteArray(d.kind) != "text box") QTest::newRow(d.name) << QString::fromLatin1(d.name);
    }
}

// The caption within the part of the control the style leaves for it, by the
// metrics of the font the control really got: nothing clipped or elided.
void WindowTest::captionsFit() {
    QFETCH(QString, name);
    WindowDriver driver;
    QWidget* widget = driver.window.findChild<QWidget*>(name);
    const QString caption = captionOf(widget);
    const QFontMetrics metrics(widget->font());
    const QString family = QFontInfo(widget->font()).family();
    const QString context = QStringLiteral("%1 in %2 (%3 px)")
                                .arg(name, family)
                                .arg(QFontInfo(widget->font()).pixelSize());

    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = caption;
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(metrics.horizontalAdvance(caption) <= room.width(), qPrintable(context));
        QVERIFY2(metrics.height() <= room.height(), qPrintable(context));
        return;
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = caption;
        const QRect room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        QVERIFY2(metrics.horizontalAdvance(caption) <= room.width(), qPrintable(context));
        QVERIFY2(metrics.height() <= room.height(), qPrintable(context));
        return;
    }
    auto* label = qobject_cast<QLabel*>(widget);
    QVERIFY(label != nullptr);
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 1000),
                                                  Qt::TextWordWrap | label->alignment(), caption);
        QVERIFY2(needed.width() <= room.width(), qPrintable(context));
        QVERIFY2(needed.height() <= room.height(), qPrintable(context));
        QVERIFY2(needed.height() > metrics.height(), "expected to break over two lines");
        return;
    }
    QVERIFY2(metrics.horizontalAdvance(caption) <= room.width(), qPrintable(context));
}

// A line of the box's font within the part of the box the style leaves for
// text (what the box paints into).
void WindowTest::textBoxesHoldTheirFont() {
    WindowDriver driver;
    for (QLineEdit* box : driver.window.findChildren<QLineEdit*>()) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.rect = box->rect();
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        QVERIFY2(QFontMetrics(box->font()).height() <= room.height(), qPrintable(box->objectName()));
    }
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
