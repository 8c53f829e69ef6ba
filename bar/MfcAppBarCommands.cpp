// bar/MfcAppBarCommands.cpp: the bar's context menu and its commands.
#include "bar/MfcAppBar.h"
#include "framework/Help.h"
#include "framework/Menu.h"
#include "res/resource.h"

void CMfcAppBar::ShowContextMenu(int x, int y) {
  const qv::PopupMenu menu = m_barMenu.FirstPopup();
  if (!menu) return;
  const MenuUpScope menuUp(*this);
  for (UINT id : {ID_LEFT_ALIGN, ID_BOTTOM_ALIGN, ID_RIGHT_ALIGN, ID_TOP_ALIGN,
                  ID_SMALL_ICONS, ID_LARGE_ICONS})
    menu.Check(id, false);
  static const UINT kEdgeItems[] = {ID_LEFT_ALIGN, ID_TOP_ALIGN, ID_RIGHT_ALIGN,
                                    ID_BOTTOM_ALIGN};
  menu.Check(kEdgeItems[qv::EdgeNumber(m_settings.m_nAlignment)], true);
  menu.Check(ID_AUTO_HIDE, m_settings.m_bAutoHide != 0);
  menu.Check(m_settings.m_bSmallIcons == 1 ? ID_SMALL_ICONS : ID_LARGE_ICONS,
             true);
  menu.Track(TPM_LEFTALIGN | TPM_LEFTBUTTON, POINT{x, y}, m_hWnd);
}

void CMfcAppBar::OnNcRButtonDown(UINT, POINT point) {
  ShowContextMenu(point.x, point.y);
}

void CMfcAppBar::OnRButtonDown(UINT, POINT point) {
  ::ClientToScreen(m_hWnd, &point);
  ShowContextMenu(point.x, point.y);
}

void CMfcAppBar::SetEdge(qv::Edge edge) {
  m_settings.m_nAlignment = edge;
  m_settings.Save();
  Rebuild(RebuildRequest::Layout());
}

void CMfcAppBar::OnLeftAlign() { SetEdge(qv::Edge::Left); }
void CMfcAppBar::OnRightAlign() { SetEdge(qv::Edge::Right); }
void CMfcAppBar::OnTopAlign() { SetEdge(qv::Edge::Top); }
void CMfcAppBar::OnBottomAlign() { SetEdge(qv::Edge::Bottom); }

void CMfcAppBar::OnRefreshIcons() { Rebuild(RebuildRequest::All(true)); }

void CMfcAppBar::OnLargeIcons() {
  if (m_settings.m_bSmallIcons != 1) return;
  m_settings.m_bSmallIcons = 0;
  m_settings.Save();
  Rebuild(RebuildRequest::All(true));
}

void CMfcAppBar::OnSmallIcons() {
  if (m_settings.m_bSmallIcons != 0) return;
  m_settings.m_bSmallIcons = 1;
  m_settings.Save();
  Rebuild(RebuildRequest::Layout(true));
}

void CMfcAppBar::OnAutoHide() {
  if (m_settings.m_bAutoHide == 1) {
    m_settings.m_bAutoHide = 0;
    ::KillTimer(m_hWnd, AUTOHIDE_TIMER);
    m_bShown = 0;
  } else {
    m_settings.m_bAutoHide = 1;
  }
  m_settings.Save();
  Rebuild(RebuildRequest::Layout());
}

void CMfcAppBar::OnHelpTopics() { qv::OpenHelpContents(m_hWnd); }

void CMfcAppBar::OnExit() {
  m_toolbars.Clear();
  DestroyWindow();
}
