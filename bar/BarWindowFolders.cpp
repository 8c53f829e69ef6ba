// bar/BarWindowFolders.cpp: following the toolbars' folders: a change in
// one refills its row in place, and a drive that comes back is read again.
#include <windows.h>

#include <dbt.h>
#include <shlobj.h>

#include <algorithm>
#include <set>

#include "bar/BarWindow.h"
#include "shell/FileSystemPath.h"
#include "shell/portable/NoCase.h"

void CBarWindow::WatchFolders() {
  m_watchedPaths.clear();
  std::vector<std::string> paths;
  for (const ToolbarRecord& toolbar : Settings().m_toolbars) {
    const std::string path = qv::FileSystemPath(toolbar.folder.get());
    m_watchedPaths.push_back(qv::FoldCase(path.c_str()));
    if (!path.empty()) paths.push_back(m_watchedPaths.back());
  }
  std::sort(paths.begin(), paths.end());
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  m_watcher->Watch(m_hWnd, UWM_FOLDER_CHANGED, paths);
}

LRESULT CBarWindow::OnFolderChanged(WPARAM, LPARAM) {
  const uint64_t now = ::GetTickCount64();
  uint32_t wait = 0;
  for (const std::string& path : m_watcher->TakeChanged())
    wait = m_folderChanges.Note(path, now);
  if (m_folderChanges.Pending())
    ::SetTimer(m_hWnd, FOLDER_TIMER, std::max<uint32_t>(wait, 1), nullptr);
  return 0;
}

void CBarWindow::OnFolderTimer() {
  uint32_t wait = 0;
  // A rebuild running a nested loop finishes first.
  const std::vector<std::string> due =
      m_bBusy ? std::vector<std::string>()
              : m_folderChanges.TakeDue(::GetTickCount64(), &wait);
  if (m_bBusy) wait = 100;
  if (m_folderChanges.Pending()) {
    ::SetTimer(m_hWnd, FOLDER_TIMER, std::max<uint32_t>(wait, 1), nullptr);
  } else {
    ::KillTimer(m_hWnd, FOLDER_TIMER);
  }
  if (!due.empty()) RefreshFolders(due);
}

void CBarWindow::RefreshFolders(const std::vector<std::string>& paths) {
  const std::set<std::string> changed(paths.begin(), paths.end());
  bool refilled = false;
  for (size_t i = 0; i < m_watchedPaths.size(); ++i) {
    if (!changed.count(m_watchedPaths[i])) continue;
    const int k = static_cast<int>(i);
    if (!m_model.RereadToolbar(k, m_hWnd)) {
      // The rebuild's read tells a missing drive from a deleted folder.
      PostRebuild(RebuildRequest::One(k, true));
      return;
    }
    refilled = m_pane.RefillRow(k, m_tooltip.m_hWnd) || refilled;
  }
  // The refilled rows may take more or fewer lines: the pane lays its rows
  // out again at the scroll position it keeps.
  if (refilled) {
    m_pane.RelayoutRows();
    AskIcons();
  }
}

LRESULT CBarWindow::OnDeviceChange(WPARAM event, LPARAM) {
  // A drive came back: the rebuild reads the toolbars that wait for one.
  if (event == DBT_DEVICEARRIVAL && m_model.AnyUnreachable())
    PostRebuild(RebuildRequest::Layout(true));
  return TRUE;
}
