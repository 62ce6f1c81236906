// SPDX-License-Identifier: MIT
// The memory register: M+, M-, MR1, MR2 and MC, driven through the window's
// buttons in both modes.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/frmNumora.h"
#include "window_driver.h"

namespace {

using Window = ShownWindowDriver;

const QString k40Ones(40, QLatin1Char('1'));
const QString k40Twos(40, QLatin1Char('2'));
const QString k40Threes(40, QLatin1Char('3'));
const QString k40Nines(40, QLatin1Char('9'));

}  // namespace

class MemoryTest : public QObject {
    Q_OBJECT

private slots:
    void plusAndMinus_data();
    void plusAndMinus();
    void recall_data();
    void recall();
    void clearRestartsTheSeries();
};

void MemoryTest::plusAndMinus_data() {
    QTest::addColumn<bool>("highPrecision");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("resultAfter");

    // A failing command keeps the memory and says why in txtResult.
    const QString& noNumber = window_text::kNumericInputRequired;
    const QString& tooBig = window_text::kTooBig;
    struct Row {
        const char* name;
        const char* button;
        QString memory, result, expected;
        QString resultAfter = {};  // null: the result stays
    };
    const Row rows[] = {
        {"M+ into empty memory stores the result", "cmdMemPlus", "", "12.5", "12.5"},
        {"M- into empty memory stores the negation", "cmdMemMinus", "", "12.5", "-12.5"},
        {"M- into empty memory drops a minus", "cmdMemMinus", "", "-3", "3"},
        {"M+ into empty memory keeps a minus", "cmdMemPlus", "", "-3", "-3"},
        {"M+ empty into empty stays empty", "cmdMemPlus", "", "", ""},
        {"M- with empty result does nothing", "cmdMemMinus", "", "", ""},
        {"M+ adds", "cmdMemPlus", "10", "4", "14"},
        {"M- is memory minus result", "cmdMemMinus", "10", "4", "6"},
        {"M- with empty result leaves memory", "cmdMemMinus", "10", "", "10"},
        {"M+ with empty result adds zero", "cmdMemPlus", "10", "", "10"},
        {"M+ of 40 digits is exact", "cmdMemPlus", k40Ones, k40Twos, k40Threes},
        {"M+ carries past 40 digits", "cmdMemPlus", k40Nines, "1",
         QLatin1Char('1') + QString(40, QLatin1Char('0'))},
        {"M- of 40 digits is exact", "cmdMemMinus", k40Threes, k40Ones, k40Twos},
        {"M+ drops group commas", "cmdMemPlus", "1,000", "1", "1001"},
        {"M- to zero", "cmdMemMinus", "-5", "-5", "0"},
        {"M- of an error text into empty memory", "cmdMemMinus", "", "Divide by zero error", "", noNumber},
        {"M+ of an error text into empty memory", "cmdMemPlus", "", "Divide by zero error", "", noNumber},
        {"M- into empty memory reads the number", "cmdMemMinus", "", "+1e3", "-1000"},
        {"M+ of a letter keeps the memory", "cmdMemPlus", "5", "x", "5", noNumber},
        {"M- of a letter keeps the memory", "cmdMemMinus", "5", "x", "5", noNumber},
        {"M+ onto a letter memory keeps it", "cmdMemPlus", "abc", "1", "abc", noNumber},
        {"M+ of an over-long result keeps the memory", "cmdMemPlus", "1", QString(40000, QLatin1Char('1')), "1",
         tooBig},
        {"M+ of a sum one digit too long", "cmdMemPlus", QString(32767, QLatin1Char('9')), "1",
         QString(32767, QLatin1Char('9')), tooBig},
        // Into an empty memory nothing goes that is too long to read back.
        {"M- of 32,766 digits into empty memory", "cmdMemMinus", "", QString(32766, QLatin1Char('7')),
         QLatin1Char('-') + QString(32766, QLatin1Char('7'))},
        {"M- of 32,767 digits into empty memory", "cmdMemMinus", "", QString(32767, QLatin1Char('7')), "",
         tooBig},
        {"M+ of a grouped result too long to copy", "cmdMemPlus", "",
         QLatin1Char('1') + QStringLiteral(",000").repeated(8192), "", tooBig},
    };
    for (bool highPrecision : {false, true}) {
        for (const Row& row : rows) {
            QTest::addRow("%s, %s", highPrecision ? "HP" : "VHP", row.name)
                << highPrecision << QString::fromLatin1(row.button) << row.memory << row.result
                << row.expected << (row.resultAfter.isNull() ? row.result : row.resultAfter);
        }
    }
}

void MemoryTest::plusAndMinus() {
    QFETCH(bool, highPrecision);
    QFETCH(QString, button);
    QFETCH(QString, memory);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QFETCH(QString, resultAfter);

    Window win;
    QVERIFY(win.active());
    win.selectMode(highPrecision);
    win.setText("txtNum1", "n1");
    win.setText("txtNum2", "n2");
    win.setText("txtMem", memory);
    win.setText("txtResult", result);
    win.box("txtNum2")->setFocus();

    win.click(button);

    QCOMPARE(win.text("txtMem"), expected);
    QCOMPARE(win.text("txtResult"), resultAfter);
    QCOMPARE(win.text("txtNum1"), QStringLiteral("n1"));
    QCOMPARE(win.text("txtNum2"), QStringLiteral("n2"));
    // The command moves no focus: it stays where the click put it.
    QCOMPARE(Window::focused(), button);
}

void MemoryTest::recall_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("memory");

    QTest::newRow("MR1 copies the memory to txtNum1") << "cmdMemRec1" << "txtNum1" << "7";
    QTest::newRow("MR2 copies the memory to txtNum2") << "cmdMemRec2" << "txtNum2" << "7";
    QTest::newRow("MR1 of an empty memory empties txtNum1") << "cmdMemRec1" << "txtNum1" << "";
    QTest::newRow("MR2 of an empty memory empties txtNum2") << "cmdMemRec2" << "txtNum2" << "";
    QTest::newRow("MR1 copies text as it stands")
        << "cmdMemRec1" << "txtNum1" << " 1,234 abc ";
    QTest::newRow("MR2 copies 20,000 digits whole")
        << "cmdMemRec2" << "txtNum2" << QString(20000, QLatin1Char('8'));
}

void MemoryTest::recall() {
    QFETCH(QString, button);
    QFETCH(QString, target);
    QFETCH(QString, memory);

    for (bool highPrecision : {false, true}) {
        Window win;
        QVERIFY(win.active());
        win.selectMode(highPrecision);
        win.setText("txtNum1", "old1");
        win.setText("txtNum2", "old2");
        win.setText("txtResult", "5");
        win.setText("txtMem", memory);

        win.click(button);

        QCOMPARE(win.text(target), memory);
        const QString other = target == "txtNum1" ? "txtNum2" : "txtNum1";
        QCOMPARE(win.text(other), other == "txtNum1" ? QStringLiteral("old1") : QStringLiteral("old2"));
        QCOMPARE(win.text("txtMem"), memory);
        QCOMPARE(win.text("txtResult"), QStringLiteral("5"));
        QCOMPARE(Window::focused(), button);
    }
}

void MemoryTest::clearRestartsTheSeries() {
    Window win;
    QVERIFY(win.active());
    win.click("cmdMacro");
    win.click("cmdMacro");
    QCOMPARE(win.window.macroCount(), std::int16_t{2});
    QCOMPARE(win.text("txtMem"), QStringLiteral("2.5"));
    win.setText("txtResult", "9");

    win.click("cmdMemClear");

    QCOMPARE(win.text("txtMem"), QString());
    QCOMPARE(win.window.macroCount(), std::int16_t{0});
    QCOMPARE(win.text("txtResult"), QStringLiteral("9"));
    QCOMPARE(win.text("txtNum2"), QStringLiteral("2"));
    QCOMPARE(Window::focused(), QStringLiteral("cmdMemClear"));
}

QTEST_MAIN(MemoryTest)
#include "memory_test.moc"
