#pragma once
// An opt-in measurement of start-up for scripts/startup_check.sh. Unless the
// environment variable CALCORA_STARTUP_PROBE is set, watchStartup does
// nothing and the program behaves as always. Set, it waits for the first
// paint of the window, prints on standard output, one "name value" a line:
//   first-paint-unix-ns       wall-clock time of the first paint (ns since 1970)
//   first-paint-ms            milliseconds from the process's start, as the
//                             kernel counts it (in steps of its clock tick)
//   rss-kb-after-start        resident memory (VmRSS) after the first paint
// and with CALCORA_STARTUP_PROBE=factorial it then computes 1000! in "Very
// High Precision" through the window's own button and adds
//   result-length             the length of the result text (2568)
//   rss-kb-after-factorial    resident memory after that result is painted
//   peak-rss-kb               the peak resident memory (VmHWM)
// and ends the program.

namespace calcora {

class frmNumora;

// Call once, right after the window is shown.
void watchStartup(frmNumora& window);

}  // namespace calcora
