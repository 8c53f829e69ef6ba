// bar/BarModel.cpp: the bar's typed operations, each storing what it changed.
#include "bar/BarModel.h"

#include <utility>

#include "customize/portable/ButtonEntries.h"
#include "settings/portable/SortOrder.h"
#include "settings/portable/StoredSettings.h"
#include "shell/ShellHelpers.h"

using qv::SettingsWrite;

CBarModel::CBarModel(ISettingsStore& store, IToolbarShell& shell)
    : m_store(store), m_shell(shell) {}

int CBarModel::Load() {
  m_storedCurrentTab.reset();
  return m_store.Load(m_settings);
}

int CBarModel::BuildDefaults(const std::function<int(CBarSettings&)>& build) {
  return build(m_settings);
}

CBarModel::Change CBarModel::TakeStoredValues() {
  CBarSettings stored;
  // A key caught halfway through another program's save is taken at its
  // next change.
  if (!m_store.Load(stored)) return std::nullopt;
  SettingsWrite differs = m_settings.DifferenceTo(stored);
  if (m_storedCurrentTab && stored.m_nCurrentTab == *m_storedCurrentTab)
    differs.options &= ~(1u << qv::kOptCurrentTab);
  if (differs.Empty()) return std::nullopt;
  m_storedCurrentTab.reset();
  if (!stored.CopyTo(m_settings)) Load();
  return RebuildRequest::Layout(true);
}

CBarModel::Change CBarModel::Stored(const SettingsWrite& what,
                                    const RebuildRequest& redo) {
  m_store.Save(m_settings, what);
  return redo;
}

CBarModel::Change CBarModel::SelectToolbar(int toolbar) {
  if (!m_settings.Toolbar(toolbar)) return std::nullopt;
  m_settings.m_nCurrentTab = toolbar;
  m_storedCurrentTab.reset();
  return Stored(SettingsWrite::Options({qv::kOptCurrentTab}),
                RebuildRequest::Rows());
}

CBarModel::Change CBarModel::SetEdge(qv::Edge edge) {
  // The edge it has already docks the bar again, as the user may expect
  // after moving other bars about.
  m_settings.m_nAlignment = edge;
  return Stored(SettingsWrite::Options({qv::kOptAlignment}),
                RebuildRequest::Layout());
}

CBarModel::Change CBarModel::MoveTo(qv::Edge edge, const std::string& monitor) {
  m_settings.m_nAlignment = edge;
  m_settings.m_strMonitor = monitor;
  SettingsWrite what = SettingsWrite::Options({qv::kOptAlignment});
  what.monitor = true;
  return Stored(what, RebuildRequest::Layout());
}

CBarModel::Change CBarModel::SetSmallIcons(bool small) {
  if (m_settings.m_bSmallIcons == small) return std::nullopt;
  m_settings.m_bSmallIcons = small;
  // Nothing is read again: an icon's index is the same in the small and the
  // large image list.
  return Stored(SettingsWrite::Options({qv::kOptSmallIcons}),
                RebuildRequest::Cells(true));
}

CBarModel::Change CBarModel::SetAutoHide(bool autoHide) {
  m_settings.m_bAutoHide = autoHide;
  return Stored(SettingsWrite::Options({qv::kOptAutoHide}),
                RebuildRequest::Layout());
}

CBarModel::Change CBarModel::SetCells(bool vertical, int cells) {
  (vertical ? m_settings.m_nColumns : m_settings.m_nRows) = cells;
  return Stored(
      SettingsWrite::Options({vertical ? qv::kOptColumns : qv::kOptRows}),
      RebuildRequest::Layout());
}

CBarModel::Change CBarModel::AddToolbars(
    std::vector<qv::UniqueIdList> folders) {
  if (folders.empty()) return std::nullopt;
  // All or nothing: a half-appended drop must not linger in the settings,
  // where the next save of the list would store it.
  const int before = m_settings.ToolbarCount();
  for (qv::UniqueIdList& folder : folders) {
    if (!m_settings.AppendToolbar(std::move(folder), qv::kSortByName,
                                  ToolbarInfo{qv::kKindNormal, {}})) {
      while (m_settings.ToolbarCount() > before)
        m_settings.RemoveToolbar(m_settings.ToolbarCount() - 1);
      return std::nullopt;
    }
  }
  // One new toolbar is read alone.
  return Stored(SettingsWrite::Toolbars(before),
                folders.size() == 1 ? RebuildRequest::One(before, true)
                                    : RebuildRequest::All(true));
}

CBarModel::Change CBarModel::BrowseTo(qv::UniqueIdList folder) {
  if (!folder) return std::nullopt;
  SettingsWrite what = SettingsWrite::Options({qv::kOptCurrentTab});
  int b = m_settings.FindBrowseToolbar();
  if (b == -1) {
    b = m_settings.ToolbarCount();
    if (!m_settings.AppendToolbar(std::move(folder), qv::kSortByName,
                                  ToolbarInfo{qv::kKindBrowse, {}}))
      return std::nullopt;
    what |= SettingsWrite::Toolbars(b);
  } else {
    m_settings.m_toolbars[b].folder = std::move(folder);
    what |= SettingsWrite::OneToolbar(b, SettingsWrite::kFolder);
  }
  m_settings.m_nCurrentTab = b;
  m_storedCurrentTab.reset();
  return Stored(what, RebuildRequest::One(b, true));
}

CBarModel::Change CBarModel::SetSortOrder(int toolbar, UINT order) {
  ToolbarRecord* record = m_settings.Toolbar(toolbar);
  if (!record) return std::nullopt;
  const bool listed = record->HasCustomOrder();
  record->sortOrder = order;
  const SettingsWrite what =
      SettingsWrite::OneToolbar(toolbar, SettingsWrite::kOrder);
  // Buttons read from the folder only change places: their names and icons
  // stay. A custom list, or buttons that must come from one, are read.
  if (!listed && m_toolbars.Resort(toolbar, m_settings, m_shell))
    return Stored(what, RebuildRequest::Rows());
  return Stored(what, RebuildRequest::One(toolbar, true));
}

CBarModel::Change CBarModel::MoveButton(int toolbar, int from, int to) {
  ToolbarRecord* record = m_settings.Toolbar(toolbar);
  const ToolbarButtons* buttons = Buttons(toolbar);
  std::vector<ButtonEntry> shown;
  if (!record || record->IsBrowse() || !buttons ||
      !m_shell.RowEntries(*record, *buttons, &shown))
    return std::nullopt;
  // The list is made from the folder's files, or brought in step with
  // them, as the Buttons page does before any edit.
  const ToolbarInfo before = record->info;
  m_shell.SyncEntries(*record, m_settings);
  if (!qv::MoveRowButton(record->info, record->sortOrder, shown, from, to)) {
    record->info = before;
    return std::nullopt;
  }
  return Stored(SettingsWrite::OneToolbar(
                    toolbar, SettingsWrite::kInfo | SettingsWrite::kOrder),
                RebuildRequest::One(toolbar, true));
}

CBarModel::Change CBarModel::ApplyCustomize(const CBarSettings& edited) {
  const SettingsWrite changed = m_settings.DifferenceTo(edited);
  m_storedCurrentTab.reset();
  if (!edited.CopyTo(m_settings)) {
    // Nothing half-copied is stored: the bar goes back to what is.
    Load();
    return RebuildRequest::CurrentFirst();
  }
  return Stored(changed, RebuildRequest::CurrentFirst());
}

CBarModel::Change CBarModel::RemoveToolbar(int toolbar) {
  if (!m_settings.Toolbar(toolbar)) return std::nullopt;
  m_settings.RemoveToolbar(toolbar);
  // The others keep their buttons; an auto-hide bar stays out or in.
  return Stored(SettingsWrite::Toolbars(toolbar), RebuildRequest::Layout(true));
}

CBarModel::Change CBarModel::AddToolbar(ToolbarRecord toolbar) {
  const int index = m_settings.ToolbarCount();
  if (!m_settings.AppendToolbar(std::move(toolbar.folder), toolbar.sortOrder,
                                std::move(toolbar.info)))
    return std::nullopt;
  return Stored(SettingsWrite::Toolbars(index),
                RebuildRequest::One(index, true));
}

RebuildRequest CBarModel::Refresh() {
  Load();
  return RebuildRequest::CurrentFirst(true);
}

void CBarModel::SetScrollPosition(bool vertical, int position) {
  int& kept =
      vertical ? m_settings.m_nVertScrollPos : m_settings.m_nHorzScrollPos;
  // Every layout of the rows tells the position: only a new one is stored.
  if (kept == position) return;
  kept = position;
  m_store.Save(m_settings,
               SettingsWrite::Options(
                   {vertical ? qv::kOptVertScrollPos : qv::kOptHorzScrollPos}));
}

int CBarModel::ReadToolbars(const RebuildRequest& request, HWND owner) {
  // A stand-in for a toolbar waiting for its drive is chosen again: the
  // drive may be back.
  if (m_storedCurrentTab) m_settings.m_nCurrentTab = *m_storedCurrentTab;
  m_storedCurrentTab.reset();
  // Rows are made for the current toolbar, which must exist.
  const int current = m_settings.m_nCurrentTab;
  const int clamped = qv::ShownCurrentTab(current, m_settings.ToolbarCount());
  if (clamped != current) {
    m_settings.m_nCurrentTab = clamped;
    m_store.Save(m_settings, SettingsWrite::Options({qv::kOptCurrentTab}));
  }

  std::vector<int> synced;
  // Kept toolbars whose folder and settings did not change are not read.
  const int failed = m_toolbars.Update(
      m_settings, m_shell, owner,
      request.reload == RebuildRequest::Reload::kAll
          ? ToolbarCache::Reread::kAll
          : ToolbarCache::Reread::kStale,
      request.reload == RebuildRequest::Reload::kOne ? request.toolbar : -1,
      &synced,
      !request.currentFirst  ? -1
      : request.currentApart ? ToolbarCache::kNoneNow
                             : clamped);
  SettingsWrite lists;
  for (int k : synced)
    lists |= SettingsWrite::OneToolbar(k, SettingsWrite::kInfo);
  m_store.Save(m_settings, lists);
  // The toolbar shown is read now, even where it was left for later, but
  // where the start reads it apart: a rebuild meanwhile (the bar's first
  // size) waits for that read instead of making it again.
  const bool apart =
      request.currentApart || m_toolbars.PendingApart(clamped).has_value();
  const int gone =
      failed >= 0 || apart ||
              ReadWaiting(clamped, owner) != ToolbarCache::Found::kGone
          ? failed
          : clamped;
  if (gone >= 0) {
    RemoveToolbar(gone);
    return gone;
  }
  ShowReachableToolbar(owner);
  return -1;
}

bool CBarModel::RereadToolbar(int toolbar, HWND owner) {
  bool synced = false;
  const bool read =
      m_toolbars.Refresh(toolbar, m_settings, m_shell, owner, &synced) != 0;
  if (synced)
    m_store.Save(m_settings,
                 SettingsWrite::OneToolbar(toolbar, SettingsWrite::kInfo));
  return read;
}

ToolbarCache::Found CBarModel::ReadWaiting(int toolbar, HWND owner) {
  bool synced = false;
  const ToolbarCache::Found found =
      m_toolbars.ReadPending(toolbar, m_settings, m_shell, owner, &synced);
  if (synced)
    m_store.Save(m_settings,
                 SettingsWrite::OneToolbar(toolbar, SettingsWrite::kInfo));
  return found;
}

CBarModel::Change CBarModel::ReadPending(int toolbar, HWND owner) {
  if (!m_toolbars.Pending(toolbar)) return std::nullopt;
  switch (ReadWaiting(toolbar, owner)) {
    case ToolbarCache::Found::kGone:
      return RemoveToolbar(toolbar);
    case ToolbarCache::Found::kUnreachable:
      return RebuildRequest::Layout(true);
    case ToolbarCache::Found::kButtons:
      break;
  }
  // A toolbar standing in for one waiting for its drive may be chosen now.
  if (m_toolbars.Unreachable(m_settings.m_nCurrentTab))
    return RebuildRequest::Layout(true);
  return RebuildRequest::Rows();
}

CBarModel::Change CBarModel::TakeRead(CToolbarReader::Result result,
                                      int* refill) {
  *refill = -1;
  int toolbar = -1;
  bool synced = false;
  const ToolbarCache::Taken taken =
      m_toolbars.TakeRead(std::move(result), m_settings, &toolbar, &synced);
  if (synced)
    m_store.Save(m_settings,
                 SettingsWrite::OneToolbar(toolbar, SettingsWrite::kInfo));
  switch (taken) {
    case ToolbarCache::Taken::kNothing:
      return std::nullopt;
    case ToolbarCache::Taken::kButtons:
      // A toolbar waiting for its drive with none to stand in for it may
      // have one now.
      if (m_toolbars.Unreachable(m_settings.m_nCurrentTab))
        return RebuildRequest::Layout(true);
      *refill = toolbar;
      return std::nullopt;
    case ToolbarCache::Taken::kGone:
      return RemoveToolbar(toolbar);
    case ToolbarCache::Taken::kBack:
    case ToolbarCache::Taken::kUnreachable:
      break;
  }
  return RebuildRequest::Layout(true);
}

std::vector<qv::IconWorker::Job> CBarModel::OwnIconJobs(int toolbar) const {
  std::vector<qv::IconWorker::Job> jobs;
  const ToolbarRecord* record = m_settings.Toolbar(toolbar);
  const ToolbarButtons* buttons = m_toolbars.Buttons(toolbar);
  if (!record || !buttons) return jobs;
  const std::uint64_t serial = m_toolbars.Serial(toolbar);
  for (size_t i = 0; i < buttons->size(); ++i) {
    const ToolbarButton& button = (*buttons)[i];
    if (!button.ownIcon || !button.item) continue;
    qv::UniqueIdList item(
        qv::ConcatIdLists(record->folder.get(), button.item.get()));
    if (item) jobs.push_back({serial << 32 | i, std::move(item)});
  }
  return jobs;
}

int CBarModel::SetOwnIcon(std::uint64_t key, int image, int* button) {
  const int toolbar =
      m_toolbars.FindSerial(static_cast<std::uint32_t>(key >> 32));
  const ToolbarButtons* buttons = m_toolbars.Buttons(toolbar);
  const size_t index = static_cast<std::uint32_t>(key);
  if (!buttons || index >= buttons->size()) return -1;
  m_toolbars.SetOwnIcon(toolbar, index, image);
  *button = static_cast<int>(index);
  return toolbar;
}

void CBarModel::ShowReachableToolbar(HWND owner) {
  const int current = m_settings.m_nCurrentTab;
  if (!m_toolbars.Unreachable(current)) return;
  for (int i = 0; i < m_settings.ToolbarCount(); ++i) {
    // One not read yet is read to stand in; one found gone is left for the
    // read that removes it.
    if (m_toolbars.Pending(i) &&
        ReadWaiting(i, owner) != ToolbarCache::Found::kButtons)
      continue;
    if (m_toolbars.Unreachable(i)) continue;
    m_storedCurrentTab = current;
    m_settings.m_nCurrentTab = i;
    return;
  }
}
