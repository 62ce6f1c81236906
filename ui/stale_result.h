// SPDX-License-Identifier: MIT
#pragma once
// A result that no longer answers the boxes says so: once an operand, the
// mode or the significant-figure setting differs from what the shown result
// was computed from, the result box dims its text and says why in its tool
// tip and accessible description.

#include <QString>
#include <optional>

#include "core/window_state.h"

namespace calcora {

class frmNumora;

// From now on txtResult of window follows the boxes. A command's result
// (frmNumora::resultWritten) answers txtNum1, txtNum2, the mode and
// txtSigFigs as they stand then; while any of them differs, the text is
// dimmed (at least 4.5:1 against the box's background, in any palette) and
// the tool tip and accessible description read "Result of earlier numbers;
// press a command to update". The next result, or the boxes back as they
// were, lifts the mark. Any other write of the box (paste, shift, clear,
// typing) answers nothing and is never marked. This is the one owner of
// txtResult's tool tip, which otherwise counts the digits (digitCountTip).
void markEarlierResults(frmNumora& window);

// What a command's result in txtResult answers: the boxes it was computed
// from as they stood then.
struct ResultSource {
    QString num1;
    QString num2;
    bool highPrecision = false;
    QString sigFigs;
    bool operator==(const ResultSource&) const = default;
};

// For undo and redo, which put a state back (frmNumora::restore) with its
// mark: what txtResult of window answers now, none for a typed, pasted,
// cleared or empty result.
[[nodiscard]] std::optional<ResultSource> resultSource(frmNumora& window);
// What it answered just before the command that raised
// frmNumora::commandRun with these arguments; to be asked in a slot of that
// signal.
[[nodiscard]] std::optional<ResultSource> resultSourceBefore(frmNumora& window, const core::WindowState& before,
                                                             const core::WindowState& after, bool resultWritten);
// After a state is put back: its result answers source, and the mark follows
// the boxes from there.
void setResultSource(frmNumora& window, const std::optional<ResultSource>& source);

}  // namespace calcora
