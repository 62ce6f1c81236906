// SPDX-License-Identifier: MIT
#pragma once
// The result box's usual tool tip: how many digits the result has
// (stale_result.h keeps it on the box).

#include <QString>
#include <QStringView>

namespace calcora {

// "2,568 digits" ("1 digit" for one) when text is a number: blanks at either
// end, an optional sign, digits with group commas or spaces and at most one
// point, and an optional exponent "E" or "e" with an optional sign and
// digits. The digits counted are those before the exponent, as shown. Empty
// for any other text.
QString digitCountTip(QStringView text);

}  // namespace calcora
