// toolbar/PaneFolderCommands.cpp: the pane's folder navigation: the folder
// menu, browsing into a folder inside the bar, going up one level and the
// sort orders of the current toolbar.
#include "bar/MfcAppBar.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ToolbarPane.h"

namespace {

// The toolbar the folder commands work on: "Current Tab" while it names a
// toolbar, otherwise none (-1).
int CurrentToolbar(const CBarSettings& settings) {
  const int n = static_cast<int>(settings.m_folders.size());
  const int t = settings.m_nCurrentTab;
  return t >= 0 && t < n ? t : -1;
}

void Check(HMENU menu, UINT id, bool checked) {
  ::CheckMenuItem(menu, id,
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Enable(HMENU menu, UINT id, bool enabled) {
  ::EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// Shows `folder` in the browse toolbar, made on first use, and has the bar
// re-read it. Takes ownership of `folder`.
void ShowInBrowseToolbar(CMfcAppBar& bar, qv::UniqueIdList folder) {
  CBarSettings& settings = bar.m_settings;
  int b = settings.FindBrowseToolbar();
  if (b == -1) {
    qv::ToolbarInfoPtr info(qv::NewToolbarInfo(qv::kKindBrowse));
    if (!info) return;
    b = static_cast<int>(settings.m_folders.size());
    if (!settings.AppendToolbar(std::move(folder), 1, std::move(info))) return;
    bar.m_bAppendToolbar = 1;
  } else {
    // The old list goes with the reset.
    settings.m_folderSizes[b] = qv::GetIdListSize(folder.get());
    settings.m_folders[b] = std::move(folder);
    bar.m_bAppendToolbar = 0;
  }
  settings.m_nCurrentTab = b;
  settings.Save();
  bar.m_nReloadIndex = b;
  bar.m_bKeepShown = 1;
  bar.PostMessage(UWM_REBUILD_BAR, 0, 0);
}

}  // namespace

void CToolbarPane::ShowFolderMenu(POINT pt) {
  if (!m_pMainBar) return;
  CMfcAppBar& bar = *m_pMainBar;
  const CBarSettings& settings = bar.m_settings;
  bar.m_bMenuUp = 1;
  ::ClientToScreen(m_hWnd, &pt);
  m_ptMenu = pt;

  const int t = CurrentToolbar(settings);
  HMENU menu = t == -1 ? m_barMenu : m_folderMenu;
  if (menu) {
    if (t != -1) {
      for (UINT id : {ID_SORT_BY_NAME, ID_SORT_BY_DATE, ID_SORT_BY_TYPE,
                      ID_SORT_BY_SIZE, ID_CUSTOM_SORT})
        Check(menu, id, false);
      const ToolbarInfo* info = settings.m_toolbarInfos[t].get();
      Enable(menu, ID_CUSTOM_SORT,
             t != settings.FindBrowseToolbar() && info &&
                 info->kind == qv::kKindCustom);
    }
    for (UINT id : {ID_LEFT_ALIGN, ID_RIGHT_ALIGN, ID_TOP_ALIGN,
                    ID_BOTTOM_ALIGN, ID_SMALL_ICONS, ID_LARGE_ICONS})
      Check(menu, id, false);
    if (t != -1) {
      qv::UniqueIdList parent(
          qv::CopyParentIdList(settings.m_folders[t].get()));
      Enable(menu, ID_UP_ONE_LEVEL, static_cast<bool>(parent));
      static const UINT kOrderItems[] = {ID_CUSTOM_SORT, ID_SORT_BY_NAME,
                                         ID_SORT_BY_DATE, ID_SORT_BY_TYPE,
                                         ID_SORT_BY_SIZE};
      const UINT order = settings.m_sortOrders[t];
      if (order < 5) Check(menu, kOrderItems[order], true);
    }
    static const UINT kEdgeItems[] = {ID_LEFT_ALIGN, ID_TOP_ALIGN,
                                      ID_RIGHT_ALIGN, ID_BOTTOM_ALIGN};
    Check(menu, kEdgeItems[qv::EdgeNumber(settings.m_nAlignment)], true);
    Check(menu, ID_AUTO_HIDE, settings.m_bAutoHide != 0);
    Check(menu, settings.m_bSmallIcons == 1 ? ID_SMALL_ICONS : ID_LARGE_ICONS,
          true);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, 0,
                     m_hWnd, nullptr);
  }
  bar.m_bMenuUp = 0;
}

void CToolbarPane::BrowseInBar(int toolbar, int button) {
  if (!m_pMainBar) return;
  CMfcAppBar& bar = *m_pMainBar;
  const CBarSettings& settings = bar.m_settings;
  if (toolbar < 0 || toolbar >= static_cast<int>(settings.m_folders.size()) ||
      toolbar >= static_cast<int>(bar.m_itemArrays.size()) ||
      !bar.m_itemArrays[toolbar] || button < 0 ||
      static_cast<UINT>(button) >= bar.m_itemCounts[toolbar])
    return;
  LPCITEMIDLIST folder = settings.m_folders[toolbar].get();
  LPCITEMIDLIST item = ItemIdList(bar.m_itemArrays[toolbar][button]);
  if (!folder || !item) return;
  qv::UniqueIdList opened(qv::ConcatIdLists(folder, item));
  if (!opened)
    qv::FatalExit("Could not allocate shell memory. Aborting ...", MB_ICONSTOP,
                  -3);
  ShowInBrowseToolbar(bar, std::move(opened));
}

void CToolbarPane::OnUpOneLevel() {
  if (!m_pMainBar) return;
  const int t = CurrentToolbar(m_pMainBar->m_settings);
  if (t == -1) return;
  // A folder right on the desktop has no parent to go to.
  qv::UniqueIdList parent(
      qv::CopyParentIdList(m_pMainBar->m_settings.m_folders[t].get()));
  if (parent) ShowInBrowseToolbar(*m_pMainBar, std::move(parent));
}

void CToolbarPane::SetCurrentSortOrder(UINT order) {
  if (!m_pMainBar) return;
  CBarSettings& settings = m_pMainBar->m_settings;
  const int t = CurrentToolbar(settings);
  if (t == -1) return;
  // The browse toolbar has no button list of its own to keep.
  if (order == 0 && t == settings.FindBrowseToolbar()) return;
  settings.m_sortOrders[t] = order;
  settings.Save();
  m_pMainBar->PostMessage(UWM_RELOAD_CURRENT, 0, 0);
}

void CToolbarPane::OnSortByName() { SetCurrentSortOrder(1); }
void CToolbarPane::OnSortByDate() { SetCurrentSortOrder(2); }
void CToolbarPane::OnSortByType() { SetCurrentSortOrder(3); }
void CToolbarPane::OnSortBySize() { SetCurrentSortOrder(4); }
void CToolbarPane::OnCustomSort() { SetCurrentSortOrder(0); }
