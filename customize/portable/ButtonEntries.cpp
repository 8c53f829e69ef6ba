// customize/portable/ButtonEntries.cpp: the Buttons page's entry edits,
// combo mapping and button states, free of Win32.
#include "customize/portable/ButtonEntries.h"

#include <algorithm>
#include <utility>

#include "settings/portable/SortOrder.h"
#include "shell/portable/NoCase.h"

namespace qv {

namespace {

bool IsGap(const ButtonEntry& entry) {
  return entry.type == kEntrySpace || entry.type == kEntryNewLine;
}

bool InRange(const std::vector<ButtonEntry>& entries, int index) {
  return index >= 0 && static_cast<size_t>(index) < entries.size();
}

bool InRange(const ToolbarInfo& info, int index) {
  return InRange(info.entries, index);
}

bool SameFile(const ButtonEntry& a, const ButtonEntry& b) {
  return qv::FoldCase(a.name.c_str()) == qv::FoldCase(b.name.c_str());
}

// Whether the row's cell `cell` shows `entry`.
bool Shows(const ButtonEntry& cell, const ButtonEntry& entry) {
  if (IsGap(cell)) return entry.type == cell.type;
  return entry.type == kEntryShownFile && SameFile(cell, entry);
}

// The entry of each of the row's cells, in the entries' order; false when
// the entries do not list the row in its order.
bool FindShownEntries(const std::vector<ButtonEntry>& entries,
                      const std::vector<ButtonEntry>& shown,
                      std::vector<int>* slots) {
  slots->clear();
  size_t next = 0;
  for (const ButtonEntry& cell : shown) {
    while (next < entries.size() && !Shows(cell, entries[next])) ++next;
    if (next == entries.size()) return false;
    slots->push_back(static_cast<int>(next++));
  }
  return true;
}

// The row's cells as entries, its files shown, followed by the entries it
// does not show; false when a file of the row has no entry.
bool ArrangeAsShown(const std::vector<ButtonEntry>& entries,
                    const std::vector<ButtonEntry>& shown,
                    std::vector<ButtonEntry>* arranged) {
  std::vector<bool> taken(entries.size(), false);
  arranged->clear();
  for (const ButtonEntry& cell : shown) {
    if (IsGap(cell)) {
      arranged->push_back({cell.type, {}});
      continue;
    }
    size_t i = 0;
    while (i < entries.size() &&
           (taken[i] || IsGap(entries[i]) || !SameFile(cell, entries[i])))
      ++i;
    if (i == entries.size()) return false;
    taken[i] = true;
    arranged->push_back({kEntryShownFile, entries[i].name});
  }
  for (size_t i = 0; i < entries.size(); ++i)
    if (!taken[i]) arranged->push_back(entries[i]);
  return true;
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
  return MoveEntryTo(info, sortOrder, index, index + step);
}

bool MoveEntryTo(ToolbarInfo& info, unsigned& sortOrder, int from, int to) {
  if (!InRange(info, from) || !InRange(info, to)) return false;
  auto& entries = info.entries;
  if (from < to)
    std::rotate(entries.begin() + from, entries.begin() + from + 1,
                entries.begin() + to + 1);
  else
    std::rotate(entries.begin() + to, entries.begin() + from,
                entries.begin() + from + 1);
  MarkCustomized(info, sortOrder);
  return true;
}

bool MoveRowButton(ToolbarInfo& info, unsigned& sortOrder,
                   const std::vector<ButtonEntry>& shown, int from, int to) {
  if (!InRange(shown, from) || !InRange(shown, to) || from == to) return false;
  std::vector<int> slots;
  if (!FindShownEntries(info.entries, shown, &slots)) {
    std::vector<ButtonEntry> arranged;
    if (!ArrangeAsShown(info.entries, shown, &arranged) ||
        !FindShownEntries(arranged, shown, &slots))
      return false;
    info.entries = std::move(arranged);
  }
  MoveEntryTo(info, sortOrder, slots[from], slots[to]);
  sortOrder = kSortCustom;
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
