// bar/BarModel.h: CBarModel, one bar's state apart from its window: its
// settings, every toolbar's buttons and the toolbar it shows. Each change is
// a typed operation that stores only the values it changed and answers what
// the window must redo; the window never edits the settings itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bar/RebuildRequest.h"
#include "framework/Handles.h"
#include "settings/BarSettings.h"
#include "settings/SettingsStore.h"
#include "settings/portable/Edge.h"
#include "settings/portable/SettingsWrite.h"
#include "shell/IconWorker.h"
#include "toolbar/ToolbarButton.h"
#include "toolbar/ToolbarCache.h"
#include "toolbar/ToolbarReader.h"
#include "toolbar/ToolbarShell.h"

class CBarModel {
 public:
  // What the window must redo after a change; nothing when it changed
  // nothing.
  using Change = std::optional<RebuildRequest>;

  CBarModel(ISettingsStore& store, IToolbarShell& shell);
  CBarModel(const CBarModel&) = delete;
  CBarModel& operator=(const CBarModel&) = delete;

  const CBarSettings& Settings() const { return m_settings; }
  IToolbarShell& Shell() const { return m_shell; }

  // Replaces the settings with the store's (at start and on Refresh); 0 as
  // CBarSettings::Load.
  int Load();
  // Lets `build` make the first start's toolbars (it stores them itself).
  int BuildDefaults(const std::function<int(CBarSettings&)>& build);
  // The store was changed by another program: takes its values in. Nothing
  // when they are what the bar holds (its own writes come back this way).
  Change TakeStoredValues();

  // The typed operations.
  Change SelectToolbar(int toolbar);
  Change SetEdge(qv::Edge edge);
  // A move drag ended on `edge` of monitor `monitor` (its device name).
  Change MoveTo(qv::Edge edge, const std::string& monitor);
  Change SetSmallIcons(bool small);
  Change SetAutoHide(bool autoHide);
  // Rows (a top or bottom bar) or columns (vertical: a left or right one).
  Change SetCells(bool vertical, int cells);
  // Folders dropped on the bar become toolbars, all or none.
  Change AddToolbars(std::vector<qv::UniqueIdList> folders);
  // Shows `folder` (absolute) in the browse toolbar, made on first use:
  // browsing into a sub-folder and up one level alike.
  Change BrowseTo(qv::UniqueIdList folder);
  Change SetSortOrder(int toolbar, UINT order);
  // Button `from` of toolbar `toolbar`'s row was dragged to place `to` (its
  // index afterwards): the toolbar keeps the row's order so changed as its
  // custom order, as a move on the Buttons page keeps it. Nothing for the
  // browse toolbar (it shows whatever was browsed), a folder whose items
  // have no file names, or indexes off the row.
  Change MoveButton(int toolbar, int from, int to);
  // The Customize sheet's copy, after OK: every toolbar is read again, the
  // shown one first.
  Change ApplyCustomize(const CBarSettings& edited);
  // Toolbar `toolbar`'s folder is gone, or it moved to another bar.
  Change RemoveToolbar(int toolbar);
  // A toolbar moved here from another bar, with its order and buttons' list.
  Change AddToolbar(ToolbarRecord toolbar);
  // Reads the store and every toolbar again, the shown one first.
  RebuildRequest Refresh();
  // The rows were scrolled: stored, nothing to redo.
  void SetScrollPosition(bool vertical, int position);

  // Brings every toolbar's buttons in step for `request`, "Current Tab" on
  // a toolbar first. -1, or the index of a toolbar whose folder was gone and
  // which has been removed: the caller rebuilds again without it.
  int ReadToolbars(const RebuildRequest& request, HWND owner);
  // Reads toolbar `toolbar` again for a change in its folder; false when it
  // could not be read (it keeps its buttons).
  bool RereadToolbar(int toolbar, HWND owner);
  // The first toolbar waiting for its first read (the start, Refresh and
  // the Customize sheet's OK leave them to be read apart), or -1: -1 once
  // every read left for after the first paint has come.
  int FirstPending() const { return m_toolbars.FirstPending(); }
  // Reads toolbar `toolbar` if it waits for its first read. Nothing to redo
  // but its row when it has buttons now; a rebuild when its folder turned
  // out gone (it is removed) or waits for its drive (its tab goes).
  Change ReadPending(int toolbar, HWND owner);

  // The items of toolbar `toolbar`'s buttons that show their kind's icon,
  // in the buttons' order, each keyed for SetOwnIcon.
  std::vector<qv::IconWorker::Job> OwnIconJobs(int toolbar) const;
  // The icon asked for the button keyed `key` is `image`: the toolbar it
  // went to, with the button's index, or -1 when its buttons have been read
  // or ordered again since.
  int SetOwnIcon(std::uint64_t key, int image, int* button);
  void ForgetButtons() { m_toolbars.Clear(); }

  const ToolbarButtons* Buttons(int toolbar) const {
    return m_toolbars.Buttons(toolbar);
  }
  // True while toolbar `toolbar` waits for its folder's drive or share.
  bool Unreachable(int toolbar) const {
    return m_toolbars.Unreachable(toolbar);
  }
  // Toolbars read apart, off the window's thread: the key of one waiting
  // for its drive or share (read when it may be back); whether one is to be
  // read now (a network folder), and its key once for each read asked, as
  // for one waiting for its first read.
  std::optional<qv::FillKey> WaitingKey(int toolbar) const {
    return m_toolbars.WaitingKey(toolbar);
  }
  bool ReadingApart(int toolbar) const {
    return m_toolbars.ReadingApart(toolbar);
  }
  std::optional<qv::FillKey> AskApart(int toolbar) {
    return m_toolbars.AskApart(toolbar);
  }
  // The key of toolbar `toolbar`'s first read while it is asked and not in.
  std::optional<qv::FillKey> PendingApart(int toolbar) const {
    return m_toolbars.PendingApart(toolbar);
  }
  // A read made apart is done, its custom list stored when that was brought
  // in step. Nothing to redo when it changed nothing, or only toolbar
  // `*refill`'s buttons (else -1), whose row is refilled in place; a rebuild
  // when a waiting toolbar is back (its tab comes), one waits now (its tab
  // goes), its folder is gone (it is removed) or it may stand in for the
  // current toolbar, which waits for its drive.
  Change TakeRead(CToolbarReader::Result result, int* refill);
  std::optional<std::string> FolderName(int toolbar) {
    return m_toolbars.FolderName(toolbar, m_settings, m_shell);
  }

 private:
  // Stores `what` and answers `redo`.
  Change Stored(const qv::SettingsWrite& what, const RebuildRequest& redo);
  // A toolbar waiting for its drive has no tab: the first that has one is
  // shown instead, and the stored choice stays.
  void ShowReachableToolbar(HWND owner);
  // Reads toolbar `toolbar` if it waits for its first read, storing its
  // custom list when that was brought in step.
  ToolbarCache::Found ReadWaiting(int toolbar, HWND owner);

  ISettingsStore& m_store;
  IToolbarShell& m_shell;
  CBarSettings m_settings;
  ToolbarCache m_toolbars;
  // "Current Tab" as stored while another toolbar stands in for it.
  std::optional<int> m_storedCurrentTab;
};
