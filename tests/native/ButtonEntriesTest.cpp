// tests/native/ButtonEntriesTest.cpp: the Buttons page's entry edits, the
// toolbar combo's mapping and the button states.
#include "customize/portable/ButtonEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/portable/SortOrder.h"

namespace {

using qv::kEntryHiddenFile;
using qv::kEntryNewLine;
using qv::kEntryShownFile;
using qv::kEntrySpace;

// A normal toolbar's list as the folder gives it, sorted by date.
struct Toolbar {
  ToolbarInfo info{qv::kKindNormal,
                   {{kEntryShownFile, "a.txt"},
                    {kEntryShownFile, "b.lnk"},
                    {kEntryShownFile, "c"}}};
  unsigned sortOrder = qv::kSortByDate;

  std::string Types() const {
    std::string types;
    for (const ButtonEntry& e : info.entries) types += char('0' + e.type);
    return types;
  }
  bool IsCustom() const {
    return info.kind == qv::kKindCustom && sortOrder == qv::kSortCustom;
  }
};

TEST(ButtonEntries, ComboSkipsTheBrowseToolbar) {
  EXPECT_EQ(1, qv::ComboToToolbar(0, 0));
  EXPECT_EQ(2, qv::ComboToToolbar(1, 0));
  EXPECT_EQ(0, qv::ComboToToolbar(0, 1));
  EXPECT_EQ(2, qv::ComboToToolbar(1, 1));
  EXPECT_EQ(1, qv::ComboToToolbar(1, -1));
  EXPECT_EQ(-1, qv::ComboToToolbar(-1, 0));

  EXPECT_EQ(-1, qv::ToolbarToCombo(1, 1));
  EXPECT_EQ(0, qv::ToolbarToCombo(0, 1));
  EXPECT_EQ(1, qv::ToolbarToCombo(2, 1));
  EXPECT_EQ(2, qv::ToolbarToCombo(2, -1));
}

TEST(ButtonEntries, TextsAndChecks) {
  EXPECT_EQ("notes.v2",
            qv::EntryText({kEntryShownFile, "notes.v2.txt"}, "s", "n"));
  EXPECT_EQ("Folder", qv::EntryText({kEntryHiddenFile, "Folder"}, "s", "n"));
  EXPECT_EQ(".profile", qv::EntryText({kEntryShownFile, ".profile"}, "s", "n"));
  EXPECT_EQ("s", qv::EntryText({kEntrySpace, ""}, "s", "n"));
  EXPECT_EQ("n", qv::EntryText({kEntryNewLine, ""}, "s", "n"));
  EXPECT_FALSE(qv::IsEntryChecked({kEntryHiddenFile, "a"}));
  EXPECT_TRUE(qv::IsEntryChecked({kEntryShownFile, "a"}));
  EXPECT_TRUE(qv::IsEntryChecked({kEntrySpace, ""}));
}

TEST(ButtonEntries, RefusedEditsChangeNothing) {
  Toolbar t;
  EXPECT_FALSE(qv::MoveEntry(t.info, t.sortOrder, 0, -1));
  EXPECT_FALSE(qv::MoveEntry(t.info, t.sortOrder, 2, 1));
  EXPECT_FALSE(qv::MoveEntry(t.info, t.sortOrder, -1, 1));
  EXPECT_FALSE(qv::InsertEntry(t.info, t.sortOrder, 3, kEntrySpace));
  EXPECT_FALSE(qv::InsertEntry(t.info, t.sortOrder, 0, kEntryShownFile));
  EXPECT_FALSE(qv::DeleteEntry(t.info, t.sortOrder, 0));  // a file
  EXPECT_FALSE(qv::SetEntryChecked(t.info, t.sortOrder, 5, false));
  EXPECT_EQ("333", t.Types());
  EXPECT_EQ(qv::kKindNormal, t.info.kind);
  EXPECT_EQ(qv::kSortByDate, t.sortOrder);
}

TEST(ButtonEntries, EachEditMakesTheListCustom) {
  Toolbar moved;
  EXPECT_TRUE(qv::MoveEntry(moved.info, moved.sortOrder, 2, -1));
  EXPECT_EQ("c", moved.info.entries[1].name);
  EXPECT_TRUE(moved.IsCustom());

  Toolbar unchecked;
  EXPECT_TRUE(
      qv::SetEntryChecked(unchecked.info, unchecked.sortOrder, 1, false));
  EXPECT_EQ("323", unchecked.Types());
  EXPECT_TRUE(unchecked.IsCustom());
  EXPECT_EQ(std::string("C\0*a.txt\0 b.lnk\0*c\0\0", 20),
            qv::FormatToolbarInfo(unchecked.info));

  Toolbar spaced;
  EXPECT_TRUE(qv::InsertEntry(spaced.info, spaced.sortOrder, 2, kEntrySpace));
  EXPECT_TRUE(qv::InsertEntry(spaced.info, spaced.sortOrder, 0, kEntryNewLine));
  EXPECT_EQ("43313", spaced.Types());
  EXPECT_TRUE(spaced.IsCustom());
  EXPECT_TRUE(qv::SetEntryChecked(spaced.info, spaced.sortOrder, 0, false));
  EXPECT_EQ("43313", spaced.Types());  // a new line stays checked
  EXPECT_TRUE(qv::DeleteEntry(spaced.info, spaced.sortOrder, 3));
  EXPECT_EQ("4333", spaced.Types());
}

TEST(ButtonEntries, LaterEditsKeepTheChosenSortOrder) {
  Toolbar t;
  t.info.kind = qv::kKindCustom;
  t.sortOrder = qv::kSortBySize;
  EXPECT_TRUE(qv::MoveEntry(t.info, t.sortOrder, 0, 1));
  EXPECT_EQ(qv::kSortBySize, t.sortOrder);
}

std::string Names(const ToolbarInfo& info) {
  std::string names;
  for (const ButtonEntry& e : info.entries)
    names += e.type == kEntryHiddenFile ? "(" + e.name + ")"
             : e.name.empty()           ? std::string(1, char('0' + e.type))
                                        : e.name;
  return names;
}

// A row's cells: "_" a space, "|" a new line, else a file's name.
std::vector<ButtonEntry> Row(const std::string& cells) {
  std::vector<ButtonEntry> row;
  for (char c : cells)
    row.push_back(c == '_'   ? ButtonEntry{kEntrySpace, ""}
                  : c == '|' ? ButtonEntry{kEntryNewLine, ""}
                             : ButtonEntry{kEntryShownFile, std::string(1, c)});
  return row;
}

// A dragged button: a custom list moves the cell's entry past hidden ones;
// a sorted toolbar takes the row's order first; a file the entries lack
// refuses.
TEST(ButtonEntries, ARowButtonMovesItsEntry) {
  ToolbarInfo custom{qv::kKindCustom,
                     {{kEntryShownFile, "a"},
                      {kEntryHiddenFile, "h"},
                      {kEntrySpace, ""},
                      {kEntryShownFile, "B"}}};
  unsigned order = qv::kSortCustom;
  EXPECT_TRUE(qv::MoveRowButton(custom, order, Row("a_b"), 2, 0));
  EXPECT_EQ("Ba(h)1", Names(custom));

  ToolbarInfo sorted{qv::kKindCustom,
                     {{kEntryShownFile, "c"},
                      {kEntryHiddenFile, "a"},
                      {kEntryNewLine, ""},
                      {kEntryShownFile, "b"}}};
  order = qv::kSortByName;
  EXPECT_TRUE(qv::MoveRowButton(sorted, order, Row("abc"), 0, 2));
  EXPECT_EQ("bca4", Names(sorted));
  EXPECT_EQ(qv::kSortCustom, order);

  Toolbar normal;
  EXPECT_FALSE(
      qv::MoveRowButton(normal.info, normal.sortOrder, Row("ax"), 1, 0));
  EXPECT_FALSE(
      qv::MoveRowButton(normal.info, normal.sortOrder, Row("a"), 0, 1));
  EXPECT_EQ("a.txtb.lnkc", Names(normal.info));
  EXPECT_EQ(qv::kKindNormal, normal.info.kind);
}

TEST(ButtonEntries, OnlyCustomListsKeepTheirEntries) {
  Toolbar normal;
  qv::DiscardUncustomizedEntries(normal.info);
  EXPECT_TRUE(normal.info.entries.empty());
  Toolbar custom;
  custom.info.kind = qv::kKindCustom;
  qv::DiscardUncustomizedEntries(custom.info);
  EXPECT_EQ(3u, custom.info.entries.size());
}

TEST(ButtonEntries, ButtonStates) {
  const auto states = [](const qv::EntryButtons& s) {
    return std::string{s.up ? 'U' : '-',       s.down ? 'D' : '-',
                       s.remove ? 'X' : '-',   s.sort ? 'S' : '-',
                       s.addSpace ? 'A' : '-', s.addNewLine ? 'L' : '-'};
  };
  Toolbar t;
  t.info.entries.insert(t.info.entries.begin() + 1, {kEntrySpace, ""});
  EXPECT_EQ("-D-SAL", states(qv::EntryButtonStates(&t.info, 0, true)));
  EXPECT_EQ("UDXSAL", states(qv::EntryButtonStates(&t.info, 1, true)));
  EXPECT_EQ("U--SAL", states(qv::EntryButtonStates(&t.info, 3, true)));
  EXPECT_EQ("UD-SAL", states(qv::EntryButtonStates(&t.info, -1, true)));
  EXPECT_EQ("---S--", states(qv::EntryButtonStates(nullptr, -1, true)));
  ToolbarInfo empty;
  EXPECT_EQ("------", states(qv::EntryButtonStates(&empty, -1, false)));
}

TEST(ButtonEntries, MenuChecksByNameForUnknownOrders) {
  EXPECT_EQ(qv::kSortCustom, qv::MenuSortOrder(qv::kSortCustom));
  EXPECT_EQ(qv::kSortBySize, qv::MenuSortOrder(qv::kSortBySize));
  EXPECT_EQ(qv::kSortByName, qv::MenuSortOrder(77));
}

}  // namespace
