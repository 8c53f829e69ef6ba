// bar/BarWindowCommands.cpp: the bar's context menu and its commands.
#include "bar/BarWindow.h"
#include "framework/Help.h"
#include "framework/Menu.h"
#include "res/resource.h"

void CBarWindow::ShowContextMenu(int x, int y) {
  const qv::PopupMenu menu = m_barMenu.FirstPopup();
  if (!menu) return;
  const MenuUpScope menuUp(*this);
  for (UINT id : {ID_LEFT_ALIGN, ID_BOTTOM_ALIGN, ID_RIGHT_ALIGN, ID_TOP_ALIGN,
                  ID_SMALL_ICONS, ID_LARGE_ICONS})
    menu.Check(id, false);
  static const UINT kEdgeItems[] = {ID_LEFT_ALIGN, ID_TOP_ALIGN, ID_RIGHT_ALIGN,
                                    ID_BOTTOM_ALIGN};
  menu.Check(kEdgeItems[qv::EdgeNumber(Settings().m_nAlignment)], true);
  menu.Check(ID_AUTO_HIDE, Settings().m_bAutoHide);
  menu.Check(Settings().m_bSmallIcons ? ID_SMALL_ICONS : ID_LARGE_ICONS, true);
  menu.Track(TPM_LEFTALIGN | TPM_LEFTBUTTON, POINT{x, y}, m_hWnd);
}

void CBarWindow::OnNcRButtonDown(UINT, POINT point) {
  ShowContextMenu(point.x, point.y);
}

void CBarWindow::OnRButtonDown(UINT, POINT point) {
  ::ClientToScreen(m_hWnd, &point);
  ShowContextMenu(point.x, point.y);
}

void CBarWindow::SetEdge(qv::Edge edge) { Redo(m_model.SetEdge(edge)); }

void CBarWindow::OnLeftAlign() { SetEdge(qv::Edge::Left); }
void CBarWindow::OnRightAlign() { SetEdge(qv::Edge::Right); }
void CBarWindow::OnTopAlign() { SetEdge(qv::Edge::Top); }
void CBarWindow::OnBottomAlign() { SetEdge(qv::Edge::Bottom); }

void CBarWindow::OnRefreshIcons() {
  Rebuild(m_model.Refresh());
  // The toolbars waiting for a drive or share are tried apart.
  m_watcher->Retry();
  ReadWaitingToolbars();
}

void CBarWindow::OnLargeIcons() { Redo(m_model.SetSmallIcons(false)); }

void CBarWindow::OnSmallIcons() { Redo(m_model.SetSmallIcons(true)); }

void CBarWindow::OnAutoHide() {
  Redo(m_model.SetAutoHide(!Settings().m_bAutoHide));
}

void CBarWindow::OnHelpTopics() { qv::OpenHelpContents(m_hWnd); }

// The folder menu's share of the bar's commands: run as the bar's own menu
// runs them.
void CBarWindow::RunBarCommand(UINT id) {
  SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void CBarWindow::OnExit() {
  // The rows show the kept buttons themselves.
  m_pane.DestroyRows();
  m_model.ForgetButtons();
  DestroyWindow();
}
