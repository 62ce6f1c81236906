// SPDX-License-Identifier: MIT
// Pi and the e series: the texts they write, the mode they leave, the focus,
// and the series checked term by term against the exact oracle of tests/support.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/support/exact.h"
#include "tests/support/fixed_rounding.h"
#include "ui/frmNumora.h"
#include "window_driver.h"

namespace {

using namespace calcora::testing_support;

using Window = ShownWindowDriver;

const QString kPi29 = QStringLiteral("3.1415926535897932384626433833");
const QString kPi50 = QStringLiteral("3.1415926535897932384626433832795028841971693993751");

// The series as the fixed decimal computes it: each term is the previous one
// divided by k and rounded as the fixed decimal rounds (at 28 places, a tie to
// the even digit); the memory is the exact sum of those terms.
class SeriesOracle {
public:
    void next() {
        ++k_;
        term_ = nearestFixed(term_, fromInteger(k_), false)->value;
        sum_ = add(sum_, term_);
    }
    // The form both the fixed decimal and LargeAdd write: no "0" before the
    // point, no trailing fraction zeros, no point for a whole value.
    QString termText() const { return QString::fromStdString(plainText(term_)); }
    QString sumText() const { return QString::fromStdString(plainText(sum_)); }

private:
    std::uint64_t k_ = 0;
    Exact term_ = fromInteger(1);
    Exact sum_ = fromInteger(1);
};

}  // namespace

class ConstantsTest : public QObject {
    Q_OBJECT

private slots:
    void pi_data();
    void pi();
    void seriesMemory_data();
    void seriesMemory();
    void seriesAgainstOracle();
    void seriesWritesEachBoxOnce();
    void resetBetweenClicks_data();
    void resetBetweenClicks();
    void seriesUsesEditedBoxes();
    void seriesCorrectsTheSetting();
    void seriesStopsAtTheLastCount();
};

void ConstantsTest::pi_data() {
    QTest::addColumn<bool>("highPrecision");
    QTest::addColumn<QString>("sigFigs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("HP: 29 digits") << true << "50" << kPi29;
    QTest::newRow("VHP: 50 digits at setting 50") << false << "50" << kPi50;
    QTest::newRow("VHP: 50 digits at setting 500") << false << "500" << kPi50;
    QTest::newRow("VHP: 50 digits at setting 30") << false << "30" << kPi50;
    QTest::newRow("VHP: setting out of range is not corrected") << false << "10" << kPi50;
}

void ConstantsTest::pi() {
    QFETCH(bool, highPrecision);
    QFETCH(QString, sigFigs);
    QFETCH(QString, expected);

    Window win;
    QVERIFY(win.active());
    win.option(highPrecision)->setChecked(true);
    win.setText("txtSigFigs", sigFigs);
    win.setText("txtNum1", "old");
    win.setText("txtNum2", "2");
    win.setText("txtResult", "123");
    win.setText("txtMem", "4");
    const QString exponent = win.text("txtExp");

    win.click("cmdPi");

    QCOMPARE(win.text("txtNum1"), expected);
    QCOMPARE(win.text("txtNum2"), QStringLiteral("2"));
    QCOMPARE(win.text("txtResult"), QStringLiteral("123"));
    QCOMPARE(win.text("txtExp"), exponent);
    QCOMPARE(win.text("txtMem"), QStringLiteral("4"));
    QCOMPARE(win.text("txtSigFigs"), sigFigs);
    QVERIFY(win.option(highPrecision)->isChecked());
    QCOMPARE(Window::focused(), QStringLiteral("txtNum2"));
}

void ConstantsTest::seriesMemory_data() {
    QTest::addColumn<bool>("startHighPrecision");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("term");

    struct Row {
        const char* name;
        int clicks;
        const char* memory;
        const char* term;
    };
    const Row rows[] = {
        {"first click: 1 + 1/1!", 1, "2", "1"},
        {"second click adds 1/2!", 2, "2.5", ".5"},
        {"third click adds 1/3! rounded", 3, "2.6666666666666666666666666667",
         ".1666666666666666666666666667"},
        {"27th click adds the last non-zero term", 27, "2.7182818284590452353602874713",
         ".0000000000000000000000000001"},
        {"28th click adds a zero term", 28, "2.7182818284590452353602874713", "0"},
        {"40 clicks change nothing more", 40, "2.7182818284590452353602874713", "0"},
    };
    for (bool startHighPrecision : {false, true}) {
        for (const Row& row : rows) {
            QTest::addRow("from %s, %s", startHighPrecision ? "HP" : "VHP", row.name)
                << startHighPrecision << row.clicks << QString::fromLatin1(row.memory)
                << QString::fromLatin1(row.term);
        }
    }
}

void ConstantsTest::seriesMemory() {
    QFETCH(bool, startHighPrecision);
    QFETCH(int, clicks);
    QFETCH(QString, memory);
    QFETCH(QString, term);

    Window win;
    QVERIFY(win.active());
    win.option(startHighPrecision)->setChecked(true);
    for (int i = 0; i < clicks; ++i) win.click("cmdMacro");

    QCOMPARE(win.text("txtMem"), memory);
    QCOMPARE(win.text("txtNum1"), term);
    QCOMPARE(win.text("txtNum2"), QString::number(clicks));
    QCOMPARE(win.text("txtResult"), QString());
    QCOMPARE(win.text("txtExp"), QString());
    QCOMPARE(win.text("txtSigFigs"), QStringLiteral("50"));
    QVERIFY(win.option(true)->isChecked());
    QVERIFY(!win.option(false)->isChecked());
    QCOMPARE(win.window.macroCount(), static_cast<std::int16_t>(clicks));
    QCOMPARE(Window::focused(), QStringLiteral("txtNum2"));
}

void ConstantsTest::seriesAgainstOracle() {
    Window win;
    QVERIFY(win.active());
    SeriesOracle oracle;
    for (int k = 1; k <= 35; ++k) {
        win.click("cmdMacro");
        oracle.next();
        QVERIFY2(win.text("txtNum1") == oracle.termText(),
                 qPrintable(QStringLiteral("term %1: %2, expected %3")
                                .arg(k)
                                .arg(win.text("txtNum1"), oracle.termText())));
        QVERIFY2(win.text("txtMem") == oracle.sumText(),
                 qPrintable(QStringLiteral("sum after %1: %2, expected %3")
                                .arg(k)
                                .arg(win.text("txtMem"), oracle.sumText())));
    }
}

void ConstantsTest::seriesWritesEachBoxOnce() {
    Window win;
    QVERIFY(win.active());
    win.click("cmdMacro");

    QStringList writes;
    for (const char* name : {"txtNum1", "txtNum2", "txtResult", "txtMem"}) {
        QLineEdit* box = win.box(QString::fromLatin1(name));
        QObject::connect(box, &QLineEdit::textChanged, box, [&writes, box](const QString& text) {
            writes << box->objectName() + QLatin1Char('=') + text;
        });
    }
    win.click("cmdMacro");

    // The index, the term and the sum, each written once when the click has
    // worked them out; the result is empty before and after.
    const QStringList expected = {"txtNum2=2", "txtNum1=.5", "txtMem=2.5"};
    QCOMPARE(writes, expected);
}

void ConstantsTest::resetBetweenClicks_data() {
    QTest::addColumn<QString>("reset");
    QTest::addColumn<QString>("memoryAfterReset");

    QTest::newRow("MC") << "cmdMemClear" << "";
    QTest::newRow("Clear beside txtNum1") << "cmdClr1" << "2.6666666666666666666666666667";
    QTest::newRow("Clear beside txtNum2") << "cmdClr2" << "2.6666666666666666666666666667";
    QTest::newRow("Clear beside txtResult") << "cmdClr3" << "2.6666666666666666666666666667";
    QTest::newRow("C") << "cmdClearAll" << "2.6666666666666666666666666667";
}

void ConstantsTest::resetBetweenClicks() {
    QFETCH(QString, reset);
    QFETCH(QString, memoryAfterReset);

    for (bool startHighPrecision : {false, true}) {
        Window win;
        QVERIFY(win.active());
        win.option(startHighPrecision)->setChecked(true);
        for (int i = 0; i < 3; ++i) win.click("cmdMacro");

        win.click(reset);
        QCOMPARE(win.window.macroCount(), std::int16_t{0});
        QCOMPARE(win.text("txtMem"), memoryAfterReset);

        // The next click starts again from 1, whatever the memory held.
        win.click("cmdMacro");
        QCOMPARE(win.text("txtNum1"), QStringLiteral("1"));
        QCOMPARE(win.text("txtNum2"), QStringLiteral("1"));
        QCOMPARE(win.text("txtResult"), QString());
        QCOMPARE(win.text("txtMem"), QStringLiteral("2"));
        QCOMPARE(win.window.macroCount(), std::int16_t{1});
        QCOMPARE(Window::focused(), QStringLiteral("txtNum2"));
    }
}

void ConstantsTest::seriesUsesEditedBoxes() {
    Window win;
    QVERIFY(win.active());
    win.click("cmdMacro");
    win.setText("txtMem", "10");
    win.setText("txtNum1", "3");

    win.click("cmdMacro");

    QCOMPARE(win.text("txtMem"), QStringLiteral("11.5"));
    QCOMPARE(win.text("txtNum1"), QStringLiteral("1.5"));
    QCOMPARE(win.text("txtNum2"), QStringLiteral("2"));
}

void ConstantsTest::seriesCorrectsTheSetting() {
    // The divide step corrects the setting as the divide button does, though
    // the series computes in the fixed decimal.
    Window win;
    QVERIFY(win.active());
    win.setText("txtSigFigs", "10");
    win.click("cmdMacro");
    QCOMPARE(win.text("txtSigFigs"), QStringLiteral("30"));
    QCOMPARE(win.text("txtMem"), QStringLiteral("2"));

    // A setting that is no number stops the divide with its error text, and
    // the click ends there: the text stays in txtResult, the term in txtNum1.
    Window broken;
    QVERIFY(broken.active());
    broken.setText("txtSigFigs", "abc");
    broken.click("cmdMacro");
    QCOMPARE(broken.text("txtMem"), QStringLiteral("1"));
    QCOMPARE(broken.text("txtNum1"), QStringLiteral("1"));
    QCOMPARE(broken.text("txtNum2"), QStringLiteral("1"));
    QCOMPARE(broken.text("txtResult"), window_text::kSettingNotANumber);
    // The term was not added, so it is not counted: the next click starts the
    // series again instead of skipping a term.
    QCOMPARE(broken.window.macroCount(), std::int16_t{0});
    broken.setText("txtSigFigs", "50");
    broken.click("cmdMacro");
    QCOMPARE(broken.text("txtMem"), QStringLiteral("2"));
}

void ConstantsTest::seriesStopsAtTheLastCount() {
    Window win;
    QVERIFY(win.active());
    auto* macro = win.control<QPushButton>("cmdMacro");
    for (int i = 0; i < 32767; ++i) macro->click();
    QCOMPARE(win.window.macroCount(), std::int16_t{32767});
    QCOMPARE(win.text("txtNum2"), QStringLiteral("32767"));
    QCOMPARE(win.text("txtMem"), QStringLiteral("2.7182818284590452353602874713"));

    // The count cannot grow: the next click says so and changes nothing else,
    // not even the mode.
    win.option(false)->setChecked(true);
    win.setText("txtNum1", "a");
    win.setText("txtNum2", "b");
    win.setText("txtResult", "c");
    win.setText("txtMem", "d");
    win.box("txtResult")->setFocus();
    macro->click();

    QCOMPARE(win.window.macroCount(), std::int16_t{32767});
    QVERIFY(win.option(false)->isChecked());
    QCOMPARE(win.text("txtNum1"), QStringLiteral("a"));
    QCOMPARE(win.text("txtNum2"), QStringLiteral("b"));
    QCOMPARE(win.text("txtResult"), QStringLiteral("Overflow error - numbers too big for this operation"));
    QCOMPARE(win.text("txtMem"), QStringLiteral("d"));
    QCOMPARE(Window::focused(), QStringLiteral("txtResult"));
}

QTEST_MAIN(ConstantsTest)
#include "constants_test.moc"
