// tests/native/SortKeysTest.cpp: the order of a toolbar's buttons by name,
// date, size and type, and that it is a strict total order.
#include "toolbar/portable/SortKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/portable/NoCase.h"

namespace {

struct Item {
  const char* name;
  bool folder = false;
  uint64_t time = 0;
  uint64_t size = 0;
  const char* type = nullptr;  // null: no path
  bool found = true;           // the file's data could be read
};

std::vector<qv::ItemSortKey> Keys(const std::vector<Item>& items) {
  std::vector<qv::ItemSortKey> keys;
  for (const Item& item : items) {
    qv::ItemSortKey key;
    key.name = qv::FoldCase(item.name);
    key.folder = item.folder;
    key.writeTime = item.time;
    key.size = item.size;
    key.hasFileData = item.found;
    key.hasType = item.type != nullptr;
    key.type = qv::FoldCase(item.type);
    key.position = keys.size();
    keys.push_back(key);
  }
  return keys;
}

std::vector<std::string> Sorted(const std::vector<Item>& items,
                                unsigned order) {
  std::vector<std::string> names;
  for (size_t place : qv::SortedPositions(Keys(items), order)) {
    names.push_back(items[place].name);
  }
  return names;
}

using Names = std::vector<std::string>;

TEST(SortKeys, ByNameIgnoresCaseAndPutsFoldersFirst) {
  EXPECT_EQ((Names{"Alpha", "beta", "gamma"}),
            Sorted({{"beta"}, {"Alpha"}, {"gamma"}}, qv::kSortByName));
  EXPECT_EQ((Names{"zeta", "Alpha", "beta"}),
            Sorted({{"beta"}, {"zeta", true}, {"Alpha"}}, qv::kSortByName));
  // Folded letters, then unsigned bytes: '_' sorts before letters, a byte
  // above 127 after them.
  EXPECT_EQ((Names{"_x", "B", "\xe9t\xe9"}),
            Sorted({{"\xe9t\xe9"}, {"B"}, {"_x"}}, qv::kSortByName));
}

TEST(SortKeys, ByDateFoldersFirstThenNewestFirstTiesByName) {
  const std::vector<Item> items = {{"old.txt", false, 100},
                                   {"Sub", true, 50},
                                   {"b.txt", false, 300},
                                   {"new.txt", false, 900},
                                   {"A.txt", false, 300},
                                   {"Other", true, 700},
                                   {"lost", false, 0, 0, "File", false}};
  EXPECT_EQ(
      (Names{"Other", "Sub", "new.txt", "A.txt", "b.txt", "old.txt", "lost"}),
      Sorted(items, qv::kSortByDate));
}

TEST(SortKeys, BySizeSmallerFirstAndByTypeNameIgnoringCase) {
  const std::vector<Item> sized = {{"big", false, 0, uint64_t{1} << 33},
                                   {"small", false, 0, 10},
                                   {"b", false, 0, 10},
                                   {"Dir", true, 0, 4096}};
  EXPECT_EQ((Names{"Dir", "b", "small", "big"}),
            Sorted(sized, qv::kSortBySize));

  const std::vector<Item> typed = {{"b.txt", false, 0, 0, "Text Document"},
                                   {"a.txt", false, 0, 0, "text document"},
                                   {"c.bmp", false, 0, 0, "Bitmap Image"},
                                   {"My Computer", false, 0, 0, nullptr}};
  EXPECT_EQ((Names{"c.bmp", "a.txt", "b.txt", "My Computer"}),
            Sorted(typed, qv::kSortByType));
}

TEST(SortKeys, CustomAndUnknownOrdersKeepTheFillOrder) {
  const std::vector<Item> items = {{"b"}, {"A", true}, {"c"}};
  for (unsigned order : {qv::kSortCustom, 5u, 0xFFFFFFFFu}) {
    EXPECT_EQ((Names{"b", "A", "c"}), Sorted(items, order)) << order;
  }
}

// Every pair, in every order: antisymmetric, 0 only for an item with itself,
// and transitive over all triples, so the sort cannot misbehave.
TEST(SortKeys, EveryOrderIsAStrictTotalOrder) {
  const auto keys = Keys({{"same", false, 5, 5, "T"},
                          {"SAME", false, 5, 5, "t"},
                          {"same", true, 5, 5, "T"},
                          {"x", false, 0, 0, nullptr, false},
                          {"X", false, 0, 0, nullptr, false},
                          {"y", false, 9, 1, "T"},
                          {"", false, 5, 5, ""}});
  for (unsigned order = 1; order <= 4; ++order) {
    for (size_t i = 0; i < keys.size(); ++i) {
      EXPECT_EQ(0, qv::CompareSortKeys(keys[i], keys[i], order));
      for (size_t j = 0; j < keys.size(); ++j) {
        const int ij = qv::CompareSortKeys(keys[i], keys[j], order);
        if (i != j) {
          EXPECT_NE(0, ij) << order << ' ' << i << ' ' << j;
        }
        EXPECT_EQ(ij, -qv::CompareSortKeys(keys[j], keys[i], order));
        for (size_t k = 0; k < keys.size(); ++k) {
          if (ij < 0 && qv::CompareSortKeys(keys[j], keys[k], order) < 0) {
            EXPECT_LT(qv::CompareSortKeys(keys[i], keys[k], order), 0)
                << order << ' ' << i << ' ' << j << ' ' << k;
          }
        }
      }
    }
  }
}

}  // namespace
