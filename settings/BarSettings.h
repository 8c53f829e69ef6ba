// settings/BarSettings.h: CBarSettings, every user option of the bar and its
// list of toolbars, kept as values of HKCU\Software\Veltmark\Quorvane 1.5.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "settings/ToolbarRecord.h"
#include "settings/ValueStore.h"
#include "settings/portable/Edge.h"
#include "settings/portable/SettingsWrite.h"
#include "settings/portable/StoredSettings.h"

class CBarSettings {
 public:
  CBarSettings();
  // Copies are made explicitly with CopyTo.
  CBarSettings(const CBarSettings&) = delete;
  CBarSettings& operator=(const CBarSettings&) = delete;
  ~CBarSettings();

  // Below HKEY_CURRENT_USER.
  static constexpr char kKeyPath[] = "Software\\Veltmark\\Quorvane 1.5";

  // Nothing else creates the key (not Setup either): when any level of it is
  // missing it is made with "First Time" = 1 (so the first start builds the
  // default toolbars) and 1 is answered; an existing key is left as it is
  // and 0 answered.
  static int CreateKeyIfMissing();

  // Replaces the contents with the registry's: the first bar's key, or the
  // further bar's sub-key `barKey` below it (settings/portable/BarKeyNames.h).
  // 0 when the key is missing or a value is missing or malformed; what was
  // read before that stays.
  int Load(const std::string& barKey = {});
  // The same from `values`.
  int Load(qv::StoredValues& values);
  // Writes the values `what` names (everything by default); 0 when the key
  // is missing or a write fails. A write refused part-way puts back every
  // value this save had written (CValueWrites), so that the key holds the
  // old values or the new ones, each toolbar's folder, info and order
  // together. The new values go first, each count after the values it
  // counts, and the values past the new counts are removed last (a save cut
  // short by the process ending leaves every stored toolbar and hidden type
  // readable).
  int Save(const qv::SettingsWrite& what = qv::SettingsWrite::All(),
           const std::string& barKey = {}) const;
  // The same through `values` (the registry key's, in Save above).
  int Save(CValueStore& values,
           const qv::SettingsWrite& what = qv::SettingsWrite::All()) const;
  // The stored values in which `other` differs from this object: what a
  // save must write to store `other` over it.
  qv::SettingsWrite DifferenceTo(const CBarSettings& other) const;
  // Makes `target` an independent deep copy of this object.
  int CopyTo(CBarSettings& target) const;

  // Index of the first toolbar of the browse kind, or -1.
  int FindBrowseToolbar() const;
  // Toolbar `index`, or null for a bad index.
  ToolbarRecord* Toolbar(int index);
  const ToolbarRecord* Toolbar(int index) const;
  int ToolbarCount() const { return static_cast<int>(m_toolbars.size()); }

  // Appends a toolbar on the (trusted, absolute) list `folder`, which it
  // owns either way; 0, with nothing appended, for a null list or when
  // memory runs out.
  int AppendToolbar(qv::UniqueIdList folder, UINT sortOrder, ToolbarInfo info);
  // Removes toolbar `index`; a bad index changes nothing.
  void RemoveToolbar(int index);

  int m_nRows = 1;     // button rows while docked at the top or bottom
  int m_nColumns = 1;  // button columns while docked at the left or right
  std::vector<ToolbarRecord> m_toolbars;  // in tab order
  qv::Edge m_nAlignment = qv::Edge::Top;
  bool m_bAutoHide = false;
  bool m_bSmallIcons = true;  // else large icons
  // Nothing hidden until types are added; a loaded key decides.
  bool m_bShowAllFiles = false;
  int m_nMaxChars = 0;  // 0 or less: icons only
  int m_nHorzScrollPos = 0;
  int m_nVertScrollPos = 0;
  bool m_bBrowseSeparate = false;
  // A click on a folder drops a menu of its items; "Browse Separate" then
  // only matters to a bar that does not know this value.
  bool m_bBrowseMenus = false;
  // Hidden file types: extension, TAB, description.
  std::vector<std::string> m_hiddenTypes;
  bool m_bShowTabs = true;
  int m_nCurrentTab = 0;
  // Only a loaded key (or CreateKeyIfMissing) asks for the default toolbars.
  bool m_bFirstTime = false;
  bool m_bAlwaysOnTop = true;
  bool m_bAnimate = true;
  bool m_bShowTitle = true;
  // The device name of the monitor the bar docks on; empty, or a monitor
  // that is not there now, means the primary. Kept while its monitor is
  // away, so that the bar goes back to it when it returns.
  std::string m_strMonitor;
  // The key that brings the bar forward, as a hot-key control gives it:
  // the virtual key in the low byte, HOTKEYF_* in the next; 0 for none.
  // Older keys lack the value and load the default, Ctrl+Alt+Home: Windows
  // itself uses no such shortcut, and unlike Ctrl+Alt with a letter it
  // takes no character AltGr types (AltGr is Ctrl+Alt: AltGr+Q is "@" on a
  // German keyboard).
  UINT m_nHotKey = kDefaultHotKey;
  static constexpr UINT kDefaultHotKey =
      VK_HOME | (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8;
};
