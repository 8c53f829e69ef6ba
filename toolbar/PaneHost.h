// toolbar/PaneHost.h: IPaneHost, what the toolbar pane asks of the window
// that owns it. The owner keeps the settings and every toolbar's buttons and
// decides what a request does; the pane only reads and asks.
#pragma once

#include <windows.h>

#include "framework/Handles.h"
#include "settings/BarSettings.h"
#include "settings/portable/Edge.h"
#include "toolbar/ToolbarButton.h"

class IPaneHost {
 public:
  // The working settings: the options and the toolbars, in tab order.
  virtual const CBarSettings& Settings() const = 0;
  // Toolbar `toolbar`'s buttons, or null while it has none read. The pane's
  // rows show this very list: the host refills the row (RefillRow) once it
  // replaced it, and destroys the rows before it frees or moves the lists.
  virtual const ToolbarButtons* Buttons(int toolbar) const = 0;
  // The edge the bar is docked to.
  virtual qv::Edge Edge() const = 0;

  // A menu of the pane is up (or down again): an auto-hide bar stays out.
  virtual void SetMenuUp(bool up) = 0;
  // Shows `folder` (absolute) in the browse toolbar, made on first use.
  virtual void BrowseTo(qv::UniqueIdList folder) = 0;
  // Gives toolbar `toolbar` a new sort order and has it read again.
  virtual void SetSortOrder(int toolbar, UINT order) = 0;
  // The rows were scrolled: Settings() holds the new position from now on,
  // and it survives a restart.
  virtual void SetScrollPosition(bool vertical, int position) = 0;
  // Toolbar `toolbar`'s folder could not be bound for a click: the host
  // tells the user and reads the toolbar again.
  virtual void FolderUnavailable(int toolbar) = 0;
  // Ctrl+Tab (1) or Ctrl+Shift+Tab (-1): the next or previous tab, chosen
  // as a click on it chooses it.
  virtual void StepTab(int step) = 0;
  // Esc: the keyboard goes back to the window that had it before the bar.
  virtual void LeaveKeyboard() = 0;
  // One of the bar's own commands (ID_LEFT_ALIGN, ID_EXIT, ...), chosen on
  // the folder menu.
  virtual void RunBarCommand(UINT id) = 0;
  // A right click on a pane with no toolbar to show: the bar's own menu at
  // `screen`.
  virtual void ShowBarMenu(POINT screen) = 0;
  // Button `button` of toolbar `toolbar` was dragged away from its place:
  // the host carries it until it is dropped, along its row, into a folder,
  // or out of the bar.
  virtual void DragButton(int toolbar, int button) = 0;
  // A press on the pane's empty space at `screen`: the bar follows the
  // mouse to another edge until the button is released.
  virtual void BeginMove(POINT screen) = 0;

 protected:
  ~IPaneHost() = default;
};

// The host's menu-up state for as long as a menu of the pane runs.
class MenuUpScope {
 public:
  explicit MenuUpScope(IPaneHost& host) : m_host(host) {
    m_host.SetMenuUp(true);
  }
  MenuUpScope(const MenuUpScope&) = delete;
  MenuUpScope& operator=(const MenuUpScope&) = delete;
  ~MenuUpScope() { m_host.SetMenuUp(false); }

 private:
  IPaneHost& m_host;
};
