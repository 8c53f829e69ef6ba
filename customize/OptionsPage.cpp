// customize/OptionsPage.cpp: filling the Options controls once and writing
// them back on every deactivation.
#include "customize/OptionsPage.h"

#include <commctrl.h>

#include <algorithm>

#include "customize/HotKey.h"
#include "customize/PageHelpTables.h"
#include "res/resource.h"
#include "settings/portable/StoredSettings.h"

namespace {

// The switches and the check box of each, in the order they are shown.
struct Switch {
  int id;
  bool CBarSettings::*setting;
};
constexpr Switch kSwitches[] = {
    {IDC_AUTO_HIDE, &CBarSettings::m_bAutoHide},
    {IDC_ALWAYS_ON_TOP, &CBarSettings::m_bAlwaysOnTop},
    {IDC_SMALL_ICONS, &CBarSettings::m_bSmallIcons},
    {IDC_SHOW_TITLE, &CBarSettings::m_bShowTitle},
    {IDC_ANIMATE, &CBarSettings::m_bAnimate},
};

// Listed in the order of the edges' numbers, so an entry's index is its edge.
constexpr const char* kEdgeNames[] = {"Left", "Top", "Right", "Bottom"};

}  // namespace

BEGIN_MESSAGE_MAP(COptionsPage, CCustomizePage)
ON_CONTROL(EN_CHANGE, IDC_HOT_KEY, ShowHotKeyState)
END_MESSAGE_MAP()

COptionsPage::COptionsPage()
    : CCustomizePage(IDD_OPTIONS, kOptionsTopic, kOptionsHelpIds) {}

BOOL COptionsPage::OnSetActive() {
  if (!CCustomizePage::OnSetActive()) return FALSE;
  if (m_bFirstActivation && m_pSettings) {
    m_bFirstActivation = 0;
    FillControls();
  }
  return TRUE;
}

void COptionsPage::FillControls() {
  const CBarSettings& settings = *m_pSettings;
  for (const char* name : kEdgeNames)
    SendDlgItemMessage(IDC_ALIGNMENT, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(name));
  SendDlgItemMessage(IDC_ALIGNMENT, CB_SETCURSEL,
                     qv::EdgeNumber(settings.m_nAlignment));

  SendDlgItemMessage(IDC_MAX_CHARS_SPIN, UDM_SETRANGE32, 0, kMaxCharsLimit);
  // A stored count outside the range shows as its nearer end.
  SendDlgItemMessage(IDC_MAX_CHARS_SPIN, UDM_SETPOS32, 0,
                     std::clamp(settings.m_nMaxChars, 0, kMaxCharsLimit));

  for (const Switch& s : kSwitches)
    CheckDlgButton(s.id, settings.*s.setting ? BST_CHECKED : BST_UNCHECKED);
  const int browsing = settings.m_bBrowseMenus      ? IDC_BROWSE_MENUS
                       : settings.m_bBrowseSeparate ? IDC_BROWSE_SEPARATE
                                                    : IDC_BROWSE_TOOLBAR;
  for (int id : {IDC_BROWSE_SEPARATE, IDC_BROWSE_TOOLBAR, IDC_BROWSE_MENUS})
    CheckDlgButton(id, id == browsing ? BST_CHECKED : BST_UNCHECKED);

  // A letter alone, or with Shift, becomes Ctrl+Alt with it: such a key would
  // be taken from every program that types it.
  SendDlgItemMessage(IDC_HOT_KEY, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                     MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
  SendDlgItemMessage(IDC_HOT_KEY, HKM_SETHOTKEY,
                     qv::HotKeyControlValue(settings.m_nHotKey));
  m_shownHotKey = SendDlgItemMessage(IDC_HOT_KEY, HKM_GETHOTKEY);
  ShowHotKeyState();
}

UINT COptionsPage::ChosenHotKey() const {
  const LRESULT shown = SendDlgItemMessage(IDC_HOT_KEY, HKM_GETHOTKEY);
  return shown == m_shownHotKey ? m_pSettings->m_nHotKey
                                : static_cast<UINT>(LOWORD(shown));
}

void COptionsPage::ShowHotKeyState() {
  if (!m_pSettings) return;
  const UINT key = ChosenHotKey();
  char note[128] = {};
  if (key != m_nHeldHotKey && !qv::IsHotKeyFree(m_hWnd, key))
    ::LoadStringA(::GetModuleHandleA(nullptr), IDS_HOT_KEY_TAKEN, note,
                  sizeof note);
  SetDlgItemText(IDC_HOT_KEY_TAKEN, note);
}

BOOL COptionsPage::OnKillActive() {
  if (!m_pSettings || m_bFirstActivation) return TRUE;
  CBarSettings& settings = *m_pSettings;
  const LRESULT edge = SendDlgItemMessage(IDC_ALIGNMENT, CB_GETCURSEL);
  if (edge >= 0)
    settings.m_nAlignment = qv::EdgeFromNumber(static_cast<UINT>(edge));
  for (const Switch& s : kSwitches)
    settings.*s.setting = IsDlgButtonChecked(s.id) == BST_CHECKED;
  // The control's position, never the edit's raw text: text it does not
  // accept leaves the last good position.
  BOOL invalid = FALSE;
  settings.m_nMaxChars = static_cast<int>(SendDlgItemMessage(
      IDC_MAX_CHARS_SPIN, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&invalid)));
  // Menus leave "Browse Separate" as it was, for a bar that does not know
  // them.
  settings.m_bBrowseMenus = IsDlgButtonChecked(IDC_BROWSE_MENUS) == BST_CHECKED;
  if (!settings.m_bBrowseMenus)
    settings.m_bBrowseSeparate =
        IsDlgButtonChecked(IDC_BROWSE_SEPARATE) == BST_CHECKED;
  // A key the control let through that could not be stored keeps the old.
  const UINT key = ChosenHotKey();
  if (qv::IsUsableHotKey(key)) settings.m_nHotKey = key;
  return CCustomizePage::OnKillActive();
}
