// SPDX-License-Identifier: MIT
// Copy and paste: the commands that move box texts to and from the
// clipboard. They never check or change what a text says.
#include "ui/frmNumora.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

namespace calcora {
namespace {

// Only plain text goes out and comes in. QMimeData::hasText() also answers
// true for a list of URLs (a copied file), which is not plain text.
bool holdsPlainText(const QMimeData* data) {
    return data != nullptr && (data->hasFormat(QStringLiteral("text/plain")) ||
                               data->hasFormat(QStringLiteral("text/plain;charset=utf-8")));
}

void copyOut(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

// The whole text of box becomes the clipboard's plain text as it stands
// (commas, spaces, line breaks, letters); no text on the clipboard empties it.
void pasteInto(QLineEdit* box) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    box->setText(holdsPlainText(data) ? data->text() : QString());
}

}  // namespace

void frmNumora::cmdCopyResult_Click() { copyOut(txtResult->text()); }

void frmNumora::cmdCopyMem_Click() { copyOut(txtMem->text()); }

void frmNumora::cmdPaste1_Click() {
    const core::WindowState before = state();
    pasteInto(txtNum1);
    txtNum2->setFocus();
    emit commandRun(QStringLiteral("cmdPaste1"), before, state(), false);
}

void frmNumora::cmdPaste2_Click() {
    const core::WindowState before = state();
    pasteInto(txtNum2);
    txtResult->setFocus();
    emit commandRun(QStringLiteral("cmdPaste2"), before, state(), false);
}

void frmNumora::cmdPasteRes_Click() {
    const core::WindowState before = state();
    pasteInto(txtResult);
    txtResult->setFocus();
    emit commandRun(QStringLiteral("cmdPasteRes"), before, state(), false);
}

}  // namespace calcora
