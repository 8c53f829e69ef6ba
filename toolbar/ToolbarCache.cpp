// toolbar/ToolbarCache.cpp: matching kept toolbars to the settings' toolbars.
#include "toolbar/ToolbarCache.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

qv::FillKey KeyOf(const ToolbarRecord& toolbar, const CBarSettings& settings) {
  const char* bytes = reinterpret_cast<const char*>(toolbar.folder.get());
  return qv::MakeFillKey(
      std::string(bytes ? bytes : "", bytes ? toolbar.FolderSize() : 0),
      toolbar.sortOrder, toolbar.info, toolbar.HasCustomOrder(),
      settings.m_bShowAllFiles, settings.m_hiddenTypes);
}

}  // namespace

int ToolbarCache::Read(ToolbarRecord& toolbar, const CBarSettings& settings,
                       IToolbarShell& shell, HWND owner, Entry* entry,
                       bool* synced, bool apart) {
  entry->serial = ++m_lastSerial;
  entry->pending = false;
  entry->apart = apart;
  // The read apart brings the custom list in step itself.
  *synced = !apart && toolbar.HasCustomOrder() &&
            shell.SyncEntries(toolbar, settings);
  entry->key = KeyOf(toolbar, settings);
  return apart || shell.Fill(toolbar, settings, owner, &entry->buttons);
}

int ToolbarCache::Update(CBarSettings& settings, IToolbarShell& shell,
                         HWND owner, Reread reread, int force,
                         std::vector<int>* synced, int only) {
  std::vector<Entry> kept = std::move(m_entries);
  for (Entry& spare : m_spare) kept.push_back(std::move(spare));
  m_spare.clear();
  m_entries.clear();
  // A toolbar waiting for its drive or share is never read here, on the
  // window's thread: it is read apart (TakeRead) once it may be back. The
  // buttons read again stand meanwhile where that read is made apart.
  std::vector<Entry> stale;
  if (reread == Reread::kAll) {
    const auto read = std::stable_partition(
        kept.begin(), kept.end(), [](const Entry& e) { return e.unreachable; });
    std::move(read, kept.end(), std::back_inserter(stale));
    kept.erase(read, kept.end());
  }

  const int count = settings.ToolbarCount();
  for (int i = 0; i < count; ++i) {
    ToolbarRecord& toolbar = settings.m_toolbars[i];
    const qv::FillKey key = KeyOf(toolbar, settings);
    auto match = kept.end();
    if (i != force) {
      for (auto it = kept.begin(); it != kept.end(); ++it) {
        if (it->key == key) {
          match = it;
          break;
        }
      }
    }
    if (match != kept.end()) {
      m_entries.push_back(std::move(*match));
      kept.erase(match);
      continue;
    }
    Entry entry;
    // A folder that waited for its drive or share may wait still.
    const bool waited =
        std::any_of(kept.begin(), kept.end(), [&key](const Entry& e) {
          return e.unreachable && e.key.folder == key.folder;
        });
    const bool later = only != -1 && i != only && i != force;
    // One left for later, but the one shown, is not asked whether it is
    // remote here: that costs a walk of its folders, and the read or click
    // that comes later asks it (a share's read then gets a thread of its
    // own).
    const bool apart = waited || ((!later || i == settings.m_nCurrentTab) &&
                                  shell.IsRemote(toolbar.folder.get()));
    if (!apart && later) {
      entry.key = key;
      entry.pending = true;
      m_entries.push_back(std::move(entry));
      continue;
    }
    bool changed = false;
    const int read =
        Read(toolbar, settings, shell, owner, &entry, &changed, apart);
    // Read apart, it shows the buttons it had (Refresh, a forced read).
    for (std::vector<Entry>* old : {&stale, &kept}) {
      if (!apart) break;
      const auto same =
          std::find_if(old->begin(), old->end(), [&key](const Entry& e) {
            return !e.unreachable && !e.pending && e.key == key;
          });
      if (same == old->end()) continue;
      entry.buttons = std::move(same->buttons);
      entry.serial = same->serial;
      old->erase(same);
      break;
    }
    if (changed) synced->push_back(i);
    if (!read) {
      if (!shell.IsUnreachable(toolbar.folder.get())) {
        m_spare = std::move(kept);
        return i;
      }
      entry.buttons.clear();
      entry.unreachable = true;
    }
    m_entries.push_back(std::move(entry));
  }
  return -1;
}

int ToolbarCache::Refresh(int index, CBarSettings& settings,
                          IToolbarShell& shell, HWND owner, bool* synced) {
  *synced = false;
  ToolbarRecord* toolbar = settings.Toolbar(index);
  if (!toolbar || index >= static_cast<int>(m_entries.size())) return 0;
  Entry entry;
  const bool apart = shell.IsRemote(toolbar->folder.get());
  if (!Read(*toolbar, settings, shell, owner, &entry, synced, apart)) return 0;
  if (apart) {
    entry.buttons = std::move(m_entries[index].buttons);
    entry.serial = m_entries[index].serial;
  }
  entry.folderName = std::move(m_entries[index].folderName);
  m_entries[index] = std::move(entry);
  return 1;
}

ToolbarCache::Found ToolbarCache::ReadPending(int index, CBarSettings& settings,
                                              IToolbarShell& shell, HWND owner,
                                              bool* synced) {
  *synced = false;
  ToolbarRecord* toolbar = settings.Toolbar(index);
  if (!toolbar || !Pending(index)) return Found::kButtons;
  Entry entry;
  if (!Read(*toolbar, settings, shell, owner, &entry, synced,
            shell.IsRemote(toolbar->folder.get()))) {
    if (!shell.IsUnreachable(toolbar->folder.get())) return Found::kGone;
    entry.buttons.clear();
    entry.unreachable = true;
  }
  entry.folderName = std::move(m_entries[index].folderName);
  m_entries[index] = std::move(entry);
  return m_entries[index].unreachable ? Found::kUnreachable : Found::kButtons;
}

bool ToolbarCache::Pending(int index) const {
  return index >= 0 && static_cast<size_t>(index) < m_entries.size() &&
         m_entries[index].pending;
}

int ToolbarCache::FirstPending() const {
  for (size_t i = 0; i < m_entries.size(); ++i)
    if (m_entries[i].pending) return static_cast<int>(i);
  return -1;
}

bool ToolbarCache::Resort(int index, const CBarSettings& settings,
                          IToolbarShell& shell) {
  const ToolbarRecord* toolbar = settings.Toolbar(index);
  if (!toolbar || index >= static_cast<int>(m_entries.size())) return false;
  Entry& entry = m_entries[index];
  // A toolbar not read yet is read in its new order anyway.
  if (entry.pending) {
    entry.key = KeyOf(*toolbar, settings);
    // A read asked apart was for its old key: it is asked again.
    entry.asked = false;
    return true;
  }
  if (entry.unreachable || entry.apart || toolbar->HasCustomOrder() ||
      !shell.Sort(*toolbar, &entry.buttons))
    return false;
  entry.key = KeyOf(*toolbar, settings);
  entry.serial = ++m_lastSerial;
  return true;
}

int ToolbarCache::FindSerial(std::uint32_t serial) const {
  for (size_t i = 0; i < m_entries.size(); ++i)
    if (m_entries[i].serial == serial) return static_cast<int>(i);
  return -1;
}

std::uint32_t ToolbarCache::Serial(int index) const {
  return index >= 0 && static_cast<size_t>(index) < m_entries.size()
             ? m_entries[index].serial
             : 0;
}

void ToolbarCache::SetOwnIcon(int index, size_t button, int image) {
  if (index < 0 || static_cast<size_t>(index) >= m_entries.size()) return;
  ToolbarButtons& buttons = m_entries[index].buttons;
  if (button >= buttons.size()) return;
  buttons[button].image = image;
  buttons[button].ownIcon = false;
}

std::optional<qv::FillKey> ToolbarCache::WaitingKey(int index) const {
  if (!Unreachable(index)) return std::nullopt;
  return m_entries[index].key;
}

bool ToolbarCache::ReadingApart(int index) const {
  return index >= 0 && static_cast<size_t>(index) < m_entries.size() &&
         m_entries[index].apart;
}

std::optional<qv::FillKey> ToolbarCache::AskApart(int index) {
  if (!(ReadingApart(index) || Pending(index)) || m_entries[index].asked)
    return std::nullopt;
  m_entries[index].asked = true;
  return m_entries[index].key;
}

std::optional<qv::FillKey> ToolbarCache::PendingApart(int index) const {
  if (!Pending(index) || !m_entries[index].asked) return std::nullopt;
  return m_entries[index].key;
}

ToolbarCache::Taken ToolbarCache::TakeRead(CToolbarReader::Result result,
                                           CBarSettings& settings, int* index,
                                           bool* synced) {
  *synced = false;
  for (size_t i = 0; i < m_entries.size(); ++i) {
    Entry& entry = m_entries[i];
    ToolbarRecord* toolbar = settings.Toolbar(static_cast<int>(i));
    // One read since on the window's thread (a click on its tab) keeps
    // that read.
    if (!(entry.apart || entry.unreachable || entry.pending) ||
        !(entry.key == result.key) || !toolbar)
      continue;
    *index = static_cast<int>(i);
    if (!result.read) {
      // One that waited waits on; one read apart waits now, or is gone.
      if (entry.unreachable) return Taken::kNothing;
      if (!result.unreachable) return Taken::kGone;
      entry.buttons.clear();
      entry.apart = entry.pending = false;
      entry.unreachable = true;
      entry.serial = ++m_lastSerial;
      return Taken::kUnreachable;
    }
    // The key matched: the list the read brought in step is this one's.
    if (result.synced) {
      toolbar->info = std::move(*result.synced);
      *synced = true;
    }
    const bool back = entry.unreachable;
    entry.key = KeyOf(*toolbar, settings);
    entry.buttons = std::move(result.buttons);
    entry.unreachable = entry.apart = entry.pending = false;
    entry.serial = ++m_lastSerial;
    // Another toolbar on the same folder asked no read of its own (the
    // reader makes one per key): it asks now.
    for (Entry& other : m_entries)
      if (other.pending && other.key == result.key) other.asked = false;
    return back ? Taken::kBack : Taken::kButtons;
  }
  return Taken::kNothing;
}

bool ToolbarCache::Unreachable(int index) const {
  return index >= 0 && static_cast<size_t>(index) < m_entries.size() &&
         m_entries[index].unreachable;
}

const ToolbarButtons* ToolbarCache::Buttons(int index) const {
  return index >= 0 && static_cast<size_t>(index) < m_entries.size() &&
                 !m_entries[index].pending
             ? &m_entries[index].buttons
             : nullptr;
}

std::optional<std::string> ToolbarCache::FolderName(
    int index, const CBarSettings& settings, IToolbarShell& shell) {
  const ToolbarRecord* toolbar = settings.Toolbar(index);
  if (!toolbar) return std::nullopt;
  std::optional<std::string>* kept =
      static_cast<size_t>(index) < m_entries.size()
          ? &m_entries[index].folderName
          : nullptr;
  if (kept && *kept) return *kept;
  std::string name;
  if (!shell.FolderName(toolbar->folder.get(), &name)) return std::nullopt;
  if (kept) *kept = name;
  return name;
}

void ToolbarCache::Clear() {
  m_entries.clear();
  m_spare.clear();
}
