// toolbar/ButtonRow.h: CButtonRow, one toolbar's row of buttons. It shows the
// toolbar's own button list (the host's, not a copy), lays the buttons out in
// lines of equal cells with gaps and line breaks, and paints them as flat
// push buttons. A released press on a button sends NM_CLICK to the parent, a
// right click NM_RCLICK; a press dragged past the system's drag distance
// sends RN_BEGINDRAG instead of the click. Empty space lets the mouse through
// to the parent.
//
// The window is a common-controls tab control underneath, so that tools
// outside the program still find rows by that class and count their buttons
// with TCM_GETITEMCOUNT; it answers that message and WM_GETOBJECT itself.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Handles.h"
#include "framework/ListAccessible.h"
#include "framework/Tooltip.h"
#include "framework/Wnd.h"
#include "framework/portable/Palette.h"
#include "toolbar/ToolbarButton.h"
#include "toolbar/portable/RowDropZone.h"
#include "toolbar/portable/RowLayout.h"

namespace qv {
class IconSprites;
class ImageList;
}  // namespace qv

// A press on a button was dragged away: the parent carries the button. In
// the tab control's range of codes, which that control leaves unused.
constexpr UINT RN_BEGINDRAG = TCN_FIRST - 20;
struct NMROWDRAG {
  NMHDR hdr;
  int button;  // the entry dragged
};

class CButtonRow : public qv::CWnd, private qv::IAccessibleItems {
 public:
  CButtonRow();
  ~CButtonRow() override;

  // Creates the row as a child window of `parent` with control id `id`.
  BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

  // Shows `buttons` (null: none), with their names when `withNames`. The row
  // reads the list itself from then on: its owner shows the row another list
  // (or none) before this one is replaced or freed.
  void Show(const ToolbarButtons* buttons, bool withNames);
  // The tooltip shared by the rows, owned by the bar; null for none.
  void SetTooltip(HWND tooltip);
  // The icons, from the system image list, drawn from `sprites`, which
  // keeps that list's pictures and outlives the row.
  void SetImages(HIMAGELIST images, qv::IconSprites* sprites);
  // Every cell is `cx` by `cy` pixels; lays the row out again.
  void SetCellSize(int cx, int cy);
  // Draws the names in the button font at `dpi`.
  void SetDpi(int dpi);
  // Draws the icons `size` pixels square, scaling those of another size.
  void SetIconSize(int size) { m_nIconSize = size; }
  // Paints the row in `palette`'s colours from now on.
  void SetPalette(const qv::Palette& palette);
  // qv::kLinesAcross (a top or bottom bar) or qv::kColumnsDown (a left or
  // right bar); lays the row out again.
  void SetOrientation(int orientation);
  SIZE GetPadding() const { return {kCellPad, kCellPad}; }
  SIZE GetItemSize() const { return {m_cxItem, m_cyItem}; }
  // The size the row needs to show all its buttons at this width (lines
  // across) or height (columns down).
  SIZE GetExtent(int width, int height) const;
  // The lines (or columns) the buttons take in the current client area.
  int CountLines() const;
  bool ShowsNames() const { return m_bNames; }
  // The entries shown: buttons, gaps and line breaks.
  int GetItemCount() const;
  // Whether entry `index` is a button (not a gap, a line break or past the
  // end).
  bool IsButtonAt(int index) const;
  // Entry `index`'s cell in client coordinates; empty past the end.
  RECT GetCellRect(int index) const;
  // The button under a client point, or -1 (a gap, padding, empty space).
  int HitTest(POINT pt) const;
  // The button held down with the mouse, or -1.
  int GetPressed() const { return m_nPressed; }
  // The button whose press the last NM_CLICK ended, wherever the mouse was
  // released.
  int GetClickedButton() const { return m_nClicked; }
  // Paints entry `index` again at the next paint (its icon came).
  void RedrawButton(int index);
  // Draws the keyboard's focus mark on button `index`, or on none for -1.
  void SetFocusMark(int index);
  int GetFocusMark() const { return m_nFocusMark; }

  // Where a drag at client point `pt` would go: between which entries, or
  // onto which button.
  qv::RowDropZone DropZoneAt(POINT pt) const;
  // Shows the insertion mark in the gap before entry `before` (the count:
  // after the last), or none for -1.
  void SetInsertionMark(int before);
  int GetInsertionMark() const { return m_nInsertionMark; }
  // Draws button `index` pressed in while a drag over it would drop into
  // it, or none for -1.
  void SetDropHighlight(int index);
  int GetDropHighlight() const { return m_nDropHighlight; }

 protected:
  int OnCreate(CREATESTRUCT* cs);
  void OnDestroy();
  void OnSize(UINT type, int cx, int cy);
  BOOL OnEraseBkgnd(HDC dc);
  void OnPaint();
  LRESULT OnNcHitTest(POINT screenPt);
  void OnLButtonDown(UINT flags, POINT pt);
  void OnLButtonUp(UINT flags, POINT pt);
  void OnLButtonDblClk(UINT flags, POINT pt);
  // A right click on a button: NM_RCLICK to the parent.
  void OnRButtonUp(UINT flags, POINT pt);
  void OnMouseMove(UINT flags, POINT pt);
  void OnCaptureChanged(HWND newCapture);
  void OnKeyDown(UINT vk, UINT repeat, UINT flags);
  LRESULT OnGetDlgCode(WPARAM, LPARAM);
  LRESULT OnGetItemCount(WPARAM, LPARAM);
  LRESULT OnGetObject(WPARAM wParam, LPARAM objectId);

 private:
  // The space between cells, either way.
  static constexpr int kCellPad = 3;

  // The entries with a cell: the list and the cells may differ in length
  // only until the next layout.
  size_t Count() const;
  const ToolbarButton& Entry(size_t index) const { return (*m_buttons)[index]; }
  qv::RowGeometry Geometry() const;
  int Available() const;
  std::vector<qv::CellKind> Kinds() const;
  void Layout();
  qv::Tooltip Tooltip() const;
  void RemoveTool();
  // Puts the row's tool over button `index` (none for -1), making it first.
  void PointToolAt(int index);
  void RepaintCell(int index);
  void RepaintBox(const qv::CellBox& box);
  qv::CellBox InsertionMark(int before) const;
  // The press has left the drag distance around where it began.
  bool PastDragDistance(POINT pt) const;
  // Ends the press without a click and tells the parent the button is
  // dragged.
  void BeginDrag();
  void PaintButton(HDC dc, const ToolbarButton& button, const RECT& r,
                   bool pressed, bool focused, const qv::ImageList& images);
  // The entry of the `ordinal`th button (gaps and line breaks not counted),
  // or -1.
  int EntryOfButton(int ordinal) const;

  // What a screen reader is told: the row's buttons by their whole names.
  int ItemCount() const override;
  std::string ItemName(int index) const override;
  RECT ItemScreenRect(int index) const override;
  // The pane holds the keyboard focus, never the row.
  int FocusedItem() const override { return -1; }
  int SelectedItem() const override { return -1; }

  const ToolbarButtons* m_buttons = nullptr;
  bool m_bNames = false;
  std::vector<qv::CellBox> m_cells;  // each entry's cell, by the layout
  HWND m_hTooltip = nullptr;
  HIMAGELIST m_hImages = nullptr;
  qv::IconSprites* m_sprites = nullptr;
  int m_nPressed = -1;
  qv::UniqueHFont m_hFont;
  int m_nDpi = 96;
  qv::Palette m_palette;
  int m_nIconSize = 0;  // 0: as the image list has them
  int m_nOrientation = qv::kLinesAcross;
  int m_cxItem = 60;
  int m_cyItem = 20;
  int m_nClicked = -1;
  int m_nHovered = -1;    // the button the tool is over, or -1
  int m_nFocusMark = -1;  // the button showing the keyboard focus, or -1

  POINT m_ptPress{};          // where the press began
  int m_nInsertionMark = -1;  // the gap marked for a dragged button, or -1
  int m_nDropHighlight = -1;  // the button a drag would drop into, or -1
  qv::AccessibleAnchor m_accessible{
      *this, {ROLE_SYSTEM_TOOLBAR, ROLE_SYSTEM_PUSHBUTTON, false}};

  DECLARE_MESSAGE_MAP(CButtonRow)
};
