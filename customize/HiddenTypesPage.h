// customize/HiddenTypesPage.h: CHiddenTypesPage, the "View" tab: show all
// files, or leave out the files of the hidden types listed here.
#pragma once

#include <windows.h>

#include "customize/CustomizePage.h"
#include "customize/portable/HiddenTypeList.h"

class CHiddenTypesPage : public CCustomizePage {
  using Base = CCustomizePage;

 public:
  CHiddenTypesPage();

 protected:
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;

 private:
  void OnAddType();
  void OnRemoveType();
  void OnSelChange();
  // Shows the list again with `selected` (or nothing, -1) selected.
  void ShowTypes(int selected);

  qv::HiddenTypeList m_types;
  int m_bFirstActivation = 1;
  // Once set, every deactivation rewrites the working copy's list.
  int m_bChanged = 0;

  DECLARE_MESSAGE_MAP(CHiddenTypesPage)
};
