// tests/unit/support/FakeAppBarService.cpp
#include "tests/unit/support/FakeAppBarService.h"

#include <algorithm>

FakeAppBarService::Bar* FakeAppBarService::Find(HWND wnd) {
  for (Bar& bar : m_bars)
    if (bar.wnd == wnd) return &bar;
  return nullptr;
}

const FakeAppBarService::Bar* FakeAppBarService::Find(HWND wnd) const {
  for (const Bar& bar : m_bars)
    if (bar.wnd == wnd) return &bar;
  return nullptr;
}

bool FakeAppBarService::IsRegistered(HWND wnd) const {
  return Find(wnd) != nullptr;
}

RECT FakeAppBarService::BandOf(HWND wnd) const {
  const Bar* bar = Find(wnd);
  return bar ? bar->band : RECT{};
}

HWND FakeAppBarService::AutoHideBar(UINT edge) const {
  auto found = m_autoHide.find(edge);
  return found == m_autoHide.end() ? nullptr : found->second;
}

void FakeAppBarService::AddForeignBar(HWND wnd, UINT edge, RECT band) {
  m_bars.push_back({wnd, 0, edge, band, true});
}

void FakeAppBarService::Notify(UINT code, LPARAM param) {
  for (const Bar& bar : m_bars)
    if (bar.callback) ::SendMessageA(bar.wnd, bar.callback, code, param);
}

void FakeAppBarService::MoveOffEarlierBars(const Bar* self,
                                           APPBARDATA* data) const {
  for (const Bar& other : m_bars) {
    if (&other == self) break;  // only bars registered before this one
    if (!other.placed || other.edge != data->uEdge) continue;
    RECT& rc = data->rc;
    switch (data->uEdge) {
      case ABE_LEFT:
        rc.left = std::max(rc.left, other.band.right);
        break;
      case ABE_TOP:
        rc.top = std::max(rc.top, other.band.bottom);
        break;
      case ABE_RIGHT:
        rc.right = std::min(rc.right, other.band.left);
        break;
      default:
        rc.bottom = std::min(rc.bottom, other.band.top);
        break;
    }
  }
}

UINT_PTR FakeAppBarService::Send(DWORD message, APPBARDATA* data) {
  ++calls[message];
  switch (message) {
    case ABM_NEW:
      if (refuseNew || Find(data->hWnd)) return FALSE;
      m_bars.push_back(
          {data->hWnd, data->uCallbackMessage, data->uEdge, RECT{}, false});
      return TRUE;
    case ABM_REMOVE: {
      for (auto it = m_autoHide.begin(); it != m_autoHide.end();)
        it = it->second == data->hWnd ? m_autoHide.erase(it) : std::next(it);
      auto gone =
          std::remove_if(m_bars.begin(), m_bars.end(),
                         [&](const Bar& b) { return b.wnd == data->hWnd; });
      const bool removed = gone != m_bars.end();
      m_bars.erase(gone, m_bars.end());
      return removed;
    }
    case ABM_QUERYPOS: {
      Bar* self = Find(data->hWnd);
      if (!self) return FALSE;
      MoveOffEarlierBars(self, data);
      return TRUE;
    }
    case ABM_SETPOS: {
      Bar* self = Find(data->hWnd);
      if (!self) return FALSE;
      MoveOffEarlierBars(self, data);
      self->edge = data->uEdge;
      self->band = data->rc;
      self->placed = true;
      return TRUE;
    }
    case ABM_GETSTATE:
      return ABS_ALWAYSONTOP;
    case ABM_GETAUTOHIDEBAR:
      return reinterpret_cast<UINT_PTR>(AutoHideBar(data->uEdge));
    case ABM_SETAUTOHIDEBAR: {
      HWND holder = AutoHideBar(data->uEdge);
      if (data->lParam) {
        if (holder && holder != data->hWnd) return FALSE;
        m_autoHide[data->uEdge] = data->hWnd;
        return TRUE;
      }
      if (holder == data->hWnd) m_autoHide.erase(data->uEdge);
      return TRUE;
    }
    default:  // ABM_ACTIVATE, ABM_WINDOWPOSCHANGED
      return TRUE;
  }
}
