// customize/CustomizePage.h: CCustomizePage, what every Customize page
// shares: the sheet's working copy of the settings and the page's help.
#pragma once

#include <windows.h>

#include "framework/Help.h"
#include "framework/PropertyPage.h"
#include "settings/BarSettings.h"

class CCustomizePage : public qv::CPropertyPage {
 public:
  // `helpIds` is null for a page without pop-up help on its controls.
  CCustomizePage(UINT templateId, DWORD topicId,
                 const qv::HelpId* helpIds = nullptr);

  // The sheet's working copy, which the page edits; not owned.
  void SetSettings(CBarSettings* settings) { m_pSettings = settings; }
  DWORD TopicId() const { return m_topicId; }
  const qv::HelpId* HelpIds() const { return m_helpIds; }

 protected:
  BOOL OnHelpInfo(HELPINFO* info);
  void OnContextMenu(HWND clicked, POINT screen);
  LRESULT OnCommandHelp(WPARAM, LPARAM);
  void OnHelp() override;

  CBarSettings* m_pSettings = nullptr;

 private:
  DWORD m_topicId;
  const qv::HelpId* m_helpIds;

  DECLARE_MESSAGE_MAP(CCustomizePage)
};
