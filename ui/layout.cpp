// SPDX-License-Identifier: MIT
// Form_Resize: the four long number boxes follow the window's width, and
// txtWSF shows how many digits fit across the result box.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <initializer_list>

#include "ui/twips.h"

namespace calcora {
namespace {

// The boxes end this far short of the window's right edge (their left edge
// and a margin on the right).
constexpr int kBoxesShortOfWidth = 500;
// A digit of the boxes' 12 pt font takes about 136 twips, and the box's own
// margins about 40.
constexpr int kDigitTwips = 136;
constexpr int kBoxMarginTwips = 40;

}  // namespace

void frmNumora::Form_Resize() {
    // A minimised window has no client area left: the widths cannot be set
    // and stay as they were.
    const int clientTwips = isMinimized() ? 0 : width() * twips::kPerPixel;
    const int boxTwips = clientTwips - kBoxesShortOfWidth;
    if (boxTwips >= 0) {
        for (QLineEdit* box : {txtNum1, txtNum2, txtResult, txtMem}) twips::setWidth(box, boxTwips);
    }
    // Widths are whole twips, so there is nothing to round; the division
    // truncates toward zero, also for a box narrower than its margins.
    const int digits = (twips::width(txtResult) - kBoxMarginTwips) / kDigitTwips;
    txtWSF->setText(QString::number(digits));
}

}  // namespace calcora
