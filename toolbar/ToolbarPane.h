// toolbar/ToolbarPane.h: CToolbarPane, the child of the main window that
// holds the button rows: one per toolbar, or only the current toolbar's when
// the tab strip is shown. It stacks the rows along the bar, scrolls them a
// line at a time when they do not fit, and routes what happens on them: a
// click opens the item or browses into a folder, a right click shows the
// item's shell menu, and a press on empty space moves the bar. With the
// keyboard focus it keeps a focused button, moved by the arrow keys.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "framework/ListAccessible.h"
#include "framework/Menu.h"
#include "framework/Wnd.h"
#include "framework/portable/Palette.h"
#include "res/resource.h"
#include "shell/ItemOpener.h"
#include "toolbar/CascadeMenuShell.h"
#include "toolbar/IconSprites.h"
#include "toolbar/PaneHost.h"
#include "toolbar/portable/KeyFocus.h"

class CButtonRow;

class CToolbarPane : public qv::CWnd, private qv::IAccessibleItems {
 public:
  // Opens an item as OpenItem does; tests put a recorder in its place.
  using ItemOpenFn = int (*)(HWND owner, LPCITEMIDLIST folder,
                             LPCITEMIDLIST item, POINT screenPt,
                             int rightClick);

  explicit CToolbarPane(IPaneHost& host, ItemOpenFn opener = OpenItem);
  ~CToolbarPane() override;
  // The shell and menu loop under folders shown as menus; tests play them.
  void SetCascadeMenuShell(ICascadeMenuShell& shell) { m_menuShell = &shell; }

  // Creates the rows for the host's settings: the current toolbar's alone
  // while tabs are shown ("Current Tab" must name a toolbar), else one per
  // toolbar; 1. A row that cannot be made ends the process.
  int CreateRows();
  // Gives every row the shared tooltip and its toolbar's buttons.
  void FillRows(HWND tooltip);
  // Shows the host's new list of toolbar `toolbar`'s buttons in its row,
  // when one shows it; false when none does. The rows are laid out again
  // with Place.
  bool RefillRow(int toolbar, HWND tooltip);
  // With tabs shown, the one row shows toolbar `toolbar`'s buttons in place
  // of the ones it showed (laid out with Place); false when the rows
  // must be made anew.
  bool ShowInRow(int toolbar);
  // Paints button `button` of toolbar `toolbar` again, when a row shows it.
  void RedrawButton(int toolbar, int button);
  // Destroys every row; 1.
  int DestroyRows();
  // Gives every row the cell size and the orientation (qv::kLinesAcross
  // for a top or bottom bar, qv::kColumnsDown for a left or right one), its
  // icons drawn `iconSize` pixels square.
  void SetRowCells(int cxButton, int cyButton, int orientation, int iconSize);
  // Gives every row the image list its icons are drawn from.
  void SetRowImages(HIMAGELIST images);
  // The list's pictures changed under the same indexes: the rows draw them
  // again from the list.
  void ForgetIconPictures();
  // Whether any row has a button to draw.
  bool HasButtons() const;
  // Paints itself and its rows in `palette`'s colours from now on.
  void SetPalette(const qv::Palette& palette);
  // Sizes the button font and the scroll bars, its own and the rows', for
  // `dpi`.
  void SetDpi(int dpi);
  // Puts the pane at `rect` (in its parent's client area) and lays its rows
  // out along it: the pane keeps `rect`'s thickness, is as long as its rows
  // need, and scrolls to the saved position. 0 without a window.
  int Place(const RECT& rect);
  // Average character width of the button font, for the cell width; 5
  // without a font or a window.
  int GetAverageCharWidth() const;
  // Index in the rows of the first row with this control id (its toolbar's
  // index), or -1.
  int FindRowById(int id) const;
  int GetRowCount() const { return static_cast<int>(m_rows.size()); }
  CButtonRow* GetRow(int index) const;
  // The row at `pt` (the pane's client coordinates), or null.
  CButtonRow* RowAt(POINT pt) const;

  // Folder navigation: the folder menu at a point of the pane, and opening a
  // sub-folder (button `button` of toolbar `toolbar`) inside the bar.
  void ShowFolderMenu(POINT pt);
  void BrowseInBar(int toolbar, int button);

  // Takes the keyboard focus with the first button focused and its mark
  // shown, as the bar's hot key wants.
  void FocusFirstButton();
  // The pane has the focus and shows it, as after the hot key or a key.
  bool ShowsKeyFocus() const;

 protected:
  void OnDestroy();
  BOOL OnEraseBkgnd(HDC dc);
  LRESULT OnNcPaint(WPARAM, LPARAM);
  void OnSetFocus(HWND other);
  LRESULT OnKillFocus(WPARAM, LPARAM);
  void OnKeyDown(UINT vk, UINT repeat, UINT flags);
  // From the keyboard (Shift+F10, the menu key): the focused button's shell
  // menu.
  void OnContextMenu(HWND clicked, POINT screenPt);
  void OnVScroll(UINT code, UINT pos, HWND scrollBar);
  void OnHScroll(UINT code, UINT pos, HWND scrollBar);
  void OnRButtonUp(UINT flags, POINT pt);
  void OnLButtonDown(UINT flags, POINT pt);
  void OnBarCommand(UINT id);
  void OnUpOneLevel();
  void OnSortByName();
  void OnSortByType();
  void OnSortBySize();
  void OnSortByDate();
  void OnCustomSort();
  // Asks for a new sort order of the current toolbar.
  void SetCurrentSortOrder(UINT order);
  LRESULT OnRowClick(NMHDR* hdr);
  LRESULT OnRowRClick(NMHDR* hdr);
  LRESULT OnRowBeginDrag(NMHDR* hdr);
  LRESULT OnNeedText(NMHDR* hdr);
  LRESULT OnGetObject(WPARAM wParam, LPARAM objectId);

 private:
  bool ColumnsDown() const;
  void OnButtonClick(const NMHDR* hdr, int rightClick);
  // What a click does to button `button` of toolbar `toolbar`: opens it or
  // browses into it; a right click (1) shows its menu at `screen`. The
  // keyboard's request for the menu (`menuKey`) shows a folder's too.
  void OpenButton(int toolbar, int button, POINT screen, int rightClick,
                  bool menuKey = false);
  // Drops the menu of `folder` (absolute: button `button` of toolbar
  // `toolbar`, or the folder its shortcut leads to) from the button.
  void DropCascadeMenu(int toolbar, int button, LPCITEMIDLIST folder);

  // A button as laid out in the pane: its row, its record in the row and
  // its cell in the pane's client coordinates.
  struct ShownButton {
    int row;
    int record;
    RECT cell;
  };
  // Every row's buttons, row by row.
  std::vector<ShownButton> ShownButtons() const;
  // The focused button's place in ShownButtons(), or -1.
  int FocusedIndex(const std::vector<ShownButton>& buttons) const;
  void SetKeyFocus(const std::vector<ShownButton>& buttons, int index);
  void MoveKeyFocus(qv::FocusMove move);
  // Scrolls a line at a time until the button is in view.
  void ScrollIntoView(int row, int record);
  // Shows the mark on the focused button while the pane has the focus
  // (focusing the first button when none is), and nowhere else.
  void ShowFocusMark();
  // Opens the focused button as Enter (0) or the menu key (1) asks.
  void OpenFocused(int rightClick);

  // What a screen reader is told: the buttons of every row, by their whole
  // names, the focused one while the pane has the focus.
  int ItemCount() const override;
  std::string ItemName(int index) const override;
  RECT ItemScreenRect(int index) const override;
  int FocusedItem() const override;
  int SelectedItem() const override { return -1; }
  // The button `button` of toolbar `toolbar`, or null.
  const ToolbarButton* ButtonAt(int toolbar, int button) const;
  // One scroll step along the bar (vertical for a top or bottom bar).
  void ScrollRows(bool vertical, UINT code, int thumb);
  // The lines of all rows together.
  int TotalLines() const;
  // The client area as it would be with no scroll bar shown.
  RECT ClientWithoutBars() const;
  // Sets the range and position of the bar the rows scroll with, drawing
  // it again only where it looks otherwise.
  void SetScrollBar(bool vertical, int rangeMax, int position);

  IPaneHost& m_host;
  ItemOpenFn m_opener;
  ICascadeMenuShell* m_menuShell = &ShellCascadeMenuShell();
  // The rows' icons, kept for all of them: declared before the rows, which
  // draw from it, so that it outlives them.
  qv::IconSprites m_sprites;
  std::vector<std::unique_ptr<CButtonRow>> m_rows;
  // Rows destroyed while one of them was telling us about a click: their
  // objects live until the click's handling has unwound.
  std::vector<std::unique_ptr<CButtonRow>> m_retiredRows;
  int m_nNotifyDepth = 0;  // notifications from the rows being handled
  qv::UniqueHFont m_hFont;
  int m_nDpi;
  qv::Palette m_palette;
  // The keyboard's focused button: its row and record; -1 for none.
  int m_nFocusRow = -1;
  int m_nFocusRecord = -1;
  // The focus mark shows once the keyboard is used, until the focus leaves.
  bool m_bFocusCues = false;
  qv::AccessibleAnchor m_accessible{
      *this, {ROLE_SYSTEM_TOOLBAR, ROLE_SYSTEM_PUSHBUTTON, false}};
  // Right clicks on empty space while a toolbar is current (otherwise the
  // host shows the bar's own menu).
  qv::ResourceMenu m_folderMenu{IDR_FOLDER_MENU};

  DECLARE_MESSAGE_MAP(CToolbarPane)
};
