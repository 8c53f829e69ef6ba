// tests/fuzz/SettingsFuzz.cpp: the fuzz target over everything that parses
// stored settings: the load itself (qv::ReadStoredSettings, which
// CBarSettings::Load uses) over a fake registry key, the toolbar-info format,
// identifier lists and hidden types, and what the bar makes of the values
// loaded. Built with libFuzzer under clang, or driven by SeededDriver.cpp.
//
// The input edits a well-formed stored key, record by record:
//   byte s, then for s < 0x80: byte n, then n bytes: value (s % names) is
//   set to those bytes (fewer when the input ends first);
//   s >= 0x80: value ((s & 0x7f) % names) is removed.
// Every record's bytes also go through each decoder on their own.
//
// Besides the sanitizers' findings, the target aborts when what a load
// yields is not a bar on screen and usable: see CheckShown and CheckLoaded.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bar/portable/BarGeometry.h"
#include "customize/portable/HiddenTypeList.h"
#include "settings/portable/Edge.h"
#include "settings/portable/SettingsValues.h"
#include "settings/portable/StoredSettings.h"
#include "settings/portable/ToolbarInfo.h"
#include "settings/portable/ToolbarLabel.h"
#include "shell/portable/IdListBytes.h"
#include "tests/support/IdListOfNames.h"
#include "toolbar/portable/EntrySync.h"
#include "toolbar/portable/PaneScroll.h"

namespace {

using Bytes = std::vector<unsigned char>;

#define FUZZ_CHECK(cond)                                                    \
  do {                                                                      \
    if (!(cond)) {                                                          \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, \
                   #cond);                                                  \
      std::abort();                                                         \
    }                                                                       \
  } while (0)

// The toolbars and hidden types a record can name: indexes 0 to 3.
constexpr int kIndexes = 4;

std::string Indexed(void (*format)(char*, int), int index) {
  char name[qv::kValueNameSize];
  format(name, index);
  return name;
}

// Every value name a record can set or remove.
const std::vector<std::string>& Names() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n(qv::kOptionNames,
                               qv::kOptionNames + qv::kOptionCount);
    n.push_back(qv::kFolderCountName);
    n.push_back(qv::kHiddenTypeCountName);
    n.push_back(qv::kBrowseMenusName);
    for (int i = 0; i < kIndexes; ++i) {
      n.push_back(Indexed(qv::FolderValueName, i));
      n.push_back(Indexed(qv::ToolbarInfoValueName, i));
      n.push_back(Indexed(qv::FolderOrderValueName, i));
      n.push_back(Indexed(qv::FileTypeValueName, i));
    }
    return n;
  }();
  return names;
}

Bytes Dword(std::uint32_t v) {
  return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
          static_cast<unsigned char>(v >> 16),
          static_cast<unsigned char>(v >> 24)};
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// The fake key: values by name.
class FakeKey : public qv::StoredValues {
 public:
  bool Read(const char* name, Bytes& data) override {
    auto found = values.find(name);
    if (found == values.end()) return false;
    data = found->second;
    return true;
  }
  std::map<std::string, Bytes> values;
};

// The key a saved default bar leaves, with three toolbars (one of each kind)
// and two hidden types.
FakeKey BaseKey() {
  FakeKey key;
  auto& v = key.values;
  const std::uint32_t options[qv::kOptionCount] = {0, 1, 0, 0, 1, 1, 0, 1,
                                                   1, 1, 1, 1, 0, 0, 0, 0};
  for (int i = 0; i < qv::kOptionCount; ++i)
    v[qv::kOptionNames[i]] = Dword(options[i]);
  v[qv::kBrowseMenusName] = Dword(0);
  v[qv::kFolderCountName] = Dword(3);
  v[Indexed(qv::FolderValueName, 0)] =
      testsupport::IdListOfNames({"Desktop", "Programs"});
  v[Indexed(qv::FolderValueName, 1)] =
      testsupport::IdListOfNames({"Desktop", "Tools"});
  v[Indexed(qv::FolderValueName, 2)] = testsupport::IdListOfNames({});
  v[Indexed(qv::ToolbarInfoValueName, 0)] = Bytes{'N', 0, 0};
  v[Indexed(qv::ToolbarInfoValueName, 1)] =
      Text(std::string("C\0*a.lnk\0|\0 b.txt\0\\\0\0", 21));
  v[Indexed(qv::ToolbarInfoValueName, 2)] = Bytes{'B', 0, 0};
  for (int i = 0; i < 3; ++i)
    v[Indexed(qv::FolderOrderValueName, i)] = Dword(i == 1 ? 0 : 1);
  v[qv::kHiddenTypeCountName] = Dword(2);
  v[Indexed(qv::FileTypeValueName, 0)] =
      Text(std::string("txt\tText Document", 18));
  v[Indexed(qv::FileTypeValueName, 1)] =
      Text(std::string("ini\tConfiguration Settings", 27));
  return key;
}

void* Calloc(size_t size) { return std::calloc(1, size); }

// A trusted list's walkers over the list a stored value validated, copied
// to a block of exactly its size so that any read past it is caught.
void WalkList(const unsigned char* data, size_t length) {
  const size_t size = qv::ValidIdListSize(data, length);
  FUZZ_CHECK(size <= length);
  if (size == 0) return;
  FUZZ_CHECK(size >= qv::kIdListTerminatorSize);
  std::vector<unsigned char> exact(data, data + size);
  const unsigned char* list = exact.data();
  FUZZ_CHECK(qv::IdListBytesSize(list) == size);

  auto* parent =
      static_cast<unsigned char*>(qv::CopyParentIdListBytes(list, Calloc));
  if (parent) {
    FUZZ_CHECK(qv::IdListBytesSize(parent) < size);
    std::free(parent);
  }
  auto* last =
      static_cast<unsigned char*>(qv::CopyLastItemIdBytes(list, Calloc));
  if (last) {
    FUZZ_CHECK(qv::IdListBytesSize(last) <= size);
    auto* joined = qv::ConcatIdListBytes(list, last, Calloc);
    FUZZ_CHECK(joined != nullptr);
    FUZZ_CHECK(qv::IdListBytesSize(joined) ==
               size + qv::IdListBytesSize(last) - qv::kIdListTerminatorSize);
    std::free(joined);
    std::free(last);
  }
}

// A parsed toolbar info is one the format can hold, and it is stored and
// read back the same.
void CheckInfo(const ToolbarInfo& info) {
  FUZZ_CHECK(info.kind == qv::kKindBrowse || info.kind == qv::kKindCustom ||
             info.kind == qv::kKindNormal);
  if (info.kind != qv::kKindCustom) FUZZ_CHECK(info.entries.empty());
  for (const ButtonEntry& e : info.entries) {
    FUZZ_CHECK(e.type >= qv::kEntrySpace && e.type <= qv::kEntryNewLine);
    FUZZ_CHECK(e.name.find('\0') == std::string::npos);
    if (e.type == qv::kEntrySpace || e.type == qv::kEntryNewLine)
      FUZZ_CHECK(e.name.empty());
  }
  const std::string stored = qv::FormatToolbarInfo(info);
  const std::optional<ToolbarInfo> again =
      qv::ParseToolbarInfo(stored.data(), stored.size());
  FUZZ_CHECK(again.has_value());
  FUZZ_CHECK(again->kind == info.kind);
  FUZZ_CHECK(again->entries.size() == info.entries.size());
  for (size_t i = 0; i < info.entries.size(); ++i) {
    FUZZ_CHECK(again->entries[i].type == info.entries[i].type);
    FUZZ_CHECK(again->entries[i].name == info.entries[i].name);
  }
}

// Each decoder over one record's bytes on their own.
void DecodeAlone(const unsigned char* data, size_t length) {
  // Exactly `length` bytes on the heap: a read past them is caught.
  std::vector<unsigned char> exact(data, data + length);
  const unsigned char* p = exact.data();

  std::uint32_t dword = 0xabcdef01;
  if (!qv::DecodeDword(p, length, &dword)) FUZZ_CHECK(dword == 0xabcdef01);

  std::string text = "kept";
  if (qv::DecodeHiddenType(p, length, &text)) {
    FUZZ_CHECK(length <= qv::kHiddenTypeValueSize);
    FUZZ_CHECK(text.size() <= length);
    FUZZ_CHECK(text.find('\0') == std::string::npos);
  } else {
    FUZZ_CHECK(text == "kept");
  }

  const std::optional<ToolbarInfo> info =
      qv::ParseToolbarInfo(reinterpret_cast<const char*>(p), length);
  if (info) CheckInfo(*info);

  WalkList(p, length);
}

// The options as the bar holds them after a load: its defaults, then the
// options read.
struct Shown {
  std::uint32_t options[qv::kOptionCount];
};

Shown Overlay(const qv::StoredSettings& s) {
  // CBarSettings' defaults, by StoredOption.
  Shown o{{0, 1, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0}};
  for (int i = 0; i < s.optionsRead; ++i) o.options[i] = s.options[i];
  return o;
}

int AsInt(std::uint32_t v) {
  int i;
  std::memcpy(&i, &v, sizeof i);
  return i;
}

// The bar the loaded options make, laid out as CBarWindow does on a range of
// screens, icon sizes and fonts, is on screen and usable: at least one row
// or column of buttons, the bar no thicker than half the screen, a button no
// wider than the room the bar has for it.
void CheckShown(const Shown& o) {
  const std::uint32_t alignment = o.options[qv::kOptAlignment];
  FUZZ_CHECK(alignment <= qv::EdgeNumber(qv::Edge::Bottom));
  const qv::Edge edge = qv::EdgeFromNumber(alignment);
  const bool vertical = qv::IsVertical(edge);
  const bool tabs = o.options[qv::kOptShowTabs] == 1;
  const int maxChars = AsInt(o.options[qv::kOptMaxChars]);
  const int storedCells =
      AsInt(o.options[vertical ? qv::kOptColumns : qv::kOptRows]);

  struct Screen {
    int width, height;
  };
  for (Screen screen : {Screen{640, 480}, Screen{1024, 768}, Screen{1920, 1080},
                        Screen{3840, 2160}, Screen{768, 1366}}) {
    qv::BarMetrics m;
    m.screenWidth = screen.width;
    m.screenHeight = screen.height;
    for (int icon : {16, 32}) {
      for (int charWidth : {0, 6, 9}) {
        // CBarWindow::UpdateButtonSize.
        const int fixed = icon + 8;
        const int room = qv::ButtonRoom(edge, tabs, m);
        const int chars = qv::ShownMaxChars(maxChars, fixed, charWidth, room);
        FUZZ_CHECK(chars >= 0);
        if (charWidth > 0) {
          FUZZ_CHECK(chars <= maxChars || chars == 0);
          FUZZ_CHECK(chars <= (room - fixed) / charWidth || chars == 0);
        }
        const long long cx = fixed + static_cast<long long>(chars) * charWidth;
        FUZZ_CHECK(cx <= std::max(room, fixed));
        const int cy = icon + 6;

        // CBarWindow::ShownCells and LayoutBar.
        const int cell = static_cast<int>(vertical ? cx : cy);
        const int cells = qv::ShownCells(edge, cell, storedCells, tabs, m);
        FUZZ_CHECK(cells >= 1);
        const int thickness = qv::BarThickness(edge, cell, cells, tabs, m);
        FUZZ_CHECK(thickness > 0);
        FUZZ_CHECK(thickness <=
                   (vertical ? m.screenWidth : m.screenHeight) / 2);

        // The pane's scrolling from the stored position (ToolbarPane's
        // Place, then a scroll step). Without overflow the stored
        // position stays as loaded.
        const int pane = qv::PaneThickness(edge, cell, cells, m);
        const int saved = AsInt(o.options[vertical ? qv::kOptHorzScrollPos
                                                   : qv::kOptVertScrollPos]);
        for (int lines : {0, 1, cells, cells + 1, 1000}) {
          const qv::PaneScrollPlan plan =
              qv::PlanPaneScroll(pane, cell, 3, lines, saved);
          if (plan.overflow) {
            FUZZ_CHECK(plan.rangeMax > 0 && plan.rangeMax < lines);
            FUZZ_CHECK(plan.position >= 0 && plan.position < lines);
          }
          for (int code = qv::kScrollLineUp; code <= qv::kScrollEnd; ++code) {
            const int thumb = plan.overflow ? plan.position : 0;
            qv::StepPaneScroll(code, thumb, plan.position, lines, 3, cell, 3,
                               pane, lines * (cell + 3));
          }
        }
      }
    }
  }
}

// What a load yields holds together, and the bar's code that takes it in
// takes it without fault.
void CheckLoaded(const qv::StoredSettings& s) {
  FUZZ_CHECK(s.optionsRead >= 0 && s.optionsRead <= qv::kOptionCount);
  if (s.optionsRead > qv::kOptAlignment)
    FUZZ_CHECK(s.options[qv::kOptAlignment] <=
               qv::EdgeNumber(qv::Edge::Bottom));
  // Every flag is 0 or 1: the bar's menus, drawing and toggles agree on it.
  for (int i = 0; i < s.optionsRead; ++i) {
    switch (i) {
      case qv::kOptFirstTime:
      case qv::kOptBrowseSeparate:
      case qv::kOptAutoHide:
      case qv::kOptShowTabs:
      case qv::kOptSmallIcons:
      case qv::kOptAlwaysOnTop:
      case qv::kOptAnimate:
      case qv::kOptShowTitle:
      case qv::kOptShowAllFiles:
        FUZZ_CHECK(s.options[i] <= 1);
        break;
      default:
        break;
    }
  }
  FUZZ_CHECK(s.browseMenus <= 1);
  if (s.listsRead) FUZZ_CHECK(s.optionsRead == qv::kOptionCount);
  if (!s.listsRead) FUZZ_CHECK(s.toolbars.empty() && s.hiddenTypes.empty());
  if (s.complete) FUZZ_CHECK(s.listsRead);
  FUZZ_CHECK(s.toolbars.size() <= kIndexes);
  FUZZ_CHECK(s.hiddenTypes.size() <= kIndexes);

  for (const qv::StoredToolbar& t : s.toolbars) {
    FUZZ_CHECK(qv::ValidIdListSize(t.folder.data(), t.folder.size()) ==
               t.folder.size());
    WalkList(t.folder.data(), t.folder.size());
    CheckInfo(t.info);
    (void)qv::ToolbarLabel("Folder", false, t.info);
    std::vector<ButtonEntry> entries = t.info.entries;
    qv::SyncEntries(entries, {"a.lnk", "B.TXT", "new.lnk"});
  }
  for (const std::string& type : s.hiddenTypes) {
    FUZZ_CHECK(type.size() < qv::kHiddenTypeValueSize);  // saved with its zero
    FUZZ_CHECK(type.find('\0') == std::string::npos);
  }
  for (const char* name : {"a.txt", "b.TXT", "noext", ".ini", "x.html", ""})
    (void)qv::IsHiddenTypeName(name, s.hiddenTypes);
  qv::HiddenTypeList list(s.hiddenTypes);
  list.Add(qv::MakeHiddenType("txt", "Text"));
  list.Remove(0);

  // "Current Tab" as the bar shows it names a toolbar when there is one.
  const int count = static_cast<int>(s.toolbars.size());
  const Shown o = Overlay(s);
  const int tab =
      qv::ShownCurrentTab(AsInt(o.options[qv::kOptCurrentTab]), count);
  if (count > 0) FUZZ_CHECK(tab >= 0 && tab < count);

  CheckShown(o);
}

// What a complete load yields, saved as CBarSettings::Save stores it, loads
// the same.
void CheckSavedAgain(const qv::StoredSettings& s) {
  if (!s.complete) return;
  FakeKey key;
  auto& v = key.values;
  for (int i = 0; i < qv::kOptionCount; ++i)
    v[qv::kOptionNames[i]] = Dword(s.options[i]);
  v[qv::kBrowseMenusName] = Dword(s.browseMenus);
  v[qv::kFolderCountName] =
      Dword(static_cast<std::uint32_t>(s.toolbars.size()));
  for (size_t i = 0; i < s.toolbars.size(); ++i) {
    const int n = static_cast<int>(i);
    v[Indexed(qv::FolderValueName, n)] = s.toolbars[i].folder;
    v[Indexed(qv::ToolbarInfoValueName, n)] =
        Text(qv::FormatToolbarInfo(s.toolbars[i].info));
    v[Indexed(qv::FolderOrderValueName, n)] = Dword(s.toolbars[i].sortOrder);
  }
  v[qv::kHiddenTypeCountName] =
      Dword(static_cast<std::uint32_t>(s.hiddenTypes.size()));
  for (size_t j = 0; j < s.hiddenTypes.size(); ++j) {
    Bytes text = Text(s.hiddenTypes[j]);
    text.push_back(0);
    v[Indexed(qv::FileTypeValueName, static_cast<int>(j))] = text;
  }

  const qv::StoredSettings again = qv::ReadStoredSettings(key);
  FUZZ_CHECK(again.complete);
  FUZZ_CHECK(again.options == s.options);
  FUZZ_CHECK(again.browseMenus == s.browseMenus);
  FUZZ_CHECK(again.hiddenTypes == s.hiddenTypes);
  FUZZ_CHECK(again.toolbars.size() == s.toolbars.size());
  for (size_t i = 0; i < s.toolbars.size(); ++i) {
    FUZZ_CHECK(again.toolbars[i].folder == s.toolbars[i].folder);
    FUZZ_CHECK(again.toolbars[i].sortOrder == s.toolbars[i].sortOrder);
    FUZZ_CHECK(qv::FormatToolbarInfo(again.toolbars[i].info) ==
               qv::FormatToolbarInfo(s.toolbars[i].info));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::vector<std::string>& names = Names();
  FakeKey key = BaseKey();
  size_t at = 0;
  while (at < size) {
    const unsigned selector = data[at++];
    if (selector >= 0x80) {
      key.values.erase(names[(selector & 0x7f) % names.size()]);
      continue;
    }
    const std::string& name = names[selector % names.size()];
    size_t length = at < size ? data[at++] : 0;
    length = std::min(length, size - at);
    DecodeAlone(data + at, length);
    key.values[name] = Bytes(data + at, data + at + length);
    at += length;
  }

  const qv::StoredSettings loaded = qv::ReadStoredSettings(key);
  CheckLoaded(loaded);
  CheckSavedAgain(loaded);
  return 0;
}
