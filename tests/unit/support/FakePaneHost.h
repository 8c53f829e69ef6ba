// tests/unit/support/FakePaneHost.h: what the bar keeps for the toolbar
// pane, kept by hand, with a record of what the pane asks of it.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <utility>
#include <vector>

#include "toolbar/PaneHost.h"

namespace testsupport {

// The file-system path of an absolute list; "" when it has none.
inline std::string PathOf(LPCITEMIDLIST list) {
  char path[MAX_PATH] = {};
  return list && ::SHGetPathFromIDListA(list, path) ? path : "";
}

// Keeps what the bar keeps for the pane and records what the pane asks.
class FakePaneHost final : public IPaneHost {
 public:
  const CBarSettings& Settings() const override { return settings; }
  const ToolbarButtons* Buttons(int toolbar) const override {
    return toolbar >= 0 && static_cast<size_t>(toolbar) < buttons.size()
               ? &buttons[toolbar]
               : nullptr;
  }
  qv::Edge Edge() const override { return edge; }
  void SetMenuUp(bool up) override { menuUp.push_back(up); }
  void BrowseTo(qv::UniqueIdList folder) override {
    browsed.push_back(PathOf(folder.get()));
  }
  void SetSortOrder(int toolbar, UINT order) override {
    sorted.emplace_back(toolbar, order);
  }
  // Stored as the bar stores it: the pane scrolls on from the settings.
  void SetScrollPosition(bool vertical, int position) override {
    (vertical ? settings.m_nVertScrollPos : settings.m_nHorzScrollPos) =
        position;
    scrolled.emplace_back(vertical, position);
  }
  void FolderUnavailable(int toolbar) override {
    unavailable.push_back(toolbar);
  }
  void StepTab(int step) override { steppedTabs.push_back(step); }
  void LeaveKeyboard() override { ++leftKeyboard; }
  void RunBarCommand(UINT id) override { barCommands.push_back(id); }
  void ShowBarMenu(POINT) override { ++barMenus; }
  void BeginMove(POINT screen) override { moves.push_back(screen); }
  void DragButton(int toolbar, int button) override {
    drags.emplace_back(toolbar, button);
  }

  CBarSettings settings;
  std::vector<ToolbarButtons> buttons;  // by toolbar; past the end: none read
  qv::Edge edge = qv::Edge::Top;
  std::vector<bool> menuUp;
  std::vector<std::string> browsed;
  std::vector<std::pair<int, UINT>> sorted;
  std::vector<std::pair<bool, int>> scrolled;
  std::vector<int> unavailable;
  std::vector<int> steppedTabs;
  int leftKeyboard = 0;
  std::vector<UINT> barCommands;
  int barMenus = 0;
  std::vector<POINT> moves;
  std::vector<std::pair<int, int>> drags;
};

}  // namespace testsupport
