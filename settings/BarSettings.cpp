// settings/BarSettings.cpp: loading, saving and copying the bar's settings.
#include "settings/BarSettings.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <new>
#include <type_traits>
#include <utility>

#include "settings/portable/SettingsValues.h"
#include "framework/Handles.h"
#include "shell/portable/IdListBytes.h"

static_assert(sizeof(int) == 4 && sizeof(UINT) == 4 && sizeof(qv::Edge) == 4,
              "options are stored as 4-byte values");

namespace {

constexpr char kKeyPath[] = "Software\\Veltmark\\Quorvane 1.5";
constexpr char kFirstTime[] = "First Time";
constexpr char kFolderCount[] = "No. of Folders";
constexpr char kHiddenTypeCount[] = "No. of hidden types";
constexpr char kHorzScrollPos[] = "Horz Scroll Pos";
constexpr char kVertScrollPos[] = "Vert Scroll Pos";

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

bool ReadDword(HKEY key, const char* name, std::uint32_t* value) {
  Bytes data;
  return ReadValue(key, name, data) &&
         qv::DecodeDword(data.data(), data.size(), value);
}

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

// Toolbar `index` as stored: its folder (validated and copied to the shell
// allocator), its info and its sort order. False when a value is missing or
// malformed; nothing is kept then.
bool ReadToolbar(HKEY key, int index, qv::UniqueIdList& folder,
                 qv::ToolbarInfoPtr& info, std::uint32_t& sortOrder) {
  char name[qv::kValueNameSize];
  Bytes data;

  qv::FolderValueName(name, index);
  if (!ReadValue(key, name, data)) return false;
  const size_t size = qv::ValidIdListSize(data.data(), data.size());
  if (size == 0) return false;
  folder.reset(static_cast<ITEMIDLIST*>(::CoTaskMemAlloc(size)));
  if (!folder) return false;
  std::memcpy(folder.get(), data.data(), size);

  qv::ToolbarInfoValueName(name, index);
  if (!ReadValue(key, name, data)) return false;
  info.reset(qv::ParseToolbarInfo(reinterpret_cast<const char*>(data.data()),
                                  data.size()));
  if (!info) return false;

  qv::FolderOrderValueName(name, index);
  return ReadDword(key, name, &sortOrder);
}

// The options stored as "First Time" to "Show All Files", in stored order,
// each a 4-byte field.
template <typename Settings>
auto OptionValues(Settings& s) {
  using Field =
      std::conditional_t<std::is_const_v<Settings>, const void*, void*>;
  return std::array<std::pair<const char*, Field>, 16>{{
      {kFirstTime, &s.m_bFirstTime},
      {"Alignment", &s.m_nAlignment},
      {"Browse Separate", &s.m_bBrowseSeparate},
      {"Auto Hide", &s.m_bAutoHide},
      {"Columns", &s.m_nColumns},
      {"Rows", &s.m_nRows},
      {"Current Tab", &s.m_nCurrentTab},
      {"Show Tabs", &s.m_bShowTabs},
      {"Small Icons", &s.m_bSmallIcons},
      {"Always On Top", &s.m_bAlwaysOnTop},
      {"Animate", &s.m_bAnimate},
      {"Show Title", &s.m_bShowTitle},
      {"Max. No. of Chars", &s.m_nMaxChars},
      {kHorzScrollPos, &s.m_nHorzScrollPos},
      {kVertScrollPos, &s.m_nVertScrollPos},
      {"Show All Files", &s.m_bShowAllFiles},
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

  for (const auto& [name, field] : OptionValues(*this)) {
    std::uint32_t value;
    if (!ReadDword(key.get(), name, &value)) return 0;
    if (field == &m_nAlignment)
      value = qv::EdgeNumber(qv::EdgeFromNumber(value));
    std::memcpy(field, &value, sizeof value);
  }
  std::uint32_t folderCount;
  if (!ReadDword(key.get(), kFolderCount, &folderCount)) return 0;

  ClearFolders();
  ClearHiddenTypes();

  // The count is untrusted too: the loop ends at the first missing toolbar.
  for (std::uint32_t i = 0; i < folderCount; ++i) {
    qv::UniqueIdList folder;
    qv::ToolbarInfoPtr info;
    std::uint32_t sortOrder;
    if (!ReadToolbar(key.get(), static_cast<int>(i), folder, info, sortOrder) ||
        !AppendToolbar(std::move(folder), sortOrder, std::move(info)))
      return 0;
  }

  std::uint32_t typeCount;
  if (!ReadDword(key.get(), kHiddenTypeCount, &typeCount)) return 0;
  for (std::uint32_t j = 0; j < typeCount; ++j) {
    char name[qv::kValueNameSize];
    qv::FileTypeValueName(name, static_cast<int>(j));
    Bytes data;
    std::string text;
    try {
      if (!ReadValue(key.get(), name, data) ||
          !qv::DecodeHiddenType(data.data(), data.size(), &text))
        return 0;
      m_hiddenTypes.push_back(std::move(text));
    } catch (const std::bad_alloc&) {
      return 0;
    }
  }
  return 1;
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

  for (const auto& [name, field] : OptionValues(*this)) {
    std::uint32_t value;
    std::memcpy(&value, field, sizeof value);
    if (!WriteDword(k, name, value)) return 0;
  }

  const int count = static_cast<int>(m_folders.size());
  for (int i = 0; i < count; ++i) {
    char name[qv::kValueNameSize];
    FolderValueName(name, i);
    if (!WriteValue(k, name, REG_BINARY, m_folders[i].get(), m_folderSizes[i]))
      return 0;

    char* info = nullptr;
    const int infoSize = FormatToolbarInfo(i, &info);
    if (infoSize == 0) return 0;
    ToolbarInfoValueName(name, i);
    const bool written = WriteValue(k, name, REG_BINARY, info, infoSize);
    delete[] info;
    if (!written) return 0;

    FolderOrderValueName(name, i);
    if (!WriteDword(k, name, m_sortOrders[i])) return 0;
  }

  if (!WriteDword(k, kFolderCount, count)) return 0;

  const int typeCount = static_cast<int>(m_hiddenTypes.size());
  for (int j = 0; j < typeCount; ++j) {
    char name[qv::kValueNameSize];
    FileTypeValueName(name, j);
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
  target.ClearFolders();
  target.ClearHiddenTypes();

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

  for (size_t i = 0; i < m_folders.size(); ++i) {
    const UINT size = m_folderSizes[i];
    qv::UniqueIdList folder(static_cast<ITEMIDLIST*>(::CoTaskMemAlloc(size)));
    if (!folder) return 0;
    std::memcpy(folder.get(), m_folders[i].get(), size);
    if (!target.AppendToolbar(
            std::move(folder), m_sortOrders[i],
            qv::ToolbarInfoPtr(CloneToolbarInfo(m_toolbarInfos[i].get()))))
      return 0;
  }

  try {
    target.m_hiddenTypes = m_hiddenTypes;
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

int CBarSettings::FindBrowseToolbar() const {
  for (size_t i = 0; i < m_toolbarInfos.size(); ++i) {
    if (m_toolbarInfos[i] && m_toolbarInfos[i]->kind == qv::kKindBrowse)
      return static_cast<int>(i);
  }
  return -1;
}

int CBarSettings::AppendToolbar(qv::UniqueIdList folder, UINT sortOrder,
                                qv::ToolbarInfoPtr info) {
  if (!folder || !info) return 0;
  const auto size = static_cast<UINT>(qv::IdListBytesSize(
      reinterpret_cast<const unsigned char*>(folder.get())));
  // Room in all four first, so that the appends below cannot fail halfway.
  try {
    const size_t count = m_folders.size() + 1;
    m_folders.reserve(count);
    m_folderSizes.reserve(count);
    m_sortOrders.reserve(count);
    m_toolbarInfos.reserve(count);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  m_folders.push_back(std::move(folder));
  m_folderSizes.push_back(size);
  m_sortOrders.push_back(sortOrder);
  m_toolbarInfos.push_back(std::move(info));
  return 1;
}

void CBarSettings::RemoveToolbar(int index) {
  if (index < 0 || static_cast<size_t>(index) >= m_folders.size()) return;
  m_folders.erase(m_folders.begin() + index);
  m_folderSizes.erase(m_folderSizes.begin() + index);
  m_sortOrders.erase(m_sortOrders.begin() + index);
  m_toolbarInfos.erase(m_toolbarInfos.begin() + index);
}

ToolbarInfo* CBarSettings::NewToolbarInfo(int kind) {
  return qv::NewToolbarInfo(kind);
}

ToolbarInfo* CBarSettings::CloneToolbarInfo(const ToolbarInfo* info) {
  return qv::CloneToolbarInfo(info);
}

void CBarSettings::FreeToolbarInfo(ToolbarInfo* info) {
  qv::FreeToolbarInfo(info);
}

int CBarSettings::FormatToolbarInfo(int index, char** out) const {
  *out = nullptr;
  if (index < 0 || static_cast<size_t>(index) >= m_toolbarInfos.size() ||
      !m_toolbarInfos[index])
    return 0;
  try {
    const std::string data = qv::FormatToolbarInfo(*m_toolbarInfos[index]);
    *out = new char[data.size()];
    std::memcpy(*out, data.data(), data.size());
    return static_cast<int>(data.size());
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

ToolbarInfo* CBarSettings::ParseToolbarInfo(const char* data, size_t length) {
  return qv::ParseToolbarInfo(data, length);
}

int CBarSettings::ParseInfoKind(const char* text) {
  return qv::ParseInfoKind(text);
}

int CBarSettings::ParseEntryType(const char* text) {
  return qv::ParseEntryType(text);
}

// A toolbar goes whole: emptying either the folders or the infos empties all
// four lists, so they never differ in length.
void CBarSettings::ClearFolders() {
  m_folders.clear();
  m_folderSizes.clear();
  m_sortOrders.clear();
  m_toolbarInfos.clear();
}

void CBarSettings::ClearHiddenTypes() { m_hiddenTypes.clear(); }

void CBarSettings::ClearToolbarInfos() { ClearFolders(); }

void CBarSettings::FolderValueName(char* buffer, int index) {
  qv::FolderValueName(buffer, index);
}

void CBarSettings::FolderOrderValueName(char* buffer, int index) {
  qv::FolderOrderValueName(buffer, index);
}

void CBarSettings::FileTypeValueName(char* buffer, int index) {
  qv::FileTypeValueName(buffer, index);
}

void CBarSettings::ToolbarInfoValueName(char* buffer, int index) {
  qv::ToolbarInfoValueName(buffer, index);
}
