// tests/unit/BarModelTest.cpp: the bar's state without a window: each typed
// operation stores exactly the values it changed and answers what the
// window must redo; the store's own values coming back change nothing; a
// read writes nothing but a custom list brought in step with its folder.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "bar/BarModel.h"
#include "settings/portable/SortOrder.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/MemorySettingsStore.h"

namespace {

using Names = std::vector<std::string>;

// Every folder reads as one button; a custom list can be made to change.
class FakeShell : public IToolbarShell {
 public:
  int Fill(const ToolbarRecord&, const CBarSettings&, HWND,
           ToolbarButtons* out) override {
    ++fills;
    out->clear();
    out->resize(2);
    return 1;
  }
  bool RowEntries(const ToolbarRecord&, const ToolbarButtons&,
                  std::vector<ButtonEntry>* entries) override {
    *entries = rowFiles;
    return !rowFiles.empty();
  }
  bool SyncEntries(ToolbarRecord& toolbar, const CBarSettings&) override {
    if (!newFile) return false;
    newFile = false;
    toolbar.info.entries.push_back({qv::kEntryShownFile, "new.txt"});
    return true;
  }
  qv::ComPtr<IDropTarget> FolderDropTarget(LPCITEMIDLIST, LPCITEMIDLIST,
                                           HWND) override {
    return nullptr;
  }
  bool IsUnreachable(LPCITEMIDLIST) override { return false; }
  qv::ComPtr<IShellFolder> Desktop() override { return nullptr; }
  bool FolderName(LPCITEMIDLIST, std::string* name) override {
    *name = "folder";
    return true;
  }
  HIMAGELIST SystemImages(bool, SIZE*) override { return nullptr; }
  bool Sort(const ToolbarRecord&, ToolbarButtons*) override {
    ++sorts;
    return true;
  }

  bool newFile = false;
  int fills = 0;
  int sorts = 0;
  std::vector<ButtonEntry> rowFiles;  // the rows' files; none: no names
};

qv::UniqueIdList Folder() {
  return qv::UniqueIdList(qv::PathToIdList("C:\\windows", nullptr));
}

auto Fields(const RebuildRequest& r) {
  return std::make_tuple(r.reload, r.toolbar, r.keepShown, r.rowsOnly,
                         r.cellsOnly, r.currentFirst);
}

class BarModelTest : public testing::Test {
 protected:
  void SetUp() override {
    CBarSettings stored;
    for (int i = 0; i < 3; ++i)
      ASSERT_EQ(1, stored.AppendToolbar(Folder(), qv::kSortByName,
                                        ToolbarInfo{qv::kKindNormal, {}}));
    store.Fill(stored);
    ASSERT_EQ(1, model.Load());
  }

  Names Written() {
    Names written = std::move(store.written);
    store.written.clear();
    return written;
  }

  // `change` asks for `redo` and stored exactly `names`.
  void Expect(const CBarModel::Change& change, const RebuildRequest& redo,
              const Names& names) {
    ASSERT_TRUE(change);
    EXPECT_EQ(Fields(redo), Fields(*change));
    EXPECT_EQ(names, Written());
  }

  MemorySettingsStore store;
  FakeShell shell;
  CBarModel model{store, shell};
};

TEST_F(BarModelTest, EachOperationStoresOnlyWhatItChanged) {
  Expect(model.SelectToolbar(2), RebuildRequest::Rows(), {"Current Tab"});
  EXPECT_FALSE(model.SelectToolbar(3));
  Expect(model.SetEdge(qv::Edge::Left), RebuildRequest::Layout(),
         {"Alignment"});
  Expect(model.MoveTo(qv::Edge::Right, "\\\\.\\DISPLAY2"),
         RebuildRequest::Layout(), {"Alignment", "Monitor"});
  EXPECT_FALSE(model.SetSmallIcons(true));  // small already
  Expect(model.SetSmallIcons(false), RebuildRequest::Cells(true),
         {"Small Icons"});
  Expect(model.SetAutoHide(true), RebuildRequest::Layout(), {"Auto Hide"});
  Expect(model.SetCells(true, 3), RebuildRequest::Layout(), {"Columns"});
  Expect(model.SetCells(false, 2), RebuildRequest::Layout(), {"Rows"});
  Expect(model.SetSortOrder(1, qv::kSortBySize), RebuildRequest::One(1, true),
         {"Fldr Ordr   1"});
  model.SetScrollPosition(true, 4);
  EXPECT_EQ((Names{"Vert Scroll Pos"}), Written());
  EXPECT_TRUE(Written().empty());

  // The browse toolbar is made once, then only its folder changes.
  Expect(model.BrowseTo(Folder()), RebuildRequest::One(3, true),
         {"Current Tab", "Fldr   3", "Toolbar Info   3", "Fldr Ordr   3",
          "No. of Folders"});
  Expect(model.BrowseTo(Folder()), RebuildRequest::One(3, true),
         {"Current Tab", "Fldr   3"});

  // Removing a toolbar moves the later ones down and drops the last index.
  Expect(model.RemoveToolbar(2), RebuildRequest::Layout(true),
         {"Fldr   2", "Toolbar Info   2", "Fldr Ordr   2", "No. of Folders",
          "Fldr   3", "Toolbar Info   3", "Fldr Ordr   3"});
  std::vector<qv::UniqueIdList> dropped;
  dropped.push_back(Folder());
  Expect(model.AddToolbars(std::move(dropped)), RebuildRequest::One(3, true),
         {"Fldr   3", "Toolbar Info   3", "Fldr Ordr   3", "No. of Folders"});
  EXPECT_EQ(4, model.Settings().ToolbarCount());
}

// A dragged button takes the row's order as shown (here sorted by name)
// into the custom list and stores only its toolbar's list and sort order.
TEST_F(BarModelTest, AMovedButtonStoresItsToolbarsOrderAlone) {
  CBarSettings edited;
  ASSERT_TRUE(model.Settings().CopyTo(edited));
  edited.m_toolbars[1].info = {
      qv::kKindCustom,
      {{qv::kEntryShownFile, "a"}, {qv::kEntryShownFile, "b"}}};
  model.ApplyCustomize(edited);
  model.ReadToolbars(RebuildRequest::All(), nullptr);
  Written();
  EXPECT_FALSE(model.MoveButton(1, 1, 0));  // no file names
  shell.rowFiles = {{qv::kEntryShownFile, "b"}, {qv::kEntryShownFile, "a"}};
  EXPECT_FALSE(model.MoveButton(1, 1, 2));
  EXPECT_TRUE(Written().empty());

  Expect(model.MoveButton(1, 1, 0), RebuildRequest::One(1, true),
         {"Toolbar Info   1", "Fldr Ordr   1"});
  const ToolbarRecord& moved = model.Settings().m_toolbars[1];
  EXPECT_TRUE(moved.HasCustomOrder());
  ASSERT_EQ(2u, moved.info.entries.size());
  EXPECT_EQ("a", moved.info.entries[0].name);
  EXPECT_EQ("b", moved.info.entries[1].name);
}

TEST_F(BarModelTest, CustomizeStoresTheDifferencesAndOnlyOthersWritesReload) {
  CBarSettings edited;
  ASSERT_TRUE(model.Settings().CopyTo(edited));
  edited.m_nRows = 4;
  edited.m_toolbars[1].sortOrder = qv::kSortBySize;
  edited.m_hiddenTypes = {"bak\tBackups"};
  Expect(model.ApplyCustomize(edited), RebuildRequest::CurrentFirst(),
         {"Rows", "Fldr Ordr   1", "FT   0", "No. of hidden types"});

  // The bar's own writes come back as nothing new.
  EXPECT_FALSE(model.TakeStoredValues());
  store.SetDword("Alignment", qv::EdgeNumber(qv::Edge::Bottom));
  const CBarModel::Change change = model.TakeStoredValues();
  ASSERT_TRUE(change);
  EXPECT_EQ(Fields(RebuildRequest::Layout(true)), Fields(*change));
  EXPECT_EQ(qv::Edge::Bottom, model.Settings().m_nAlignment);
  EXPECT_TRUE(Written().empty());
}

TEST_F(BarModelTest, AReadWritesNothingButACustomListThatFollowedItsFolder) {
  CBarSettings edited;
  ASSERT_TRUE(model.Settings().CopyTo(edited));
  edited.m_toolbars[2].info = {qv::kKindCustom, {}};
  edited.m_toolbars[2].sortOrder = qv::kSortCustom;
  model.ApplyCustomize(edited);
  Written();

  EXPECT_EQ(-1, model.ReadToolbars(RebuildRequest::All(), nullptr));
  EXPECT_TRUE(Written().empty());
  EXPECT_EQ(3, shell.fills);

  shell.newFile = true;
  EXPECT_EQ(-1, model.ReadToolbars(RebuildRequest::One(2), nullptr));
  EXPECT_EQ((Names{"Toolbar Info   2"}), Written());
  // The list as stored is the one read: nothing is stale afterwards.
  EXPECT_EQ(-1, model.ReadToolbars(RebuildRequest::Layout(), nullptr));
  EXPECT_EQ(4, shell.fills);
  EXPECT_TRUE(Written().empty());
}

TEST_F(BarModelTest, TheStartReadsTheCurrentToolbarAndASortReadsNothing) {
  model.SelectToolbar(1);
  Written();
  EXPECT_EQ(-1, model.ReadToolbars(RebuildRequest::CurrentFirst(), nullptr));
  EXPECT_EQ(1, shell.fills);
  EXPECT_FALSE(model.Buttons(0));  // left for after the first paint
  ASSERT_EQ(0, model.FirstPending());
  const CBarModel::Change read = model.ReadPending(0, nullptr);
  ASSERT_TRUE(read);
  EXPECT_EQ(Fields(RebuildRequest::Rows()), Fields(*read));
  EXPECT_EQ(2, model.FirstPending());

  // Buttons read from the folder, or waiting for their read, change order
  // in place.
  Expect(model.SetSortOrder(1, qv::kSortBySize), RebuildRequest::Rows(),
         {"Fldr Ordr   1"});
  Expect(model.SetSortOrder(2, qv::kSortByDate), RebuildRequest::Rows(),
         {"Fldr Ordr   2"});
  EXPECT_EQ(1, shell.sorts);
  EXPECT_EQ(-1, model.ReadToolbars(RebuildRequest::Layout(), nullptr));
  EXPECT_EQ(2, shell.fills);
  EXPECT_EQ(2, model.FirstPending());
}

}  // namespace
