// toolbar/PaneFolderCommands.cpp: the pane's folder navigation: the folder
// menu, browsing into a folder inside the bar, going up one level and the
// sort orders of the current toolbar.
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ToolbarPane.h"

namespace {

// The toolbar the folder commands work on: "Current Tab" while it names a
// toolbar, otherwise none (-1).
int CurrentToolbar(const CBarSettings& settings) {
  const int t = settings.m_nCurrentTab;
  return settings.Toolbar(t) ? t : -1;
}

}  // namespace

void CToolbarPane::ShowFolderMenu(POINT pt) {
  const CBarSettings& settings = m_host.Settings();
  ::ClientToScreen(m_hWnd, &pt);
  const int t = CurrentToolbar(settings);
  // With no toolbar there are no folder commands: the bar's own menu.
  if (t == -1) {
    m_host.ShowBarMenu(pt);
    return;
  }
  const MenuUpScope menuUp(m_host);
  const qv::PopupMenu menu = m_folderMenu.FirstPopup();
  if (menu) {
    for (UINT id : {ID_SORT_BY_NAME, ID_SORT_BY_DATE, ID_SORT_BY_TYPE,
                    ID_SORT_BY_SIZE, ID_CUSTOM_SORT})
      menu.Check(id, false);
    menu.Enable(ID_CUSTOM_SORT,
                t != settings.FindBrowseToolbar() &&
                    settings.Toolbar(t)->info.kind == qv::kKindCustom);
    for (UINT id : {ID_LEFT_ALIGN, ID_RIGHT_ALIGN, ID_TOP_ALIGN,
                    ID_BOTTOM_ALIGN, ID_SMALL_ICONS, ID_LARGE_ICONS})
      menu.Check(id, false);
    qv::UniqueIdList parent(
        qv::CopyParentIdList(settings.Toolbar(t)->folder.get()));
    menu.Enable(ID_UP_ONE_LEVEL, static_cast<bool>(parent));
    static const UINT kOrderItems[] = {ID_CUSTOM_SORT, ID_SORT_BY_NAME,
                                       ID_SORT_BY_DATE, ID_SORT_BY_TYPE,
                                       ID_SORT_BY_SIZE};
    const UINT order = settings.Toolbar(t)->sortOrder;
    if (order < 5) menu.Check(kOrderItems[order], true);
    static const UINT kEdgeItems[] = {ID_LEFT_ALIGN, ID_TOP_ALIGN,
                                      ID_RIGHT_ALIGN, ID_BOTTOM_ALIGN};
    menu.Check(kEdgeItems[qv::EdgeNumber(settings.m_nAlignment)], true);
    menu.Check(ID_AUTO_HIDE, settings.m_bAutoHide);
    menu.Check(settings.m_bSmallIcons ? ID_SMALL_ICONS : ID_LARGE_ICONS, true);
    menu.Track(TPM_LEFTALIGN | TPM_LEFTBUTTON, pt, m_hWnd);
  }
}

void CToolbarPane::BrowseInBar(int toolbar, int button) {
  const ToolbarRecord* record = m_host.Settings().Toolbar(toolbar);
  const ToolbarButton* pressed = ButtonAt(toolbar, button);
  if (!record || !record->folder || !pressed || !pressed->item) return;
  qv::UniqueIdList opened(
      qv::ConcatIdLists(record->folder.get(), pressed->item.get()));
  if (!opened)
    qv::FatalExit("Could not allocate shell memory. Aborting ...", MB_ICONSTOP,
                  -3);
  m_host.BrowseTo(std::move(opened));
}

void CToolbarPane::OnUpOneLevel() {
  const CBarSettings& settings = m_host.Settings();
  const int t = CurrentToolbar(settings);
  if (t == -1) return;
  // A folder right on the desktop has no parent to go to.
  qv::UniqueIdList parent(
      qv::CopyParentIdList(settings.Toolbar(t)->folder.get()));
  if (parent) m_host.BrowseTo(std::move(parent));
}

void CToolbarPane::SetCurrentSortOrder(UINT order) {
  const CBarSettings& settings = m_host.Settings();
  const int t = CurrentToolbar(settings);
  if (t == -1) return;
  // The browse toolbar has no button list of its own to keep.
  if (order == qv::kSortCustom && t == settings.FindBrowseToolbar()) return;
  m_host.SetSortOrder(t, order);
}

void CToolbarPane::OnSortByName() { SetCurrentSortOrder(qv::kSortByName); }
void CToolbarPane::OnSortByDate() { SetCurrentSortOrder(qv::kSortByDate); }
void CToolbarPane::OnSortByType() { SetCurrentSortOrder(qv::kSortByType); }
void CToolbarPane::OnSortBySize() { SetCurrentSortOrder(qv::kSortBySize); }
void CToolbarPane::OnCustomSort() { SetCurrentSortOrder(qv::kSortCustom); }
