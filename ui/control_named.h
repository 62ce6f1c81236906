// SPDX-License-Identifier: MIT
#pragma once
// The window's own controls by their design names, for the code that dresses
// the designed window for the keyboard and screen readers.

#include <QString>
#include <QWidget>

namespace calcora {

// The control of window named objectName ("txtResult", "cmdAdd"); every
// name asked for is one of the control table's, so it is always there.
template <typename Control>
[[nodiscard]] Control* controlNamed(QWidget& window, const char* objectName) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(objectName), Qt::FindDirectChildrenOnly);
    Q_ASSERT(control != nullptr);
    return control;
}

}  // namespace calcora
