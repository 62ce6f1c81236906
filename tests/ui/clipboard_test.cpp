// SPDX-License-Identifier: MIT
// Copy, paste, shift, exchange and clear, driven through the window's
// buttons: the box texts, the order of the writes, the clipboard and the focus.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QUrl>

#include "ui/frmNumora.h"
#include "window_driver.h"

namespace {

// The shown driver that can also record the writes to the boxes.
class Window : public ShownWindowDriver {
public:
    // Records "box=text" for every change of the operand, result and memory
    // boxes, in the order they happen.
    QStringList* recordWrites() {
        for (const char* name : {"txtNum1", "txtNum2", "txtResult", "txtMem"}) {
            QLineEdit* watched = box(QString::fromLatin1(name));
            QObject::connect(watched, &QLineEdit::textChanged, watched, [this, watched](const QString& t) {
                writes << watched->objectName() + QLatin1Char('=') + t;
            });
        }
        return &writes;
    }

    QStringList writes;
};

QClipboard* clipboard() { return QGuiApplication::clipboard(); }

// What the clipboard holds before a paste.
enum class Holding { Text, Image, Urls, Html, Nothing };

void fillClipboard(Holding holding, const QString& text) {
    switch (holding) {
    case Holding::Text:
        clipboard()->setText(text);
        break;
    case Holding::Image: {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::blue);
        clipboard()->setImage(image);
        break;
    }
    case Holding::Urls: {
        auto* data = new QMimeData;
        data->setUrls({QUrl(QStringLiteral("http://calcora.example.org/123"))});
        clipboard()->setMimeData(data);
        break;
    }
    case Holding::Html: {
        auto* data = new QMimeData;
        data->setHtml(QStringLiteral("<b>123</b>"));
        clipboard()->setMimeData(data);
        break;
    }
    case Holding::Nothing:
        clipboard()->clear();
        break;
    }
}

QString randomDigits(int count, quint32 seed) {
    QRandomGenerator random(seed);
    QString digits;
    digits.reserve(count);
    digits += QLatin1Char(static_cast<char>('1' + random.bounded(9)));
    while (digits.size() < count) digits += QLatin1Char(static_cast<char>('0' + random.bounded(10)));
    return digits;
}

}  // namespace

Q_DECLARE_METATYPE(Holding)

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void copy_data();
    void copy();
    void paste_data();
    void paste();
    void pasteIntoResultUpdatesExponent();
    void longRoundTrip();
    void moves_data();
    void moves();
    void shiftTwiceCopiesDownThenEmpties();
    void clears_data();
    void clears();
};

void ClipboardTest::copy_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("text");

    QTest::newRow("Copy Result") << "cmdCopyResult" << "txtResult" << "-123.456";
    QTest::newRow("Copy Mem") << "cmdCopyMem" << "txtMem" << "2.7182818284590452353602874713";
    QTest::newRow("Copy Result keeps spaces and commas") << "cmdCopyResult" << "txtResult" << " 1,234 5 ";
    QTest::newRow("Copy Result of an error text")
        << "cmdCopyResult" << "txtResult" << "Divide by zero error";
    QTest::newRow("Copy Result of an empty result") << "cmdCopyResult" << "txtResult" << "";
    QTest::newRow("Copy Mem of an empty memory") << "cmdCopyMem" << "txtMem" << "";
}

void ClipboardTest::copy() {
    QFETCH(QString, button);
    QFETCH(QString, source);
    QFETCH(QString, text);

    Window win;
    QVERIFY(win.active());
    // A picture on the clipboard must not survive the copy.
    fillClipboard(Holding::Image, QString());
    win.setText(source, text);
    win.setText("txtNum1", "1");

    win.click(button);

    const QMimeData* data = clipboard()->mimeData();
    QVERIFY(data != nullptr);
    QCOMPARE(data->formats(), QStringList{QStringLiteral("text/plain")});
    QCOMPARE(data->text(), text);
    QCOMPARE(win.text(source), text);
    QCOMPARE(win.text("txtNum1"), QStringLiteral("1"));
    QCOMPARE(Window::focused(), button);
}

void ClipboardTest::paste_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<Holding>("holding");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("expected");

    struct Target {
        const char* button;
        const char* target;
        const char* focusAfter;
    };
    const Target targets[] = {
        {"cmdPaste1", "txtNum1", "txtNum2"},
        {"cmdPaste2", "txtNum2", "txtResult"},
        {"cmdPasteRes", "txtResult", "txtResult"},
    };
    struct Row {
        const char* name;
        Holding holding;
        QString clip;
        QString expected;
    };
    const QString separated = QStringLiteral("1,234,567 890\n123\r\n456\t789");
    const Row rows[] = {
        {"a number", Holding::Text, "42", "42"},
        {"commas, spaces and line breaks unchanged", Holding::Text, separated, separated},
        {"surrounding spaces kept", Holding::Text, "  7  ", "  7  "},
        {"letters kept", Holding::Text, "abc", "abc"},
        {"100,000 characters uncut", Holding::Text, QString(100000, QLatin1Char('9')),
         QString(100000, QLatin1Char('9'))},
        {"an empty text empties the box", Holding::Text, "", ""},
        {"a picture only empties the box", Holding::Image, "", ""},
        {"a list of addresses is not plain text", Holding::Urls, "", ""},
        {"rich text only is not plain text", Holding::Html, "", ""},
        {"an empty clipboard empties the box", Holding::Nothing, "", ""},
    };
    for (const Target& target : targets) {
        for (const Row& row : rows) {
            QTest::addRow("%s, %s", target.button, row.name)
                << QString::fromLatin1(target.button) << QString::fromLatin1(target.target)
                << QString::fromLatin1(target.focusAfter) << row.holding << row.clip << row.expected;
        }
    }
}

void ClipboardTest::paste() {
    QFETCH(QString, button);
    QFETCH(QString, target);
    QFETCH(QString, focusAfter);
    QFETCH(Holding, holding);
    QFETCH(QString, clip);
    QFETCH(QString, expected);

    for (bool highPrecision : {false, true}) {
        Window win;
        QVERIFY(win.active());
        win.control<QRadioButton>(highPrecision ? QStringLiteral("OptHP") : QStringLiteral("optVHP"))
            ->setChecked(true);
        for (const char* name : {"txtNum1", "txtNum2", "txtResult", "txtMem"}) {
            win.setText(QString::fromLatin1(name), QStringLiteral("was ") + QLatin1String(name));
        }
        fillClipboard(holding, clip);

        win.click(button);

        QCOMPARE(win.text(target), expected);
        for (const char* name : {"txtNum1", "txtNum2", "txtResult", "txtMem"}) {
            if (target != QLatin1String(name)) {
                QCOMPARE(win.text(QString::fromLatin1(name)), QStringLiteral("was ") + QLatin1String(name));
            }
        }
        QCOMPARE(Window::focused(), focusAfter);
    }
}

void ClipboardTest::pasteIntoResultUpdatesExponent() {
    Window win;
    QVERIFY(win.active());
    fillClipboard(Holding::Text, QStringLiteral("123.45"));
    win.click("cmdPasteRes");
    QCOMPARE(win.text("txtExp"), QStringLiteral("2"));

    fillClipboard(Holding::Image, QString());
    win.click("cmdPasteRes");
    QCOMPARE(win.text("txtResult"), QString());
    QCOMPARE(win.text("txtExp"), QString());
}

void ClipboardTest::longRoundTrip() {
    const quint32 seed = 20240611;
    const QString digits = randomDigits(10000, seed);
    Window win;
    QVERIFY(win.active());
    win.setText("txtResult", digits);

    win.click("cmdCopyResult");
    QVERIFY2(clipboard()->text() == digits, qPrintable(QStringLiteral("seed %1").arg(seed)));

    win.click("cmdClearAll");
    win.click("cmdPaste1");
    win.click("cmdPaste2");
    win.click("cmdPasteRes");
    for (const char* name : {"txtNum1", "txtNum2", "txtResult"}) {
        QVERIFY2(win.text(QString::fromLatin1(name)) == digits,
                 qPrintable(QStringLiteral("%1 differs, seed %2").arg(QLatin1String(name)).arg(seed)));
    }

    // Out through the memory and back again.
    win.setText("txtMem", digits);
    win.click("cmdCopyMem");
    win.click("cmdClr1");
    win.click("cmdPaste1");
    QVERIFY2(win.text("txtNum1") == digits, qPrintable(QStringLiteral("seed %1").arg(seed)));
}

void ClipboardTest::moves_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("before");  // txtNum1, txtNum2, txtResult
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QString>("focusAfter");  // empty: the focus stays on the button

    QTest::newRow("Shift to 1 moves the result up")
        << "cmdShift" << QStringList{"5", "3", "42"} << QStringList{"42", "3", ""}
        << QStringList{"txtNum1=42", "txtResult="} << "txtNum2";
    QTest::newRow("Shift to 1 without result copies txtNum1 down")
        << "cmdShift" << QStringList{"5", "3", ""} << QStringList{"5", "5", ""}
        << QStringList{"txtNum2=5"} << "txtNum1";
    QTest::newRow("Shift to 1 without result, equal operands: txtNum1 emptied")
        << "cmdShift" << QStringList{"5", "5", ""} << QStringList{"", "5", ""}
        << QStringList{"txtNum1="} << "txtNum1";
    QTest::newRow("Shift to 1 with everything empty")
        << "cmdShift" << QStringList{"", "", ""} << QStringList{"", "", ""} << QStringList{}
        << "txtNum1";
    QTest::newRow("Shift to 1 compares case exactly")
        << "cmdShift" << QStringList{"1e5", "1E5", ""} << QStringList{"1e5", "1e5", ""}
        << QStringList{"txtNum2=1e5"} << "txtNum1";
    QTest::newRow("Shift to 1 compares spaces exactly")
        << "cmdShift" << QStringList{" 5", "5", ""} << QStringList{" 5", " 5", ""}
        << QStringList{"txtNum2= 5"} << "txtNum1";
    QTest::newRow("Shift to 2 moves the result down")
        << "cmdShift2" << QStringList{"5", "3", "42"} << QStringList{"5", "42", ""}
        << QStringList{"txtNum2=42", "txtResult="} << "";
    QTest::newRow("Shift to 2 without result does nothing")
        << "cmdShift2" << QStringList{"5", "3", ""} << QStringList{"5", "3", ""} << QStringList{}
        << "";
    QTest::newRow("U moves txtNum2 up")
        << "cmdShftUp" << QStringList{"1", "2", "9"} << QStringList{"2", "", "9"}
        << QStringList{"txtNum2=", "txtNum1=2"} << "txtNum2";
    QTest::newRow("D moves txtNum1 down")
        << "cmdShftDn" << QStringList{"1", "2", "9"} << QStringList{"", "1", "9"}
        << QStringList{"txtNum2=1", "txtNum1="} << "txtNum1";
    QTest::newRow("S exchanges the operands")
        << "cmdSwitch" << QStringList{"1", "2", "9"} << QStringList{"2", "1", "9"}
        << QStringList{"txtNum2=1", "txtNum1=2"} << "txtNum2";
    QTest::newRow("S with empty txtNum2 moves txtNum1 down")
        << "cmdSwitch" << QStringList{"1", "", ""} << QStringList{"", "1", ""}
        << QStringList{"txtNum2=1", "txtNum1="} << "txtNum2";
    QTest::newRow("S keeps texts as they stand")
        << "cmdSwitch" << QStringList{" 1,000 ", "abc", ""} << QStringList{"abc", " 1,000 ", ""}
        << QStringList{"txtNum2= 1,000 ", "txtNum1=abc"} << "txtNum2";
}

void ClipboardTest::moves() {
    QFETCH(QString, button);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, writes);
    QFETCH(QString, focusAfter);

    for (bool highPrecision : {false, true}) {
        Window win;
        QVERIFY(win.active());
        win.control<QRadioButton>(highPrecision ? QStringLiteral("OptHP") : QStringLiteral("optVHP"))
            ->setChecked(true);
        win.setText("txtNum1", before[0]);
        win.setText("txtNum2", before[1]);
        win.setText("txtResult", before[2]);
        win.setText("txtMem", "m");
        const QStringList* recorded = win.recordWrites();

        win.click(button);

        QCOMPARE(win.text("txtNum1"), after[0]);
        QCOMPARE(win.text("txtNum2"), after[1]);
        QCOMPARE(win.text("txtResult"), after[2]);
        QCOMPARE(win.text("txtMem"), QStringLiteral("m"));
        QCOMPARE(*recorded, writes);
        if (after[2].isEmpty()) QCOMPARE(win.text("txtExp"), QString());
        QCOMPARE(Window::focused(), focusAfter.isEmpty() ? button : focusAfter);
    }
}

void ClipboardTest::shiftTwiceCopiesDownThenEmpties() {
    Window win;
    QVERIFY(win.active());
    win.setText("txtNum1", "5");
    win.setText("txtNum2", "3");
    win.click("cmdShift");
    QCOMPARE(win.text("txtNum2"), QStringLiteral("5"));
    win.click("cmdShift");
    QCOMPARE(win.text("txtNum1"), QString());
    QCOMPARE(win.text("txtNum2"), QStringLiteral("5"));
    QCOMPARE(Window::focused(), QStringLiteral("txtNum1"));
}

void ClipboardTest::clears_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("after");  // txtNum1, txtNum2, txtResult, txtExp
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<bool>("resultEmptyBefore");

    QTest::newRow("Clear 1") << "cmdClr1" << QStringList{"", "2", "3.5", "0"}
                             << QStringList{"txtNum1="} << "txtNum1" << false;
    QTest::newRow("Clear 2") << "cmdClr2" << QStringList{"1", "", "3.5", "0"}
                             << QStringList{"txtNum2="} << "txtNum2" << false;
    QTest::newRow("Clear 3") << "cmdClr3" << QStringList{"1", "2", "", ""}
                             << QStringList{"txtResult="} << "txtResult" << false;
    QTest::newRow("Clear 3 empties a typed exponent itself")
        << "cmdClr3" << QStringList{"1", "2", "", ""} << QStringList{} << "txtResult" << true;
    QTest::newRow("C empties txtNum2, txtNum1, txtResult in order")
        << "cmdClearAll" << QStringList{"", "", "", ""}
        << QStringList{"txtNum2=", "txtNum1=", "txtResult="} << "txtNum1" << false;
    QTest::newRow("C leaves a typed exponent to the result display")
        << "cmdClearAll" << QStringList{"", "", "", "7"} << QStringList{"txtNum2=", "txtNum1="}
        << "txtNum1" << true;
}

void ClipboardTest::clears() {
    QFETCH(QString, button);
    QFETCH(QStringList, after);
    QFETCH(QStringList, writes);
    QFETCH(QString, focusAfter);
    QFETCH(bool, resultEmptyBefore);

    for (bool highPrecision : {false, true}) {
        Window win;
        QVERIFY(win.active());
        // Two e-series terms, then boxes of the user's own.
        win.click("cmdMacro");
        win.click("cmdMacro");
        QCOMPARE(win.window.macroCount(), std::int16_t{2});
        auto* modeOption =
            win.control<QRadioButton>(highPrecision ? QStringLiteral("OptHP") : QStringLiteral("optVHP"));
        modeOption->setChecked(true);
        win.setText("txtSigFigs", "77");
        win.setText("txtMem", "2.5");
        win.setText("txtNum1", "1");
        win.setText("txtNum2", "2");
        win.setText("txtResult", resultEmptyBefore ? "" : "3.5");
        if (resultEmptyBefore) win.setText("txtExp", "7");
        QCOMPARE(win.text("txtExp"), resultEmptyBefore ? QStringLiteral("7") : QStringLiteral("0"));
        const QStringList* recorded = win.recordWrites();

        win.click(button);

        QCOMPARE(win.text("txtNum1"), after[0]);
        QCOMPARE(win.text("txtNum2"), after[1]);
        QCOMPARE(win.text("txtResult"), after[2]);
        QCOMPARE(win.text("txtExp"), after[3]);
        QCOMPARE(*recorded, writes);
        QCOMPARE(win.window.macroCount(), std::int16_t{0});
        QCOMPARE(win.text("txtMem"), QStringLiteral("2.5"));
        QCOMPARE(win.text("txtSigFigs"), QStringLiteral("77"));
        QVERIFY(modeOption->isChecked());
        QCOMPARE(Window::focused(), focusAfter);
    }
}

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
