// title/TitleWnd.h: the picture shown in the middle of the screen while the
// bar comes up; it goes after three seconds or at the first key or click.
#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/Handles.h"
#include "framework/Wnd.h"

// Set by the application when "Show Title" is 1; never reset.
extern int g_bShowTitle;

class CTitleWnd;
// The one title window, or null.
extern CTitleWnd* g_pTitleWnd;

// Shows the title owned by pOwner when it is switched on and not yet shown.
void ShowTitle(qv::CWnd* pOwner);
// Removes the title on a key press or mouse click anywhere in the program;
// never consumes the message.
void FilterTitleMessage(const MSG* pMsg);

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

  // Set once the window is up: from then on it deletes its own object.
  bool m_bDeleteWithWindow = false;

 protected:
  int OnCreate(CREATESTRUCT* cs);
  void OnPaint();
  void OnTimer(UINT_PTR id);
  void PostNcDestroy() override;

 private:
  qv::UniqueHBitmap m_bitmap;
  qv::UniqueGdi<HPALETTE> m_palette;

  DECLARE_MESSAGE_MAP(CTitleWnd)
};
