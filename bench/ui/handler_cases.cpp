// SPDX-License-Identifier: MIT
#include "handler_cases.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdint>
#include <functional>
#include <random>

#include "frame_goal_reporter.h"

namespace calcora::bench {

namespace {

// The longest text the engine takes.
constexpr int kLongestText = 32767;

// `count` random digits, the first one from 1 to `firstAtMost` (so that a sum
// of two such numbers keeps the length).
QString digits(int count, std::uint32_t seed, int firstAtMost = 9) {
    std::mt19937 rng(seed);
    QString text(count, QLatin1Char('0'));
    text[0] = QLatin1Char(char('1' + rng() % unsigned(firstAtMost)));
    for (int i = 1; i < count; ++i) text[i] = QLatin1Char(char('0' + rng() % 10));
    return text;
}

const QString& longest(int which) {
    static const QString texts[] = {digits(kLongestText, 1, 4), digits(kLongestText, 2, 4)};
    return texts[which];
}

std::vector<HandlerCase> makeCases() {
    const QString a = longest(0);
    const QString b = longest(1);
    const QString n16a = digits(16000, 3);
    const QString n16b = digits(16000, 4);
    const QString n32 = digits(32000, 5);
    const QString n501 = digits(501, 6);
    const QString n270 = digits(270, 7);
    const QString sf500 = QStringLiteral("500");
    using F = frmNumora;
    // Designated fields: a box not named stays empty, the setting at "50".
    std::vector<HandlerCase> all = {
        {.handler = "cmdAdd_Click",
         .input = "VHP 32767 + 32767 digits",
         .click = &F::cmdAdd_Click,
         .veryHigh = true,
         .num1 = a,
         .num2 = b},
        {.handler = "cmdSubtract_Click",
         .input = "VHP 32767 - 32767 digits",
         .click = &F::cmdSubtract_Click,
         .veryHigh = true,
         .num1 = a,
         .num2 = b},
        {.handler = "cmdMultiply_Click",
         .input = "VHP 16000 x 16000 digits",
         .click = &F::cmdMultiply_Click,
         .veryHigh = true,
         .num1 = n16a,
         .num2 = n16b},
        {.handler = "cmdMultiply_Click",
         .input = "HP 32767 x 32767 digits (double fallback)",
         .click = &F::cmdMultiply_Click,
         .veryHigh = false,
         .num1 = a,
         .num2 = b},
        {.handler = "cmdDivide_Click",
         .input = "VHP SF 500 501 / 32000 digits",
         .click = &F::cmdDivide_Click,
         .veryHigh = true,
         .num1 = n501,
         .num2 = n32,
         .sigFigs = sf500},
        {.handler = "cmdDivide_Click",
         .input = "HP 32767 / 32767 digits (double fallback)",
         .click = &F::cmdDivide_Click,
         .veryHigh = false,
         .num1 = a,
         .num2 = b,
         .sigFigs = sf500},
        {.handler = "cmdReciprocal_Click",
         .input = "VHP SF 500 1 / 32000 digits",
         .click = &F::cmdReciprocal_Click,
         .veryHigh = true,
         .num1 = n32,
         .sigFigs = sf500},
        {.handler = "cmdSqRt_Click",
         .input = "VHP setting 500 (100 figures) of 32000 digits",
         .click = &F::cmdSqRt_Click,
         .veryHigh = true,
         .num1 = n32,
         .sigFigs = sf500},
        {.handler = "cmdPower_Click",
         .input = "VHP 270 digits ^ 120",
         .click = &F::cmdPower_Click,
         .veryHigh = true,
         .num1 = n270,
         .num2 = QStringLiteral("120"),
         .sigFigs = sf500},
        {.handler = "cmdFac_Click",
         .input = "VHP 1000!",
         .click = &F::cmdFac_Click,
         .veryHigh = true,
         .num1 = QStringLiteral("1000")},
        {.handler = "cmdFac_Click",
         .input = "HP 170!",
         .click = &F::cmdFac_Click,
         .veryHigh = false,
         .num1 = QStringLiteral("170")},
        {.handler = "cmdPi_Click", .input = "VHP", .click = &F::cmdPi_Click, .veryHigh = true},
        {.handler = "cmdMacro_Click", .input = "first term", .click = &F::cmdMacro_Click, .veryHigh = true},
        {.handler = "cmdMemPlus_Click",
         .input = "32767 + 32767 digits",
         .click = &F::cmdMemPlus_Click,
         .veryHigh = true,
         .result = b,
         .mem = a},
        {.handler = "cmdMemMinus_Click",
         .input = "32767 - 32767 digits",
         .click = &F::cmdMemMinus_Click,
         .veryHigh = true,
         .result = b,
         .mem = a},
        {.handler = "cmdMemRec1_Click",
         .input = "32767 digits",
         .click = &F::cmdMemRec1_Click,
         .veryHigh = true,
         .mem = a},
        {.handler = "cmdMemRec2_Click",
         .input = "32767 digits",
         .click = &F::cmdMemRec2_Click,
         .veryHigh = true,
         .mem = a},
        {.handler = "cmdMemClear_Click",
         .input = "32767 digits",
         .click = &F::cmdMemClear_Click,
         .veryHigh = true,
         .mem = a},
        {.handler = "cmdCopyResult_Click",
         .input = "32767 digits",
         .click = &F::cmdCopyResult_Click,
         .veryHigh = true,
         .result = a},
        {.handler = "cmdCopyMem_Click",
         .input = "32767 digits",
         .click = &F::cmdCopyMem_Click,
         .veryHigh = true,
         .mem = a},
        {.handler = "cmdPaste1_Click",
         .input = "32767 digits",
         .click = &F::cmdPaste1_Click,
         .veryHigh = true,
         .clipboard = a},
        {.handler = "cmdPaste2_Click",
         .input = "32767 digits",
         .click = &F::cmdPaste2_Click,
         .veryHigh = true,
         .clipboard = a},
        {.handler = "cmdPasteRes_Click",
         .input = "32767 digits",
         .click = &F::cmdPasteRes_Click,
         .veryHigh = true,
         .clipboard = a},
        {.handler = "cmdShift_Click",
         .input = "result of 32767 digits",
         .click = &F::cmdShift_Click,
         .veryHigh = true,
         .result = a},
        {.handler = "cmdShift_Click",
         .input = "no result, operand of 32767 digits",
         .click = &F::cmdShift_Click,
         .veryHigh = true,
         .num1 = a},
        {.handler = "cmdShift2_Click",
         .input = "result of 32767 digits",
         .click = &F::cmdShift2_Click,
         .veryHigh = true,
         .result = a},
        {.handler = "cmdShftUp_Click",
         .input = "32767 digits",
         .click = &F::cmdShftUp_Click,
         .veryHigh = true,
         .num2 = a},
        {.handler = "cmdShftDn_Click",
         .input = "32767 digits",
         .click = &F::cmdShftDn_Click,
         .veryHigh = true,
         .num1 = a},
        {.handler = "cmdSwitch_Click",
         .input = "32767 and 32767 digits",
         .click = &F::cmdSwitch_Click,
         .veryHigh = true,
         .num1 = a,
         .num2 = b},
        {.handler = "cmdClr1_Click",
         .input = "32767 digits",
         .click = &F::cmdClr1_Click,
         .veryHigh = true,
         .num1 = a},
        {.handler = "cmdClr2_Click",
         .input = "32767 digits",
         .click = &F::cmdClr2_Click,
         .veryHigh = true,
         .num2 = a},
        {.handler = "cmdClr3_Click",
         .input = "32767 digits",
         .click = &F::cmdClr3_Click,
         .veryHigh = true,
         .result = a},
        {.handler = "cmdClearAll_Click",
         .input = "three boxes of 32767 digits",
         .click = &F::cmdClearAll_Click,
         .veryHigh = true,
         .num1 = a,
         .num2 = b,
         .result = a},
    };
    return all;
}


}  // namespace

const std::vector<HandlerCase>& handlerCases() {
    static const std::vector<HandlerCase> all = makeCases();
    return all;
}

std::string caseName(const HandlerCase& c) { return std::string(c.handler) + "/" + c.input; }

HandlerWindow::HandlerWindow() {
    window.showMessage = [](const QString&) {};
    window.startProgram = [](const QString&, const QString&) { return false; };
    window.openUrl = [](const QString&, const std::function<void(bool)>& opened) { opened(false); };
    window.show();
}

void HandlerWindow::arrange(const HandlerCase& c) {
    // The e series restarts (MacroCount 0), so every click is a first one.
    if (c.click == &frmNumora::cmdMacro_Click) window.cmdMemClear_Click();
    set("txtNum1", c.num1);
    set("txtNum2", c.num2);
    set("txtResult", c.result);
    set("txtMem", c.mem);
    set("txtSigFigs", c.sigFigs);
    window.findChild<QRadioButton*>(c.veryHigh ? QStringLiteral("optVHP") : QStringLiteral("OptHP"))
        ->setChecked(true);
    if (!c.clipboard.isEmpty()) QGuiApplication::clipboard()->setText(c.clipboard);
}

void HandlerWindow::set(const char* name, const QString& text) {
    QLineEdit* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (box->text() != text) box->setText(text);
}

int runCaseBenchmarks(int argc, char** argv, CaseBenchmark timeCase, const char* heading) {
    benchmark::Initialize(&argc, argv);
    // No display is needed: the window paints into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    for (const HandlerCase& c : handlerCases()) {
        benchmark::RegisterBenchmark(caseName(c).c_str(), timeCase, c)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(kClickIterations);
    }
    FrameGoalReporter reporter(heading);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace calcora::bench
