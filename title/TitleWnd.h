// title/TitleWnd.h: the picture shown in the middle of the screen while the
// bar comes up; it goes after three seconds or at the first key or click.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "framework/Handles.h"
#include "framework/Wnd.h"

class CTitleWnd;

// The title as the bar shows it: once, at its start.
class CTitleScreen {
 public:
  CTitleScreen();
  ~CTitleScreen();
  // Shows the title owned by `owner`, unless it has been shown already.
  void Show(qv::CWnd* owner);
  // Removes the title on a key press or mouse click anywhere in the
  // program; never consumes the message.
  void Filter(const MSG& msg);
  // The title's window while it is up, or null.
  HWND Window() const;

 private:
  std::unique_ptr<CTitleWnd> m_window;
};

class CTitleWnd : public qv::CWnd {
 public:
  CTitleWnd();
  ~CTitleWnd() override;

  BOOL Create(qv::CWnd* pOwner);
  // The bitmap resource as a device-dependent bitmap, and its palette.
  static HBITMAP LoadPicture(UINT id, HPALETTE* pPalette);
  // The packed DIB `data` of `size` bytes as a bitmap and its palette (none
  // above 256 colours); null when its header, colour table or pixel rows do
  // not fit in `size`.
  static HBITMAP PictureFromDib(const void* data, size_t size,
                                HPALETTE* pPalette);
  static HPALETTE MakePalette(const RGBQUAD* table, int colors);

 protected:
  int OnCreate(CREATESTRUCT* cs);
  void OnPaint();
  void OnTimer(UINT_PTR id);

 private:
  qv::UniqueHBitmap m_bitmap;
  qv::UniqueGdi<HPALETTE> m_palette;

  DECLARE_MESSAGE_MAP(CTitleWnd)
};
