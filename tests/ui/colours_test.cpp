// SPDX-License-Identifier: MIT
// Every text of the window stays readable in any theme: under a light, a
// dark and two high-contrast palettes, each of the 45 controls' text has at
// least 4.5:1
// against what is painted behind it, the dimmed result of earlier numbers
// included.
//
// Both colours are read from the window as painted (QWidget::grab), not from
// the palette: the style decides which roles it paints with (a button's face
// is a gradient, an option's caption lies on the window's background), and
// only the pixels show what the user sees. Behind the text is the commonest
// colour of the control's text area; the text is that area's pixel of
// highest contrast against it. Antialiasing can only lower that reading.
#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QTreeView>

#include "ui/history_window.h"
#include "ui/whole_number_view.h"
#include "window_driver.h"

namespace {

struct Scheme {
    QColor window, windowText, base, text, button, buttonText, highlight, highlightedText;
};

QPalette paletteOf(const Scheme& s) {
    QPalette palette = QApplication::style()->standardPalette();
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, s.window},         {QPalette::WindowText, s.windowText},
        {QPalette::Base, s.base},             {QPalette::Text, s.text},
        {QPalette::Button, s.button},         {QPalette::ButtonText, s.buttonText},
        {QPalette::Highlight, s.highlight},   {QPalette::HighlightedText, s.highlightedText},
    };
    for (const auto& [role, colour] : roles) palette.setColor(role, colour);
    return palette;
}

// Adwaita-dark's colours, as a GTK desktop gives them.
const Scheme kDark{"#353535", "#eeeeec", "#2d2d2d", "#eeeeec", "#373737", "#eeeeec", "#15539e", "#ffffff"};
const Scheme kWhiteOnBlack{"#000000", "#ffffff", "#000000", "#ffffff", "#000000", "#ffffff", "#00ffff", "#000000"};
const Scheme kBlackOnWhite{"#ffffff", "#000000", "#ffffff", "#000000", "#ffffff", "#000000", "#000080", "#ffffff"};

// Where a control paints its text, in its own coordinates.
QRect textArea(QWidget* control) {
    QStyle* style = control->style();
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto* option = qobject_cast<QRadioButton*>(control)) {
        QStyleOptionButton styleOption;
        styleOption.initFrom(option);
        return style->subElementRect(QStyle::SE_RadioButtonContents, &styleOption, option);
    }
    if (qobject_cast<QLineEdit*>(control)) return control->rect().adjusted(3, 3, -3, -3);
    return control->rect();
}

struct Reading {
    double ratio;
    QColor text, behind;
};

Reading read(const QImage& shot, QRect area) {
    area &= shot.rect();
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[shot.pixel(x, y)];
    }
    QRgb behind = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) std::tie(behind, most) = std::pair(it.key(), it.value());
    }
    Reading reading{1.0, QColor(behind), QColor(behind)};
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = wcagContrast(QColor(it.key()), QColor(behind));
        if (ratio > reading.ratio) reading = {ratio, QColor(it.key()), QColor(behind)};
    }
    return reading;
}

}  // namespace

class ColoursTest : public QObject {
    Q_OBJECT

private slots:
    void init() { desktop_ = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(desktop_); }
    void everyTextIsReadable_data();
    void everyTextIsReadable();
    void theDesignedBackgroundOnALightPalette();
    void theWindowsBesideItAreReadable_data() { everyTextIsReadable_data(); }
    void theWindowsBesideItAreReadable();

private:
    QPalette desktop_;
};

void ColoursTest::everyTextIsReadable_data() {
    QTest::addColumn<QPalette>("palette");
    const QPalette light = QApplication::style()->standardPalette();
    const QPalette dark = paletteOf(kDark);
    const QPalette whiteOnBlack = paletteOf(kWhiteOnBlack);
    const QPalette blackOnWhite = paletteOf(kBlackOnWhite);
    QTest::newRow("light") << light;
    QTest::newRow("dark") << dark;
    QTest::newRow("white on black") << whiteOnBlack;
    QTest::newRow("black on white") << blackOnWhite;
}

// Every box holds text; the result, 42, is of earlier numbers and dimmed.
void ColoursTest::everyTextIsReadable() {
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("6"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("7"));
    driver.setText(QStringLiteral("txtMem"), QStringLiteral("5"));
    driver.click(QStringLiteral("cmdMultiply"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("71"));
    QCOMPARE(driver.box(QStringLiteral("txtResult"))->toolTip(), window_text::kEarlierResult);

    const QImage shot = driver.window.grab().toImage();
    double lowest = 21;
    QString lowestControl;
    const auto controls = driver.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 45);
    for (QWidget* control : controls) {
        const Reading reading = read(shot, textArea(control).translated(control->pos()));
        QVERIFY2(reading.ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                                      .arg(control->objectName(), reading.text.name(),
                                                           reading.behind.name())
                                                      .arg(reading.ratio, 0, 'f', 2)));
        if (reading.ratio < lowest) std::tie(lowest, lowestControl) = std::pair(reading.ratio, control->objectName());
    }
    qInfo("lowest %.2f:1 (%s)", lowest, qPrintable(lowestControl));
}

void ColoursTest::theDesignedBackgroundOnALightPalette() {
    QApplication::setPalette(paletteOf(kBlackOnWhite));
    WindowDriver driver;
    QCOMPARE(driver.window.palette().color(QPalette::Window), QColor(192, 192, 255));
}

// The whole-number view (with a digit gone to) and the history (its newest
// entry chosen, an older one not): every label, button, field, heading,
// margin, line of digits and row, chosen or not, at least 4.5:1.
void ColoursTest::theWindowsBesideItAreReadable() {
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("1000"));
    driver.click(QStringLiteral("cmdFac"));
    driver.setText(QStringLiteral("txtNum2"), driver.text(QStringLiteral("txtResult")));
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("x"));
    driver.click(QStringLiteral("cmdAdd"));
    calcora::WholeNumberView* view = calcora::showWholeNumber(driver.window, "txtNum2");
    QVERIFY(view->jumpToDigit(2568));
    QDialog* history = calcora::showHistory(driver.window);
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QVERIFY(QTest::qWaitForWindowExposed(history));

    for (QDialog* window : {static_cast<QDialog*>(view), history}) {
        const QImage shot = window->grab().toImage();
        // CALCORA_SCREENSHOTS=<folder> keeps each picture, to look at.
        if (const QString folder = qEnvironmentVariable("CALCORA_SCREENSHOTS"); !folder.isEmpty()) {
            shot.save(QStringLiteral("%1/%2-%3.png")
                          .arg(folder, window->objectName(), QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-')));
        }
        QList<std::pair<QString, QRect>> areas;  // in the window's coordinates
        const auto add = [&](const QString& name, QWidget* widget, QRect area) {
            areas.push_back({name, area.translated(widget->mapTo(window, QPoint(0, 0)))});
        };
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled()) continue;
            if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
                add(label->objectName() + u' ' + label->text(), label, label->contentsRect());
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                add(button->text(), button, textArea(button));
            } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
                add(QStringLiteral("heading"), header, header->rect());
            } else if (widget->objectName() == QLatin1StringView("digitMargin")) {
                add(QStringLiteral("margin"), widget, widget->rect());
            }
        }
        if (auto* field = window->findChild<QSpinBox*>(QStringLiteral("jumpField"))) {
            add(QStringLiteral("jump field"), field, field->rect().adjusted(3, 3, -24, -3));
        }
        if (auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("wholeNumberText"))) {
            // The lines at the top; the chosen digit, at the end, lies lower.
            QRect top = text->viewport()->rect();
            top.setHeight(top.height() / 4);
            add(QStringLiteral("digits"), text->viewport(), top);
        }
        if (auto* list = window->findChild<QTreeView*>(QStringLiteral("historyList"))) {
            QCOMPARE(list->currentIndex().row(), 0);
            for (const int row : {0, 1}) {
                QRect line = list->visualRect(list->model()->index(row, 0));
                line.setRight(list->viewport()->width() - 1);
                add(row == 0 ? QStringLiteral("chosen entry") : QStringLiteral("entry"), list->viewport(), line);
            }
        }
        QVERIFY(areas.size() >= 7);
        for (const auto& [name, area] : areas) {
            const Reading reading = read(shot, area);
            QVERIFY2(reading.ratio >= 4.5, qPrintable(QStringLiteral("%1 in %2: %3 on %4 is %5:1")
                                                          .arg(name, window->objectName(), reading.text.name(),
                                                               reading.behind.name())
                                                          .arg(reading.ratio, 0, 'f', 2)));
        }
    }
}

QTEST_MAIN(ColoursTest)
#include "colours_test.moc"
