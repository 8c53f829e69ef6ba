// bench/RowFillBench.cpp: how long a rebuild takes to fill one button row
// with a full toolbar (1024 named buttons, with the shared tooltip) and to
// destroy it again. Prints milliseconds.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "framework/WinApp.h"
#include "toolbar/ButtonRow.h"
#include "toolbar/ToolbarButton.h"

int main() {
  const char* cls = qv::RegisterWindowClass(
      0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  qv::CWnd parent;
  qv::CreateArgs args;
  args.className = cls;
  args.windowName = "";
  args.style = WS_POPUP | WS_VISIBLE;
  args.SetRect({0, 0, 1000, 700});
  if (!parent.Create(args)) return 1;
  CButtonRow row;
  if (!row.Create(0x50011720, RECT{0, 0, 1000, 700}, parent, 0)) return 1;
  qv::CWnd tooltip;
  qv::Tooltip::CreatePopup(tooltip, parent);
  row.SetTooltip(tooltip.m_hWnd);
  row.SetCellSize(24, 22);

  ToolbarButtons buttons(kMaxToolbarButtons);
  for (ToolbarButton& button : buttons)
    button.name = "A document with a longer name.txt";
  const DWORD start = ::GetTickCount();
  row.Show(&buttons, true);
  const DWORD filled = ::GetTickCount();
  row.DestroyWindow();
  const DWORD destroyed = ::GetTickCount();
  std::printf("fill %u buttons: %lu ms\ndestroy: %lu ms\n",
              static_cast<unsigned>(kMaxToolbarButtons), filled - start,
              destroyed - filled);
  ::DestroyWindow(tooltip);
  return 0;
}
