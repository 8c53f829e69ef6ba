// framework/BitmapButton.h: CBitmapButton, an owner-drawn push button shown
// as one of four bitmaps named after its caption: normal "U", pressed "D",
// focused "F" and disabled "X".
#pragma once

#include <windows.h>

#include "framework/Handles.h"

namespace qv {

class CBitmapButton {
 public:
  // Loads the bitmaps named by the caption of the dialog's button `id` (a
  // BS_OWNERDRAW button) and sizes the button to the normal one. FALSE when
  // there is no such button or no normal bitmap; a missing pressed, focused
  // or disabled bitmap is drawn as the normal one.
  BOOL AutoLoad(HWND dialog, int id);

  // Draws the button for the dialog's WM_DRAWITEM; FALSE when the message is
  // for another control.
  BOOL DrawItem(const DRAWITEMSTRUCT& item) const;

  HWND Button() const { return m_button; }

 private:
  HWND m_button = nullptr;
  UniqueHBitmap m_normal;
  UniqueHBitmap m_pressed;
  UniqueHBitmap m_focused;
  UniqueHBitmap m_disabled;
};

}  // namespace qv
