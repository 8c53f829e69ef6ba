// bar/RebuildRequest.h: what one rebuild of the bar reads again and keeps.
#pragma once

struct RebuildRequest {
  enum class Reload {
    kNone,  // the buttons stay as read; rows, tabs and docking are remade
    kAll,   // every toolbar's folder is read again
    kOne,   // only `toolbar`'s folder is read again
  };
  Reload reload = Reload::kNone;
  int toolbar = -1;
  // An auto-hide bar that is slid out stays out instead of hiding again.
  bool keepShown = false;
  // Only the pane's rows change (another toolbar is shown): nothing is read
  // or docked, and the bar keeps its place.
  bool rowsOnly = false;
  // Only the buttons' cells change size (another icon size): the rows take
  // them in place and the bar docks at its new thickness; nothing is read
  // or made again.
  bool cellsOnly = false;
  // The current toolbar is read first; the others that need a read are
  // read after it, off the window's thread, while the bar is made and
  // painted (the start, Refresh, the Customize sheet's OK).
  bool currentFirst = false;
  // With currentFirst, the current toolbar too is read off the window's
  // thread, first, while the bar makes and paints its children; its row
  // shows empty until its buttons come (the start).
  bool currentApart = false;

  static RebuildRequest Layout(bool keepShown = false) {
    return {Reload::kNone, -1, keepShown};
  }
  static RebuildRequest All(bool keepShown = false) {
    return {Reload::kAll, -1, keepShown};
  }
  static RebuildRequest One(int toolbar, bool keepShown = false) {
    return {Reload::kOne, toolbar, keepShown};
  }
  static RebuildRequest Rows() { return {Reload::kNone, -1, true, true}; }
  static RebuildRequest Cells(bool keepShown = false) {
    return {Reload::kNone, -1, keepShown, false, true};
  }
  // Every toolbar read again, the one shown before the bar paints.
  static RebuildRequest CurrentFirst(bool keepShown = false) {
    return {Reload::kAll, -1, keepShown, false, false, true};
  }
  // The start: no toolbar is read before the bar first paints.
  static RebuildRequest Start() {
    return {Reload::kNone, -1, false, false, false, true, true};
  }

  // One request that does what both do: a second toolbar, or any other
  // reload, widens it to all.
  RebuildRequest MergedWith(const RebuildRequest& other) const {
    RebuildRequest merged = *this;
    merged.keepShown = keepShown || other.keepShown;
    merged.rowsOnly = rowsOnly && other.rowsOnly;
    merged.cellsOnly = cellsOnly && other.cellsOnly;
    merged.currentFirst = currentFirst && other.currentFirst;
    merged.currentApart = currentApart && other.currentApart;
    if (other.reload == Reload::kNone) return merged;
    if (reload == Reload::kNone) {
      merged.reload = other.reload;
      merged.toolbar = other.toolbar;
    } else if (!(reload == Reload::kOne && other.reload == Reload::kOne &&
                 toolbar == other.toolbar)) {
      merged.reload = Reload::kAll;
      merged.toolbar = -1;
    }
    return merged;
  }
};
