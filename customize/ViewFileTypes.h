// customize/ViewFileTypes.h: CViewFileTypes, the "View" tab: show all files,
// or leave out the files of the hidden types listed here.
#pragma once

#include <windows.h>

#include "customize/portable/HiddenTypeList.h"
#include "framework/PropertyPage.h"
#include "settings/BarSettings.h"

// MERGE: derive from CCustomizePage (here and in Base), constructed with
// (IDD_VIEW, kViewTopic, kViewHelpIds), which brings the help, SetSettings
// and m_pSettings; then drop SetSettings and m_pSettings below.
class CViewFileTypes : public qv::CPropertyPage {
  using Base = qv::CPropertyPage;

 public:
  CViewFileTypes();

  // The sheet's working copy, which the page edits; not owned.
  void SetSettings(CBarSettings* settings) { m_pSettings = settings; }

 protected:
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;

  CBarSettings* m_pSettings = nullptr;

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

  DECLARE_MESSAGE_MAP(CViewFileTypes)
};
