// bar/BarWindowDeferred.cpp: what the bar shows after its first paint: the
// buttons' own icons as the icon thread finds them.
#include "bar/BarWindow.h"
#include "toolbar/ButtonRow.h"

void CBarWindow::AskIcons() {
  // The rows get the system image list once they have buttons to draw from
  // it: at start the first read makes the list on its own thread while the
  // window makes its children, instead of the window waiting for it.
  if (m_pane.HasButtons()) m_pane.SetRowImages(RowImages());
  if (!m_icons) return;
  std::vector<qv::IconWorker::Job> jobs;
  for (int i = 0; i < m_pane.GetRowCount(); ++i) {
    for (qv::IconWorker::Job& job :
         m_model.OwnIconJobs(m_pane.GetRow(i)->GetDlgCtrlID()))
      jobs.push_back(std::move(job));
  }
  m_icons->Ask(std::move(jobs));
}

LRESULT CBarWindow::OnIconsReady(WPARAM, LPARAM) {
  if (!m_icons) return 0;
  // An icon asked for buttons read or ordered again since lands nowhere;
  // one for a toolbar no row shows lands in its buttons alone.
  for (const qv::IconWorker::Result& result : m_icons->TakeResults()) {
    int button = -1;
    const int toolbar = m_model.SetOwnIcon(result.key, result.image, &button);
    if (toolbar >= 0) m_pane.RedrawButton(toolbar, button);
  }
  return 0;
}
