// bench/e2e/RowWatch.h: the bar's buttons as a person sees them, read from
// outside its process.
//
// A toolbar counts as shown when the pane's visible row answers its button
// count (TCM_GETITEMCOUNT) and the screen shows, in its first cell and in the
// last cell fully in view, a raised button (its light top and dark bottom
// edge) with a picture inside (an icon, or the placeholder of one), and
// nothing where a cell past the last would be. Where those cells lie is learnt
// once from the row's accessible object (each button's rectangle on screen)
// on a bar that has settled: a screen reader's view of the same row.
#pragma once

#include <windows.h>

#include <optional>

#include "tests/e2e/harness/Screen.h"

namespace bench {

struct RowProbe {
  long buttons = 0;
  RECT view{};   // the row's part in the pane's view, on screen
  RECT first{};  // the first button's cell
  RECT last{};   // the last cell fully in view
  RECT past{};   // where a cell after the last would be; empty when out of view
};

// The button count the bar's visible row answers; -1 for no row.
long ShownCount(HWND bar);
// Learns where the toolbar's cells lie on the bar's row now shown.
std::optional<RowProbe> LearnRow(HWND bar);
// The middle of tab `index` on screen, from the tab strip's accessible
// object; none when the tab is out of view.
std::optional<POINT> TabPoint(HWND bar, int index);

// Whether the bar shows the toolbar `probe` was learnt on; with `before`,
// also that its view differs from that picture (a switch between toolbars of
// one size and look).
bool RowShown(HWND bar, const RowProbe& probe,
              const e2e::Screenshot* before = nullptr);
// Polls RowShown every millisecond or so; answers when it first held (NowMs),
// or kNotMeasured after `timeoutMs`, saying on stderr what was not shown and
// keeping the view's picture as screenshots/bench-not-shown.bmp.
double WaitShown(HWND bar, const RowProbe& probe, DWORD timeoutMs,
                 const e2e::Screenshot* before = nullptr);
// Watches `area` of the screen until it has not changed for `quietMs`;
// answers when it last changed (NowMs), or kNotMeasured after `timeoutMs`.
double WaitStill(const RECT& area, DWORD quietMs, DWORD timeoutMs);

}  // namespace bench
