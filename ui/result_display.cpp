// SPDX-License-Identifier: MIT
// txtResult_Change: beside every result, the power of ten it would carry in
// scientific notation.
#include "ui/frmNumora.h"

#include <QLineEdit>

#include "engine/engine.h"
#include "ui/command_support.h"

namespace calcora {

// The exponent of the value's first significant digit, whatever the text's
// form or length ("008" gives "0", "-0.05" "-2", "1E+36" "36"); empty when
// the result box holds no number (an error text, the empty text).
void frmNumora::txtResult_Change() { txtExp->setText(boxText(decimalExponent(engineText(txtResult->text())))); }

}  // namespace calcora
