// tabs/TabStrip.h: CTabStrip, the strip of slanted tabs (one per toolbar) along
// one side of the bar, with a pair of scroll arrows when the tabs do not fit.
//
// The owner creates it once (Create), sets m_nOrientation, adds one tab per
// toolbar (AddTab), selects one (SetCurSel) and reads m_nCurSel. The strip
// sends WM_NOTIFY to its parent: kTabSelChanging (1, a nonzero reply refuses
// the change), kTabSelChanged (2) and NM_RCLICK on empty strip space.
#pragma once

#include <windows.h>

#include "framework/Handles.h"
#include "framework/ListAccessible.h"
#include "framework/Wnd.h"
#include "framework/portable/Palette.h"
#include "tabs/TabPainter.h"
#include "tabs/portable/TabStripModel.h"

constexpr UINT TABN_SELCHANGING = qv::kTabSelChanging;
constexpr UINT TABN_SELCHANGED = qv::kTabSelChanged;
constexpr UINT TABN_DRAGOUT = qv::kTabDragOut;

class CTabStrip : public qv::CWnd,
                  public qv::TabStripModel,
                  private qv::IAccessibleItems {
 public:
  CTabStrip();
  // Destroys the window while the whole object still handles its messages.
  ~CTabStrip() override { DestroyWindow(); }

  BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

  using TabStripModel::HitTest;
  // A point of the client area.
  int HitTest(POINT pt) const;

  // The arrow code held down (capture and repeat timer), or kNoArrowHeld to
  // let go; any other code is only recorded.
  void SetPressed(int code);
  // Shows the strip at `dpi`: its shapes, arrows and names are laid out at
  // 96 DPI and drawn scaled as a whole, so that they keep their proportions.
  void SetDpi(int dpi);
  // The strip's thickness in pixels at that DPI.
  int Thickness() const;
  // Draws the tabs in `palette`'s colours from now on.
  void SetPalette(const qv::Palette& palette);
  // Scroll repeat while an arrow is held.
  static constexpr UINT_PTR kRepeatTimer = 15;
  static constexpr UINT kRepeatMs = 500;

  int m_bInSize = 0;
  qv::UniqueHFont m_hFontUp;    // Arial turned upwards, for orientation 3
  qv::UniqueHFont m_hFontDown;  // Arial turned downwards, for orientation 2
  qv::UniqueHFont m_hFontHorz;
  int m_nDpi = 96;
  TabColors m_colors;

 protected:
  bool HasWindow() const override { return m_hWnd != nullptr; }
  qv::TabSize ClientSize() const override;
  int MeasureText(const std::string& text) override;
  void Invalidate(const qv::TabRect* rect, bool erase) override;
  std::intptr_t Notify(int code) override;

  int OnCreate(CREATESTRUCT* cs);
  void OnSize(UINT type, int cx, int cy);
  BOOL OnEraseBkgnd(HDC dc);
  void OnPaint();
  void OnLButtonDown(UINT flags, POINT pt);
  // The selected tab pressed at `pt` (client): dragged away, the parent is
  // told.
  void DetectDragOut(POINT pt);
  void OnLButtonUp(UINT flags, POINT pt);
  void OnMouseMove(UINT flags, POINT pt);
  void OnTimer(UINT_PTR id);
  void OnRButtonUp(UINT flags, POINT pt);
  void OnCaptureChanged(HWND newCapture);
  void OnDestroy();
  LRESULT OnGetObject(WPARAM wParam, LPARAM objectId);

 private:
  // What a screen reader is told: the tabs by name, the selected one, which
  // has the focus while the strip has it.
  int ItemCount() const override { return GetTabCount(); }
  std::string ItemName(int index) const override;
  RECT ItemScreenRect(int index) const override;
  int FocusedItem() const override;
  int SelectedItem() const override;

  void CreateFonts();
  // The font the current orientation draws its text in.
  HFONT DrawingFont() const;
  void DrawArrows(HDC dc);
  // Ends an arrow hold without touching the capture.
  void StopRepeat();

  qv::AccessibleAnchor m_accessible{
      *this, {ROLE_SYSTEM_PAGETABLIST, ROLE_SYSTEM_PAGETAB, true}};

  DECLARE_MESSAGE_MAP(CTabStrip)
};
