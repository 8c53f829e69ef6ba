// settings/BarSettings.cpp: loading, saving and copying the bar's settings.
#include "settings/BarSettings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <new>
#include <optional>
#include <type_traits>
#include <utility>

#include "settings/LegacyNames.h"
#include "settings/portable/SettingsValues.h"
#include "settings/portable/StoredSettings.h"
#include "framework/Handles.h"

namespace {

constexpr const char* kKeyPath = CBarSettings::kKeyPath;
constexpr const char* kFirstTime = qv::kOptionNames[qv::kOptFirstTime];
constexpr const char* kFolderCount = qv::kFolderCountName;
constexpr const char* kHiddenTypeCount = qv::kHiddenTypeCountName;
constexpr const char* kHorzScrollPos = qv::kOptionNames[qv::kOptHorzScrollPos];
constexpr const char* kVertScrollPos = qv::kOptionNames[qv::kOptVertScrollPos];
constexpr const char* kMonitor = qv::kMonitorName;
constexpr const char* kHotKey = qv::kHotKeyName;
constexpr const char* kBrowseMenus = qv::kBrowseMenusName;

// The settings key, opened level by level ("Software", "Veltmark",
// "Quorvane 1.5", then a further bar's sub-key) so that nothing is ever
// created on the way; the levels close in reverse order.
class SettingsKey {
 public:
  bool Open(const std::string& barKey = {}) {
    return OpenLevel(HKEY_CURRENT_USER, "Software", m_software) &&
           OpenLevel(m_software.get(), "Veltmark", m_company) &&
           OpenLevel(m_company.get(), "Quorvane 1.5", m_app) &&
           (barKey.empty() || OpenLevel(m_app.get(), barKey.c_str(), m_bar));
  }
  HKEY get() const { return m_bar ? m_bar.get() : m_app.get(); }
  void Flush() const { ::RegFlushKey(m_software.get()); }

 private:
  static bool OpenLevel(HKEY parent, const char* name, qv::UniqueHKey& key) {
    return ::RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key.put()) ==
           ERROR_SUCCESS;
  }

  qv::UniqueHKey m_software;
  qv::UniqueHKey m_company;
  qv::UniqueHKey m_app;
  qv::UniqueHKey m_bar;
};

using Bytes = std::vector<unsigned char>;

// The whole data of a value, whatever its type and size.
bool ReadValue(HKEY key, const char* name, Bytes& data) {
  DWORD size = 0;
  if (::RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) !=
      ERROR_SUCCESS)
    return false;
  try {
    data.resize(size);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (size != 0 && ::RegQueryValueExA(key, name, nullptr, nullptr, data.data(),
                                      &size) != ERROR_SUCCESS)
    return false;
  data.resize(size);
  return true;
}

// The settings key's values for the load.
class RegistryValues : public qv::StoredValues {
 public:
  explicit RegistryValues(HKEY key) : m_key(key) {}
  bool Read(const char* name, Bytes& data) override {
    return ReadValue(m_key, name, data);
  }

 private:
  HKEY m_key;
};

bool WriteValue(CValueStore& values, const char* name, DWORD type,
                const void* data, DWORD size) {
  return values.Write(name, type, data, size);
}

bool WriteDword(CValueStore& values, const char* name, std::uint32_t value) {
  const DWORD data = value;
  return WriteValue(values, name, REG_DWORD, &data, sizeof data);
}

// Removes the values of indexes `from` up to `to`, which a smaller count no
// longer reaches. Load never reads them, so one left behind does no harm;
// the first one missing ends it, as the stored count may be anything.
void RemoveIndexedValues(CValueStore& values, std::uint32_t from,
                         std::uint32_t to,
                         std::initializer_list<void (*)(char*, int)> formats) {
  char name[qv::kValueNameSize];
  for (std::uint32_t i = from; i < to; ++i) {
    for (auto format : formats) {
      format(name, static_cast<int>(i));
      if (!values.Remove(name)) return;
    }
  }
}

constexpr std::uint32_t kAllToolbarValues = qv::SettingsWrite::kFolder |
                                            qv::SettingsWrite::kInfo |
                                            qv::SettingsWrite::kOrder;

// Adds toolbar `index`'s values named by `values` (qv::SettingsWrite bits)
// to `writes`.
bool AddToolbar(CValueWrites& writes, int index, const ToolbarRecord& toolbar,
                std::uint32_t values) {
  char name[qv::kValueNameSize];
  qv::FolderValueName(name, index);
  if ((values & qv::SettingsWrite::kFolder) &&
      !writes.Add(name, REG_BINARY, toolbar.folder.get(), toolbar.FolderSize()))
    return false;

  if (values & qv::SettingsWrite::kInfo) {
    std::string info;
    try {
      info = qv::FormatToolbarInfo(toolbar.info);
    } catch (const std::bad_alloc&) {
      return false;
    }
    qv::ToolbarInfoValueName(name, index);
    if (!writes.Add(name, REG_BINARY, info.data(),
                    static_cast<DWORD>(info.size())))
      return false;
  }

  qv::FolderOrderValueName(name, index);
  return !(values & qv::SettingsWrite::kOrder) ||
         writes.AddDword(name, toolbar.sortOrder);
}

std::string FolderBytes(const ToolbarRecord& toolbar) {
  const char* bytes = reinterpret_cast<const char*>(toolbar.folder.get());
  return bytes ? std::string(bytes, toolbar.FolderSize()) : std::string();
}

// The values of toolbar records `a` and `b` that would be stored
// differently, as qv::SettingsWrite bits.
std::uint32_t ChangedToolbarValues(const ToolbarRecord& a,
                                   const ToolbarRecord& b) {
  std::uint32_t changed = 0;
  if (FolderBytes(a) != FolderBytes(b)) changed |= qv::SettingsWrite::kFolder;
  if (qv::FormatToolbarInfo(a.info) != qv::FormatToolbarInfo(b.info))
    changed |= qv::SettingsWrite::kInfo;
  if (a.sortOrder != b.sortOrder) changed |= qv::SettingsWrite::kOrder;
  return changed;
}

// Each option's field with its qv::StoredOption (the values "First Time" to
// "Show All Files"), each stored in 4 bytes.
template <typename Settings, typename Visit>
void VisitOptions(Settings& s, Visit visit) {
  visit(qv::kOptFirstTime, s.m_bFirstTime);
  visit(qv::kOptAlignment, s.m_nAlignment);
  visit(qv::kOptBrowseSeparate, s.m_bBrowseSeparate);
  visit(qv::kOptAutoHide, s.m_bAutoHide);
  visit(qv::kOptColumns, s.m_nColumns);
  visit(qv::kOptRows, s.m_nRows);
  visit(qv::kOptCurrentTab, s.m_nCurrentTab);
  visit(qv::kOptShowTabs, s.m_bShowTabs);
  visit(qv::kOptSmallIcons, s.m_bSmallIcons);
  visit(qv::kOptAlwaysOnTop, s.m_bAlwaysOnTop);
  visit(qv::kOptAnimate, s.m_bAnimate);
  visit(qv::kOptShowTitle, s.m_bShowTitle);
  visit(qv::kOptMaxChars, s.m_nMaxChars);
  visit(qv::kOptHorzScrollPos, s.m_nHorzScrollPos);
  visit(qv::kOptVertScrollPos, s.m_nVertScrollPos);
  visit(qv::kOptShowAllFiles, s.m_bShowAllFiles);
}

// An option's field as stored, and back. The load has made flags 0 or 1.
std::uint32_t StoredForm(bool flag) { return flag ? 1 : 0; }
template <typename Field>
std::uint32_t StoredForm(const Field& field) {
  static_assert(sizeof(Field) == 4, "options are stored as 4-byte values");
  std::uint32_t value;
  std::memcpy(&value, &field, sizeof value);
  return value;
}
void TakeStored(bool& flag, std::uint32_t value) { flag = value != 0; }
template <typename Field>
void TakeStored(Field& field, std::uint32_t value) {
  std::memcpy(&field, &value, sizeof value);
}

}  // namespace

CBarSettings::CBarSettings() = default;
CBarSettings::~CBarSettings() = default;

int CBarSettings::CreateKeyIfMissing() {
  SettingsKey existing;
  if (existing.Open()) return 0;

  qv::UniqueHKey key;
  DWORD disposition = 0;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.put(), &disposition) != ERROR_SUCCESS ||
      disposition != REG_CREATED_NEW_KEY)
    return 0;
  CRegistryValueStore values(key.get());
  if (!WriteDword(values, kFirstTime, 1)) {
    // A key without "First Time" would never build the default toolbars.
    key.reset();
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath);
    return 0;
  }
  return 1;
}

int CBarSettings::Load(const std::string& barKey) {
  SettingsKey key;
  if (!key.Open(barKey)) return 0;
  RegistryValues values(key.get());
  return Load(values);
}

int CBarSettings::Load(qv::StoredValues& values) {
  qv::StoredSettings stored = qv::ReadStoredSettings(values);

  VisitOptions(*this, [&](qv::StoredOption option, auto& field) {
    if (option < stored.optionsRead) TakeStored(field, stored.options[option]);
  });
  if (stored.optionsRead == qv::kOptionCount) {
    m_strMonitor = std::move(stored.monitor);
    m_nHotKey = stored.hotKeyRead ? stored.hotKey : kDefaultHotKey;
    m_bBrowseMenus = stored.browseMenus != 0;
  }
  if (!stored.listsRead) return 0;

  m_toolbars.clear();
  m_hiddenTypes.clear();
  try {
    for (qv::StoredToolbar& read : stored.toolbars) {
      // The folder, copied to the shell allocator.
      ToolbarRecord toolbar;
      toolbar.folder.reset(
          static_cast<ITEMIDLIST*>(::CoTaskMemAlloc(read.folder.size())));
      if (!toolbar.folder) return 0;
      std::memcpy(toolbar.folder.get(), read.folder.data(), read.folder.size());
      toolbar.sortOrder = read.sortOrder;
      qv::ReencodeLegacyNames(read.info);
      toolbar.info = std::move(read.info);
      m_toolbars.push_back(std::move(toolbar));
    }
  } catch (const std::bad_alloc&) {
    return 0;
  }
  m_hiddenTypes = std::move(stored.hiddenTypes);
  return stored.complete ? 1 : 0;
}

int CBarSettings::Save(const qv::SettingsWrite& what,
                       const std::string& barKey) const {
  if (what.Empty()) return 1;
  SettingsKey key;
  if (!key.Open(barKey)) return 0;
  CRegistryValueStore values(key.get());
  const int saved = Save(values, what);
  key.Flush();
  return saved;
}

int CBarSettings::Save(CValueStore& k, const qv::SettingsWrite& what) const {
  // The counts stored now: the values past the new ones go once all is
  // written.
  std::uint32_t storedCount = 0, storedTypeCount = 0;
  if (what.toolbarsFrom >= 0) k.ReadDword(kFolderCount, &storedCount);
  if (what.hiddenTypes) k.ReadDword(kHiddenTypeCount, &storedTypeCount);

  // Every value to write, then the writes, which put back what they
  // overwrote when one is refused: no "Fldr" is left with another folder's
  // "Toolbar Info" or "Fldr Ordr".
  CValueWrites writes;
  bool added = true;
  VisitOptions(*this, [&](qv::StoredOption option, const auto& field) {
    if (added && what.HasOption(option))
      added = writes.AddDword(qv::kOptionNames[option], StoredForm(field));
  });
  if (!added) return 0;
  if (what.monitor && !writes.Add(kMonitor, REG_SZ, m_strMonitor.c_str(),
                                  static_cast<DWORD>(m_strMonitor.size() + 1)))
    return 0;
  if (what.hotKey && !writes.AddDword(kHotKey, m_nHotKey)) return 0;
  if (what.browseMenus &&
      !writes.AddDword(kBrowseMenus, StoredForm(m_bBrowseMenus)))
    return 0;

  const int count = ToolbarCount();
  if (const ToolbarRecord* one = Toolbar(what.toolbar))
    if (!AddToolbar(writes, what.toolbar, *one, what.toolbarValues)) return 0;
  if (what.toolbarsFrom >= 0) {
    for (int i = what.toolbarsFrom; i < count; ++i)
      if (!AddToolbar(writes, i, m_toolbars[i], kAllToolbarValues)) return 0;
    if (!writes.AddDword(kFolderCount, count)) return 0;
  }

  const int typeCount = static_cast<int>(m_hiddenTypes.size());
  if (what.hiddenTypes) {
    for (int j = 0; j < typeCount; ++j) {
      char name[qv::kValueNameSize];
      qv::FileTypeValueName(name, j);
      const std::string& text = m_hiddenTypes[j];
      if (!writes.Add(name, REG_SZ, text.c_str(),
                      static_cast<DWORD>(text.size() + 1)))
        return 0;
    }
    if (!writes.AddDword(kHiddenTypeCount, typeCount)) return 0;
  }
  if (!writes.Apply(k)) return 0;

  if (what.toolbarsFrom >= 0)
    RemoveIndexedValues(k, count, storedCount,
                        {qv::FolderValueName, qv::ToolbarInfoValueName,
                         qv::FolderOrderValueName});
  if (what.hiddenTypes)
    RemoveIndexedValues(k, typeCount, storedTypeCount, {qv::FileTypeValueName});
  return 1;
}

qv::SettingsWrite CBarSettings::DifferenceTo(const CBarSettings& other) const {
  qv::SettingsWrite diff;
  std::array<std::uint32_t, qv::kOptionCount> mine{};
  VisitOptions(*this, [&](qv::StoredOption option, const auto& field) {
    mine[option] = StoredForm(field);
  });
  VisitOptions(other, [&](qv::StoredOption option, const auto& field) {
    if (StoredForm(field) != mine[option]) diff.options |= 1u << option;
  });
  diff.monitor = m_strMonitor != other.m_strMonitor;
  diff.hotKey = m_nHotKey != other.m_nHotKey;
  diff.browseMenus = m_bBrowseMenus != other.m_bBrowseMenus;
  diff.hiddenTypes = m_hiddenTypes != other.m_hiddenTypes;

  const size_t common = std::min(m_toolbars.size(), other.m_toolbars.size());
  for (size_t i = 0; i < common; ++i) {
    const std::uint32_t values =
        ChangedToolbarValues(m_toolbars[i], other.m_toolbars[i]);
    if (values)
      diff |= qv::SettingsWrite::OneToolbar(static_cast<int>(i), values);
  }
  if (m_toolbars.size() != other.m_toolbars.size())
    diff |= qv::SettingsWrite::Toolbars(static_cast<int>(common));
  return diff;
}

int CBarSettings::CopyTo(CBarSettings& target) const {
  if (&target == this) return 1;
  target.m_toolbars.clear();
  target.m_hiddenTypes.clear();

  target.m_nRows = m_nRows;
  target.m_nColumns = m_nColumns;
  target.m_nAlignment = m_nAlignment;
  target.m_bAutoHide = m_bAutoHide;
  target.m_bSmallIcons = m_bSmallIcons;
  target.m_bShowAllFiles = m_bShowAllFiles;
  target.m_nMaxChars = m_nMaxChars;
  target.m_nHorzScrollPos = m_nHorzScrollPos;
  target.m_nVertScrollPos = m_nVertScrollPos;
  target.m_bBrowseSeparate = m_bBrowseSeparate;
  target.m_bBrowseMenus = m_bBrowseMenus;
  target.m_bShowTabs = m_bShowTabs;
  target.m_nCurrentTab = m_nCurrentTab;
  target.m_bFirstTime = m_bFirstTime;
  target.m_bAlwaysOnTop = m_bAlwaysOnTop;
  target.m_bAnimate = m_bAnimate;
  target.m_bShowTitle = m_bShowTitle;
  target.m_nHotKey = m_nHotKey;

  try {
    target.m_toolbars.reserve(m_toolbars.size());
    for (const ToolbarRecord& toolbar : m_toolbars) {
      std::optional<ToolbarRecord> copy = CopyToolbarRecord(toolbar);
      if (!copy) return 0;
      target.m_toolbars.push_back(std::move(*copy));
    }
    target.m_hiddenTypes = m_hiddenTypes;
    target.m_strMonitor = m_strMonitor;
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

int CBarSettings::FindBrowseToolbar() const {
  for (size_t i = 0; i < m_toolbars.size(); ++i)
    if (m_toolbars[i].IsBrowse()) return static_cast<int>(i);
  return -1;
}

ToolbarRecord* CBarSettings::Toolbar(int index) {
  return index >= 0 && index < ToolbarCount() ? &m_toolbars[index] : nullptr;
}

const ToolbarRecord* CBarSettings::Toolbar(int index) const {
  return index >= 0 && index < ToolbarCount() ? &m_toolbars[index] : nullptr;
}

int CBarSettings::AppendToolbar(qv::UniqueIdList folder, UINT sortOrder,
                                ToolbarInfo info) {
  if (!folder) return 0;
  try {
    m_toolbars.push_back({std::move(folder), sortOrder, std::move(info)});
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

void CBarSettings::RemoveToolbar(int index) {
  if (index < 0 || index >= ToolbarCount()) return;
  m_toolbars.erase(m_toolbars.begin() + index);
}
