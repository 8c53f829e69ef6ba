// customize/ToolbarsPage.h: CToolbarsPage, the "Toolbars" tab: a tree
// of the shell's folders to make toolbars from, and the toolbars in their
// order, edited in the sheet's working copy.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "customize/CustomizePage.h"
#include "customize/FolderTree.h"
#include "framework/BitmapButton.h"
#include "shell/FolderNames.h"

class CToolbarsPage : public CCustomizePage {
  using Base = CCustomizePage;

 public:
  CToolbarsPage();

 protected:
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;

 private:
  LRESULT OnItemExpanding(NMHDR* hdr);
  LRESULT OnDeleteItem(NMHDR* hdr);
  LRESULT OnTreeDblClk(NMHDR* hdr);
  LRESULT OnListItemChanged(NMHDR* hdr);
  LRESULT OnDrawItem(WPARAM, LPARAM lParam);
  void OnDestroy();
  void OnAdd();
  void OnRemove();
  void OnMoveUp() { Move(-1); }
  void OnMoveDown() { Move(1); }

  void FillToolbarList();
  // The name toolbar `index` shows, as its tab shows it.
  std::string ToolbarName(int index);
  void AppendListItem(const std::string& name, LPCITEMIDLIST folder);
  // Moves the one selected toolbar by `step` places, in the list and in the
  // working copy.
  void Move(int step);
  std::vector<int> SelectedToolbars() const;
  void UpdateMoveButtons();

  CFolderTree m_tree;
  HWND m_list = nullptr;
  qv::CBitmapButton m_buttons[4];  // ADD, REM, UP, DN
  qv::CRecentFolder m_recent;
  int m_bFirstActivation = 1;
  bool m_bMoving = false;  // Move is changing the list's selection

  DECLARE_MESSAGE_MAP(CToolbarsPage)
};
