// bar/BarWindowCommands.cpp: the bar's context menu and its commands.
#include "bar/BarWindow.h"
#include "framework/Help.h"
#include "framework/Menu.h"
#include "res/resource.h"

void CBarWindow::ShowContextMenu(int x, int y) {
  // Loaded at each showing: the bar commands it offers change as bars come
  // and go.
  const qv::ResourceMenu barMenu(IDR_BAR_MENU);
  const qv::PopupMenu menu = barMenu.FirstPopup();
  if (!menu) return;
  const MenuUpScope menuUp(*this);
  // Only a bar with siblings to be made beside and the last to be left.
  if (!m_family) menu.Remove(ID_NEW_BAR);
  if (!m_family || !m_family->CanClose(*this)) menu.Remove(ID_CLOSE_BAR);
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

void CBarWindow::ShowBarMenu(POINT screen) {
  ShowContextMenu(screen.x, screen.y);
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
  m_pane.ForgetIconPictures();
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

void CBarWindow::OnNewBar() {
  if (m_family) m_family->NewBar(*this);
}

void CBarWindow::OnCloseBar() {
  if (m_family && m_family->CanClose(*this)) m_family->CloseBar(*this);
}

void CBarWindow::OnExit() {
  if (m_family)
    m_family->ExitAll();
  else
    DestroyBar();
}

void CBarWindow::DestroyBar() {
  // The rows show the kept buttons themselves.
  m_pane.DestroyRows();
  m_model.ForgetButtons();
  DestroyWindow();
}
