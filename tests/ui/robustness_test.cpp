// SPDX-License-Identifier: MIT
// Random sessions of user actions on the real window: typing and pasting
// hostile texts (letters, lone signs and points, exponent forms, numbers of
// tens of thousands of digits, 100,000-character pastes), changing the mode
// and the setting, and clicking every command button but the web link. After
// every action the window must still keep its invariants:
//  - after a computing command txtResult holds the true answer to the boxes
//    as they stood (checked exactly for "Very High Precision" add, subtract,
//    multiply, divide and 1/x against GMP, and for every "High Precision"
//    command against its reference in exact values), or one of the fixed
//    texts, never an earlier answer;
//  - txtExp is the exponent of txtResult's value;
//  - exactly one mode option is selected;
//  - a command that reads the setting leaves txtSigFigs at "30", "500" or the
//    text it had (and exactly which, for a plain decimal setting);
//  - a box that the action may not write keeps its text, whole; the commands
//    that only move texts move them whole;
//  - the only message box is the division's refusal of a long numerator.
// A broken invariant names the seed, the step and the recent actions, and
// writes the full texts of the boxes before the action to a reproducer file.
// CALCORA_ROBUSTNESS_SEED=<seed> replays that one session.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <optional>
#include <random>

#include <gmpxx.h>

#include "tests/support/exact.h"
#include "tests/support/fixed_rounding.h"
#include "tests/support/power_oracle.h"
#include "window_driver.h"

namespace {

// ---- The boxes and what each button may write ------------------------------

enum Box : int { Num1, Num2, Result, Mem, SigFigs, kBoxCount };
const char* const kBoxNames[kBoxCount] = {"txtNum1", "txtNum2", "txtResult", "txtMem", "txtSigFigs"};
constexpr unsigned bit(Box box) { return 1u << unsigned(box); }

struct ButtonRule {
    const char* name;
    unsigned mayWrite;  // bits of the boxes the command may write
    bool readsSetting;  // corrects txtSigFigs first
};

// Every command button but cmdVisit, with the boxes its command writes.
// txtExp is left out: it always follows txtResult and is checked by its rule.
const ButtonRule kButtons[] = {
    {"cmdAdd", bit(Result), false},
    {"cmdSubtract", bit(Result), false},
    {"cmdMultiply", bit(Result), false},
    {"cmdDivide", bit(Result) | bit(SigFigs), true},
    {"cmdReciprocal", bit(Result) | bit(SigFigs), true},
    {"cmdSqRt", bit(Result) | bit(SigFigs), true},
    {"cmdPower", bit(Result) | bit(SigFigs), true},
    {"cmdFac", bit(Result), false},
    {"cmdPi", bit(Num1), false},
    // Divide, M+ and "Shift Result to 1" after filling the series' boxes.
    {"cmdMacro", bit(Num1) | bit(Num2) | bit(Result) | bit(Mem) | bit(SigFigs), true},
    // The memory, or txtResult to say why it could not.
    {"cmdMemPlus", bit(Mem) | bit(Result), false},
    {"cmdMemMinus", bit(Mem) | bit(Result), false},
    {"cmdMemRec1", bit(Num1), false},
    {"cmdMemRec2", bit(Num2), false},
    {"cmdMemClear", bit(Mem), false},
    {"cmdCopyResult", 0, false},
    {"cmdCopyMem", 0, false},
    {"cmdPaste1", bit(Num1), false},
    {"cmdPaste2", bit(Num2), false},
    {"cmdPasteRes", bit(Result), false},
    {"cmdShift", bit(Num1) | bit(Num2) | bit(Result), false},
    {"cmdShift2", bit(Num2) | bit(Result), false},
    {"cmdShftUp", bit(Num1) | bit(Num2), false},
    {"cmdShftDn", bit(Num1) | bit(Num2), false},
    {"cmdSwitch", bit(Num1) | bit(Num2), false},
    {"cmdClr1", bit(Num1), false},
    {"cmdClr2", bit(Num2), false},
    {"cmdClr3", bit(Result), false},
    {"cmdClearAll", bit(Num1) | bit(Num2) | bit(Result), false},
};
constexpr int kButtonCount = sizeof kButtons / sizeof kButtons[0];
static_assert(kButtonCount == 29, "all 30 buttons but the web link");

const ButtonRule& ruleOf(const QString& name) {
    for (const ButtonRule& rule : kButtons) {
        if (name == QLatin1String(rule.name)) return rule;
    }
    qFatal("no rule for %s", qPrintable(name));
}

// The texts the window writes, and the one text a message box may show: the
// division's refusal.
using namespace window_text;

const QString kPiHighPrecision = QStringLiteral("3.1415926535897932384626433833");
const QString kPiVeryHighPrecision = QStringLiteral("3.1415926535897932384626433832795028841971693993751");

// A few thousand actions in all, in fresh windows.
constexpr int kSessions = 6;
constexpr int kStepsPerSession = 500;
constexpr std::uint32_t kFirstSeed = 20240607;
constexpr int kHugePasteLength = 100000;
// The engine's longest text: one character more must fail, not corrupt.
constexpr int kLongestText = 32767;

// ---- Numbers as a person reads them, written apart from the window ----------

// A box text read as a number: blanks at either end and group separators
// aside, a sign, digits with at most one point, an exponent. The value is
// digits × 10^exponent.
struct Reading {
    enum { Empty, Number, NoNumber, Unchecked } kind = NoNumber;
    mpz_class digits;    // signed
    long exponent = 0;
    qsizetype plainLength = 0;  // characters once written out without exponent
};

Reading readNumber(QString text) {
    static const QString blanks = QStringLiteral(" \t\n\r\v\f");
    while (!text.isEmpty() && blanks.contains(text.front())) text.remove(0, 1);
    while (!text.isEmpty() && blanks.contains(text.back())) text.chop(1);
    text.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
    Reading r;
    if (text.isEmpty()) {
        r.kind = Reading::Empty;
        return r;
    }
    static const QRegularExpression form(QStringLiteral(R"(^([+-]?)([0-9]*)(?:\.([0-9]*))?(?:[eE]([+-]?[0-9]+))?$)"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch() || m.captured(2).size() + m.captured(3).size() == 0) return r;
    const long exponent = m.captured(4).size() > 7 ? 99999999 : m.captured(4).toLong();
    if (std::abs(exponent) > 40000) {  // beyond what the window writes out
        r.kind = Reading::Unchecked;
        return r;
    }
    r.kind = Reading::Number;
    const QString all = m.captured(2) + m.captured(3);
    r.digits = mpz_class(all.toStdString(), 10);
    if (m.captured(1) == QLatin1String("-")) r.digits = -r.digits;
    r.exponent = exponent - long(m.captured(3).size());
    r.plainLength = all.size() + std::abs(exponent) + 2;
    return r;
}

// The signed digits of a reading; zero for an empty box or no number.
mpz_class valueOf(const Reading& r) { return r.kind == Reading::Number ? r.digits : mpz_class(0); }

// a × 10^ea and b × 10^eb as integers over one power of ten.
std::pair<mpz_class, mpz_class> aligned(const mpz_class& a, long ea, const mpz_class& b, long eb) {
    mpz_class x = a, y = b, ten;
    if (ea > eb) {
        mpz_ui_pow_ui(ten.get_mpz_t(), 10, static_cast<unsigned long>(ea - eb));
        x *= ten;
    } else if (eb > ea) {
        mpz_ui_pow_ui(ten.get_mpz_t(), 10, static_cast<unsigned long>(eb - ea));
        y *= ten;
    }
    return {x, y};
}

// The decimal exponent of the value's first significant digit, or the empty
// text for no number.
QString expectedExponent(const QString& text) {
    const Reading r = readNumber(text);
    if (r.kind == Reading::Unchecked) return QStringLiteral("(unchecked)");
    if (r.kind != Reading::Number) return {};
    if (r.digits == 0) return QStringLiteral("0");
    const std::string magnitude = mpz_class(abs(r.digits)).get_str();
    return QString::number(long(magnitude.size()) - 1 + r.exponent);
}

// Numbers past this many characters may meet the engine's 32,767 limit.
constexpr qsizetype kSafeLength = 30000;

// The texts the window writes instead of an answer.
const QStringList kFixedTexts = {
    kNumericInputRequired, kTooBig,      kDivideByZero,      kSettingNotANumber,
    kInputMustBeNumeric,   kNotNegative, kExponentNeeded,    kFactorialTooLarge,
    kIntegerNeeded,        kWholeNumber, kHpFactorialOverflow,
};

const QStringList kComputing = {"cmdAdd", "cmdSubtract", "cmdMultiply", "cmdDivide", "cmdReciprocal",
                                "cmdSqRt", "cmdPower", "cmdFac"};

// ---- The setting rule, for the texts where the outcome is plain --------------

// What a command that reads the setting leaves in txtSigFigs: "30" when the
// integer part is below 30, "500" when above 500, else the text as it was. A
// text without any digit is no number and stays. Nothing for the texts whose
// reading is the number parser's business (exponents, commas, huge values).
std::optional<QString> settingAfter(const QString& text) {
    if (!text.contains(QRegularExpression(QStringLiteral("[0-9]")))) return text;
    static const QRegularExpression plain(QStringLiteral(R"(^(-?)([0-9]*)(\.[0-9]*)?$)"));
    const QRegularExpressionMatch match = plain.match(text);
    if (!match.hasMatch() || match.captured(2).size() > 300) return std::nullopt;
    if (!match.captured(1).isEmpty()) return QStringLiteral("30");  // at most 0
    QString whole = match.captured(2);
    while (whole.startsWith(QLatin1Char('0'))) whole.remove(0, 1);
    if (whole.size() > 3) return QStringLiteral("500");
    const int value = whole.isEmpty() ? 0 : whole.toInt();
    if (value < 30) return QStringLiteral("30");
    if (value > 500) return QStringLiteral("500");
    return text;
}

// ---- Hostile texts -------------------------------------------------------------

class Hostile {
public:
    explicit Hostile(std::uint32_t seed) : rng(seed) {}

    unsigned below(unsigned n) { return static_cast<unsigned>(rng() % n); }
    int between(int low, int high) { return low + static_cast<int>(below(unsigned(high - low + 1))); }
    bool chance(unsigned percent) { return below(100) < percent; }
    template <std::size_t N>
    QString pick(const char* const (&texts)[N]) {
        return QString::fromUtf8(texts[below(N)]);
    }

    QString digits(int count) {
        QString text(count, QLatin1Char('0'));
        for (QChar& c : text) c = QLatin1Char(char('0' + below(10)));
        return text;
    }

    // A number string of `length` digits: maybe signed, maybe with a point
    // anywhere (first and last place included).
    QString number(int length) {
        QString text = digits(length);
        if (chance(50)) text.insert(between(0, length), QLatin1Char('.'));
        if (chance(25)) text.prepend(QLatin1Char('-'));
        return text;
    }

    QString operand() {
        const unsigned kind = below(100);
        if (kind < 30) return number(between(1, 30));
        if (kind < 40) return number(between(31, 600));
        if (kind < 44) return number(between(601, 5000));
        if (kind < 46) return longest();
        if (kind < 54) return grouped();
        if (kind < 62) return exponentForm();
        if (kind < 70) {
            static const char* const zeros[] = {"0", "00", "0.0", "0.00", "-0", "0.000", " 0", "", ".", "-",
                                                "-.", "0.", "-0.0", "000", "+0"};
            return pick(zeros);
        }
        if (kind < 78) return garbage(between(1, 20));
        if (kind < 84) {
            static const char* const counts[] = {"170", "171", "1000", "1001", "1,500", "5.5", "-3", "1e3",
                                                 "1000.9", "999", "0"};
            return chance(50) ? QString::number(between(0, 1200)) : pick(counts);
        }
        if (kind < 90) {
            static const char* const powers[] = {"0.5", ".5", "-1", "0", "120", "121", "2.5", "-2", "1E5",
                                                 "100000", "3000000000", "-120", "1.5", "0.25", "-0.5"};
            return pick(powers);
        }
        if (kind < 95) {
            static const char* const odd[] = {"1.2.3", "5-3", "--5", "+5", " 12 ", "1,,2", ",1", "1,",
                                              "99999999999999999999999999999",
                                              "79228162514264337593543950335",
                                              "79228162514264337593543950336", "1E+20", "1E-40", "-1E-40",
                                              "1E+400", "1e-400", "Infinity", "NaN", "0x1F", "1_000"};
            return pick(odd);
        }
        static const char* const foreign[] = {"١٢٣", "½", "1é", "𝟙𝟚", "\t5", "5\n", "3\r\n4", "١.٥", "１２",
                                              "5\u00a0000", "12\u2009345"};
        return pick(foreign);
    }

    // Numbers about the fixed decimal's range: up to 29 digits, its largest
    // magnitude and just past it, and small values about where their 15th
    // figure passes 10^-28.
    QString fixedRange() {
        switch (below(4)) {
        case 0:
            return number(between(1, 29));
        case 1:  // a last digit 5 makes ties of the roundings
            return number(between(1, 15)) + (chance(50) ? QStringLiteral("5E-") : QStringLiteral("E-")) +
                   QString::number(between(8, 30));
        case 2:
            return digits(between(1, 2)) + QLatin1Char('.') + digits(between(20, 40));
        default: {
            static const char* const edges[] = {"79228162514264337593543950335", "-79228162514264337593543950335",
                                                "79228162514264337593543950336", "7922816251426433759354395033.5",
                                                "1E-28", "1.00000000000001E-14", "-9.99999999999999E-15", "0"};
            return pick(edges);
        }
        }
    }

    // Texts at and just past the engine's longest.
    QString longest() {
        switch (below(4)) {
        case 0:
            return digits(kLongestText);
        case 1:
            return digits(kLongestText + 1);
        case 2: {
            QString text = digits(kLongestText - 1);
            text.insert(between(0, text.size()), QLatin1Char('.'));
            return text;
        }
        default:
            return number(between(10000, kLongestText));
        }
    }

    QString grouped() {
        const QChar separator = chance(70) ? QLatin1Char(',') : QLatin1Char(' ');
        QString text = QString::number(between(1, 999));
        for (int groups = between(1, 8); groups > 0; --groups) text += separator + digits(3);
        if (chance(40)) text += QLatin1Char('.') + digits(between(1, 10));
        if (chance(20)) text.prepend(QLatin1Char('-'));
        return text;
    }

    QString exponentForm() {
        QString text = chance(50) ? QString::number(between(0, 9)) : number(between(1, 20));
        text += chance(80) ? QLatin1Char('E') : QLatin1Char('e');
        if (chance(50)) text += chance(50) ? QLatin1Char('+') : QLatin1Char('-');
        return text + QString::number(between(0, 999));
    }

    QString garbage(int length) {
        static const QString alphabet = QStringLiteral("0123456789.-+, abcxyzEeZ");
        QString text;
        for (int i = 0; i < length; ++i) text += alphabet[int(below(unsigned(alphabet.size())))];
        return text;
    }

    QString setting() {
        const unsigned kind = below(100);
        if (kind < 35) return QString::number(between(30, 500));
        if (kind < 50) {
            switch (below(3)) {
            case 0:
                return QString::number(between(0, 29));
            case 1:
                return QString::number(between(501, 100000));
            default:
                return QString::number(-between(1, 1000));
            }
        }
        if (kind < 60) return QString::number(between(0, 600)) + QLatin1Char('.') + digits(between(0, 3));
        if (kind < 70) {
            static const char* const none[] = {"", " ", "-", ".", "abc", "fifty", "E", "x50", "50x",
                                               "--50"};
            return pick(none);
        }
        if (kind < 80) {
            static const char* const parsed[] = {"1E2", "5e1", "3E+2", "1,000", "4.5E1", "1E-3", " 45 ",
                                                 "+60", "1E999", "2,0"};
            return pick(parsed);
        }
        if (kind < 90) return QString(between(1, 400), QLatin1Char('9'));
        static const char* const edges[] = {"29", "29.999", "30", "500", "500.5", "501", "30.0", "0030",
                                            "-0", ".5", "499.99"};
        return pick(edges);
    }

    QString hugePaste() {
        switch (below(3)) {
        case 0:
            return digits(kHugePasteLength);
        case 1: {
            QString text = digits(kHugePasteLength - 1);
            text.insert(between(0, text.size()), QLatin1Char('.'));
            return text;
        }
        default:
            return garbage(kHugePasteLength);
        }
    }

    std::mt19937 rng;
};

// ---- Snapshots and actions -----------------------------------------------------

struct State {
    std::array<QString, kBoxCount> box;
    QString exp;
    QString wsf;
    bool highPrecision = false;
    bool veryHighPrecision = false;
    std::int16_t macroCount = 0;
    QString clipboard;
};

enum class Kind { Type, KeyPaste, FillClipboard, Mode, Click };

struct Action {
    Kind kind = Kind::Click;
    QString target;  // a box, an option or a button
    QString text;    // typed or put on the clipboard
    bool append = false;
};

QString shortened(const QString& text) {
    if (text.size() <= 40) {
        QString shown = text;
        shown.replace(QLatin1Char('\n'), QLatin1String("\\n"))
            .replace(QLatin1Char('\r'), QLatin1String("\\r"))
            .replace(QLatin1Char('\t'), QLatin1String("\\t"));
        return QLatin1Char('"') + shown + QLatin1Char('"');
    }
    return QStringLiteral("\"%1...%2\" (%3 chars)").arg(text.left(16), text.right(8)).arg(text.size());
}

QString describe(const Action& action) {
    switch (action.kind) {
    case Kind::Type:
        return QStringLiteral("type %1 %2 %3")
            .arg(shortened(action.text),
                 action.append ? QStringLiteral("after the text of") : QStringLiteral("over"), action.target);
    case Kind::KeyPaste:
        return QStringLiteral("Ctrl+V %1 over %2").arg(shortened(action.text), action.target);
    case Kind::FillClipboard:
        return QStringLiteral("put %1 on the clipboard").arg(shortened(action.text));
    case Kind::Mode:
        return QStringLiteral("click option %1").arg(action.target);
    case Kind::Click:
        return QStringLiteral("click %1").arg(action.target);
    }
    return {};
}

QString describe(const State& state) {
    QStringList parts;
    parts << (state.highPrecision ? QStringLiteral("HP") : QStringLiteral("VHP"));
    for (int b = 0; b < kBoxCount; ++b)
        parts << QLatin1String(kBoxNames[b]) + QLatin1Char('=') + shortened(state.box[b]);
    return parts.join(QLatin1Char(' '));
}

// ---- The window under test ------------------------------------------------------

class Session {
public:
    Session() {
        // The web seams are never reached (cmdVisit is not clicked); they
        // still must not start anything if they were.
        driver.disableWebLink();
        driver.window.show();
        for (int b = 0; b < kBoxCount; ++b) boxes[b] = driver.box(QString::fromLatin1(kBoxNames[b]));
        exp = driver.box(QStringLiteral("txtExp"));
        wsf = driver.box(QStringLiteral("txtWSF"));
        highPrecision = driver.control<QRadioButton>(QStringLiteral("OptHP"));
        veryHighPrecision = driver.control<QRadioButton>(QStringLiteral("optVHP"));
    }

    State state() const {
        State s;
        for (int b = 0; b < kBoxCount; ++b) s.box[b] = boxes[b]->text();
        s.exp = exp->text();
        s.wsf = wsf->text();
        s.highPrecision = highPrecision->isChecked();
        s.veryHighPrecision = veryHighPrecision->isChecked();
        s.macroCount = driver.window.macroCount();
        s.clipboard = QGuiApplication::clipboard()->text();
        return s;
    }

    QLineEdit* box(const QString& name) { return driver.box(name); }

    // Carries out the action as a user would; returns how long its slowest
    // event took (each key typed is one event).
    qint64 perform(const Action& action) {
        QElapsedTimer timer;
        switch (action.kind) {
        case Kind::Type: {
            QLineEdit* target = box(action.target);
            if (action.append) {
                target->end(false);
            } else {
                target->selectAll();
            }
            if (action.text.isEmpty() && !action.append) {
                timer.start();
                QTest::keyClick(target, Qt::Key_Backspace);
                return timer.elapsed();
            }
            qint64 slowest = 0;
            for (const QChar c : action.text) {
                timer.start();
                QTest::keyClick(target, c.toLatin1());
                slowest = std::max(slowest, timer.elapsed());
            }
            return slowest;
        }
        case Kind::KeyPaste: {
            QLineEdit* target = box(action.target);
            target->selectAll();
            timer.start();
            QTest::keySequence(target, QKeySequence::Paste);
            return timer.elapsed();
        }
        case Kind::FillClipboard:
            QGuiApplication::clipboard()->setText(action.text);
            return 0;
        case Kind::Mode: {
            auto* option = driver.control<QRadioButton>(action.target);
            timer.start();
            // On the round indicator, which every style puts at the left.
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            return timer.elapsed();
        }
        case Kind::Click: {
            auto* button = driver.control<QPushButton>(action.target);
            timer.start();
            QTest::mouseClick(button, Qt::LeftButton);
            return timer.elapsed();
        }
        }
        return 0;
    }

    WindowDriver driver;

private:
    std::array<QLineEdit*, kBoxCount> boxes{};
    QLineEdit* exp = nullptr;
    QLineEdit* wsf = nullptr;
    QRadioButton* highPrecision = nullptr;
    QRadioButton* veryHighPrecision = nullptr;
};

// Only ASCII letters, digits, signs and spaces are typed key by key; other
// texts arrive by Ctrl+V, as a user would bring them in.
bool typeable(const QString& text) {
    if (text.size() > 200) return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

Action typing(const QString& box, const QString& text, bool append) {
    Action action;
    action.target = box;
    action.text = text;
    action.kind = typeable(text) ? Kind::Type : Kind::KeyPaste;
    action.append = action.kind == Kind::Type && append;
    return action;
}

// The next action, or a short run of them that brings the largest inputs
// the engine takes to a computing command in "Very High Precision", or
// numbers about the fixed range to one in "High Precision".
std::vector<Action> nextActions(Hostile& random) {
    static const char* const operandBoxes[] = {"txtNum1", "txtNum1", "txtNum2", "txtNum2", "txtNum1",
                                               "txtNum2", "txtResult", "txtMem"};
    Action action;
    const unsigned kind = random.below(100);
    if (kind < 3) {
        static const char* const computing[] = {"cmdAdd", "cmdSubtract", "cmdMultiply", "cmdDivide",
                                                "cmdReciprocal", "cmdSqRt", "cmdPower", "cmdFac",
                                                "cmdMemPlus", "cmdMemMinus"};
        auto largest = [&random] {
            switch (random.below(7)) {
            case 0:
                return random.digits(kLongestText);
            case 1:
                return random.digits(16000);
            case 2:
                return random.digits(32000);
            case 3:
                return random.number(501);
            case 4:
                return random.digits(270);
            case 5:
                return QStringLiteral("120");
            default:
                return QStringLiteral("1000");
            }
        };
        std::vector<Action> run;
        run.push_back(typing(QStringLiteral("txtNum1"), largest(), false));
        run.push_back(typing(QStringLiteral("txtNum2"), largest(), false));
        if (random.chance(30)) run.push_back(typing(QStringLiteral("txtMem"), largest(), false));
        run.push_back(typing(QStringLiteral("txtSigFigs"), QStringLiteral("500"), false));
        run.push_back(Action{Kind::Mode, QStringLiteral("optVHP"), {}, false});
        if (random.chance(50)) run.push_back(Action{Kind::Click, QStringLiteral("cmdAdd"), {}, false});
        run.push_back(Action{Kind::Click, random.pick(computing), {}, false});
        return run;
    }
    if (kind < 7) {
        // Numbers about the fixed range to a computing command in "High Precision".
        static const char* const computing[] = {"cmdAdd", "cmdSubtract", "cmdMultiply", "cmdDivide",
                                                "cmdReciprocal", "cmdSqRt", "cmdPower", "cmdFac"};
        return {typing(QStringLiteral("txtNum1"), random.fixedRange(), false),
                typing(QStringLiteral("txtNum2"), random.fixedRange(), false),
                Action{Kind::Mode, QStringLiteral("OptHP"), {}, false},
                Action{Kind::Click, random.pick(computing), {}, false}};
    }
    if (kind < 30) {
        const bool setting = kind >= 24;
        return {typing(setting ? QStringLiteral("txtSigFigs") : random.pick(operandBoxes),
                       setting ? random.setting() : random.operand(), random.chance(setting ? 5 : 20))};
    }
    if (kind < 35) {
        action.kind = Kind::FillClipboard;
        action.text = random.operand();
    } else if (kind < 41) {
        action.kind = Kind::Mode;
        action.target = random.chance(50) ? QStringLiteral("OptHP") : QStringLiteral("optVHP");
    } else {
        action.kind = Kind::Click;
        action.target = QString::fromLatin1(kButtons[random.below(kButtonCount)].name);
    }
    return {action};
}

// The boxes after a command that only moves texts, or nothing for a command
// whose result has to be computed.
std::optional<std::array<QString, kBoxCount>> movedBoxes(const QString& name, const State& before) {
    std::array<QString, kBoxCount> box = before.box;
    if (name == QLatin1String("cmdPi")) {
        box[Num1] = before.highPrecision ? kPiHighPrecision : kPiVeryHighPrecision;
    } else if (name == QLatin1String("cmdMemRec1")) {
        box[Num1] = box[Mem];
    } else if (name == QLatin1String("cmdMemRec2")) {
        box[Num2] = box[Mem];
    } else if (name == QLatin1String("cmdMemClear")) {
        box[Mem].clear();
    } else if (name == QLatin1String("cmdMemPlus") && box[Mem].isEmpty()) {
        // A number goes in as shown; anything else is refused with a text.
        const Reading result = readNumber(box[Result]);
        if (result.kind == Reading::NoNumber) {
            box[Result] = kNumericInputRequired;
        } else if (result.plainLength > kSafeLength) {
            return std::nullopt;  // may be too long to take: see dishonestMemory
        } else {
            box[Mem] = box[Result];
        }
    } else if (name == QLatin1String("cmdMemMinus") && box[Result].isEmpty()) {
        // Nothing to subtract.
    } else if (name == QLatin1String("cmdMemPlus") || name == QLatin1String("cmdMemMinus")) {
        return std::nullopt;  // worked out: see dishonestMemory
    } else if (name == QLatin1String("cmdCopyResult") || name == QLatin1String("cmdCopyMem")) {
        // Nothing changes in the boxes.
    } else if (name == QLatin1String("cmdPaste1")) {
        box[Num1] = before.clipboard;
    } else if (name == QLatin1String("cmdPaste2")) {
        box[Num2] = before.clipboard;
    } else if (name == QLatin1String("cmdPasteRes")) {
        box[Result] = before.clipboard;
    } else if (name == QLatin1String("cmdShift")) {
        if (!box[Result].isEmpty()) {
            box[Num1] = box[Result];
            box[Result].clear();
        } else if (box[Num1] != box[Num2]) {
            box[Num2] = box[Num1];
        } else {
            box[Num1].clear();
        }
    } else if (name == QLatin1String("cmdShift2")) {
        if (!box[Result].isEmpty()) {
            box[Num2] = box[Result];
            box[Result].clear();
        }
    } else if (name == QLatin1String("cmdShftUp")) {
        box[Num1] = box[Num2];
        box[Num2].clear();
    } else if (name == QLatin1String("cmdShftDn")) {
        box[Num2] = box[Num1];
        box[Num1].clear();
    } else if (name == QLatin1String("cmdSwitch")) {
        std::swap(box[Num1], box[Num2]);
    } else if (name == QLatin1String("cmdClr1")) {
        box[Num1].clear();
    } else if (name == QLatin1String("cmdClr2")) {
        box[Num2].clear();
    } else if (name == QLatin1String("cmdClr3")) {
        box[Result].clear();
    } else if (name == QLatin1String("cmdClearAll")) {
        box[Num1].clear();
        box[Num2].clear();
        box[Result].clear();
    } else {
        return std::nullopt;
    }
    return box;
}

// ---- The honest-answer rule ------------------------------------------------------


// Why the result of an exact command is not honest, or the empty text. `want`
// is the exact value; `inputs` the operands as read.
QString checkExact(const QString& result, const std::vector<Reading>& inputs, const mpz_class& want,
                   long wantExponent) {
    // Either text is honest when both causes are there: the window names the
    // first it meets.
    bool noNumber = false, tooLong = false;
    for (const Reading& r : inputs) {
        if (r.kind == Reading::Unchecked) return {};
        noNumber = noNumber || r.kind == Reading::NoNumber;
        tooLong = tooLong || r.plainLength > kSafeLength;
    }
    if (result == kNumericInputRequired && noNumber) return {};
    if (result == kTooBig && tooLong) return {};
    if (noNumber) return QStringLiteral("wants the no-number text");
    tooLong = long(mpz_sizeinbase(want.get_mpz_t(), 10)) + std::abs(wantExponent) > kSafeLength;
    if (result == kTooBig && tooLong) return {};
    const Reading got = readNumber(result);
    if (got.kind != Reading::Number) return QStringLiteral("is no answer");
    const auto [x, y] = aligned(got.digits, got.exponent, want, wantExponent);
    return x == y ? QString() : QStringLiteral("is not the exact answer");
}

// Why a quotient is not n ÷ d truncated to `figures` (or one more), or empty.
QString checkQuotient(const QString& result, const Reading& n, const Reading& d, int figures,
                      const QStringList& messages) {
    if (n.kind == Reading::Unchecked || d.kind == Reading::Unchecked) return {};
    if (result == kTooBig && (n.plainLength > kSafeLength || d.plainLength > kSafeLength)) return {};
    if (d.kind == Reading::NoNumber) return result == kNumericInputRequired ? QString() : QStringLiteral("wants the no-number text");
    if (d.kind == Reading::Empty || d.digits == 0) return result == kDivideByZero ? QString() : QStringLiteral("wants the zero-divisor text");
    if (n.kind == Reading::NoNumber) return result == kNumericInputRequired ? QString() : QStringLiteral("wants the no-number text");
    if (result.isEmpty()) return messages.isEmpty() ? QStringLiteral("emptied without the numerator message") : QString();
    const Reading q = readNumber(result);
    if (q.kind != Reading::Number) return QStringLiteral("is no answer");
    const mpz_class nd = n.kind == Reading::Empty ? mpz_class(0) : n.digits;
    // Work with magnitudes; the sign must be the quotient's.
    const bool negative = (nd < 0) != (d.digits < 0) && nd != 0;
    if (q.digits != 0 && (q.digits < 0) != negative) return QStringLiteral("has the wrong sign");
    // |q|·|d| ≤ |n| < (|q| + ulp)·|d|, ulp = 10^(place of q's first digit − figures + 1).
    const mpz_class qm = abs(q.digits), dm = abs(d.digits), nm = abs(nd);
    if (qm == 0) return nm == 0 ? QString() : QStringLiteral("is zero for a non-zero dividend");
    const long first = long(mpz_sizeinbase(qm.get_mpz_t(), 10)) - 1 + q.exponent;  // may be one too high
    const long ulpExponent = first - figures + 1;
    const auto [low, nLow] = aligned(qm * dm, q.exponent + d.exponent, nm, n.exponent);
    if (low > nLow) return QStringLiteral("is above the true quotient");
    const auto [qa, one] = aligned(qm, q.exponent, mpz_class(1), ulpExponent);
    const auto [high, nHigh] = aligned((qa + one) * dm, std::min(q.exponent, ulpExponent) + d.exponent, nm, n.exponent);
    if (nHigh >= high) return QStringLiteral("has lost a figure");
    return {};
}

// The first way M+ or M- (with a memory and a result to work with) did not
// put the exact sum or difference into the memory or say why not, or empty.
QString dishonestMemory(const QString& command, const State& before, const State& after) {
    const bool plus = command == QLatin1String("cmdMemPlus");
    const Reading memory = readNumber(before.box[Mem]);
    const Reading result = readNumber(before.box[Result]);
    if (memory.kind == Reading::Unchecked || result.kind == Reading::Unchecked) return {};
    const bool refused = after.box[Mem] == before.box[Mem] && kFixedTexts.contains(after.box[Result]);
    const bool noNumber = memory.kind == Reading::NoNumber || result.kind == Reading::NoNumber ||
                          (!plus && memory.kind == Reading::Empty && result.kind == Reading::Empty);
    if (noNumber) return refused && after.box[Result] == kNumericInputRequired ? QString() : QStringLiteral("M+/M- took a text that is no number");
    if (refused && after.box[Result] == kTooBig &&
        (memory.plainLength > kSafeLength || result.plainLength > kSafeLength)) {
        return {};
    }
    if (after.box[Result] != before.box[Result]) return QStringLiteral("M+/M- changed the result to %1").arg(shortened(after.box[Result]));
    const auto [m, r] = aligned(valueOf(memory), memory.exponent, valueOf(result), result.exponent);
    const Reading now = readNumber(after.box[Mem]);
    if (now.kind != Reading::Number) return QStringLiteral("the memory holds %1").arg(shortened(after.box[Mem]));
    const auto [got, want] = aligned(now.digits, now.exponent, plus ? mpz_class(m + r) : mpz_class(m - r),
                                     std::min(memory.exponent, result.exponent));
    return got == want ? QString() : QStringLiteral("the memory %1 is not the exact answer").arg(shortened(after.box[Mem]));
}

// ---- The "High Precision" answers --------------------------------------------------
//
// Each command's answer from its rules, in exact values: the fixed decimal
// (96-bit magnitude, scale 0 to 28) as tests/support rounds to it, the exact
// value rounded once to a double's 15 figures, MPFR's power.

using calcora::testing_support::Exact;
namespace support = calcora::testing_support;

Exact exactOf(const Reading& r) {
    return support::fromDigits(mpz_class(abs(r.digits)).get_str(), r.exponent, r.digits < 0);
}

mpz_class tenToThe(unsigned long n) {
    mpz_class ten;
    mpz_ui_pow_ui(ten.get_mpz_t(), 10, n);
    return ten;
}

const Exact kOne = support::fromInteger(1);

// The fixed decimal nearest x / y (y not zero), or nothing beyond its range.
std::optional<Exact> nearestFixed(const Exact& x, const Exact& y = kOne) {
    const auto fixed = support::nearestFixed(support::magnitude(x), support::magnitude(y), x.negative != y.negative);
    if (!fixed) return std::nullopt;
    return fixed->value;
}

// An operand as "High Precision" reads it: the nearest fixed decimal, or
// nothing out of range, when its first 15 significant figures (all of them,
// when it has fewer) do not all stand at 10^-28 or above, or its integer
// part needs more than 96 bits.
std::optional<Exact> fixedOperand(const Reading& r) {
    const Exact x = exactOf(r);
    if (x.isZero()) return x;
    const std::int64_t figures = std::min<std::int64_t>(x.size(), 15);
    if (x.top() - figures + 1 < -28) return std::nullopt;
    return nearestFixed(x);
}

// The fixed decimal nearest √x, for a fixed decimal x > 0. The root cut to
// 100 figures (at 10^-85 or finer) rounds as the true root does: the root of
// a fixed decimal lies more than 10^-73 from every midpoint between fixed
// decimals (and from every 2^96 × 10^-s that the choice of scale meets), or
// on one exactly.
Exact fixedRoot(const Exact& x) { return *nearestFixed(support::squareRoot(x, 100)); }

// Whether r lies within one unit of its 15th figure of √v: (r − u)² ≤ v ≤ (r + u)².
bool nearRoot(const Exact& r, const Exact& v) {
    if (r.isZero() || r.negative) return false;
    const Exact unit = support::powerOfTen(r.top() - 14);
    const Exact low = support::subtract(r, unit), high = support::add(r, unit);
    return support::compare(support::multiply(low, low), v) <= 0 &&
           support::compare(v, support::multiply(high, high)) <= 0;
}

// a ÷ b of two numbers (b not zero) correctly rounded to 15 figures: a
// quotient of at least 16 figures and whether anything is left decide it.
Exact fifteenFigureQuotient(const Reading& a, const Reading& b) {
    const long shift = std::max<long>(0, long(mpz_sizeinbase(b.digits.get_mpz_t(), 10)) + 17 -
                                             long(mpz_sizeinbase(a.digits.get_mpz_t(), 10)));
    mpz_class q, r;
    mpz_tdiv_qr(q.get_mpz_t(), r.get_mpz_t(), mpz_class(a.digits * tenToThe(shift)).get_mpz_t(), b.digits.get_mpz_t());
    return support::roundedToFigures(exactOf(Reading{Reading::Number, q, a.exponent - b.exponent - shift}), 15, r != 0);
}

// What a "High Precision" command may honestly leave in txtResult: one of
// `texts`, a number equal to one of `values`, or a number within one unit
// of its 15th figure of the square root of `rootOf`.
struct Answer {
    QStringList texts;
    std::vector<Exact> values;
    std::optional<Exact> rootOf;
};

Answer refusal(const QString& text) { return {{text}, {}, {}}; }
Answer number(const Exact& value) { return {{}, {value}, {}}; }
Answer fixedOrOverflow(const std::optional<Exact>& fixed) { return fixed ? number(*fixed) : refusal(kTooBig); }

// The largest double, exactly.
const Exact& largestDouble() {
    static const Exact largest = [] {
        mpz_class value;
        mpz_set_d(value.get_mpz_t(), std::numeric_limits<double>::max());
        return exactOf(Reading{Reading::Number, value});
    }();
    return largest;
}

// A value in 15 figures as a double's text shows it: the overflow text above
// the largest double (in 15 figures) or below 1E-32768.
Answer inFifteenFigures(const Exact& value) {
    if (support::compareMagnitude(value, support::roundedToFigures(largestDouble(), 15)) > 0 ||
        (!value.isZero() && value.top() < -32768)) {
        return refusal(kTooBig);
    }
    return number(value);
}

bool isNumber(const Reading& r) { return r.kind == Reading::Number; }

// Add, Subtract: the fixed decimal nearest the exact sum or difference of the
// fixed operands. An empty box is no operand; when both operands are wrong,
// either text is honest: the window names the first it meets.
Answer sumOrDifference(const Reading& a, const Reading& b, bool subtract) {
    const std::optional<Exact> x = fixedOperand(a), y = fixedOperand(b);
    Answer refused;
    if (!isNumber(a) || !isNumber(b)) refused.texts << kNumericInputRequired;
    if ((isNumber(a) && !x) || (isNumber(b) && !y)) refused.texts << kTooBig;
    if (!refused.texts.isEmpty()) return refused;
    return fixedOrOverflow(nearestFixed(subtract ? support::subtract(*x, *y) : support::add(*x, *y)));
}

// Multiply, Divide: the fixed decimal nearest the exact result of the fixed
// operands while it keeps room for 15 figures (its first at 10^-14 or above)
// or equals the exact result in 15 figures, else that exact result.
Answer productOrQuotient(const Reading& a, const Reading& b, bool divide) {
    if (b.kind == Reading::NoNumber) return refusal(kNumericInputRequired);
    if (divide && valueOf(b) == 0) return refusal(kDivideByZero);  // an empty box too
    if (!isNumber(a)) return refusal(kNumericInputRequired);
    const std::optional<Exact> x = fixedOperand(a), y = fixedOperand(b);
    std::optional<Exact> fixed;
    if (x && y) fixed = divide ? nearestFixed(*x, *y) : nearestFixed(support::multiply(*x, *y));
    if (fixed && !fixed->isZero() && fixed->top() >= -14) return number(*fixed);
    const Exact exact = divide ? fifteenFigureQuotient(a, b)
                               : support::roundedToFigures(exactOf(Reading{Reading::Number, a.digits * b.digits,
                                                                           a.exponent + b.exponent}),
                                                           15);
    Answer answer = inFifteenFigures(exact);
    // A fixed result with fewer figures stands where it is that very value.
    if (fixed && *fixed == exact) answer.values.push_back(*fixed);
    return answer;
}

// 1/x: the fixed decimal nearest 1 ÷ the fixed operand.
Answer reciprocal(const Reading& a, const Reading&) {
    if (a.kind == Reading::NoNumber) return refusal(kNumericInputRequired);
    if (valueOf(a) == 0) return refusal(kDivideByZero);  // an empty box too
    const std::optional<Exact> x = fixedOperand(a);
    return x ? fixedOrOverflow(nearestFixed(kOne, *x)) : refusal(kTooBig);
}

// Sq Rt: the fixed decimal nearest the true root of the fixed operand; above
// the fixed range the double root, within a unit of its 15th figure.
Answer squareRoot(const Reading& a, const Reading&) {
    if (!isNumber(a)) return refusal(kInputMustBeNumeric);
    if (a.digits == 0) return number(Exact{});
    if (a.digits < 0) return refusal(kNotNegative);
    if (const std::optional<Exact> x = fixedOperand(a)) return number(fixedRoot(*x));
    const Exact value = exactOf(a);
    if (value.top() < 0) return refusal(kTooBig);  // too small to keep its 15 figures
    Answer answer{{}, {}, value};
    if (support::compare(value, largestDouble()) > 0) answer.texts << kTooBig;
    return answer;
}

// ^ Exp: both operands within the fixed range, the true power of the values
// as typed in 15 figures.
Answer power(const Reading& a, const Reading& b) {
    if (!isNumber(b)) return refusal(kExponentNeeded);
    if (!isNumber(a)) return refusal(kNumericInputRequired);
    if (!fixedOperand(a) || !fixedOperand(b)) return refusal(kTooBig);
    const auto text = [](const Reading& r) { return r.digits.get_str() + 'e' + std::to_string(r.exponent); };
    const std::optional<std::string> power = support::powerToFifteenFigures(text(a), text(b));
    return power ? number(exactOf(readNumber(QString::fromStdString(*power)))) : refusal(kTooBig);
}

// x !: n! for n the whole part, rounded down, of the value as typed, rounded
// once to 15 figures; the limit texts past 170 and 1000.
Answer factorial(const Reading& a, const Reading&) {
    // A text that is no number may begin with digits already above 1000.
    if (!isNumber(a)) return {{kIntegerNeeded, kFactorialTooLarge}, {}, {}};
    if (a.digits < 0) return refusal(kWholeNumber);
    const mpz_class n = a.exponent >= 0 ? mpz_class(a.digits * tenToThe(a.exponent))
                                        : mpz_class(a.digits / tenToThe(-a.exponent));
    if (n > 1000) return refusal(kFactorialTooLarge);
    if (n > 170) return refusal(kHpFactorialOverflow);
    mpz_class f;
    mpz_fac_ui(f.get_mpz_t(), n.get_ui());
    return number(support::roundedToFigures(exactOf(Reading{Reading::Number, f}), 15));
}

struct HighPrecisionRule {
    const char* command;
    bool readsSecond;  // txtNum2 as well as txtNum1
    Answer (*answer)(const Reading& first, const Reading& second);
};

const HighPrecisionRule kHighPrecisionRules[] = {
    {"cmdAdd", true, [](const Reading& a, const Reading& b) { return sumOrDifference(a, b, false); }},
    {"cmdSubtract", true, [](const Reading& a, const Reading& b) { return sumOrDifference(a, b, true); }},
    {"cmdMultiply", true, [](const Reading& a, const Reading& b) { return productOrQuotient(a, b, false); }},
    {"cmdDivide", true, [](const Reading& a, const Reading& b) { return productOrQuotient(a, b, true); }},
    {"cmdReciprocal", false, reciprocal},
    {"cmdSqRt", false, squareRoot},
    {"cmdPower", true, power},
    {"cmdFac", false, factorial},
};

QString described(const Answer& answer) {
    QStringList parts;
    for (const QString& text : answer.texts) parts << shortened(text);
    for (const Exact& value : answer.values) parts << QString::fromStdString(support::describe(value));
    if (answer.rootOf) parts << QStringLiteral("the root of ") + QString::fromStdString(support::describe(*answer.rootOf));
    return parts.join(QStringLiteral(" or "));
}

// Why the result of a "High Precision" command is not its answer to the
// boxes `a` and `b`, or the empty text.
QString checkHighPrecision(const QString& command, const QString& result, const Reading& a, const Reading& b,
                           const QString& setting) {
    const auto rule = std::find_if(std::begin(kHighPrecisionRules), std::end(kHighPrecisionRules),
                                   [&](const HighPrecisionRule& r) { return command == QLatin1String(r.command); });
    if (a.kind == Reading::Unchecked || (rule->readsSecond && b.kind == Reading::Unchecked)) return {};
    if (ruleOf(command).readsSetting) {
        const Reading s = readNumber(setting);
        if (s.kind == Reading::Empty || s.kind == Reading::NoNumber) {
            return result == kSettingNotANumber ? QString() : QStringLiteral("wants the setting's no-number text");
        }
    }
    if (result == kTooBig && (a.plainLength > kSafeLength || (rule->readsSecond && b.plainLength > kSafeLength))) {
        return {};
    }
    const Answer answer = rule->answer(a, b);
    if (answer.texts.contains(result)) return {};
    const Reading got = readNumber(result);
    if (got.kind == Reading::Number) {
        const Exact value = exactOf(got);
        if (std::find(answer.values.begin(), answer.values.end(), value) != answer.values.end()) return {};
        if (answer.rootOf && nearRoot(value, *answer.rootOf)) return {};
    }
    return QStringLiteral("is not the High Precision answer %1").arg(described(answer));
}

// The first way the result of a computing command is not honest, or empty.
QString dishonestResult(const QString& command, const State& before, const State& after,
                        const QStringList& messages) {
    const QString& result = after.box[Result];
    if (command == QLatin1String("cmdMultiply") && readNumber(before.box[Num2]).kind == Reading::Empty) {
        // The first operand stands as the result, when it is a number or empty
        // and no longer than the arithmetic reads back.
        const bool firstIsNumber = readNumber(before.box[Num1]).kind != Reading::NoNumber;
        const QString copy = before.box[Num1].size() > kLongestText ? kTooBig : before.box[Num1];
        return result == (firstIsNumber ? copy : kNumericInputRequired)
                   ? QString()
                   : QStringLiteral("multiply by nothing gave %1").arg(shortened(result));
    }
    if (!kFixedTexts.contains(result) && !(result.isEmpty() && command == QLatin1String("cmdDivide")) &&
        !(result.isEmpty() && command == QLatin1String("cmdMultiply") &&
          readNumber(before.box[Num1]).kind == Reading::Empty) &&
        readNumber(result).kind != Reading::Number) {
        return QStringLiteral("the result %1 is neither a number nor a fixed text").arg(shortened(result));
    }
    const Reading a = readNumber(before.box[Num1]);
    const Reading b = readNumber(before.box[Num2]);
    QString why;
    if (after.highPrecision) {
        why = checkHighPrecision(command, result, a, b, before.box[SigFigs]);
    } else if (command == QLatin1String("cmdAdd") || command == QLatin1String("cmdSubtract")) {
        const auto [x, y] = aligned(valueOf(a), a.exponent, valueOf(b), b.exponent);
        why = checkExact(result, {a, b}, command == QLatin1String("cmdAdd") ? mpz_class(x + y) : mpz_class(x - y), std::min(a.exponent, b.exponent));
    } else if (command == QLatin1String("cmdMultiply")) {
        if (a.kind == Reading::Empty) return {};  // the arithmetic's own reading of an empty factor
        why = checkExact(result, {a, b}, valueOf(a) * valueOf(b), a.exponent + b.exponent);
    } else if (command == QLatin1String("cmdDivide") || command == QLatin1String("cmdReciprocal")) {
        if (result == kSettingNotANumber) return {};
        const int figures = std::clamp(after.box[SigFigs].section(QLatin1Char('.'), 0, 0).toInt(), 30, 500);
        const Reading one{Reading::Number, 1};
        why = command == QLatin1String("cmdDivide") ? checkQuotient(result, a, b, figures, messages)
                                                    : checkQuotient(result, one, a, figures, messages);
    }
    return why.isEmpty() ? QString() : QStringLiteral("the result %1 %2").arg(shortened(result), why);
}

// A click of the e series counts its term only when the term was added: the
// shift then leaves txtResult empty, where a failure leaves its text.
std::int16_t expectedMacroCount(const QString& button, std::int16_t before, const State& after) {
    static const QStringList resets = {"cmdClr1", "cmdClr2", "cmdClr3", "cmdClearAll", "cmdMemClear"};
    if (resets.contains(button)) return 0;
    if (button == QLatin1String("cmdMacro") && before < std::numeric_limits<std::int16_t>::max() &&
        after.box[Result].isEmpty()) {
        return std::int16_t(before + 1);
    }
    return before;
}

QString changedBox(int b, const State& before, const State& after) {
    return QStringLiteral("%1 changed from %2 to %3")
        .arg(QLatin1String(kBoxNames[b]), shortened(before.box[b]), shortened(after.box[b]));
}

// The first invariant the action broke, or the empty text.
QString brokenInvariant(const Action& action, const State& before, const State& after,
                        const QStringList& messages) {
    if (after.highPrecision == after.veryHighPrecision) {
        return QStringLiteral("mode options: OptHP %1, optVHP %2")
            .arg(after.highPrecision)
            .arg(after.veryHighPrecision);
    }
    const QString exponent = expectedExponent(after.box[Result]);
    if (after.exp != exponent && exponent != QLatin1String("(unchecked)")) {
        return QStringLiteral("txtExp is %1 for result %2; the rule gives %3")
            .arg(shortened(after.exp), shortened(after.box[Result]), shortened(exponent));
    }
    if (after.wsf != before.wsf) return QStringLiteral("txtWSF changed without a resize");

    unsigned mayWrite = 0;
    bool modeMayChange = false;
    std::int16_t macroCount = before.macroCount;
    std::optional<std::array<QString, kBoxCount>> expected;
    switch (action.kind) {
    case Kind::Type:
    case Kind::KeyPaste: {
        const int target =
            int(std::find(std::begin(kBoxNames), std::end(kBoxNames), action.target) - std::begin(kBoxNames));
        mayWrite = 1u << unsigned(target);
        expected = before.box;
        (*expected)[target] = action.append ? before.box[target] + action.text : action.text;
        break;
    }
    case Kind::FillClipboard:
        break;
    case Kind::Mode:
        modeMayChange = true;
        if (!(action.target == QLatin1String("OptHP") ? after.highPrecision : after.veryHighPrecision)) {
            return QStringLiteral("the clicked option is not selected");
        }
        break;
    case Kind::Click: {
        const ButtonRule& rule = ruleOf(action.target);
        mayWrite = rule.mayWrite;
        macroCount = expectedMacroCount(action.target, before.macroCount, after);
        expected = movedBoxes(action.target, before);
        if (action.target == QLatin1String("cmdMacro")) {
            modeMayChange = true;
            if (!after.highPrecision) return QStringLiteral("e-macro left \"High Precision\" unselected");
        }
        if (rule.readsSetting) {
            const QString& was = before.box[SigFigs];
            const QString& now = after.box[SigFigs];
            if (now != was && now != QLatin1String("30") && now != QLatin1String("500")) {
                return QStringLiteral("txtSigFigs went from %1 to %2").arg(shortened(was), shortened(now));
            }
            const std::optional<QString> predicted = settingAfter(was);
            if (predicted && now != *predicted) {
                return QStringLiteral("txtSigFigs went from %1 to %2; the setting rule gives %3")
                    .arg(shortened(was), shortened(now), shortened(*predicted));
            }
        }
        if (kComputing.contains(action.target)) {
            if (const QString why = dishonestResult(action.target, before, after, messages); !why.isEmpty()) return why;
        }
        if (!expected && (action.target == QLatin1String("cmdMemPlus") || action.target == QLatin1String("cmdMemMinus"))) {
            if (const QString why = dishonestMemory(action.target, before, after); !why.isEmpty()) return why;
        }
        if (action.target == QLatin1String("cmdCopyResult") && after.clipboard != before.box[Result]) {
            return QStringLiteral("the clipboard holds %1, not the result").arg(shortened(after.clipboard));
        }
        if (action.target == QLatin1String("cmdCopyMem") && after.clipboard != before.box[Mem]) {
            return QStringLiteral("the clipboard holds %1, not the memory").arg(shortened(after.clipboard));
        }
        break;
    }
    }

    if (expected) {
        for (int b = 0; b < kBoxCount; ++b) {
            if (after.box[b] != (*expected)[b]) {
                return changedBox(b, before, after) + QStringLiteral("; expected ") +
                       shortened((*expected)[b]);
            }
        }
    }
    for (int b = 0; b < kBoxCount; ++b) {
        if (!(mayWrite & (1u << b)) && after.box[b] != before.box[b]) {
            return changedBox(b, before, after) + QStringLiteral(", which the action does not write");
        }
    }
    if (!modeMayChange && after.highPrecision != before.highPrecision)
        return QStringLiteral("the mode changed");
    if (after.macroCount != macroCount) {
        return QStringLiteral("MacroCount is %1, expected %2").arg(after.macroCount).arg(macroCount);
    }

    static const QStringList mayRefuse = {"cmdDivide", "cmdReciprocal", "cmdPower"};
    for (const QString& message : messages) {
        if (message != kNumeratorTooLong)
            return QStringLiteral("unexpected message %1").arg(shortened(message));
        if (action.kind != Kind::Click || !mayRefuse.contains(action.target)) {
            return QStringLiteral("the numerator message from an action that divides nothing");
        }
    }
    if (!messages.isEmpty() && action.target == QLatin1String("cmdDivide") && !after.box[Result].isEmpty()) {
        return QStringLiteral("a refused numerator left a result");
    }
    return {};
}

// Everything needed to replay the failing action by hand.
QString writeReproducer(std::uint32_t seed, int step, const Action& action, const State& before) {
    const QString path =
        QDir(QDir::tempPath()).filePath(QStringLiteral("calcora_robustness_%1_%2.txt").arg(seed).arg(step));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return QStringLiteral("(not written)");
    QTextStream out(&file);
    out << "seed " << seed << " step " << step << "\n";
    out << "mode " << (before.highPrecision ? "OptHP" : "optVHP") << "\n";
    for (int b = 0; b < kBoxCount; ++b) out << kBoxNames[b] << "\t" << before.box[b] << "\n";
    out << "clipboard\t" << before.clipboard << "\n";
    out << "action\t" << describe(action) << "\n";
    out << "action text\t" << action.text << "\n";
    return path;
}

struct ButtonRecord {
    qint64 slowestMs = -1;
    QString slowestInput;
    int clicks = 0;
    int resultsWritten = 0;  // clicks that changed txtResult
};

}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

private slots:
    void randomSessionsKeepTheInvariants();
};

void RobustnessTest::randomSessionsKeepTheInvariants() {
    std::vector<std::uint32_t> seeds;
    bool replay = false;
    const std::uint32_t given = qEnvironmentVariableIntValue("CALCORA_ROBUSTNESS_SEED", &replay);
    if (replay) {
        seeds.push_back(given);
    } else {
        for (int s = 0; s < kSessions; ++s) seeds.push_back(kFirstSeed + std::uint32_t(s));
    }

    std::map<QString, ButtonRecord> buttons;
    int actions = 0;
    for (const std::uint32_t seed : seeds) {
        Hostile random(seed);
        Session session;
        std::deque<QString> recent;
        std::deque<Action> pending;
        for (int step = 0; step < kStepsPerSession; ++step) {
            if (pending.empty()) {
                const std::vector<Action> next = nextActions(random);
                pending.assign(next.begin(), next.end());
            }
            Action action = pending.front();
            pending.pop_front();
            // Now and then a 100,000-character text arrives through a paste
            // button: clipboard first, then the click.
            if (random.below(100) < 1) {
                QGuiApplication::clipboard()->setText(random.hugePaste());
                static const char* const pasteButtons[] = {"cmdPaste1", "cmdPaste2", "cmdPasteRes"};
                action = Action{Kind::Click, random.pick(pasteButtons), {}, false};
            }
            if (action.kind == Kind::KeyPaste) QGuiApplication::clipboard()->setText(action.text);

            const State before = session.state();
            session.driver.messages.clear();
            const qint64 elapsed = session.perform(action);
            QCoreApplication::processEvents();
            const State after = session.state();
            ++actions;

            recent.push_back(QString::number(step) + QStringLiteral(": ") + describe(action));
            if (recent.size() > 8) recent.pop_front();
            if (action.kind != Kind::FillClipboard) {
                const bool click = action.kind == Kind::Click;
                const QString what = click                      ? action.target
                                     : action.kind == Kind::Mode ? QStringLiteral("(a mode option)")
                                                                 : QStringLiteral("(typing into a box)");
                ButtonRecord& record = buttons[what];
                ++record.clicks;
                if (click && after.box[Result] != before.box[Result]) ++record.resultsWritten;
                if (elapsed > record.slowestMs) {
                    record.slowestMs = elapsed;
                    record.slowestInput = describe(before) + (click ? QString() : QStringLiteral(", then ") +
                                                                                      describe(action));
                }
            }

            const QString broken = brokenInvariant(action, before, after, session.driver.messages);
            if (!broken.isEmpty()) {
                QStringList report;
                report << QStringLiteral("seed %1, step %2: %3: %4")
                              .arg(seed)
                              .arg(step)
                              .arg(describe(action), broken);
                report << QStringLiteral("before: ") + describe(before);
                report << QStringLiteral("recent actions:");
                for (const QString& line : recent) report << QStringLiteral("  ") + line;
                report << QStringLiteral("reproducer: ") + writeReproducer(seed, step, action, before);
                report << QStringLiteral("replay: CALCORA_ROBUSTNESS_SEED=%1").arg(seed);
                QFAIL(qPrintable(report.join(QLatin1Char('\n'))));
            }
        }
    }

    // Which commands were slowest, and with what (speed itself is measured in
    // bench/); and how often each computing command wrote a number.
    std::vector<std::pair<QString, ButtonRecord>> ranked(buttons.begin(), buttons.end());
    std::sort(ranked.begin(), ranked.end(),
              [](const auto& a, const auto& b) { return a.second.slowestMs > b.second.slowestMs; });
    qInfo("%d actions in %d sessions; slowest handlers:", actions, int(seeds.size()));
    for (std::size_t i = 0; i < ranked.size() && i < 5; ++i) {
        qInfo("  %s %lld ms with %s", qPrintable(ranked[i].first),
              static_cast<long long>(ranked[i].second.slowestMs), qPrintable(ranked[i].second.slowestInput));
    }
    QStringList written;
    for (const ButtonRule& rule : kButtons) {
        const ButtonRecord& record = buttons[QString::fromLatin1(rule.name)];
        if (rule.mayWrite & bit(Result)) {
            written << QStringLiteral("%1 %2/%3")
                           .arg(QLatin1String(rule.name))
                           .arg(record.resultsWritten)
                           .arg(record.clicks);
        }
    }
    qInfo("results written/clicks: %s", qPrintable(written.join(QStringLiteral(", "))));
}

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
