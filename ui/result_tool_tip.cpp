// SPDX-License-Identifier: MIT
// The count of digits in the result box's tool tip.
#include "ui/result_tool_tip.h"

#include <QLocale>
#include <algorithm>
#include <optional>

#include "engine/engine.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// The digits of a number as shown, those before any exponent; nothing when
// the text is no number by the engine's reading.
std::optional<qsizetype> mantissaDigits(QStringView text) {
    if (!isNumberText(engineText(text.toString()))) return std::nullopt;
    const QStringView mantissa = text.left(text.indexOf(u'E', 0, Qt::CaseInsensitive));
    return std::count_if(mantissa.begin(), mantissa.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

QString digitCountTip(QStringView text) {
    const std::optional<qsizetype> digits = mantissaDigits(text);
    if (!digits) return {};
    if (*digits == 1) return QStringLiteral("1 digit");
    // "2,568 digits" whatever the desktop's language, as the window's other
    // texts are English.
    return QStringLiteral("%1 digits").arg(QLocale(QLocale::English).toString(qlonglong(*digits)));
}

}  // namespace calcora
