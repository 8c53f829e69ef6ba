// toolbar/ToolbarPane.h: CToolbarPane, the child of the main window that
// holds the button rows: one per toolbar, or only the current toolbar's when
// the tab strip is shown. It stacks the rows along the bar, scrolls them a
// line at a time when they do not fit, and routes what happens on them: a
// click opens the item or browses into a folder, a right click shows the
// item's shell menu, and a press on empty space moves the bar.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/Handles.h"
#include "framework/Menu.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "toolbar/PaneHost.h"

class CAppbarCtrl;

class CToolbarPane : public qv::CWnd {
 public:
  explicit CToolbarPane(IPaneHost& host);
  ~CToolbarPane() override;

  // Creates the rows for the host's settings: the current toolbar's alone
  // while tabs are shown ("Current Tab" must name a toolbar), else one per
  // toolbar; 1. A row that cannot be made ends the process.
  int CreateRows();
  // Gives every row the shared tooltip and its toolbar's buttons.
  void FillRows(HWND tooltip);
  // Gives toolbar `toolbar`'s row, when it is shown, the host's buttons of
  // that toolbar in place of its own; false when no row shows it. The rows
  // are laid out again with RelayoutRows.
  bool RefillRow(int toolbar, HWND tooltip);
  // Destroys every row; 1.
  int DestroyRows();
  // Gives every row the image list, the cell size and the orientation
  // (qv::kLinesAcross for a top or bottom bar, qv::kColumnsDown for a left
  // or right one), its icons drawn `iconSize` pixels square; 1.
  int SetRowImages(HIMAGELIST images, int cxButton, int cyButton,
                   int orientation, int iconSize);
  // Sizes the button font and the scroll bars, its own and the rows', for
  // `dpi`.
  void SetDpi(int dpi);
  // Places the rows and sets the scroll bars for the pane's current size,
  // restoring the saved scroll position; 0 without a window.
  int RelayoutRows();
  // Average character width of the button font, for the cell width; 5
  // without a font or a window.
  int GetAverageCharWidth() const;
  // Index in the rows of the first row with this control id (its toolbar's
  // index), or -1.
  int FindRowById(int id) const;
  int GetRowCount() const { return static_cast<int>(m_rows.size()); }
  CAppbarCtrl* GetRow(int index) const;

  // Folder navigation: the folder menu at a point of the pane, and opening a
  // sub-folder (button `button` of toolbar `toolbar`) inside the bar.
  void ShowFolderMenu(POINT pt);
  void BrowseInBar(int toolbar, int button);

 protected:
  void OnDestroy();
  void OnSetFocus(HWND other);
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
  LRESULT OnNeedText(NMHDR* hdr);

 private:
  bool ColumnsDown() const;
  void OnButtonClick(const NMHDR* hdr, int rightClick);
  // The button `button` of toolbar `toolbar`, or null.
  const ToolbarButton* ButtonAt(int toolbar, int button) const;
  // One scroll step along the bar (vertical for a top or bottom bar).
  void ScrollRows(bool vertical, UINT code, int thumb);
  // The lines of all rows together.
  int TotalLines() const;

  IPaneHost& m_host;
  std::vector<std::unique_ptr<CAppbarCtrl>> m_rows;
  // Rows destroyed while one of them was telling us about a click: their
  // objects live until the click's handling has unwound.
  std::vector<std::unique_ptr<CAppbarCtrl>> m_retiredRows;
  int m_nNotifyDepth = 0;  // notifications from the rows being handled
  qv::UniqueHFont m_hFont;
  int m_nDpi;
  // Right clicks on empty space: the folder menu, or the bar's own menu
  // while no toolbar is current.
  qv::ResourceMenu m_barMenu{IDR_BAR_MENU};
  qv::ResourceMenu m_folderMenu{IDR_FOLDER_MENU};

  DECLARE_MESSAGE_MAP(CToolbarPane)
};
