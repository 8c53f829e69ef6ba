// customize/CustomizeSheet.h: CCustomizeSheet, the "Customize" sheet: five
// pages over a private working copy of the settings, which reaches the bar only
// when the caller copies it back after OK.
#pragma once

#include <windows.h>

#include "customize/AboutPage.h"
#include "customize/ButtonsPage.h"
#include "customize/CustomizePage.h"
#include "customize/ToolbarsPage.h"
#include "customize/OptionsPage.h"
#include "customize/HiddenTypesPage.h"
#include "framework/PropertySheet.h"
#include "settings/BarSettings.h"

class CCustomizeSheet : public qv::CPropertySheet {
 public:
  CCustomizeSheet(const char* caption, HWND parent, UINT startPage);

  // Makes the working copy an independent copy of `settings` and gives it to
  // the pages; 0 when the copy could not be made whole.
  int SetSettings(const CBarSettings& settings);
  // The hot key the bar holds now (0 none), which the Options page does not
  // report as another program's.
  void SetHeldHotKey(UINT key) { m_optionsPage.SetHeldHotKey(key); }
  // The working copy, as the pages left it.
  const CBarSettings& Settings() const { return m_settings; }

  // The pages, in the order of their tabs.
  static constexpr int kPageCount = 5;
  // The Toolbars page's place, to open the sheet on it.
  static constexpr UINT kToolbarsPage = 1;
  CCustomizePage& Page(int tab) { return *m_tabs[tab]; }

 private:
  // Hides Apply and moves OK and Cancel into the gap, next to Help; keeps
  // the sheet inside the work area.
  static int CALLBACK PropSheetCallback(HWND sheet, UINT message, LPARAM);

  CAboutPage m_aboutPage;
  COptionsPage m_optionsPage;
  CToolbarsPage m_toolbarsPage;
  CHiddenTypesPage m_viewPage;
  CButtonsPage m_buttonsPage;
  CBarSettings m_settings;
  CCustomizePage* m_tabs[kPageCount];
};
