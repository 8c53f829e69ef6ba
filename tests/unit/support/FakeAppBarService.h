// tests/unit/support/FakeAppBarService.h: an in-process stand-in for the
// shell's appbar service, behaving as the bar relies on it: bars register,
// a proposed band is moved off the bars docked earlier on the same edge, one
// auto-hide bar per edge (a refusal answers 0), and notifications arrive as
// each bar's callback message.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <map>
#include <vector>

#include "bar/AppBarService.h"

class FakeAppBarService final : public IAppBarService {
 public:
  UINT_PTR Send(DWORD message, APPBARDATA* data) override;

  // Makes the next ABM_NEW fail.
  bool refuseNew = false;
  // How often each message was received.
  std::map<DWORD, int> calls;

  bool IsRegistered(HWND wnd) const;
  size_t RegisteredCount() const { return m_bars.size(); }
  // The band last set for a bar.
  RECT BandOf(HWND wnd) const;
  HWND AutoHideBar(UINT edge) const;

  // Registers a foreign bar that already holds a band on an edge.
  void AddForeignBar(HWND wnd, UINT edge, RECT band);
  // Sends a notification to every registered bar, as the shell does.
  void Notify(UINT code, LPARAM param);

 private:
  struct Bar {
    HWND wnd;
    UINT callback;
    UINT edge;
    RECT band;
    bool placed;
  };
  void MoveOffEarlierBars(const Bar* self, APPBARDATA* data) const;
  Bar* Find(HWND wnd);
  const Bar* Find(HWND wnd) const;

  std::vector<Bar> m_bars;  // in registration order
  std::map<UINT, HWND> m_autoHide;
};
