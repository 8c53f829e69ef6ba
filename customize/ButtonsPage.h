// customize/ButtonsPage.h: CButtonsPage, the "Buttons" tab: for one toolbar
// at a time its button entries in order, which files are shown, spaces and
// new lines, and the toolbar's sort order.
#pragma once

#include <windows.h>

#include <string>

#include "customize/CustomizePage.h"
#include "framework/BitmapButton.h"
#include "framework/CheckListBox.h"
#include "framework/Menu.h"

class CButtonsPage : public CCustomizePage {
  using Base = CCustomizePage;

 public:
  CButtonsPage();

 protected:
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  void OnReset() override;

 private:
  LRESULT OnDrawItem(WPARAM, LPARAM);
  void OnToolbarChange();
  void OnEntrySelChange();
  void OnCheckChange();
  void OnMoveUp();
  void OnMoveDown();
  void OnAddSpace();
  void OnAddNewLine();
  void OnDeleteEntry();
  void OnSortButton();
  void OnSortCommand(UINT id);

  // The toolbar shown, or null when there is none.
  ToolbarRecord* CurrentToolbar() const;
  // The selected entry of the current toolbar, or -1.
  int SelectedEntry() const;
  void FillToolbarCombo();
  // Brings the current toolbar's entries in step with its folder and lists
  // them, the first selected.
  void ShowCurrentToolbar();
  // Lists the current toolbar's entries with `selected` selected.
  void FillButtonList(int selected);
  void UpdateButtonStates();
  void Move(int step);
  void Insert(int type);
  // Entries of toolbars that are not custom were made only to be shown.
  void DiscardUncustomizedEntries();
  void Leave();

  qv::CBitmapButton m_upButton;
  qv::CBitmapButton m_downButton;
  qv::CBitmapButton m_sortButton;
  qv::CCheckListBox m_entryList;
  qv::ResourceMenu m_sortMenu;
  int m_currentToolbar = 0;
  bool m_bFirstActivation = true;
  std::string m_spaceText;
  std::string m_newLineText;

  DECLARE_MESSAGE_MAP(CButtonsPage)
};
