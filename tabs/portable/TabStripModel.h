// tabs/portable/TabStripModel.h: the tab strip without its window: the tabs,
// the selection and the scroll position, the layout of the run and the
// decisions of the arrows. CTabStrip supplies the window's side (measuring,
// invalidating, notifying the parent) through the pure virtual hooks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tabs/portable/TabGeometry.h"
#include "tabs/portable/TabItem.h"

namespace qv {

// Notification codes sent to the parent.
constexpr int kTabSelChanging = 1;  // a nonzero reply cancels the change
constexpr int kTabSelChanged = 2;
constexpr int kTabRightClick = -5;  // the common controls' NM_RCLICK
// The selected tab was dragged away with the button still held: the parent
// carries it on.
constexpr int kTabDragOut = 3;

struct TabSize {
  int cx;
  int cy;
};

class TabStripModel {
 public:
  TabStripModel() = default;
  TabStripModel(const TabStripModel&) = delete;
  TabStripModel& operator=(const TabStripModel&) = delete;
  virtual ~TabStripModel() = default;

  // Appends a tab, not yet measured.
  void AddTab(const char* text);
  // Ignores an index outside the tabs.
  void RemoveTab(int index);
  // The user's selection: asks the parent first and tells it afterwards.
  // 0 for an invalid index or a change the parent refused, else 1.
  int SelectTab(int index);
  // The same without notifications, for the owner of the strip.
  int SetCurSel(int index);

  void SetFirstTab(int first);
  // Places the tabs from `first` on; does nothing for an invalid index.
  void Layout(int first);
  // Scrolls until the tab is fully shown (or is the first one laid out).
  void EnsureVisible(int index);
  int IsTabVisible(int index, int bFully) const;
  int ArrowsNeeded() const;
  CTabItem* GetTab(int index) const;
  int GetTabCount() const { return static_cast<int>(m_tabs.size()); }

  // A tab index, an arrow code, or kHitNothing.
  int HitTest(TabPoint pt) const;
  // Whether the arrow code can move the run now.
  bool CanScroll(int code) const;
  // Moves the run by one tab for an arrow code; 1 when it moved.
  int Scroll(int code);

  // After the strip changed size: back to tab 0, then only as far as the
  // selected tab needs.
  void ResetScroll();
  // Where the run begins: 0, or in orientation 3 the bottom (above the
  // arrows when they are shown).
  int RunStart() const;
  int FullLength(const CTabItem& tab) const;

  int m_nHorzThickness = kStripThickness;
  int m_nVertThickness = kStripThickness;
  TabRect m_rectArrows{};
  int m_nCurSel = 0;
  int m_nFirstTab = 0;
  int m_nPressed = kNoArrowHeld;
  int m_bPressedOff = 0;
  int m_nOrientation = kTabsHorizontal;
  std::vector<std::unique_ptr<CTabItem>> m_tabs;

 protected:
  virtual bool HasWindow() const = 0;
  virtual TabSize ClientSize() const = 0;
  // The text's width in pixels in the current orientation's font.
  virtual int MeasureText(const std::string& text) = 0;
  // Null invalidates the whole client area.
  virtual void Invalidate(const TabRect* rect, bool erase) = 0;
  virtual std::intptr_t Notify(int code) = 0;

  // A tab's rectangle (erased), or for an arrow code the arrow pair with its
  // groove (not erased: the arrow frames cover it).
  void InvalidateTab(int code);

 private:
  int ChangeSelection(int index, bool notify);
  void PlaceForward(int first, int length);
  void PlaceUpwards(int first, int start);
};

}  // namespace qv
