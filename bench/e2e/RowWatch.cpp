// bench/e2e/RowWatch.cpp
#include "bench/e2e/RowWatch.h"

#include <commctrl.h>

#include <cstdio>

#include "bar/BarWindow.h"
#include "bench/e2e/Clock.h"
#include "tests/unit/support/Accessible.h"

namespace bench {
namespace {

// The pane's visible button row (the rows are tab controls underneath).
HWND VisibleRow(HWND bar) {
  const HWND pane = ::GetDlgItem(bar, kPaneId);
  for (HWND row = ::FindWindowExA(pane, nullptr, WC_TABCONTROLA, nullptr); row;
       row = ::FindWindowExA(pane, row, WC_TABCONTROLA, nullptr))
    if (::IsWindowVisible(row)) return row;
  return nullptr;
}

RECT Location(IAccessible* object, long child) {
  long x = 0, y = 0, cx = 0, cy = 0;
  if (object->accLocation(&x, &y, &cx, &cy, testsupport::Child(child)) != S_OK)
    return RECT{};
  return RECT{x, y, x + cx, y + cy};
}

bool SameSize(const RECT& a, const RECT& b) {
  return a.right - a.left == b.right - b.left &&
         a.bottom - a.top == b.bottom - b.top;
}

bool Inside(const RECT& inner, const RECT& outer) {
  RECT both{};
  return ::IntersectRect(&both, &inner, &outer) && ::EqualRect(&both, &inner);
}

// A raised button with a picture in it, at `cell` (screen) of `shot` (taken
// of `view`).
bool ButtonAt(const e2e::Screenshot& shot, const RECT& view, RECT cell) {
  ::OffsetRect(&cell, -view.left, -view.top);
  const int middle = (cell.left + cell.right) / 2;
  if (shot.At(middle, cell.top) != ::GetSysColor(COLOR_BTNHIGHLIGHT) ||
      shot.At(middle, cell.bottom - 1) != ::GetSysColor(COLOR_WINDOWFRAME))
    return false;
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  int picture = 0;
  for (int y = cell.top + 2; y < cell.bottom - 2; ++y)
    for (int x = cell.left + 2; x < cell.right - 2; ++x)
      picture += shot.At(x, y) != face;
  return picture >= 8;
}

bool BlankAt(const e2e::Screenshot& shot, const RECT& view, RECT cell) {
  ::OffsetRect(&cell, -view.left, -view.top);
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  for (int y = cell.top; y < cell.bottom; ++y)
    for (int x = cell.left; x < cell.right; ++x)
      if (shot.At(x, y) != face) return false;
  return true;
}

bool Differ(const e2e::Screenshot& a, const e2e::Screenshot& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return true;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return true;
  return false;
}

}  // namespace

long ShownCount(HWND bar) {
  const HWND row = VisibleRow(bar);
  DWORD_PTR count = 0;
  if (!row || !::SendMessageTimeoutA(row, TCM_GETITEMCOUNT, 0, 0, SMTO_NORMAL,
                                     10000, &count))
    return -1;
  return static_cast<long>(count);
}

std::optional<RowProbe> LearnRow(HWND bar) {
  const HWND row = VisibleRow(bar);
  const HWND pane = ::GetParent(row);
  const qv::ComPtr<IAccessible> object =
      row ? testsupport::AccessibleOf(row) : nullptr;
  long count = 0;
  if (!object || object->get_accChildCount(&count) != S_OK || count < 2)
    return std::nullopt;
  RowProbe probe;
  probe.buttons = count;
  RECT rowRect{}, paneView{};
  ::GetWindowRect(row, &rowRect);
  ::GetClientRect(pane, &paneView);
  ::MapWindowPoints(pane, nullptr, reinterpret_cast<POINT*>(&paneView), 2);
  ::IntersectRect(&probe.view, &rowRect, &paneView);
  probe.first = Location(object.Get(), 1);
  if (::IsRectEmpty(&probe.first)) return std::nullopt;
  // The cells in view are the first few (the pane shows the row from its
  // start): the last of them is found by halving.
  long low = 1, high = count;
  while (low < high) {
    const long mid = (low + high + 1) / 2;
    if (SameSize(Location(object.Get(), mid), probe.first))
      low = mid;
    else
      high = mid - 1;
  }
  probe.last = Location(object.Get(), low);
  if (low == count) {
    const RECT second = Location(object.Get(), 2);
    RECT past = probe.last;
    ::OffsetRect(&past, second.left - probe.first.left,
                 second.top - probe.first.top);
    if (Inside(past, probe.view)) probe.past = past;
  }
  return probe;
}

std::optional<POINT> TabPoint(HWND bar, int index) {
  const qv::ComPtr<IAccessible> object =
      testsupport::AccessibleOf(::GetDlgItem(bar, kTabStripId));
  if (!object) return std::nullopt;
  const RECT tab = Location(object.Get(), index + 1);
  if (::IsRectEmpty(&tab)) return std::nullopt;
  return POINT{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
}

namespace {

// What of the toolbar `probe` was learnt on the bar does not show; null when
// all of it does.
const char* NotShown(HWND bar, const RowProbe& probe,
                     const e2e::Screenshot* before) {
  if (ShownCount(bar) != probe.buttons) return "another button count";
  const e2e::Screenshot shot = e2e::Screenshot::Capture(probe.view);
  if (!ButtonAt(shot, probe.view, probe.first)) return "no first button";
  if (!ButtonAt(shot, probe.view, probe.last)) return "no last button";
  if (!::IsRectEmpty(&probe.past) && !BlankAt(shot, probe.view, probe.past))
    return "something past the last button";
  if (before && !Differ(shot, *before)) return "the picture from before";
  return nullptr;
}

}  // namespace

bool RowShown(HWND bar, const RowProbe& probe, const e2e::Screenshot* before) {
  return !NotShown(bar, probe, before);
}

double WaitShown(HWND bar, const RowProbe& probe, DWORD timeoutMs,
                 const e2e::Screenshot* before) {
  const double start = NowMs();
  while (NowMs() - start < timeoutMs) {
    if (RowShown(bar, probe, before)) return NowMs();
    ::Sleep(1);
  }
  const char* missing = NotShown(bar, probe, before);
  e2e::Screenshot::Capture(probe.view).Save("bench-not-shown");
  std::fprintf(stderr,
               "bench: not shown after %lu ms: %s (%ld buttons of %ld)\n",
               timeoutMs, missing ? missing : "shown at last", ShownCount(bar),
               probe.buttons);
  return kNotMeasured;
}

double WaitStill(const RECT& area, DWORD quietMs, DWORD timeoutMs) {
  const double start = NowMs();
  double changed = start;
  e2e::Screenshot last = e2e::Screenshot::Capture(area);
  while (NowMs() - start < timeoutMs) {
    ::Sleep(5);
    e2e::Screenshot now = e2e::Screenshot::Capture(area);
    if (Differ(now, last)) {
      changed = NowMs();
      last = std::move(now);
    } else if (NowMs() - changed >= quietMs) {
      return changed;
    }
  }
  return kNotMeasured;
}

}  // namespace bench
