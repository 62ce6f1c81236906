// SPDX-License-Identifier: MIT
// The help: F1 opens one read-only, resizable window with the focus in its
// text, Esc closes it; it lists every command with its keys, the window's
// own keys, every error text, the version, the licence and the website.
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "ui/keyboard.h"
#include "window_driver.h"

namespace {

QDialog* helpOf(QWidget& window) { return window.findChild<QDialog*>(QStringLiteral("helpWindow")); }

QString helpText(QWidget& window) { return helpOf(window)->findChild<QTextBrowser*>()->toPlainText(); }

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void f1OpensOneHelpAndEscClosesIt();
    void theHelpSaysWhatTheWindowDoes();
};

void HelpTest::f1OpensOneHelpAndEscClosesIt() {
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.pressIn(QStringLiteral("txtNum1"), QKeyCombination(Qt::Key_F1));
    QDialog* help = helpOf(driver.window);
    QVERIFY(help != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->windowTitle(), QStringLiteral("Calcora Help"));
    // The offscreen platform leaves the calculator active; a desktop
    // activates the help, and its focus is in the text.
    auto* text = qobject_cast<QTextBrowser*>(help->focusWidget());
    QVERIFY(text != nullptr);
    QVERIFY(text->isReadOnly());
    QVERIFY(help->minimumSize() != help->maximumSize());
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!help->isVisible());

    driver.window.activateWindow();
    QVERIFY(driver.active());
    driver.pressIn(QStringLiteral("txtNum2"), QKeyCombination(Qt::Key_F1));
    driver.pressIn(QStringLiteral("txtNum2"), QKeyCombination(Qt::Key_F1));
    QVERIFY(help->isVisible());
    QCOMPARE(driver.window.findChildren<QDialog*>().size(), 1);
}

void HelpTest::theHelpSaysWhatTheWindowDoes() {
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.press(QKeyCombination(Qt::Key_F1));
    const QString text = helpText(driver.window);
    // A table row reads as its cells, a line each: caption, what it does
    // (as the description a screen reader hears begins), keys.
    for (QPushButton* button : driver.window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        const QString keys = calcora::shortcutText(button->objectName());
        const QString description = button->accessibleDescription();
        const QString does = description.left(description.indexOf(QStringLiteral(" Shortcut: ")));
        const QString row = button->text().trimmed() + QLatin1Char('\n') + does + QLatin1Char('\n') + keys + QLatin1Char('\n');
        QVERIFY2(text.contains(row), qPrintable(row));
    }
    for (const QString& key : {QStringLiteral("F1"), QStringLiteral("Ctrl+Q or Ctrl+W"), QStringLiteral("Ctrl+C"),
                               QStringLiteral("Shift+F1"), QStringLiteral("Ctrl+Z"),
                               QStringLiteral("Ctrl+Shift+Z or Ctrl+Y")}) {
        QVERIFY2(text.contains(key), qPrintable(key));
    }
    using namespace window_text;
    for (const QString& error : {kNumericInputRequired, kTooBig, kDivideByZero, kSettingNotANumber, kInputMustBeNumeric,
                                 kNotNegative, kExponentNeeded, kFactorialTooLarge, kIntegerNeeded, kWholeNumber,
                                 kHpFactorialOverflow, kNumeratorTooLong}) {
        QVERIFY2(text.contains(error), qPrintable(error));
    }
    QVERIFY(text.contains(QStringLiteral("Calcora " CALCORA_VERSION)));
    QVERIFY(text.contains(QStringLiteral("MIT License")));
    QVERIFY(text.contains(QString::fromLatin1(calcora::frmNumora::kPageAddress)));
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
