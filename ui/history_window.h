// SPDX-License-Identifier: MIT
#pragma once
// The history of calculations: every command that writes the result box
// adds an entry (core/history.h) from the texts the window hands over in
// frmNumora::commandRun, so a command costs no more than copying them. Ctrl+H
// (or "History" in a number box's context menu) shows the list, newest
// first; an entry's result goes back into either operand, onto the
// clipboard, or, like each of its numbers, whole into the whole-number view.
// "Save history…" writes it all as plain UTF-8 text where the user says;
// nothing is kept between runs otherwise.

#include <QObject>
#include <QString>
#include <functional>

#include "core/history.h"

class QAbstractItemModel;
class QDialog;
class QWidget;

namespace calcora {

class frmNumora;
class HistoryModel;

// The words for Ctrl+H in keyboard.cpp's table (and so in the help); the
// boxes' context menus show the key beside their item.
inline constexpr const char* kShowHistoryKeyWords = "Show the history of calculations";

// The history of one window (object name "calculationHistory", a child of
// the window); historyOf finds it.
class CalculationHistory : public QObject {
    Q_OBJECT

public:
    explicit CalculationHistory(frmNumora& window);

    const core::History& history() const { return history_; }
    // The entries as the list shows them, newest first, in six columns:
    // "No.", "Command", "Result", "First operand", "Second operand" and
    // "Mode", every number abbreviated with its digit count
    // (core::abbreviated); tool tips name each text.
    QAbstractItemModel* model() const;

    // Seam: the file to save to, asked of the user (default: the desktop's
    // save dialog over parent, suggesting calcora-history.txt in the home
    // folder); an empty name cancels.
    std::function<QString(QWidget* parent)> chooseSaveFile;

    // Asks chooseSaveFile for a file and saves to it; false when cancelled
    // or when saving failed.
    bool saveAs(QWidget* parent);
    // Writes the whole history to path (a new file replaces an old one only
    // once it is complete). When the file cannot be written (a missing or
    // read-only folder, a full disk), the window's showMessage says what and
    // where, the history stays as it was, and the result is false.
    bool saveTo(const QString& path);

    // What the list's notice says: why entries went, once any went.
    QString dropNotice() const;
    // What the last save did, for the list's status line.
    const QString& saveStatus() const { return saveStatus_; }

signals:
    // An entry came or entries went (dropped), or a save ended.
    void changed();

private:
    void commandRun(const QString& button, const core::WindowState& before, const core::WindowState& after,
                    bool resultWritten);

    frmNumora& window_;
    core::History history_;
    HistoryModel* model_;
    QString saveStatus_;
};

// From now on window keeps a history; before this, historyOf finds none.
void keepHistory(frmNumora& window);

CalculationHistory* historyOf(QWidget& window);

// Opens the history window of window, or brings it to the front: object
// name "historyWindow", title "Calcora History", the list ("historyList",
// a QTreeView over CalculationHistory::model) with the focus on its newest
// entry. Enter or a double-click on an entry puts its result into the first
// number, Ctrl+Enter into the second, Ctrl+C copies it exactly,
// Ctrl+Shift+D shows it whole; buttons do the same ("recallFirstButton",
// "recallSecondButton", "copyResultButton", "showWholeButton", which offers
// every number of the entry), and "saveHistoryButton" (Ctrl+S) saves.
// "historyNotice" tells when entries were dropped, "historyStatus" how many
// there are and what the last save did. Esc closes it.
QDialog* showHistory(QWidget& window);

}  // namespace calcora
