// tests/unit/ToolbarFollowTest.cpp: the bar reads the toolbar it shows
// first and the others after, keeps every toolbar's buttons across tab
// switches, reads a toolbar again only when its folder or its settings
// changed or Refresh asks, follows its toolbars' folders, and gives buttons
// their own icons as the icon thread finds them.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bar/BarWindow.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ButtonRow.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/PumpUntil.h"
#include "tests/unit/support/RealShell.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"

namespace {

// The real shell, with every request counted.
class CountingShell : public RealShell {
 public:
  int Fill(const ToolbarRecord& toolbar, const CBarSettings& settings,
           HWND owner, ToolbarButtons* out) override {
    ++requests;
    ++fills;
    return RealShell::Fill(toolbar, settings, owner, out);
  }
  bool FolderName(LPCITEMIDLIST folder, std::string* name) override {
    ++requests;
    return RealShell::FolderName(folder, name);
  }
  HIMAGELIST SystemImages(bool small, SIZE* iconSize) override {
    ++requests;
    return RealShell::SystemImages(small, iconSize);
  }

  int requests = 0;
  int fills = 0;
};

// Changes arrive when the test says so.
class ManualWatcher : public IFolderWatcher {
 public:
  explicit ManualWatcher(std::vector<std::string>* watched)
      : m_watched(watched) {}
  void Watch(HWND window, UINT message,
             const std::vector<std::string>& paths) override {
    m_window = window;
    m_message = message;
    *m_watched = paths;
  }
  std::vector<std::string> TakeChanged() override {
    std::vector<std::string> changed(m_changed.begin(), m_changed.end());
    m_changed.clear();
    return changed;
  }
  void Changed(const std::string& path) {
    m_changed.insert(path);
    ::PostMessageA(m_window, m_message, 0, 0);
  }

 private:
  std::vector<std::string>* m_watched;
  HWND m_window = nullptr;
  UINT m_message = 0;
  std::set<std::string> m_changed;
};

// The real shell, but an item's own icon is a number made of its name, and
// is told only once the test opens the gate.
class GatedIconShell : public RealShell {
 public:
  GatedIconShell() : m_gate(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  int ItemIcon(LPCITEMIDLIST item) override {
    ++asked;
    ::WaitForSingleObject(m_gate.get(), 10000);
    char path[MAX_PATH] = {};
    ::SHGetPathFromIDListA(item, path);
    return IconOf(std::strrchr(path, '\\') + 1);
  }
  static int IconOf(const std::string& name) {
    return 5000 + static_cast<int>(std::hash<std::string>()(name) % 1000);
  }
  void Open() { ::SetEvent(m_gate.get()); }

  std::atomic<int> asked{0};

 private:
  qv::UniqueKernelObject m_gate;
};

std::vector<std::string> Names(const CBarWindow& bar, int k) {
  std::vector<std::string> names;
  if (const ToolbarButtons* buttons = bar.Buttons(k))
    for (const ToolbarButton& button : *buttons)
      names.push_back(button.kind == ToolbarButton::Kind::kItem ? button.name
                                                                : "<space>");
  return names;
}

class ToolbarFollowTest : public testing::Test {
 protected:
  void SetUp() override { registry.WriteBaseline(); }

  bool Create(CBarWindow& bar) { return bar.CreateBar(); }

  static void StoreToolbar(const TempFolder& folder, ToolbarInfo info = {},
                           UINT sortOrder = qv::kSortByName) {
    CBarSettings settings;
    settings.Load();
    settings.AppendToolbar(
        qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)), sortOrder,
        std::move(info));
    settings.Save();
  }

  static void SwitchTo(CBarWindow& bar, int tab) {
    bar.TabStrip().SetCurSel(tab);
    NMHDR hdr = {bar.TabStrip().m_hWnd, kTabStripId, TABN_SELCHANGED};
    bar.SendMessage(WM_NOTIFY, kTabStripId, reinterpret_cast<LPARAM>(&hdr));
  }

  ScratchCurrentUser registry;
  FakeAppBarService appBars;
  CountingShell shell;
  std::vector<std::string> watched;
};

}  // namespace

TEST_F(ToolbarFollowTest, SwitchesReadNothingUntilSettingsChangeOrRefresh) {
  TempFolder first("first"), second("second");
  for (const char* name : {"b.txt", "a.bmp", "c.txt"})
    ASSERT_TRUE(first.AddFile(name));
  for (const char* name : {"y.txt", "x.bmp"}) ASSERT_TRUE(second.AddFile(name));
  StoreToolbar(first);
  StoreToolbar(second);
  CBarWindow bar(appBars, nullptr, shell,
                 std::make_unique<ManualWatcher>(&watched));
  ASSERT_TRUE(Create(bar));
  // The start reads the toolbar it shows; the other waits for the first
  // paint, and is read once.
  EXPECT_EQ(1, shell.fills);
  EXPECT_FALSE(bar.Buttons(1));
  ASSERT_TRUE(PumpUntil([&] { return bar.Model().FirstPending() < 0; }));
  EXPECT_EQ(2, shell.fills);
  EXPECT_EQ(2u, watched.size());

  const int before = shell.requests;
  SwitchTo(bar, 1);
  SwitchTo(bar, 0);
  EXPECT_EQ(before, shell.requests);
  EXPECT_EQ((std::vector<std::string>{"a.bmp", "b.txt", "c.txt"}),
            Names(bar, 0));

  // A changed sort order or hidden type reads the toolbars again.
  CBarSettings edited;
  ASSERT_TRUE(bar.Settings().CopyTo(edited));
  edited.m_toolbars[1].sortOrder = qv::kSortBySize;
  edited.m_hiddenTypes = {"bmp\tBitmaps"};
  bar.Redo(bar.Model().ApplyCustomize(edited));
  SwitchTo(bar, 1);
  EXPECT_EQ(4, shell.fills);
  EXPECT_EQ((std::vector<std::string>{"b.txt", "c.txt"}), Names(bar, 0));
  EXPECT_EQ((std::vector<std::string>{"y.txt"}), Names(bar, 1));

  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  EXPECT_EQ(6, shell.fills);
}

TEST_F(ToolbarFollowTest, ABurstOfChangesIsOneReadKeepingTheCustomOrder) {
  TempFolder folder("burst");
  for (const char* name : {"a.txt", "c.txt"}) ASSERT_TRUE(folder.AddFile(name));
  StoreToolbar(folder,
               {qv::kKindCustom,
                {{qv::kEntryShownFile, "c.txt"},
                 {qv::kEntrySpace, ""},
                 {qv::kEntryShownFile, "a.txt"}}},
               qv::kSortCustom);
  auto watcher = std::make_unique<ManualWatcher>(&watched);
  ManualWatcher& changes = *watcher;
  CBarWindow bar(appBars, nullptr, shell, std::move(watcher));
  ASSERT_TRUE(Create(bar));
  ASSERT_EQ(1u, watched.size());
  const int fills = shell.fills;

  for (int i = 0; i < 500; ++i) {
    ASSERT_TRUE(folder.AddFile("new" + std::to_string(i) + ".txt"));
    changes.Changed(watched[0]);
  }
  ASSERT_TRUE(PumpUntil([&] { return shell.fills > fills; }));
  PumpUntil([] { return false; });  // nothing more comes of the burst
  EXPECT_EQ(fills + 1, shell.fills);
  const std::vector<std::string> names = Names(bar, 0);
  ASSERT_EQ(503u, names.size());
  EXPECT_EQ((std::vector<std::string>{"c.txt", "<space>", "a.txt"}),
            std::vector<std::string>(names.begin(), names.begin() + 3));
  EXPECT_EQ(503, bar.Pane().GetRow(0)->GetItemCount());
}

TEST_F(ToolbarFollowTest, AFileAddedToAShownFolderAppearsWithoutRefresh) {
  TempFolder folder("follow");
  ASSERT_TRUE(folder.AddFile("first.txt"));
  StoreToolbar(folder);
  CBarWindow bar(appBars);
  ASSERT_TRUE(Create(bar));
  ASSERT_TRUE(folder.AddFile("second.txt"));
  EXPECT_TRUE(PumpUntil([&] { return Names(bar, 0).size() == 2; }));
  EXPECT_EQ(2, bar.Pane().GetRow(0)->GetItemCount());
}

TEST_F(ToolbarFollowTest, OwnIconsLandOnTheirButtonsAcrossSwitches) {
  TempFolder programs("programs"), other("other");
  for (const char* name : {"a.exe", "b.exe", "c.exe"})
    ASSERT_TRUE(programs.AddFile(name));
  ASSERT_TRUE(other.AddFile("x.txt"));
  StoreToolbar(programs);
  StoreToolbar(other);
  GatedIconShell icons;
  CBarWindow bar(appBars, nullptr, icons,
                 std::make_unique<ManualWatcher>(&watched));
  ASSERT_TRUE(Create(bar));
  const auto waiting = [&](int k) {
    int count = 0;
    for (const ToolbarButton& button : *bar.Buttons(k))
      count += button.ownIcon ? 1 : 0;
    return count;
  };
  // The names are there at once, each program with its kind's icon.
  ASSERT_EQ((std::vector<std::string>{"a.exe", "b.exe", "c.exe"}),
            Names(bar, 0));
  EXPECT_EQ(3, waiting(0));

  // Switching away while the first icon is being asked drops the rest; the
  // one asked lands on its button, not on the row shown now.
  ASSERT_TRUE(PumpUntil([&] { return icons.asked == 1; }));
  SwitchTo(bar, 1);
  const int shownImage = (*bar.Buttons(1))[0].image;
  icons.Open();
  ASSERT_TRUE(PumpUntil([&] { return waiting(0) == 2; }));
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(2, waiting(0));
  EXPECT_EQ(GatedIconShell::IconOf("a.exe"), (*bar.Buttons(0))[0].image);
  EXPECT_EQ(shownImage, (*bar.Buttons(1))[0].image);

  // Back again, the others are asked for and land on their own buttons.
  SwitchTo(bar, 0);
  ASSERT_TRUE(PumpUntil([&] { return waiting(0) == 0; }));
  for (const ToolbarButton& button : *bar.Buttons(0))
    EXPECT_EQ(GatedIconShell::IconOf(button.name), button.image) << button.name;
}
