// bar/BarWindowChildren.cpp: the pane's rows, their tooltip and the tabs,
// remade at each rebuild from the model's toolbars.
#include <algorithm>

#include "bar/BarWindow.h"
#include "framework/WinApp.h"
#include "settings/portable/ToolbarLabel.h"
#include "shell/FolderNames.h"
#include "toolbar/portable/RowLayout.h"

void CBarWindow::DropRows() {
  // The tooltip goes first: its tools go with it at once, instead of one by
  // one with each row's buttons.
  m_tooltip.DestroyWindow();
  m_pane.DestroyRows();
}

int CBarWindow::BuildChildren() {
  // 1. The pane: created once; its rows and the tooltip were dropped before
  // the toolbars were read, and are remade below.
  if (!m_pane.m_hWnd) {
    UpdateButtonSize();
    const char* paneClass = WindowClass();
    qv::CreateArgs args;
    args.exStyle = WS_EX_CLIENTEDGE;
    args.className = paneClass;
    args.windowName = "";
    args.style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    args.x = 2;
    args.y = 2;
    args.cx = qv::CellPitch(m_cxButton) * ShownCells(true) - 3;
    args.cy = qv::CellPitch(m_cyButton) * ShownCells(false) - 3;
    args.parent = m_hWnd;
    args.id = kPaneId;
    if (!paneClass || !m_pane.Create(args)) {
      qv::FatalExit("Window Creation Failed", MB_OK, -2);
    }
    qv::UseDarkScrollBars(m_pane.m_hWnd, m_palette.dark);
    ::SetFocus(m_pane.m_hWnd);
  }

  // 2. The tab strip: created once, emptied each time.
  if (m_tabStrip.m_hWnd) {
    for (int i = m_tabStrip.GetTabCount() - 1; i >= 0; --i)
      m_tabStrip.RemoveTab(i);
  } else {
    RECT rc{0, 0, 50, 50};
    m_tabStrip.Create(WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP, rc, m_hWnd,
                      kTabStripId);
  }
  m_tabStrip.m_nOrientation = qv::StripOrientation(Settings().m_nAlignment);

  // 3. The rows, their tooltip and their buttons.
  RemakeRows();

  // 4. The tabs.
  const qv::ComPtr<IShellFolder> desktop = m_model.Shell().Desktop();
  if (!desktop) return 0;
  AddTabs(desktop.Get());
  return 1;
}

void CBarWindow::RemakeRows() {
  if (!m_pane.CreateRows())
    qv::FatalExit("Could not create child windows, quitting...", MB_ICONSTOP,
                  -3);

  // The tooltip shared by the rows.
  qv::CreateArgs tooltipArgs;
  tooltipArgs.className = TOOLTIPS_CLASSA;
  tooltipArgs.style = WS_POPUP | TTS_ALWAYSTIP;
  tooltipArgs.parent = m_hWnd;
  if (m_tooltip.Create(tooltipArgs)) {
    ::SetWindowLongPtrA(m_tooltip.m_hWnd, GWLP_ID, kTooltipId);
  }

  // The cells, then every row's buttons.
  UpdateButtonSize();
  m_pane.SetRowCells(m_cxButton, m_cyButton,
                     qv::RowOrientation(Settings().m_nAlignment), m_nIconSize);
  m_pane.FillRows(m_tooltip.m_hWnd);
  AskIcons();
}

void CBarWindow::AddTabs(IShellFolder* desktop) {
  m_tabToolbars.clear();
  for (int i = 0; i < Settings().ToolbarCount(); ++i) {
    if (m_model.Unreachable(i)) continue;
    const std::optional<std::string> name = m_model.FolderName(i);
    if (!name) return;  // this toolbar and the ones after it get no tab

    m_tabStrip.AddTab(
        qv::ToolbarLabel(
            *name,
            m_recent.Is(Settings().m_toolbars[i].folder.get(), m_hWnd, desktop),
            Settings().m_toolbars[i].info)
            .c_str());
    m_tabToolbars.push_back(i);
  }
}

int CBarWindow::TabToolbar(int tab) const {
  return tab >= 0 && static_cast<size_t>(tab) < m_tabToolbars.size()
             ? m_tabToolbars[tab]
             : tab;
}

int CBarWindow::ToolbarTab(int toolbar) const {
  const auto found =
      std::find(m_tabToolbars.begin(), m_tabToolbars.end(), toolbar);
  return found != m_tabToolbars.end()
             ? static_cast<int>(found - m_tabToolbars.begin())
             : toolbar;
}
