// SPDX-License-Identifier: MIT
#pragma once
// The Calcora window: two operand boxes, a result, a memory, the setting and
// 30 command buttons. The box texts are the only store of numbers; the window
// holds one variable of its own, MacroCount.
//
// Files: frmNumora.cpp (construction, seams), controls.cpp (the control
// table), layout.cpp (Form_Resize), result_display.cpp (txtResult_Change),
// commands.cpp (the commands the command core answers, core/commands.h),
// cmd_clipboard.cpp and cmd_web.cpp (the commands that need the desktop);
// command_support.h (box texts as UTF-8) and twips.h (the designed
// geometry) are their private helpers. On top of the designed window: desktop_colours.cpp (readable
// colours in any theme, with contrast.cpp), keyboard.cpp (shortcuts, Enter,
// the window's own keys), help_window.cpp (the help F1 opens),
// accessible_names.cpp and accessible_interfaces.cpp (what screen readers
// say), result_announcer.cpp (each command's result spoken),
// long_text_view.cpp (long texts from their start), stale_result.cpp (a
// result of earlier boxes dimmed, otherwise the digit count of
// result_tool_tip.cpp as its tool tip), command_undo.cpp (undo and redo of
// commands) and screen_fit.cpp (the first fit to the screen).

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/window_state.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QLabel;

namespace calcora {

class frmNumora : public QWidget {
    Q_OBJECT

public:
    explicit frmNumora(QWidget* parent = nullptr);
    ~frmNumora() override;

    // The page cmdVisit opens.
    static constexpr const char* kPageAddress = "http://calcora.example.org/calcredirect.htm";

    // Every control asks for the designed font family; where the system lacks
    // it, Qt takes the first of these that is installed. Liberation Sans
    // Narrow keeps every caption inside its designed size; where it is
    // missing, DejaVu Sans Condensed is the nearest (three long captions run
    // up to 6 px over).
    static constexpr const char* kDesignedFontFamily = "MS Sans Serif";
    static constexpr const char* kFontStandIns[] = {"Liberation Sans Narrow", "DejaVu Sans Condensed"};

    // Seams. Message boxes go through showMessage (default: a modal box titled
    // "Calcora" with an OK button). startProgram starts a command line and
    // returns whether a process started; openUrl asks the desktop to open an
    // address and calls opened once, at once or when the desktop's opener has
    // finished, with whether the address was opened; programExists tells
    // whether a program file is there.
    std::function<void(const QString&)> showMessage;
    std::function<bool(const QString& program, const QString& argument)> startProgram;
    std::function<void(const QString& url, std::function<void(bool opened)> opened)> openUrl;
    std::function<bool(const QString& path)> programExists;

    std::int16_t macroCount() const { return MacroCount; }

    // The boxes, the mode and MacroCount as the command core sees them.
    core::WindowState state() const;
    // Puts a state back (every box, the mode, MacroCount) as a command
    // would, writing only what differs; raises neither signal below.
    void restore(const core::WindowState& state);

signals:
    // A command has written its result into txtResult (even the same text
    // again); other writes of the box, by paste, shift, clear or typing, do
    // not raise it.
    void resultWritten();
    // A command button's command has run (by click, key or Enter), or a
    // history entry was recalled: the button's object name ("cmdAdd") or
    // "Recall from history", the state before and after it, and whether it
    // wrote txtResult. Raised last, after the focus has moved.
    void commandRun(const QString& command, const calcora::core::WindowState& before,
                    const calcora::core::WindowState& after, bool resultWritten);

public slots:
    // Part of the event handling the toolkit drives.
    void Form_Resize();
    void txtResult_Change();

    // Add and subtract (both modes).
    void cmdAdd_Click();
    void cmdSubtract_Click();
    // Multiply, divide, reciprocal.
    void cmdMultiply_Click();
    void cmdDivide_Click();
    void cmdReciprocal_Click();
    // Square root, power, factorial.
    void cmdSqRt_Click();
    void cmdPower_Click();
    void cmdFac_Click();
    // Pi and the e series.
    void cmdPi_Click();
    void cmdMacro_Click();
    // Memory.
    void cmdMemPlus_Click();
    void cmdMemMinus_Click();
    void cmdMemRec1_Click();
    void cmdMemRec2_Click();
    void cmdMemClear_Click();
    // Clipboard, shifting, clearing.
    void cmdCopyResult_Click();
    void cmdCopyMem_Click();
    void cmdPaste1_Click();
    void cmdPaste2_Click();
    void cmdPasteRes_Click();
    void cmdShift_Click();
    void cmdShift2_Click();
    void cmdShftUp_Click();
    void cmdShftDn_Click();
    void cmdSwitch_Click();
    void cmdClr1_Click();
    void cmdClr2_Click();
    void cmdClr3_Click();
    void cmdClearAll_Click();
    // Web page link.
    void cmdVisit_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void OpenInBrowser(const QString& address);

    // Runs a command of the core on the window as it stands: its message
    // first, then every box it changed, then resultWritten when it wrote
    // txtResult, then the focus, then commandRun.
    using Command = core::Outcome (*)(const core::WindowState&);
    void run(const char* button, Command command);
    // Writes what differs between two states into the controls.
    void write(const core::WindowState& before, const core::WindowState& after);

    // ---- helpers of the commands in cmd_roots_powers, cmd_constants,
    // cmd_memory, cmd_clipboard and cmd_web (kept apart from the above) ----
    // Fills whichever of startProgram, openUrl and programExists is still
    // empty with the desktop's own (QProcess, QDesktopServices, QFileInfo).
    // The constructor calls it; OpenInBrowser calls it again so the link
    // works even when a seam was left empty.
    void installDefaultWebSeams();
    // ---- end of those helpers ----

    std::int16_t MacroCount = 0;

    // Controls (object names are these member names).
    QLineEdit* txtNum1 = nullptr;
    QLineEdit* txtNum2 = nullptr;
    QLineEdit* txtResult = nullptr;
    QLineEdit* txtMem = nullptr;
    QLineEdit* txtExp = nullptr;
    QLineEdit* txtWSF = nullptr;
    QLineEdit* txtSigFigs = nullptr;
    QRadioButton* OptHP = nullptr;
    QRadioButton* optVHP = nullptr;
    QPushButton* cmdClr1 = nullptr;
    QPushButton* cmdPaste1 = nullptr;
    QPushButton* cmdShftUp = nullptr;
    QPushButton* cmdShftDn = nullptr;
    QPushButton* cmdSwitch = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* cmdClr2 = nullptr;
    QPushButton* cmdPaste2 = nullptr;
    QPushButton* cmdClr3 = nullptr;
    QPushButton* cmdPasteRes = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdSubtract = nullptr;
    QPushButton* cmdMultiply = nullptr;
    QPushButton* cmdDivide = nullptr;
    QPushButton* cmdShift = nullptr;
    QPushButton* cmdShift2 = nullptr;
    QPushButton* cmdCopyResult = nullptr;
    QPushButton* cmdPi = nullptr;
    QPushButton* cmdMemPlus = nullptr;
    QPushButton* cmdMemMinus = nullptr;
    QPushButton* cmdMemRec1 = nullptr;
    QPushButton* cmdMemRec2 = nullptr;
    QPushButton* cmdMemClear = nullptr;
    QPushButton* cmdCopyMem = nullptr;
    QPushButton* cmdReciprocal = nullptr;
    QPushButton* cmdSqRt = nullptr;
    QPushButton* cmdPower = nullptr;
    QPushButton* cmdFac = nullptr;
    QPushButton* cmdMacro = nullptr;
    QPushButton* cmdVisit = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
};

}  // namespace calcora
