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

static_assert(sizeof(int) == 4 && sizeof(UINT) == 4 && sizeof(qv::Edge) == 4,
              "options are stored as 4-byte values");

namespace {

constexpr char kKeyPath[] = "Software\\Veltmark\\Quorvane 1.5";
constexpr const char* kFirstTime = qv::kOptionNames[qv::kOptFirstTime];
constexpr const char* kFolderCount = qv::kFolderCountName;
constexpr const char* kHiddenTypeCount = qv::kHiddenTypeCountName;
constexpr const char* kHorzScrollPos = qv::kOptionNames[qv::kOptHorzScrollPos];
constexpr const char* kVertScrollPos = qv::kOptionNames[qv::kOptVertScrollPos];
constexpr const char* kMonitor = qv::kMonitorName;
constexpr const char* kHotKey = qv::kHotKeyName;

// The settings key, opened level by level ("Software", "Veltmark",
// "Quorvane 1.5") so that nothing is ever created on the way; the levels
// close in reverse order.
class SettingsKey {
 public:
  bool Open() {
    return OpenLevel(HKEY_CURRENT_USER, "Software", m_software) &&
           OpenLevel(m_software.get(), "Veltmark", m_company) &&
           OpenLevel(m_company.get(), "Quorvane 1.5", m_app);
  }
  HKEY get() const { return m_app.get(); }
  void Flush() const { ::RegFlushKey(m_software.get()); }

 private:
  static bool OpenLevel(HKEY parent, const char* name, qv::UniqueHKey& key) {
    return ::RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key.put()) ==
           ERROR_SUCCESS;
  }

  qv::UniqueHKey m_software;
  qv::UniqueHKey m_company;
  qv::UniqueHKey m_app;
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

// Toolbar `index`'s three values.
bool WriteToolbar(CValueStore& key, int index, const ToolbarRecord& toolbar) {
  char name[qv::kValueNameSize];
  qv::FolderValueName(name, index);
  if (!WriteValue(key, name, REG_BINARY, toolbar.folder.get(),
                  toolbar.FolderSize()))
    return false;

  std::string info;
  try {
    info = qv::FormatToolbarInfo(toolbar.info);
  } catch (const std::bad_alloc&) {
    return false;
  }
  qv::ToolbarInfoValueName(name, index);
  if (!WriteValue(key, name, REG_BINARY, info.data(),
                  static_cast<DWORD>(info.size())))
    return false;

  qv::FolderOrderValueName(name, index);
  return WriteDword(key, name, toolbar.sortOrder);
}

// Each option's field, by qv::StoredOption (the values "First Time" to
// "Show All Files", in stored order), each 4 bytes.
template <typename Settings>
auto OptionFields(Settings& s) {
  using Field =
      std::conditional_t<std::is_const_v<Settings>, const void*, void*>;
  return std::array<Field, qv::kOptionCount>{{
      &s.m_bFirstTime,
      &s.m_nAlignment,
      &s.m_bBrowseSeparate,
      &s.m_bAutoHide,
      &s.m_nColumns,
      &s.m_nRows,
      &s.m_nCurrentTab,
      &s.m_bShowTabs,
      &s.m_bSmallIcons,
      &s.m_bAlwaysOnTop,
      &s.m_bAnimate,
      &s.m_bShowTitle,
      &s.m_nMaxChars,
      &s.m_nHorzScrollPos,
      &s.m_nVertScrollPos,
      &s.m_bShowAllFiles,
  }};
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

int CBarSettings::Load() {
  SettingsKey key;
  if (!key.Open()) return 0;
  RegistryValues values(key.get());
  qv::StoredSettings stored = qv::ReadStoredSettings(values);

  const auto fields = OptionFields(*this);
  for (int i = 0; i < stored.optionsRead; ++i)
    std::memcpy(fields[i], &stored.options[i], sizeof stored.options[i]);
  if (stored.optionsRead == qv::kOptionCount) {
    m_strMonitor = std::move(stored.monitor);
    m_nHotKey = stored.hotKeyRead ? stored.hotKey : kDefaultHotKey;
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

int CBarSettings::Save() const {
  SettingsKey key;
  if (!key.Open()) return 0;
  CRegistryValueStore values(key.get());
  const int saved = Save(values);
  key.Flush();
  return saved;
}

int CBarSettings::Save(CValueStore& k) const {
  // The counts stored now: the values past the new ones go once all is
  // written.
  std::uint32_t storedCount = 0, storedTypeCount = 0;
  k.ReadDword(kFolderCount, &storedCount);
  k.ReadDword(kHiddenTypeCount, &storedTypeCount);

  const auto fields = OptionFields(*this);
  for (int i = 0; i < qv::kOptionCount; ++i) {
    std::uint32_t value;
    std::memcpy(&value, fields[i], sizeof value);
    if (!WriteDword(k, qv::kOptionNames[i], value)) return 0;
  }
  if (!WriteValue(k, kMonitor, REG_SZ, m_strMonitor.c_str(),
                  static_cast<DWORD>(m_strMonitor.size() + 1)))
    return 0;
  if (!WriteDword(k, kHotKey, m_nHotKey)) return 0;

  const int count = ToolbarCount();
  for (int i = 0; i < count; ++i)
    if (!WriteToolbar(k, i, m_toolbars[i])) return 0;

  if (!WriteDword(k, kFolderCount, count)) return 0;

  const int typeCount = static_cast<int>(m_hiddenTypes.size());
  for (int j = 0; j < typeCount; ++j) {
    char name[qv::kValueNameSize];
    qv::FileTypeValueName(name, j);
    const std::string& text = m_hiddenTypes[j];
    if (!WriteValue(k, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1)))
      return 0;
  }

  if (!WriteDword(k, kHiddenTypeCount, typeCount)) return 0;

  RemoveIndexedValues(k, count, storedCount,
                      {qv::FolderValueName, qv::ToolbarInfoValueName,
                       qv::FolderOrderValueName});
  RemoveIndexedValues(k, typeCount, storedTypeCount, {qv::FileTypeValueName});
  return 1;
}

int CBarSettings::SaveScrollPosition() const {
  SettingsKey key;
  if (!key.Open()) return 0;
  CRegistryValueStore values(key.get());
  if (!WriteDword(values, kHorzScrollPos, m_nHorzScrollPos) ||
      !WriteDword(values, kVertScrollPos, m_nVertScrollPos))
    return 0;
  key.Flush();
  return 1;
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
