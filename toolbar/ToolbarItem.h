// toolbar/ToolbarItem.h: ToolbarItem, one button of a toolbar as the main
// window keeps it. Its layout is exactly the common-controls tab item
// (TCITEMA), so a record is handed to a button row with TCM_INSERTITEMA as it
// stands.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstddef>

// Mask bits of the tab item that the button rows give a meaning of their own.
constexpr UINT ITEM_NEWLINE = 0x4000;  // a line break: the next cell wraps
constexpr UINT ITEM_SPACE = 0x8000;    // a gap 8 pixels across

// Masks of the real buttons: icon only, or icon and name.
constexpr UINT kItemMaskIcon = TCIF_IMAGE;
constexpr UINT kItemMaskIconText = TCIF_IMAGE | TCIF_TEXT;

// Characters of a button's name; its buffer has room for one more.
constexpr int kItemTextMax = 260;

// Room of one toolbar's item array, and the most records a fill stores in it.
constexpr size_t kItemArrayCapacity = 1124;
constexpr size_t kMaxFilledItems = 1024;

struct ToolbarItem {
  // kItemMaskIcon or kItemMaskIconText for a button; ITEM_NEWLINE or
  // ITEM_SPACE alone for a line break or a gap.
  UINT mask;
  DWORD dwReserved1;  // 0
  DWORD dwReserved2;  // 0
  // The display name in an owned buffer of kItemTextMax + 1 bytes; null for a
  // line break or gap.
  LPSTR pszText;
  int cchTextMax;  // kItemTextMax; 0 for a line break or gap
  int iImage;      // index in the system image list; 0 for a line break or gap
  // The item's one-item relative ID list, owned, from the shell allocator;
  // null for a line break or gap.
  LPARAM lParam;
};

static_assert(sizeof(ToolbarItem) == sizeof(TCITEMA),
              "a ToolbarItem is passed as a TCITEMA");
static_assert(offsetof(ToolbarItem, mask) == offsetof(TCITEMA, mask) &&
                  offsetof(ToolbarItem, pszText) ==
                      offsetof(TCITEMA, pszText) &&
                  offsetof(ToolbarItem, cchTextMax) ==
                      offsetof(TCITEMA, cchTextMax) &&
                  offsetof(ToolbarItem, iImage) == offsetof(TCITEMA, iImage) &&
                  offsetof(ToolbarItem, lParam) == offsetof(TCITEMA, lParam),
              "ToolbarItem fields sit where TCITEMA has them");

// The record as the TCITEMA that TCM_INSERTITEMA takes.
inline LPARAM AsTabItem(const ToolbarItem* item) {
  return reinterpret_cast<LPARAM>(item);
}

// The item's relative ID list.
inline LPITEMIDLIST ItemIdList(const ToolbarItem& item) {
  return reinterpret_cast<LPITEMIDLIST>(item.lParam);
}
