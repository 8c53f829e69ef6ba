// bar/BarWindowFolders.cpp: following the toolbars' folders: a change in
// one refills its row in place, a drive that comes back is read again (off
// the window's thread), and the shell's notices of drives, associations and
// view settings re-read the toolbars they change.
#include <windows.h>

#include <dbt.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "bar/BarWindow.h"
#include "framework/RedrawScope.h"
#include "settings/portable/SortOrder.h"
#include "shell/FileSystemPath.h"
#include "shell/portable/NoCase.h"

namespace {

// The key of a toolbar that lists the drives (My Computer): it has no
// directory to watch, and follows drives as they come and go.
const char kDrivesKey[] = "::drives";

bool ListsDrives(LPCITEMIDLIST folder) {
  qv::UniqueIdList drives;
  return folder &&
         SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES,
                                                drives.put())) &&
         ::ILIsEqual(folder, drives.get());
}

}  // namespace

void CBarWindow::WatchFolders() {
  m_watchedPaths.clear();
  std::vector<WatchedFolder> folders;
  for (const ToolbarRecord& toolbar : Settings().m_toolbars) {
    const std::string path = qv::FileSystemPath(toolbar.folder.get());
    if (path.empty()) {
      m_watchedPaths.push_back(ListsDrives(toolbar.folder.get()) ? kDrivesKey
                                                                 : "");
      continue;
    }
    m_watchedPaths.push_back(qv::FoldCase(path.c_str()));
    // A toolbar in date or size order moves its buttons at a write.
    const bool writes = toolbar.sortOrder == qv::kSortByDate ||
                        toolbar.sortOrder == qv::kSortBySize;
    folders.push_back({m_watchedPaths.back(), writes});
  }
  m_watcher->Watch(m_hWnd, UWM_FOLDER_CHANGED, folders);
}

void CBarWindow::NoteFolderChanges(const std::vector<std::string>& keys) {
  const uint64_t now = ::GetTickCount64();
  uint32_t wait = 0;
  for (const std::string& key : keys) wait = m_folderChanges.Note(key, now);
  if (m_folderChanges.Pending())
    ::SetTimer(m_hWnd, FOLDER_TIMER, std::max<uint32_t>(wait, 1), nullptr);
}

void CBarWindow::NoteAllToolbarsChanged() {
  std::vector<std::string> keys;
  for (const std::string& key : m_watchedPaths)
    if (!key.empty()) keys.push_back(key);
  NoteFolderChanges(keys);
}

LRESULT CBarWindow::OnFolderChanged(WPARAM, LPARAM) {
  NoteFolderChanges(m_watcher->TakeChanged());
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
    // Its folder can be watched again: the drive or share may be back.
    if (m_model.Unreachable(k)) {
      ReadWaitingToolbar(k);
      continue;
    }
    if (!m_model.RereadToolbar(k, m_hWnd)) {
      // The rebuild's read tells a missing drive from a deleted folder; the
      // other changed toolbars are refilled meanwhile.
      PostRebuild(RebuildRequest::One(k, true));
      continue;
    }
    // A network folder's buttons come from its read apart.
    if (!m_model.ReadingApart(k))
      refilled = m_pane.RefillRow(k, m_tooltip.m_hWnd) || refilled;
  }
  ReadApartToolbars();
  // The refilled rows may take more or fewer lines: the pane lays its rows
  // out again at the scroll position it keeps.
  if (refilled) {
    LayoutChildren();
    AskIcons();
  }
}

void CBarWindow::ReadApart(int toolbar, const std::optional<qv::FillKey>& key) {
  const ToolbarRecord* record = Settings().Toolbar(toolbar);
  const bool own =
      m_model.ReadingApart(toolbar) || m_model.Unreachable(toolbar);
  if (key && record)
    m_reader.Read(
        m_hWnd, UWM_TOOLBAR_READ, *key, *record, Settings(),
        own ? CToolbarReader::Thread::kOwn : CToolbarReader::Thread::kQueue);
}

void CBarWindow::ReadWaitingToolbar(int toolbar) {
  ReadApart(toolbar, m_model.WaitingKey(toolbar));
}

void CBarWindow::ReadWaitingToolbars() {
  for (int k = 0; k < Settings().ToolbarCount(); ++k) ReadWaitingToolbar(k);
}

void CBarWindow::ReadApartToolbars() {
  const int current = Settings().m_nCurrentTab;
  ReadApart(current, m_model.AskApart(current));
  // The others wait until the shown toolbar has its buttons: their reads
  // would take the processor from its read and its first paint.
  if (!m_model.Buttons(current) && Settings().Toolbar(current)) return;
  for (int k = 0; k < Settings().ToolbarCount(); ++k)
    ReadApart(k, m_model.AskApart(k));
}

LRESULT CBarWindow::OnToolbarRead(WPARAM, LPARAM) {
  const ReadsTaken taken = TakeReads();
  if (taken == ReadsTaken::kRebuild) return 0;
  // On screen before the reads this one held back begin.
  if (taken == ReadsTaken::kRefilled) ::UpdateWindow(m_hWnd);
  // A toolbar on a folder just read for another asks its own read, and
  // those held back for the shown one ask theirs.
  ReadApartToolbars();
  return 0;
}

CBarWindow::ReadsTaken CBarWindow::TakeReads() {
  bool rebuild = false;
  std::vector<int> refills;
  for (CToolbarReader::Result& result : m_reader.TakeResults()) {
    int refill = -1;
    const CBarModel::Change change =
        m_model.TakeRead(std::move(result), &refill);
    if (change) PostRebuild(*change);
    rebuild = rebuild || change.has_value();
    if (refill >= 0) refills.push_back(refill);
  }
  // A rebuild makes every row anew (and a removed toolbar moves the others'
  // indexes); otherwise the rows read are refilled in place, so that an
  // auto-hide bar stays where it is.
  if (rebuild) return ReadsTaken::kRebuild;
  bool refilled = false;
  {
    // Drawn once, after the layout, rather than at each step of it.
    const qv::RedrawScope quiet(refills.empty() ? nullptr : m_pane.m_hWnd);
    for (int k : refills)
      refilled = m_pane.RefillRow(k, m_tooltip.m_hWnd) || refilled;
    // Laid out from the bar's length: a row that was empty would otherwise
    // keep the pane at the length it needed.
    if (refilled) {
      LayoutChildren();
      AskIcons();
    }
  }
  return refilled ? ReadsTaken::kRefilled : ReadsTaken::kNone;
}

LRESULT CBarWindow::OnDeviceChange(WPARAM event, LPARAM param) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(param);
  const DWORD type = header ? header->dbch_devicetype : 0;
  switch (event) {
    case DBT_DEVICEQUERYREMOVE:
    case DBT_DEVICEREMOVEPENDING:
      // A watched folder's volume is to go: its handle must not keep it.
      if (type == DBT_DEVTYP_HANDLE)
        m_watcher->Release(
            reinterpret_cast<const DEV_BROADCAST_HANDLE*>(param)->dbch_handle);
      break;
    case DBT_DEVICEQUERYREMOVEFAILED:
      m_watcher->Retry();
      break;
    case DBT_DEVICEARRIVAL:
    case DBT_DEVICEREMOVECOMPLETE:
      // A drive came or went: the folders that wait are tried, and the
      // toolbars listing drives are read again.
      if (type == DBT_DEVTYP_HANDLE) break;
      DrivesChanged();
      break;
    default:
      break;
  }
  return TRUE;
}

void CBarWindow::DrivesChanged() {
  m_watcher->Retry();
  ReadWaitingToolbars();
  if (std::find(m_watchedPaths.begin(), m_watchedPaths.end(), kDrivesKey) !=
      m_watchedPaths.end())
    NoteFolderChanges({kDrivesKey});
}

void CBarWindow::WatchShell() {
  SHChangeNotifyEntry everything{};
  qv::UniqueIdList desktop;
  if (FAILED(
          ::SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, desktop.put())))
    return;
  everything.pidl = desktop.get();
  everything.fRecursive = TRUE;
  constexpr LONG kEvents =
      SHCNE_ASSOCCHANGED | SHCNE_UPDATEIMAGE | SHCNE_DRIVEADD |
      SHCNE_DRIVEREMOVED | SHCNE_MEDIAINSERTED | SHCNE_MEDIAREMOVED |
      SHCNE_NETSHARE | SHCNE_NETUNSHARE | SHCNE_UPDATEDIR | SHCNE_UPDATEITEM |
      SHCNE_CREATE | SHCNE_DELETE | SHCNE_MKDIR | SHCNE_RMDIR |
      SHCNE_RENAMEITEM | SHCNE_RENAMEFOLDER;
  m_shellNotices.reset(::SHChangeNotifyRegister(
      m_hWnd, SHCNRF_ShellLevel | SHCNRF_InterruptLevel, kEvents,
      UWM_SHELL_CHANGED, 1, &everything));
}

LRESULT CBarWindow::OnShellChanged(WPARAM items, LPARAM event) {
  const auto* lists = reinterpret_cast<const LPCITEMIDLIST*>(items);
  switch (event & ~SHCNE_INTERRUPT) {
    case SHCNE_ASSOCCHANGED:
    case SHCNE_UPDATEIMAGE:
      // Icons of whole types may differ, even under the indexes the rows
      // have: every toolbar asks for its icons again, each refilled in place.
      m_pane.ForgetIconPictures();
      NoteAllToolbarsChanged();
      return 0;
    case SHCNE_DRIVEADD:
    case SHCNE_DRIVEREMOVED:
    case SHCNE_MEDIAINSERTED:
    case SHCNE_MEDIAREMOVED:
    case SHCNE_NETSHARE:
    case SHCNE_NETUNSHARE:
      DrivesChanged();
      return 0;
    default:
      break;
  }
  // A folder, or an item in one: the toolbars on that folder are read again
  // (a network folder may send no directory notices of its own).
  if (!lists || !lists[0]) return 0;
  const std::string path = qv::FileSystemPath(lists[0]);
  if (path.empty()) return 0;
  std::string folder = qv::FoldCase(path.c_str());
  if ((event & ~SHCNE_INTERRUPT) != SHCNE_UPDATEDIR) {
    const size_t slash = folder.find_last_of('\\');
    if (slash == std::string::npos) return 0;
    // A drive's root keeps its backslash, as its toolbar's path does.
    folder.erase(slash == 2 ? slash + 1 : slash);
  }
  if (std::find(m_watchedPaths.begin(), m_watchedPaths.end(), folder) !=
      m_watchedPaths.end())
    NoteFolderChanges({folder});
  return 0;
}

void CBarWindow::ShellStateChanged(const char* area) {
  if (area && std::strcmp(area, "ShellState") == 0) NoteAllToolbarsChanged();
}
