// customize/portable/ButtonEntries.h: the Buttons page's edits of a toolbar's
// button list, the toolbar combo's index mapping and which buttons apply.
#pragma once

#include <string>
#include <vector>

#include "settings/portable/ToolbarInfo.h"

namespace qv {

// The toolbar combo lists every toolbar but the browse one (`browse`, or -1
// when there is none). The toolbar index of combo entry `combo`; -1 for a
// negative entry.
int ComboToToolbar(int combo, int browse);
// The combo entry of toolbar `toolbar`; -1 for the browse toolbar or a
// negative index.
int ToolbarToCombo(int toolbar, int browse);

// A list entry's text: a file's name without its extension, or the space
// and new-line texts.
std::string EntryText(const ButtonEntry& entry, const std::string& spaceText,
                      const std::string& newLineText);
// Only a hidden file is unchecked.
bool IsEntryChecked(const ButtonEntry& entry);

// Each edit answers false, changing nothing, for a bad index or an edit the
// entry does not allow; a change makes the list custom (kind "C") and, when
// it was not yet, the sort order custom, so the bar shows this order.
bool MoveEntry(ToolbarInfo& info, unsigned& sortOrder, int index, int step);
// Entry `from` moves to place `to` (its index afterwards); the others keep
// their order.
bool MoveEntryTo(ToolbarInfo& info, unsigned& sortOrder, int from, int to);
// A button dragged along its row: the row shows `shown` (its files by file
// name as shown entries, its gaps and line breaks), and cell `from` moves to
// place `to` among them. The entries take the row's order first when they
// do not list it in that order (the toolbar was sorted); the files the row
// does not show keep their places. The toolbar then shows its custom order,
// so the sort order becomes custom even for a list that was custom already.
// False, changing nothing, for a bad index or a file the entries lack.
bool MoveRowButton(ToolbarInfo& info, unsigned& sortOrder,
                   const std::vector<ButtonEntry>& shown, int from, int to);
// A space or new line (`type`) before entry `before`.
bool InsertEntry(ToolbarInfo& info, unsigned& sortOrder, int before, int type);
// Only spaces and new lines can be deleted; files follow the folder.
bool DeleteEntry(ToolbarInfo& info, unsigned& sortOrder, int index);
// A file becomes shown or hidden; a space or new line stays checked.
bool SetEntryChecked(ToolbarInfo& info, unsigned& sortOrder, int index,
                     bool checked);

// Entries made only for display: a list that is not custom is not kept.
void DiscardUncustomizedEntries(ToolbarInfo& info);

struct EntryButtons {
  bool up = false;
  bool down = false;
  bool remove = false;
  bool sort = false;
  bool addSpace = false;
  bool addNewLine = false;
};
// With `info` null there is no current toolbar; `selection` -1 is none (UP
// and DN are then enabled and do nothing).
EntryButtons EntryButtonStates(const ToolbarInfo* info, int selection,
                               bool hasToolbars);

// The sort order the sort menu checks: unknown values count as by name.
unsigned MenuSortOrder(unsigned sortOrder);

}  // namespace qv
