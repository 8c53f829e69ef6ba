// customize/portable/ButtonEntries.cpp: the Buttons page's entry edits,
// combo mapping and button states, free of Win32.
#include "customize/portable/ButtonEntries.h"

#include <utility>

#include "settings/portable/SortOrder.h"

namespace qv {

namespace {

bool IsGap(const ButtonEntry& entry) {
  return entry.type == kEntrySpace || entry.type == kEntryNewLine;
}

bool InRange(const ToolbarInfo& info, int index) {
  return index >= 0 && static_cast<size_t>(index) < info.entries.size();
}

void MarkCustomized(ToolbarInfo& info, unsigned& sortOrder) {
  if (info.kind == kKindCustom) return;
  info.kind = kKindCustom;
  sortOrder = kSortCustom;
}

// A name with nothing before its dot (".profile") keeps the dot: cutting it
// would list an empty line.
std::string StripExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

int ComboToToolbar(int combo, int browse) {
  if (combo < 0) return -1;
  return browse >= 0 && browse <= combo ? combo + 1 : combo;
}

int ToolbarToCombo(int toolbar, int browse) {
  if (toolbar < 0 || toolbar == browse) return -1;
  return browse >= 0 && browse < toolbar ? toolbar - 1 : toolbar;
}

std::string EntryText(const ButtonEntry& entry, const std::string& spaceText,
                      const std::string& newLineText) {
  if (entry.type == kEntrySpace) return spaceText;
  if (entry.type == kEntryNewLine) return newLineText;
  return StripExtension(entry.name);
}

bool IsEntryChecked(const ButtonEntry& entry) {
  return entry.type != kEntryHiddenFile;
}

bool MoveEntry(ToolbarInfo& info, unsigned& sortOrder, int index, int step) {
  if (!InRange(info, index) || !InRange(info, index + step)) return false;
  std::swap(info.entries[index], info.entries[index + step]);
  MarkCustomized(info, sortOrder);
  return true;
}

bool InsertEntry(ToolbarInfo& info, unsigned& sortOrder, int before, int type) {
  if (!InRange(info, before) || (type != kEntrySpace && type != kEntryNewLine))
    return false;
  info.entries.insert(info.entries.begin() + before, ButtonEntry{type, {}});
  MarkCustomized(info, sortOrder);
  return true;
}

bool DeleteEntry(ToolbarInfo& info, unsigned& sortOrder, int index) {
  if (!InRange(info, index) || !IsGap(info.entries[index])) return false;
  info.entries.erase(info.entries.begin() + index);
  MarkCustomized(info, sortOrder);
  return true;
}

bool SetEntryChecked(ToolbarInfo& info, unsigned& sortOrder, int index,
                     bool checked) {
  if (!InRange(info, index)) return false;
  ButtonEntry& entry = info.entries[index];
  if (!IsGap(entry)) entry.type = checked ? kEntryShownFile : kEntryHiddenFile;
  MarkCustomized(info, sortOrder);
  return true;
}

void DiscardUncustomizedEntries(ToolbarInfo& info) {
  if (info.kind != kKindCustom) info.entries.clear();
}

EntryButtons EntryButtonStates(const ToolbarInfo* info, int selection,
                               bool hasToolbars) {
  EntryButtons states;
  states.sort = hasToolbars;
  if (!info || info->entries.empty()) return states;
  const int last = static_cast<int>(info->entries.size()) - 1;
  states.addSpace = states.addNewLine = true;
  states.remove = InRange(*info, selection) && IsGap(info->entries[selection]);
  states.up = selection != 0;
  states.down = selection != last;
  return states;
}

unsigned MenuSortOrder(unsigned sortOrder) {
  switch (sortOrder) {
    case kSortCustom:
    case kSortByDate:
    case kSortByType:
    case kSortBySize:
      return sortOrder;
    default:
      return kSortByName;
  }
}

}  // namespace qv
