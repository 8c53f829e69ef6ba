// tests/unit/BarSettingsTest.cpp: the settings against a real registry.
// Each test points HKEY_CURRENT_USER at a scratch key, so the prefix's own
// settings (which the end-to-end tests use) are never touched.
#include "settings/BarSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/Handles.h"
#include "settings/portable/SettingsValues.h"
#include "tests/support/IdListOfNames.h"
#include "tests/unit/support/ScratchRegistry.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr char kAppPath[] = "Software\\Veltmark\\Quorvane 1.5";

Bytes B(std::initializer_list<unsigned char> bytes) { return Bytes(bytes); }

qv::UniqueIdList ShellList(const Bytes& bytes) {
  qv::UniqueIdList list(
      static_cast<ITEMIDLIST*>(::CoTaskMemAlloc(bytes.size())));
  std::memcpy(list.get(), bytes.data(), bytes.size());
  return list;
}

Bytes FolderBytes(const CBarSettings& s, size_t i) {
  const ToolbarRecord& toolbar = s.m_toolbars[i];
  const auto* p = reinterpret_cast<const unsigned char*>(toolbar.folder.get());
  return Bytes(p, p + toolbar.FolderSize());
}

ToolbarInfo Info(int kind, std::vector<ButtonEntry> entries = {}) {
  return ToolbarInfo{kind, std::move(entries)};
}

void AddToolbar(CBarSettings& s, const std::string& name, UINT order,
                ToolbarInfo info) {
  ASSERT_EQ(1, s.AppendToolbar(
                   ShellList(testsupport::IdListOfNames({"Folder", name})),
                   order, std::move(info)));
}

// The registry's values, but the write of one value is refused: by its name,
// or by its number among the writes; and one value may be unreadable.
class RefusingStore : public CRegistryValueStore {
 public:
  RefusingStore(HKEY key, std::string refused)
      : CRegistryValueStore(key), m_refused(std::move(refused)) {}
  Found Read(const char* name, DWORD* type, Bytes* data) override {
    ++reads;
    return name == unreadable ? Found::kUnreadable
                              : CRegistryValueStore::Read(name, type, data);
  }
  bool Write(const char* name, DWORD type, const void* data,
             DWORD size) override {
    const int number = writes++;
    return name != m_refused && number != refusedWrite &&
           CRegistryValueStore::Write(name, type, data, size);
  }

  int refusedWrite = -1;   // from 0; -1 for none
  std::string unreadable;  // a value Read answers kUnreadable for
  int reads = 0;           // Read calls
  int writes = 0;          // Write calls, refused ones and put-backs too

 private:
  std::string m_refused;
};

std::string Name(void (*format)(char*, int), int index) {
  char name[128];
  format(name, index);
  return name;
}

// Settings unlike the defaults everywhere: three toolbars of every kind and
// two hidden types.
void Fill(CBarSettings& s) {
  s.m_nRows = 3;
  s.m_nColumns = 2;
  s.m_nAlignment = qv::Edge::Right;
  s.m_bAutoHide = 1;
  s.m_bSmallIcons = 0;
  s.m_bShowAllFiles = 1;
  s.m_nMaxChars = 12;
  s.m_nHorzScrollPos = -4;
  s.m_nVertScrollPos = 5;
  s.m_bBrowseSeparate = 1;
  s.m_bBrowseMenus = 1;
  s.m_bShowTabs = 0;
  s.m_nCurrentTab = 2;
  s.m_strMonitor = "\\\\.\\DISPLAY2";
  s.m_bFirstTime = 1;
  s.m_bAlwaysOnTop = 0;
  s.m_bAnimate = 0;
  s.m_bShowTitle = 0;
  s.m_nHotKey = 'K' | (HOTKEYF_SHIFT | HOTKEYF_ALT) << 8;
  AddToolbar(s, "Programs", 1, Info(qv::kKindNormal));
  AddToolbar(s, "Tools", 0,
             Info(qv::kKindCustom, {{qv::kEntryShownFile, "a.lnk"},
                                    {qv::kEntryNewLine, ""},
                                    {qv::kEntryHiddenFile, "b.txt"},
                                    {qv::kEntrySpace, ""}}));
  AddToolbar(s, "Browsed", 1,
             Info(qv::kKindBrowse, {{qv::kEntryShownFile, "shown.lnk"}}));
  s.m_hiddenTypes = {"txt\tText Document", "ini\tConfiguration Settings"};
}

// Everything the object holds, the infos as they are stored, for comparing
// two objects.
std::string Snapshot(const CBarSettings& s) {
  std::string out;
  for (long long option : std::initializer_list<long long>{
           s.m_nRows, s.m_nColumns, qv::EdgeNumber(s.m_nAlignment),
           s.m_bAutoHide, s.m_bSmallIcons, s.m_bShowAllFiles, s.m_nMaxChars,
           s.m_nHorzScrollPos, s.m_nVertScrollPos, s.m_bBrowseSeparate,
           s.m_bBrowseMenus, s.m_bShowTabs, s.m_nCurrentTab, s.m_bFirstTime,
           s.m_bAlwaysOnTop, s.m_bAnimate, s.m_bShowTitle, s.m_nHotKey})
    out += std::to_string(option) + ",";
  out += s.m_strMonitor;
  for (size_t i = 0; i < s.m_toolbars.size(); ++i) {
    const Bytes folder = FolderBytes(s, i);
    out += "|" + std::string(folder.begin(), folder.end()) + "/" +
           std::to_string(s.m_toolbars[i].sortOrder) + "/" +
           qv::FormatToolbarInfo(s.m_toolbars[i].info);
  }
  for (const std::string& type : s.m_hiddenTypes) out += "|" + type;
  return out;
}

class BarSettingsTest : public testing::Test {
 protected:
  // The tests delete keys under HKEY_CURRENT_USER: make sure it is the
  // scratch key (every real profile has Software\Microsoft).
  void SetUp() override {
    qv::UniqueHKey real;
    ASSERT_NE(ERROR_SUCCESS,
              ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft", 0,
                              KEY_READ, real.put()));
  }

  // The settings key (inside the scratch key), created when missing.
  HKEY AppKey() {
    if (!m_app) {
      EXPECT_EQ(
          ERROR_SUCCESS,
          ::RegCreateKeyExA(HKEY_CURRENT_USER, kAppPath, 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, m_app.put(), nullptr));
    }
    return m_app.get();
  }

  void Set(const std::string& name, DWORD type, const Bytes& data) {
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegSetValueExA(AppKey(), name.c_str(), 0, type, data.data(),
                               static_cast<DWORD>(data.size())));
  }
  void SetDword(const std::string& name, DWORD value) {
    Set(name, REG_DWORD, B({static_cast<unsigned char>(value), 0, 0, 0}));
  }
  void Delete(const std::string& name) {
    ASSERT_EQ(ERROR_SUCCESS, ::RegDeleteValueA(AppKey(), name.c_str()));
  }

  std::optional<Bytes> Get(const std::string& name, DWORD* type = nullptr) {
    DWORD size = 0;
    if (::RegQueryValueExA(AppKey(), name.c_str(), nullptr, type, nullptr,
                           &size) != ERROR_SUCCESS)
      return std::nullopt;
    Bytes data(size);
    ::RegQueryValueExA(AppKey(), name.c_str(), nullptr, type, data.data(),
                       &size);
    return data;
  }
  std::optional<DWORD> GetDword(const std::string& name) {
    std::optional<Bytes> data = Get(name);
    if (!data || data->size() != 4) return std::nullopt;
    DWORD value;
    std::memcpy(&value, data->data(), 4);
    return value;
  }

  // How many values and sub-keys `path` of the scratch key holds (-1 when
  // it is missing), so a test can see that nothing was written.
  std::pair<long, long> Contents(const char* path) {
    qv::UniqueHKey key;
    DWORD keys = 0, values = 0;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, key.put()) !=
            ERROR_SUCCESS ||
        ::RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &keys, nullptr,
                           nullptr, &values, nullptr, nullptr, nullptr,
                           nullptr) != ERROR_SUCCESS)
      return {-1, -1};
    return {keys, values};
  }

  // Every value of the settings key, by name: its type and data.
  using KeyValues = std::map<std::string, std::pair<DWORD, Bytes>>;
  KeyValues Values() {
    KeyValues all;
    for (DWORD i = 0;; ++i) {
      char name[256];
      DWORD nameSize = sizeof name, type = 0, size = 0;
      LONG status = ::RegEnumValueA(AppKey(), i, name, &nameSize, nullptr,
                                    &type, nullptr, &size);
      if (status == ERROR_NO_MORE_ITEMS) break;
      EXPECT_EQ(ERROR_SUCCESS, status);
      if (status != ERROR_SUCCESS) break;
      all[name] = {type, *Get(name)};
    }
    return all;
  }
  // Makes the settings key hold exactly `values`.
  void SetValues(const KeyValues& values) {
    for (const auto& value : Values()) Delete(value.first);
    for (const auto& [name, value] : values)
      Set(name, value.first, value.second);
  }

  // Saves a filled object: the stored key every load test starts from.
  void SaveFilled() {
    AppKey();
    CBarSettings saved;
    Fill(saved);
    ASSERT_EQ(1, saved.Save());
  }

  ScratchCurrentUser m_scratch{"Quorvane Settings Tests"};
  qv::UniqueHKey m_app;  // closed before the scratch key goes
};

TEST_F(BarSettingsTest, SaveWritesTheTableAndLoadReadsItBack) {
  CBarSettings saved;
  Fill(saved);
  AppKey();
  ASSERT_EQ(1, saved.Save());

  DWORD type = 0;
  EXPECT_EQ(3u, GetDword("No. of Folders"));
  EXPECT_EQ(2u, GetDword("No. of hidden types"));
  EXPECT_EQ(ABE_RIGHT, GetDword("Alignment"));
  EXPECT_EQ(static_cast<DWORD>(-4), GetDword("Horz Scroll Pos"));
  ASSERT_TRUE(Get("Rows", &type));
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
  EXPECT_EQ(testsupport::IdListOfNames({"Folder", "Tools"}),
            Get("Fldr   1", &type));
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
  EXPECT_EQ(B({'C', 0,   '*', 'a', '.', 'l', 'n', 'k',  0, '|', 0,
               ' ', 'b', '.', 't', 'x', 't', 0,   '\\', 0, 0}),
            Get("Toolbar Info   1", &type));
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
  // A browse toolbar's entries are for display only: 3 bytes.
  EXPECT_EQ(B({'B', 0, 0}), Get("Toolbar Info   2"));
  EXPECT_EQ(B({'N', 0, 0}), Get("Toolbar Info   0"));
  EXPECT_EQ(0u, GetDword("Fldr Ordr   1"));
  std::optional<Bytes> type0 = Get("FT   0", &type);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
  ASSERT_TRUE(type0);
  EXPECT_EQ(std::string("txt\tText Document", 18),
            std::string(type0->begin(), type0->end()));

  CBarSettings loaded;
  EXPECT_EQ(1, loaded.Load());
  EXPECT_EQ(Snapshot(saved), Snapshot(loaded));
  EXPECT_EQ(2, loaded.FindBrowseToolbar());
}

TEST_F(BarSettingsTest, MissingKeyLevelChangesNothing) {
  // The scratch key stands for HKEY_CURRENT_USER: "Software" missing, then
  // "Veltmark", then "Quorvane 1.5".
  for (const char* present : {"", "Software", "Software\\Veltmark"}) {
    SCOPED_TRACE(present);
    if (*present) {
      qv::UniqueHKey key;
      ASSERT_EQ(ERROR_SUCCESS,
                ::RegCreateKeyExA(HKEY_CURRENT_USER, present, 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, key.put(), nullptr));
    }
    const auto before = Contents("");
    const auto beforeDeepest = Contents(present);

    CBarSettings filled, reference;
    Fill(filled);
    Fill(reference);
    EXPECT_EQ(0, filled.Load());
    EXPECT_EQ(Snapshot(reference), Snapshot(filled));
    EXPECT_EQ(0, filled.Save());
    EXPECT_EQ(0, filled.Save(qv::SettingsWrite::Options({qv::kOptRows})));
    EXPECT_EQ(before, Contents(""));
    EXPECT_EQ(beforeDeepest, Contents(present));
  }
}

TEST_F(BarSettingsTest, CreateKeyIfMissingOnlyCreatesAMissingKey) {
  for (const char* present : {"", "Software", "Software\\Veltmark"}) {
    SCOPED_TRACE(present);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software");
    if (*present) {
      qv::UniqueHKey key;
      ASSERT_EQ(ERROR_SUCCESS,
                ::RegCreateKeyExA(HKEY_CURRENT_USER, present, 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, key.put(), nullptr));
    }
    m_app.reset();
    EXPECT_EQ(1, CBarSettings::CreateKeyIfMissing());
    EXPECT_EQ(std::make_pair(0L, 1L), Contents(kAppPath));
    EXPECT_EQ(1u, GetDword("First Time"));

    // A fresh key loads "First Time" and stops at the first missing option.
    CBarSettings fresh;
    EXPECT_EQ(0, fresh.Load());
    EXPECT_TRUE(fresh.m_bFirstTime);
    EXPECT_EQ(qv::Edge::Top, fresh.m_nAlignment);
  }

  SetDword("First Time", 0);
  EXPECT_EQ(0, CBarSettings::CreateKeyIfMissing());
  EXPECT_EQ(0u, GetDword("First Time"));
}

TEST_F(BarSettingsTest, MissingOptionKeepsTheRest) {
  SaveFilled();
  Delete("Show Title");

  CBarSettings s;
  AddToolbar(s, "Kept", 4, Info(qv::kKindNormal));
  s.m_hiddenTypes = {"bak\tBackup"};
  s.m_nMaxChars = 99;
  EXPECT_EQ(0, s.Load());
  // "First Time" to "Animate" are read...
  EXPECT_TRUE(s.m_bFirstTime);
  EXPECT_EQ(qv::Edge::Right, s.m_nAlignment);
  EXPECT_EQ(3, s.m_nRows);
  EXPECT_EQ(0u, s.m_bAnimate);
  // ...the rest keep what they held.
  EXPECT_TRUE(s.m_bShowTitle);
  EXPECT_EQ(99, s.m_nMaxChars);
  EXPECT_EQ(0u, s.m_bShowAllFiles);
  ASSERT_EQ(1u, s.m_toolbars.size());
  EXPECT_EQ(4u, s.m_toolbars[0].sortOrder);
  EXPECT_EQ(std::vector<std::string>{"bak\tBackup"}, s.m_hiddenTypes);
}

TEST_F(BarSettingsTest, KeyWithoutAHotKeyOrWithALoneLetterLoadsTheDefault) {
  SaveFilled();
  Delete("Hot Key");
  CBarSettings s;
  EXPECT_EQ(1, s.Load());
  EXPECT_EQ(CBarSettings::kDefaultHotKey, s.m_nHotKey);
  EXPECT_EQ(3u, s.m_toolbars.size());

  SetDword("Hot Key", 'A');
  CBarSettings letter;
  EXPECT_EQ(1, letter.Load());
  EXPECT_EQ(CBarSettings::kDefaultHotKey, letter.m_nHotKey);
}

TEST_F(BarSettingsTest, KeyWithoutBrowseMenusBrowsesAsItSays) {
  SaveFilled();
  EXPECT_EQ(1u, GetDword("Browse Menus"));
  Delete("Browse Menus");
  CBarSettings s;
  EXPECT_EQ(1, s.Load());
  EXPECT_FALSE(s.m_bBrowseMenus);
  EXPECT_TRUE(s.m_bBrowseSeparate);

  SetDword("Browse Menus", 7);  // any value but 0 is on
  EXPECT_EQ(1, s.Load());
  EXPECT_TRUE(s.m_bBrowseMenus);
}

TEST_F(BarSettingsTest, NoToolbarsWithHiddenTypes) {
  SaveFilled();
  SetDword("No. of Folders", 0);

  CBarSettings s;
  AddToolbar(s, "Dropped", 1, Info(qv::kKindNormal));
  EXPECT_EQ(1, s.Load());
  EXPECT_TRUE(s.m_toolbars.empty());
  EXPECT_EQ(-1, s.FindBrowseToolbar());
  EXPECT_EQ((std::vector<std::string>{"txt\tText Document",
                                      "ini\tConfiguration Settings"}),
            s.m_hiddenTypes);
}

TEST_F(BarSettingsTest, SavingFewerToolbarsDeletesTheirValues) {
  CBarSettings s;
  for (int i = 0; i < 5; ++i)
    AddToolbar(s, "T" + std::to_string(i), 1, Info(qv::kKindNormal));
  s.m_hiddenTypes = {"a\tA", "b\tB"};
  AppKey();
  ASSERT_EQ(1, s.Save());

  s.RemoveToolbar(1);
  s.RemoveToolbar(3);
  s.RemoveToolbar(7);  // no such toolbar: nothing happens
  s.m_hiddenTypes.pop_back();
  ASSERT_EQ(1, s.Save());

  EXPECT_EQ(3u, GetDword("No. of Folders"));
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(i < 3, Get(Name(qv::FolderValueName, i)).has_value()) << i;
    EXPECT_EQ(i < 3, Get(Name(qv::ToolbarInfoValueName, i)).has_value()) << i;
    EXPECT_EQ(i < 3, Get(Name(qv::FolderOrderValueName, i)).has_value()) << i;
  }
  EXPECT_EQ(testsupport::IdListOfNames({"Folder", "T2"}), Get("Fldr   1"));
  EXPECT_EQ(1u, GetDword("No. of hidden types"));
  EXPECT_FALSE(Get(Name(qv::FileTypeValueName, 1)));
}

TEST_F(BarSettingsTest, SaveRefusedPartWayPutsBackWhatItWrote) {
  SaveFilled();
  Delete("Hot Key");  // an older key: the value is new to it
  const KeyValues before = Values();

  // Two new toolbars and one hidden type; the second toolbar's info is
  // refused, after its folder was written.
  CBarSettings s;
  AddToolbar(s, "New0", 1, Info(qv::kKindNormal));
  AddToolbar(s, "New1", 1, Info(qv::kKindNormal));
  s.m_hiddenTypes = {"new\tNew"};
  RefusingStore store(AppKey(), Name(qv::ToolbarInfoValueName, 1));
  EXPECT_EQ(0, s.Save(store));

  // Index 1 holds its old folder with its old info and order; so does
  // everything else, and the value that was not there is gone again.
  EXPECT_EQ(testsupport::IdListOfNames({"Folder", "Tools"}),
            Get(Name(qv::FolderValueName, 1)));
  EXPECT_EQ(0u, GetDword(Name(qv::FolderOrderValueName, 1)));
  std::optional<Bytes> info = Get(Name(qv::ToolbarInfoValueName, 1));
  ASSERT_TRUE(info);
  EXPECT_EQ('C', (*info)[0]);
  EXPECT_FALSE(Get("Hot Key"));
  EXPECT_EQ(before, Values());

  CBarSettings after, reference;
  Fill(reference);
  reference.m_nHotKey = CBarSettings::kDefaultHotKey;
  EXPECT_EQ(1, after.Load());
  EXPECT_EQ(Snapshot(reference), Snapshot(after));
}

// Whichever write of a save is refused, the key is left as it was: every
// value the save had written before it is put back, or removed again when
// it was not there.
TEST_F(BarSettingsTest, EveryWriteRefusedLeavesTheKeyAsItWas) {
  SaveFilled();
  Delete("Hot Key");
  Delete("Monitor");
  const KeyValues before = Values();

  // Four toolbars over three (the fourth's values are new), the first two
  // swapped; three hidden types over two.
  CBarSettings s;
  ASSERT_EQ(1, s.Load());
  std::swap(s.m_toolbars[0], s.m_toolbars[1]);
  AddToolbar(s, "Fourth", 0, Info(qv::kKindNormal));
  s.m_hiddenTypes.push_back("bak\tBackup");
  s.m_strMonitor = "\\\\.\\DISPLAY3";
  s.m_nRows = 6;

  const qv::SettingsWrite saves[] = {
      qv::SettingsWrite::All(),
      qv::SettingsWrite::Toolbars(0),
      qv::SettingsWrite::OneToolbar(
          1, qv::SettingsWrite::kFolder | qv::SettingsWrite::kOrder),
      qv::SettingsWrite::Options({qv::kOptRows, qv::kOptCurrentTab}),
  };
  for (const qv::SettingsWrite& what : saves) {
    RefusingStore counted(AppKey(), "");
    ASSERT_EQ(1, s.Save(counted, what));
    const int writes = counted.writes;
    ASSERT_GT(writes, 1);
    for (int refused = 0; refused < writes; ++refused) {
      SCOPED_TRACE("write " + std::to_string(refused) + " of " +
                   std::to_string(writes));
      SetValues(before);
      RefusingStore store(AppKey(), "");
      store.refusedWrite = refused;
      EXPECT_EQ(0, s.Save(store, what));
      // Every write up to the refused one was read first, but the last.
      EXPECT_EQ(std::min(refused + 1, writes - 1), store.reads);
      EXPECT_EQ(before, Values());
    }
  }
}

TEST_F(BarSettingsTest, ValueThatCannotBeReadEndsTheSaveBeforeItsWrite) {
  SaveFilled();
  const KeyValues before = Values();
  CBarSettings s;
  AddToolbar(s, "New0", 1, Info(qv::kKindNormal));
  AddToolbar(s, "New1", 1, Info(qv::kKindNormal));
  RefusingStore store(AppKey(), "");
  store.unreadable = Name(qv::FolderValueName, 1);
  EXPECT_EQ(0, s.Save(store));
  EXPECT_EQ(before, Values());
}

TEST_F(BarSettingsTest, SaveOfOneValueReadsNothing) {
  SaveFilled();
  CBarSettings s;
  ASSERT_EQ(1, s.Load());
  s.m_nCurrentTab = 1;
  RefusingStore one(AppKey(), "");
  EXPECT_EQ(1, s.Save(one, qv::SettingsWrite::Options({qv::kOptCurrentTab})));
  EXPECT_EQ(0, one.reads);
  EXPECT_EQ(1, one.writes);
  EXPECT_EQ(1u, GetDword("Current Tab"));

  // With two, only the first is read: nothing after the last can fail.
  s.m_nRows = 4;
  RefusingStore two(AppKey(), "");
  EXPECT_EQ(1, s.Save(two, qv::SettingsWrite::Options(
                               {qv::kOptRows, qv::kOptCurrentTab})));
  EXPECT_EQ(1, two.reads);
  EXPECT_EQ(4u, GetDword("Rows"));
}

TEST_F(BarSettingsTest, PartialSaveWritesOnlyTheNamedValues) {
  SaveFilled();
  CBarSettings s;
  ASSERT_EQ(1, s.Load());
  s.m_nHorzScrollPos = 7;
  s.m_nVertScrollPos = 9;
  s.m_nRows = 5;
  s.RemoveToolbar(0);
  ASSERT_EQ(1, s.Save(qv::SettingsWrite::Options(
                   {qv::kOptHorzScrollPos, qv::kOptVertScrollPos})));
  EXPECT_EQ(7u, GetDword("Horz Scroll Pos"));
  EXPECT_EQ(9u, GetDword("Vert Scroll Pos"));
  EXPECT_EQ(3u, GetDword("Rows"));
  EXPECT_EQ(3u, GetDword("No. of Folders"));
}

TEST_F(BarSettingsTest, CopyToMakesAnIndependentDeepCopy) {
  CBarSettings source, target;
  Fill(source);
  AddToolbar(target, "Replaced", 1, Info(qv::kKindNormal));
  target.m_hiddenTypes = {"old\tOld"};
  ASSERT_EQ(1, source.CopyTo(target));

  CBarSettings reference;
  Fill(reference);
  EXPECT_EQ(Snapshot(reference), Snapshot(target));
  ASSERT_EQ(3u, target.m_toolbars.size());
  EXPECT_EQ(4u, target.m_toolbars[1].info.entries.size());
  EXPECT_EQ(1u, target.m_toolbars[2].info.entries.size());

  // Changing every part of the source leaves the copy alone.
  reinterpret_cast<unsigned char*>(source.m_toolbars[0].folder.get())[2] = 'X';
  source.m_toolbars[1].info.entries[0].name = "changed.lnk";
  source.m_toolbars[1].info.kind = qv::kKindNormal;
  source.m_hiddenTypes[0] = "changed";
  source.m_nRows = 9;
  source.RemoveToolbar(2);
  EXPECT_EQ(Snapshot(reference), Snapshot(target));

  // Copying onto itself keeps everything.
  ASSERT_EQ(1, target.CopyTo(target));
  EXPECT_EQ(Snapshot(reference), Snapshot(target));
}

// A malformed toolbar value ends the load there: the toolbars before it stay
// and nothing is read past a value.
TEST_F(BarSettingsTest, MalformedToolbarStopsTheLoad) {
  struct Case {
    const char* what;
    std::string name;
    DWORD type;
    Bytes data;
  };
  const Bytes longItem = {9, 0, 'a', 'b', 0, 0};  // count runs past the end
  const std::vector<Case> cases = {
      {"kind X", Name(qv::ToolbarInfoValueName, 1), REG_BINARY, B({'X', 0, 0})},
      {"kind b", Name(qv::ToolbarInfoValueName, 1), REG_BINARY, B({'b', 0, 0})},
      {"empty info", Name(qv::ToolbarInfoValueName, 1), REG_BINARY, {}},
      {"info without its final zeros", Name(qv::ToolbarInfoValueName, 1),
       REG_BINARY, B({'C', 0, '*', 'a', '.', 'l', 'n', 'k'})},
      {"item count past the end", Name(qv::FolderValueName, 1), REG_BINARY,
       longItem},
      {"list without terminator", Name(qv::FolderValueName, 1), REG_BINARY,
       B({4, 0, 'a', 'b', 0})},
      {"empty folder", Name(qv::FolderValueName, 1), REG_BINARY, {}},
      {"short sort order", Name(qv::FolderOrderValueName, 1), REG_BINARY,
       B({1, 0})},
      {"long sort order", Name(qv::FolderOrderValueName, 1), REG_BINARY,
       B({1, 0, 0, 0, 0})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SaveFilled();
    Set(c.name, c.type, c.data);

    CBarSettings s;
    s.m_hiddenTypes = {"old\tOld"};
    EXPECT_EQ(0, s.Load());
    ASSERT_EQ(1u, s.m_toolbars.size());
    EXPECT_EQ(testsupport::IdListOfNames({"Folder", "Programs"}),
              FolderBytes(s, 0));
    EXPECT_TRUE(s.m_hiddenTypes.empty());
  }

  // A missing value stops it the same way.
  SaveFilled();
  Delete(Name(qv::FolderOrderValueName, 2));
  CBarSettings s;
  EXPECT_EQ(0, s.Load());
  EXPECT_EQ(2u, s.m_toolbars.size());
}

TEST_F(BarSettingsTest, MalformedOptionsAndHiddenTypes) {
  // A DWORD shorter than 4 bytes is refused like a longer one: the field
  // keeps its value (no half-written number) and the load ends there.
  SaveFilled();
  Set("Rows", REG_BINARY, B({7, 0}));
  CBarSettings s;
  s.m_nRows = 0x01020304;
  EXPECT_EQ(0, s.Load());
  EXPECT_EQ(2, s.m_nColumns);
  EXPECT_EQ(0x01020304, s.m_nRows);
  EXPECT_EQ(0, s.m_nCurrentTab);

  // An alignment past the four edges is the bottom.
  SaveFilled();
  SetDword("Alignment", 7);
  CBarSettings pastTheEdges;
  EXPECT_EQ(1, pastTheEdges.Load());
  EXPECT_EQ(qv::Edge::Bottom, pastTheEdges.m_nAlignment);

  // The type of a 4-byte option is not checked.
  SaveFilled();
  Set("Rows", REG_BINARY, B({7, 0, 0, 0}));
  CBarSettings binary;
  EXPECT_EQ(1, binary.Load());
  EXPECT_EQ(7, binary.m_nRows);

  // A hidden type stored without its zero byte keeps its text; one longer
  // than 128 bytes ends the load with those before it kept.
  SaveFilled();
  const std::string text = "log\tLog File";
  Set(Name(qv::FileTypeValueName, 0), REG_BINARY,
      Bytes(text.begin(), text.end()));
  CBarSettings unterminated;
  EXPECT_EQ(1, unterminated.Load());
  EXPECT_EQ((std::vector<std::string>{text, "ini\tConfiguration Settings"}),
            unterminated.m_hiddenTypes);

  SaveFilled();
  Bytes tooLong(200, 'x');
  tooLong.push_back(0);
  Set(Name(qv::FileTypeValueName, 0), REG_SZ, tooLong);
  CBarSettings longType;
  EXPECT_EQ(0, longType.Load());
  EXPECT_TRUE(longType.m_hiddenTypes.empty());
  EXPECT_EQ(3u, longType.m_toolbars.size());
  Set(Name(qv::FileTypeValueName, 0), REG_SZ, B({'a', '\t', 'A', 0}));
  Set(Name(qv::FileTypeValueName, 1), REG_SZ, tooLong);
  EXPECT_EQ(0, longType.Load());
  EXPECT_EQ(std::vector<std::string>{"a\tA"}, longType.m_hiddenTypes);
}

TEST_F(BarSettingsTest, FolderKeepsOnlyItsListBytes) {
  // Bytes after the list's terminator are not part of the folder.
  SaveFilled();
  Bytes padded = testsupport::IdListOfNames({"Folder", "Tools"});
  padded.insert(padded.end(), {0xde, 0xad});
  Set(Name(qv::FolderValueName, 1), REG_BINARY, padded);
  CBarSettings s;
  EXPECT_EQ(1, s.Load());
  EXPECT_EQ(testsupport::IdListOfNames({"Folder", "Tools"}), FolderBytes(s, 1));
}

}  // namespace
