// framework/BitmapButton.cpp: loading a bitmap button's four pictures and
// drawing the one for its state.
#include "framework/BitmapButton.h"

#include <string>

namespace qv {
namespace {

UniqueHBitmap LoadNamed(const std::string& caption, char state) {
  const std::string name = caption + state;
  return UniqueHBitmap(static_cast<HBITMAP>(
      ::LoadImageA(::GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0,
                   0, LR_DEFAULTCOLOR)));
}

}  // namespace

BOOL CBitmapButton::AutoLoad(HWND dialog, int id) {
  m_button = ::GetDlgItem(dialog, id);
  if (!m_button) return FALSE;
  char caption[64] = {};
  ::GetWindowTextA(m_button, caption, sizeof caption);
  m_normal = LoadNamed(caption, 'U');
  if (!m_normal) return FALSE;
  m_pressed = LoadNamed(caption, 'D');
  m_focused = LoadNamed(caption, 'F');
  m_disabled = LoadNamed(caption, 'X');
  BITMAP info{};
  ::GetObjectA(m_normal.get(), sizeof info, &info);
  ::SetWindowPos(m_button, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

BOOL CBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) const {
  if (item.CtlType != ODT_BUTTON || item.hwndItem != m_button || !m_button)
    return FALSE;
  HBITMAP picture = m_normal.get();
  if ((item.itemState & ODS_SELECTED) && m_pressed)
    picture = m_pressed.get();
  else if ((item.itemState & ODS_FOCUS) && m_focused)
    picture = m_focused.get();
  else if ((item.itemState & ODS_DISABLED) && m_disabled)
    picture = m_disabled.get();
  if (!picture) return TRUE;

  UniqueHdc memory(::CreateCompatibleDC(item.hDC));
  if (!memory) return TRUE;
  SelectScope select(memory.get(), picture);
  const RECT& rc = item.rcItem;
  ::BitBlt(item.hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
           memory.get(), 0, 0, SRCCOPY);
  return TRUE;
}

}  // namespace qv
