// toolbar/ButtonRow.h: CButtonRow, one toolbar's row of buttons. It is a
// subclassed common-controls tab control, so the tab-control messages
// (TCM_INSERTITEMA, TCM_HITTEST, TCM_SETIMAGELIST, TCM_SETITEMSIZE,
// TCM_SETTOOLTIPS, ...) are its interface, but it keeps its own copy of every
// item, lays the items out in lines of equal cells with gaps and line breaks,
// and paints them as flat push buttons. A released press on a button sends
// NM_CLICK to the parent, a right click NM_RCLICK. Empty space lets the mouse
// through to the parent.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "framework/Handles.h"
#include "framework/Tooltip.h"
#include "framework/Wnd.h"
#include "toolbar/ToolbarButton.h"
#include "toolbar/portable/RowLayout.h"

// Mask bits of an inserted item that the row gives a meaning of its own.
constexpr UINT ITEM_NEWLINE = 0x4000;  // a line break: the next cell wraps
constexpr UINT ITEM_SPACE = 0x8000;    // a gap 8 pixels across

// Characters of a button's name the row keeps.
constexpr int kItemTextMax = 260;

// The row's record of one item.
struct RowItem {
  // As inserted: TCIF_TEXT, TCIF_IMAGE, TCIF_PARAM, or ITEM_NEWLINE or
  // ITEM_SPACE.
  UINT mask = 0;
  DWORD dwReserved1 = 0;
  DWORD dwReserved2 = 0;
  std::unique_ptr<char[]> text;  // textMax + 1 bytes, or null
  int textMax = 0;
  int image = -1;
  LPARAM param = 0;
  RECT rect{};  // the cell in row coordinates, set by the layout

  qv::CellKind Kind() const;
  bool IsButton() const { return Kind() == qv::CellKind::kButton; }
};

namespace qv {
class ImageList;
}

class CButtonRow : public qv::CWnd {
 public:
  CButtonRow();
  ~CButtonRow() override;

  // Creates the row as a child window of `parent` with control id `id`.
  BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

  // Appends a toolbar's buttons, with their names when `withNames`.
  void AddButtons(const ToolbarButtons& buttons, bool withNames);
  // Draws the names in the button font at `dpi`.
  void SetDpi(int dpi);
  // Draws the icons `size` pixels square, scaling those of another size.
  void SetIconSize(int size) { m_nIconSize = size; }
  // qv::kLinesAcross (a top or bottom bar) or qv::kColumnsDown (a left or
  // right bar); lays the row out again.
  void SetOrientation(int orientation);
  SIZE GetPadding() const { return {m_cxPad, m_cyPad}; }
  SIZE GetItemSize() const { return {m_cxItem, m_cyItem}; }
  // The size the row needs to show all its buttons at this width (lines
  // across) or height (columns down).
  SIZE GetExtent(int width, int height) const;
  // The lines (or columns) the buttons take in the current client area.
  int CountLines() const;
  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  // The button held down with the mouse, or -1.
  int GetPressed() const { return m_nPressed; }
  // The button whose press the last NM_CLICK ended, wherever the mouse was
  // released.
  int GetClickedButton() const { return m_nClicked; }
  // Whether record `index` is a button (not a gap, a line break or past the
  // end).
  bool IsButtonAt(int index) const {
    return index >= 0 && IsIndex(index) && m_items[index]->IsButton();
  }
  // Draws the keyboard's focus mark on button `index`, or on none for -1.
  void SetFocusMark(int index);
  int GetFocusMark() const { return m_nFocusMark; }

 protected:
  int OnCreate(CREATESTRUCT* cs);
  void OnDestroy();
  void OnSize(UINT type, int cx, int cy);
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
  LRESULT OnInsertItem(WPARAM index, LPARAM item);
  LRESULT OnGetItem(WPARAM index, LPARAM item);
  LRESULT OnGetItemCount(WPARAM, LPARAM);
  LRESULT OnDeleteItem(WPARAM index, LPARAM);
  LRESULT OnDeleteAllItems(WPARAM, LPARAM);
  LRESULT OnGetItemRect(WPARAM index, LPARAM rect);
  LRESULT OnHitTest(WPARAM, LPARAM info);
  LRESULT OnSetItemSize(WPARAM, LPARAM size);
  LRESULT OnSetPadding(WPARAM, LPARAM padding);

 private:
  bool IsIndex(WPARAM index) const { return index < m_items.size(); }
  qv::RowGeometry Geometry() const;
  int Available() const;
  std::vector<qv::CellKind> Kinds() const;
  // Index of the record under a client point, or -1.
  int HitRecord(POINT pt) const;
  // Lays out records first … count-1 again; repaints only the new last cell
  // after an append, else everything.
  void Layout(size_t first = 0, bool appended = false);
  void RemoveTool();
  // Puts the row's tool over button `index` (none for -1), making it first.
  void PointToolAt(int index);
  void RepaintCell(int index);
  void DeleteAllRecords();
  void PaintButton(HDC dc, const RowItem& item, bool pressed, bool focused,
                   const qv::ImageList& images);
  qv::Tooltip Tooltip() const;

  int m_nPressed = -1;
  qv::UniqueHFont m_hFont;
  int m_nDpi = 96;
  int m_nIconSize = 0;  // 0: as the image list has them
  int m_nOrientation = qv::kLinesAcross;
  std::vector<std::unique_ptr<RowItem>> m_items;
  int m_cxItem = 60;
  int m_cyItem = 20;
  int m_cxPad = 3;
  int m_cyPad = 3;
  int m_nClicked = -1;
  int m_nHovered = -1;     // the button the tool is over, or -1
  int m_nFocusMark = -1;   // the button showing the keyboard focus, or -1
  bool m_bAdding = false;  // AddButtons is inserting

  DECLARE_MESSAGE_MAP(CButtonRow)
};
