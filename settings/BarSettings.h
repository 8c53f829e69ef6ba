// settings/BarSettings.h: CBarSettings, every user option of the bar and its
// list of toolbars, kept as values of HKCU\Software\Veltmark\Quorvane 1.5.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/portable/ToolbarInfo.h"
#include "framework/Handles.h"

class CBarSettings {
 public:
  CBarSettings();
  // Copies are made explicitly with CopyTo.
  CBarSettings(const CBarSettings&) = delete;
  CBarSettings& operator=(const CBarSettings&) = delete;
  ~CBarSettings();

  // Without an installer nothing creates the key: when any level of it is
  // missing it is made with "First Time" = 1 (so the first start builds the
  // default toolbars) and 1 is answered; an existing key is left as it is
  // and 0 answered.
  static int CreateKeyIfMissing();

  // Replaces the contents with the registry's. 0 when the key is missing or
  // a value is missing or malformed; what was read before that stays.
  int Load();
  // Writes everything; 0 when the key is missing or a write fails.
  int Save() const;
  // Removes the indexed values of the previous save, by the stored counts.
  void DeleteToolbarValues() const;
  // Makes `target` an independent deep copy of this object.
  int CopyTo(CBarSettings& target) const;

  // Index of the first toolbar of the browse kind, or -1.
  int FindBrowseToolbar() const;

  // Appends a toolbar to the four lists together; its size is measured from
  // the (trusted, absolute) list. The parts are owned either way: on failure
  // (a null part, or memory running out) nothing is appended and they are
  // freed.
  int AppendToolbar(qv::UniqueIdList folder, UINT sortOrder,
                    qv::ToolbarInfoPtr info);
  // Removes toolbar `index` from the four lists and frees its parts; a bad
  // index changes nothing.
  void RemoveToolbar(int index);

  static ToolbarInfo* NewToolbarInfo(int kind);
  static ToolbarInfo* CloneToolbarInfo(const ToolbarInfo* info);
  static void FreeToolbarInfo(ToolbarInfo* info);
  // The toolbar-info string of toolbar `index` in a new buffer, which the
  // caller frees with delete[]; answers its length, or 0 (with *out null)
  // for a bad index or when memory runs out.
  int FormatToolbarInfo(int index, char** out) const;
  // `length` bounds the stored bytes: data read back from the registry need
  // not be terminated.
  static ToolbarInfo* ParseToolbarInfo(const char* data, size_t length);
  static int ParseInfoKind(const char* text);
  static int ParseEntryType(const char* text);

  // Both empty the whole toolbar list (all four lists).
  void ClearFolders();
  void ClearToolbarInfos();
  void ClearHiddenTypes();

  // Value names for index `index`, into a caller's buffer of 128 bytes.
  static void FolderValueName(char* buffer, int index);
  static void FolderOrderValueName(char* buffer, int index);
  static void FileTypeValueName(char* buffer, int index);
  static void ToolbarInfoValueName(char* buffer, int index);

  int m_nRows = 1;     // button rows while docked at the top or bottom
  int m_nColumns = 1;  // button columns while docked at the left or right
  // One per toolbar, in tab order (the four lists always have one length):
  std::vector<qv::UniqueIdList> m_folders;  // absolute, shell allocator
  std::vector<UINT> m_folderSizes;  // bytes of each list, terminator included
  std::vector<UINT> m_sortOrders;   // 0 custom, 1 name, 2 date, 3 type, 4 size
  UINT m_nAlignment = ABE_TOP;
  UINT m_bAutoHide = 0;
  UINT m_bSmallIcons = 1;  // any other value: large icons
  // Nothing hidden until types are added; a loaded key decides.
  UINT m_bShowAllFiles = 0;
  int m_nMaxChars = 0;  // 0 or less: icons only
  int m_nHorzScrollPos = 0;
  int m_nVertScrollPos = 0;
  UINT m_bBrowseSeparate = 0;
  // Hidden file types: extension, TAB, description.
  std::vector<std::string> m_hiddenTypes;
  UINT m_bShowTabs = 1;
  int m_nCurrentTab = 0;
  // Only a loaded key (or CreateKeyIfMissing) asks for the default toolbars.
  UINT m_bFirstTime = 0;
  UINT m_bAlwaysOnTop = 1;
  UINT m_bAnimate = 1;
  UINT m_bShowTitle = 1;
  std::vector<qv::ToolbarInfoPtr> m_toolbarInfos;
};
