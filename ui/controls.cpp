// SPDX-License-Identifier: MIT
// The 45 controls of the window as designed: one table, and the loops that
// create, name, place, dress and connect them and chain their tab order.
#include "ui/frmNumora.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>
#include <type_traits>
#include <variant>
#include <vector>

#include "ui/twips.h"

namespace calcora {
namespace {

// The member that holds a control; its type is the control's kind.
using ControlMember = std::variant<QLineEdit* frmNumora::*, QPushButton* frmNumora::*,
                                   QRadioButton* frmNumora::*, QLabel* frmNumora::*>;

struct ControlRow {
    const char* name;     // object name, the same as the member's
    ControlMember member;
    const char* caption;  // caption, or the initial text of a text box
    const char* toolTip;
    int left, top, width, height;  // twips
    int tabIndex;
    double fontPoints;
    void (frmNumora::*onClick)();  // buttons only
};

constexpr double kSmall = 8.25;
constexpr double kLarge = 12;
// Label3 breaks over two lines in a box 375 twips (25 px) high. No installed
// font has two lines of 8.25 pt (11 px) text within 25 px: the flattest,
// Liberation Sans Narrow, needs 26. At 7.5 pt (10 px) they take 24. (Font
// sizes go to whole pixels, so nothing between 10 and 11 px is to be had.)
constexpr double kLabel3Points = 7.5;

}  // namespace

void frmNumora::createControls() {
    using F = frmNumora;
    // Rows from the top of the window down, as designed.
    static const ControlRow kControls[] = {
        {"txtNum1", &F::txtNum1, "", "", 480, 120, 7200, 420, 0, kLarge, nullptr},
        {"cmdClr1", &F::cmdClr1, "Clear", "", 0, 150, 495, 375, 10, kSmall, &F::cmdClr1_Click},
        {"cmdPaste1", &F::cmdPaste1, "Paste", "", 0, 530, 520, 300, 34, kSmall, &F::cmdPaste1_Click},
        {"cmdShftUp", &F::cmdShftUp, "U", "", 600, 600, 285, 315, 41, kSmall, &F::cmdShftUp_Click},
        {"cmdShftDn", &F::cmdShftDn, "D", "", 900, 600, 285, 315, 42, kSmall, &F::cmdShftDn_Click},
        {"cmdSwitch", &F::cmdSwitch, "S", "", 1200, 600, 285, 315, 43, kSmall, &F::cmdSwitch_Click},
        {"cmdClearAll", &F::cmdClearAll, "C", "", 1500, 600, 285, 315, 44, kSmall,
         &F::cmdClearAll_Click},
        {"Label1", &F::Label1, " +  -  *  /", "", 3600, 600, 1215, 255, 8, kLarge, nullptr},
        {"txtNum2", &F::txtNum2, "", "", 480, 960, 7215, 420, 1, kLarge, nullptr},
        {"cmdClr2", &F::cmdClr2, "Clear", "", 0, 990, 495, 375, 11, kSmall, &F::cmdClr2_Click},
        {"cmdPaste2", &F::cmdPaste2, "Paste", "", 0, 1370, 520, 300, 35, kSmall, &F::cmdPaste2_Click},
        {"Label2", &F::Label2, "=", "", 3960, 1440, 1215, 255, 9, kLarge, nullptr},
        {"txtResult", &F::txtResult, "", "", 480, 1800, 7215, 420, 2, kLarge, nullptr},
        {"cmdClr3", &F::cmdClr3, "Clear", "", 0, 1830, 495, 375, 12, kSmall, &F::cmdClr3_Click},
        {"cmdPasteRes", &F::cmdPasteRes, "Paste", "", 0, 2200, 520, 300, 38, kSmall,
         &F::cmdPasteRes_Click},
        {"txtExp", &F::txtExp, "", "", 6960, 2280, 735, 285, 36, kSmall, nullptr},
        {"Label5", &F::Label5, "Scientific notation exponent:", "", 4840, 2340, 2055, 255, 37, kSmall,
         nullptr},
        {"cmdAdd", &F::cmdAdd, "Add", "", 600, 2400, 975, 495, 4, kSmall, &F::cmdAdd_Click},
        {"cmdSubtract", &F::cmdSubtract, "Subtract", "", 1560, 2400, 855, 495, 5, kSmall,
         &F::cmdSubtract_Click},
        {"cmdMultiply", &F::cmdMultiply, "Multiply", "", 2400, 2400, 855, 495, 6, kSmall,
         &F::cmdMultiply_Click},
        {"cmdDivide", &F::cmdDivide, "Divide", "", 3240, 2400, 975, 495, 7, kSmall, &F::cmdDivide_Click},
        {"OptHP", &F::OptHP, "High Precision (29 Sig Figs)", "", 4560, 2610, 2295, 195, 22, kSmall,
         nullptr},
        {"txtWSF", &F::txtWSF, "", "Sig figs that fit into the window width", 7320, 2640, 375, 285, 39,
         kSmall, nullptr},
        {"Label6", &F::Label6, "WSF:", "Significant figures that fit into window width", 6880, 2680, 495,
         255, 40, kSmall, nullptr},
        {"optVHP", &F::optVHP, "Very High Precision", "", 4560, 2830, 1695, 195, 23, kSmall, nullptr},
        {"cmdShift", &F::cmdShift, "Shift Result to 1", "", 530, 3000, 1335, 375, 13, kSmall,
         &F::cmdShift_Click},
        {"cmdShift2", &F::cmdShift2, "Shift Result to 2", "", 1850, 3000, 1335, 375, 27, kSmall,
         &F::cmdShift2_Click},
        {"cmdCopyResult", &F::cmdCopyResult, "Copy Result", "", 3170, 3000, 1095, 375, 30, kSmall,
         &F::cmdCopyResult_Click},
        {"Label3", &F::Label3, "Significant figures     in VHP (30 - 500):", "", 4600, 3075, 1400, 375,
         15, kLabel3Points, nullptr},
        {"cmdPi", &F::cmdPi, "pi ", "", 6840, 3120, 480, 375, 29, kSmall, &F::cmdPi_Click},
        {"txtSigFigs", &F::txtSigFigs, "50", "", 5940, 3150, 375, 285, 14, kSmall, nullptr},
        {"cmdMemPlus", &F::cmdMemPlus, "M+", "", 720, 3600, 495, 375, 16, kSmall, &F::cmdMemPlus_Click},
        {"cmdMemMinus", &F::cmdMemMinus, "M-", "", 1200, 3600, 495, 375, 17, kSmall,
         &F::cmdMemMinus_Click},
        {"cmdMemRec1", &F::cmdMemRec1, "MR1", "", 1680, 3600, 495, 375, 18, kSmall, &F::cmdMemRec1_Click},
        {"cmdMemRec2", &F::cmdMemRec2, "MR2", "", 2160, 3600, 495, 375, 19, kSmall, &F::cmdMemRec2_Click},
        {"cmdMemClear", &F::cmdMemClear, "MC", "", 2640, 3600, 495, 375, 20, kSmall,
         &F::cmdMemClear_Click},
        {"cmdCopyMem", &F::cmdCopyMem, "Copy Mem", "", 3120, 3600, 975, 375, 31, kSmall,
         &F::cmdCopyMem_Click},
        {"cmdReciprocal", &F::cmdReciprocal, "1/x ", "", 4320, 3600, 495, 375, 26, kSmall,
         &F::cmdReciprocal_Click},
        {"cmdSqRt", &F::cmdSqRt, "Sq Rt", "Square root only calculates up to 100 significant figures",
         4800, 3600, 615, 375, 25, kSmall, &F::cmdSqRt_Click},
        {"cmdPower", &F::cmdPower, "^ Exp", "", 5400, 3600, 615, 375, 24, kSmall, &F::cmdPower_Click},
        {"cmdFac", &F::cmdFac, "x ! ", "", 6015, 3600, 480, 375, 28, kSmall, &F::cmdFac_Click},
        {"cmdMacro", &F::cmdMacro, "e-macro",
         "Each click adds one term to the infinite series that calculates e.", 6480, 3600, 855, 375, 21,
         kSmall, &F::cmdMacro_Click},
        {"txtMem", &F::txtMem, "", "", 240, 4080, 7215, 420, 3, kLarge, nullptr},
        {"cmdVisit", &F::cmdVisit, "Visit the website of the author of this program", "", 4080, 4660,
         3375, 255, 33, kSmall, &F::cmdVisit_Click},
        {"Label4", &F::Label4, "Ver 1.2 - exact long arithmetic", "", 280, 4680, 3495, 255, 32, kSmall,
         nullptr},
    };

    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlRow& row : kControls) {
        QWidget* widget = std::visit(
            [&](auto member) -> QWidget* {
                using Control = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
                auto* control = new Control(this);
                this->*member = control;
                control->setText(QString::fromLatin1(row.caption));
                if constexpr (std::is_same_v<Control, QLineEdit>) {
                    // No silent cut at Qt's default of 32,767 characters: a
                    // text too long for the arithmetic fails there instead.
                    control->setMaxLength(std::numeric_limits<int>::max());
                }
                if constexpr (std::is_same_v<Control, QPushButton>) {
                    control->setAutoDefault(false);
                    connect(control, &QPushButton::clicked, this, row.onClick);
                }
                if constexpr (std::is_same_v<Control, QLabel>) {
                    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                } else {
                    focusable.emplace_back(row.tabIndex, control);
                }
                return control;
            },
            row.member);
        widget->setObjectName(QString::fromLatin1(row.name));
        widget->setToolTip(QString::fromLatin1(row.toolTip));
        QFont font(QString::fromLatin1(kDesignedFontFamily));
        font.setPointSizeF(row.fontPoints);
        widget->setFont(font);
        twips::place(widget, row.left, row.top, row.width, row.height);
    }

    // The one caption designed to break over two lines.
    Label3->setWordWrap(true);
    optVHP->setChecked(true);

    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
}

}  // namespace calcora
