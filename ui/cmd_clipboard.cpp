// SPDX-License-Identifier: MIT
// Copy, paste, shift, exchange and clear: the commands that move box texts
// without computing. They never check or change what a text says.
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
    pasteInto(txtNum1);
    txtNum2->setFocus();
}

void frmNumora::cmdPaste2_Click() {
    pasteInto(txtNum2);
    txtResult->setFocus();
}

void frmNumora::cmdPasteRes_Click() {
    pasteInto(txtResult);
    txtResult->setFocus();
}

// With a result: it becomes the first operand, ready for the second. Without
// one, a first press copies the first operand down and a second empties it.
void frmNumora::cmdShift_Click() {
    if (!txtResult->text().isEmpty()) {
        txtNum1->setText(txtResult->text());
        txtResult->setText(QString());
        txtNum2->setFocus();
        return;
    }
    if (txtNum1->text() != txtNum2->text()) {
        txtNum2->setText(txtNum1->text());
    } else {
        txtNum1->setText(QString());
    }
    txtNum1->setFocus();
}

void frmNumora::cmdShift2_Click() {
    if (txtResult->text().isEmpty()) return;
    txtNum2->setText(txtResult->text());
    txtResult->setText(QString());
}

void frmNumora::cmdShftUp_Click() {
    txtNum1->setText(txtNum2->text());
    txtNum2->setText(QString());
    txtNum2->setFocus();
}

void frmNumora::cmdShftDn_Click() {
    txtNum2->setText(txtNum1->text());
    txtNum1->setText(QString());
    txtNum1->setFocus();
}

void frmNumora::cmdSwitch_Click() {
    const QString second = txtNum2->text();
    txtNum2->setText(txtNum1->text());
    txtNum1->setText(second);
    txtNum2->setFocus();
}

// Every clear restarts the e series.
void frmNumora::cmdClr1_Click() {
    txtNum1->setText(QString());
    MacroCount = 0;
    txtNum1->setFocus();
}

void frmNumora::cmdClr2_Click() {
    txtNum2->setText(QString());
    MacroCount = 0;
    txtNum2->setFocus();
}

void frmNumora::cmdClr3_Click() {
    txtResult->setText(QString());
    txtExp->setText(QString());
    MacroCount = 0;
    txtResult->setFocus();
}

// The memory, the setting and the mode stay; emptying the result lets the
// result display empty txtExp.
void frmNumora::cmdClearAll_Click() {
    txtNum2->setText(QString());
    txtNum1->setText(QString());
    txtResult->setText(QString());
    MacroCount = 0;
    txtNum1->setFocus();
}

}  // namespace calcora
