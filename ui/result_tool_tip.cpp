// SPDX-License-Identifier: MIT
// The count of digits in the result box's tool tip.
#include "ui/result_tool_tip.h"

#include "core/digit_grouping.h"
#include "ui/command_support.h"

namespace calcora {

QString digitCountTip(QStringView text) { return boxText(core::digitCountText(engineText(text.toString()))); }

}  // namespace calcora
