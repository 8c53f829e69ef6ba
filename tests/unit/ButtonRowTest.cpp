// tests/unit/ButtonRowTest.cpp: the button row driven with real messages over
// a toolbar's button list: layout and hit testing, the press-and-release
// click, the right click, tooltips, what outside tools and screen readers
// read, and what it paints.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/unit/support/Accessible.h"
#include "tests/unit/support/StandInWindow.h"
#include "toolbar/ButtonRow.h"

namespace {

// The stand-in for the pane: it records what the row tells it.
class RecordingParent : public qv::CWnd {
 public:
  struct Notice {
    UINT code;
    UINT_PTR id;
    HWND from;
  };
  std::vector<Notice> notices;
  int clicks(UINT code) const {
    int n = 0;
    for (const auto& notice : notices) n += notice.code == code;
    return n;
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
      notices.push_back({hdr->code, hdr->idFrom, hdr->hwndFrom});
      return 0;
    }
    return qv::CWnd::WindowProc(message, wParam, lParam);
  }
};

constexpr DWORD kRowStyle = 0x50011720;
constexpr UINT kRowId = 4;
using Kind = ToolbarButton::Kind;
constexpr Kind kItem = Kind::kItem;
constexpr Kind kSpace = Kind::kSpace;
constexpr Kind kBreak = Kind::kNewLine;

class ButtonRowTest : public ::testing::Test {
 protected:
  explicit ButtonRowTest(DWORD visible = 0) : m_visible(visible) {}
  static void SetUpTestSuite() { ::CoInitialize(nullptr); }
  static void TearDownTestSuite() { ::CoUninitialize(); }
  void SetUp() override {
    ASSERT_TRUE(
        testsupport::CreateStandIn(parent, {0, 0, 320, 240}, m_visible));
    ASSERT_TRUE(row.Create(kRowStyle, RECT{10, 10, 210, 210}, parent, kRowId));
    // 32-pixel icons without names.
    row.SetCellSize(40, 38);
  }

  // Shows buttons, gaps and line breaks; button i is named "Button i".
  void Show(std::initializer_list<Kind> kinds, bool withNames = false) {
    buttons.clear();
    for (Kind kind : kinds) {
      ToolbarButton button;
      button.kind = kind;
      if (kind == kItem)
        button.name = "Button " + std::to_string(buttons.size());
      buttons.push_back(std::move(button));
    }
    row.Show(&buttons, withNames);
  }
  RECT ItemRect(int index) { return row.GetCellRect(index); }
  int HitTest(int x, int y) { return row.HitTest(POINT{x, y}); }
  LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
  LRESULT NcHitTest(int x, int y) {
    POINT pt{x, y};
    ::ClientToScreen(row, &pt);
    return row.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
  }

  const DWORD m_visible;
  RecordingParent parent;
  ToolbarButtons buttons;  // the host's list, which the row shows
  CButtonRow row;
  qv::CWnd tooltip;  // shared with the row, as the bar's is
};

TEST_F(ButtonRowTest, GapsAndLineBreaksShapeTheLinesAndAreNeverHit) {
  // On a 200-pixel row: button, gap, button, break, break, button.
  Show({kItem, kSpace, kItem, kBreak, kBreak, kItem});
  EXPECT_EQ(43, ItemRect(1).left);
  EXPECT_EQ(51, ItemRect(1).right);
  EXPECT_EQ(54, ItemRect(2).left);
  EXPECT_EQ(82, ItemRect(5).top);  // the line at 41 stays empty
  EXPECT_EQ(0, ItemRect(5).left);
  EXPECT_EQ(3, row.CountLines());
  SIZE need = row.GetExtent(200, 0);
  EXPECT_EQ(120, need.cy);

  EXPECT_EQ(2, HitTest(60, 10));
  EXPECT_EQ(-1, HitTest(45, 10));   // the gap
  EXPECT_EQ(-1, HitTest(41, 10));   // padding
  EXPECT_EQ(-1, HitTest(10, 50));   // the empty line
  EXPECT_EQ(-1, HitTest(150, 10));  // past the last button

  // Only buttons stop the mouse; elsewhere the pane behind gets it.
  EXPECT_EQ(HTCLIENT, NcHitTest(5, 5));
  EXPECT_EQ(HTTRANSPARENT, NcHitTest(45, 5));
  EXPECT_EQ(HTTRANSPARENT, NcHitTest(5, 50));
  EXPECT_EQ(HTTRANSPARENT, NcHitTest(190, 190));

  // Columns down a left or right bar: the same cells, axes exchanged.
  row.SetOrientation(qv::kColumnsDown);
  EXPECT_EQ(41, ItemRect(1).top);
  EXPECT_EQ(49, ItemRect(1).bottom);
  EXPECT_EQ(86, ItemRect(5).left);  // the column at 43 stays empty
  EXPECT_EQ(86 + 40, row.GetExtent(0, 200).cx);

  // Shown again without the gap, the next button moves up to it.
  buttons.erase(buttons.begin() + 1);
  row.Show(&buttons, false);
  EXPECT_EQ(41, ItemRect(1).top);
}

TEST_F(ButtonRowTest, ResizingTheRowWrapsItsButtonsAgain) {
  Show({kItem, kItem, kItem, kItem});
  EXPECT_EQ(1, row.CountLines());
  ::SetWindowPos(row, nullptr, 0, 0, 90, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(2, row.CountLines());
  EXPECT_EQ(41, ItemRect(2).top);
  EXPECT_EQ(79, row.GetExtent(90, 0).cy);
}

TEST_F(ButtonRowTest, ReleaseAfterAPressClicksThePressedButton) {
  Show({kItem, kItem, kItem});

  row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 10));
  EXPECT_EQ(1, row.GetPressed());
  EXPECT_EQ(row.m_hWnd, ::GetCapture());
  // Moved within the drag distance before letting go.
  row.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(51, 11));
  row.SendMessage(WM_LBUTTONUP, 0, At(51, 11));
  EXPECT_EQ(-1, row.GetPressed());
  EXPECT_EQ(nullptr, ::GetCapture());
  ASSERT_EQ(1, parent.clicks(NM_CLICK));
  EXPECT_EQ(1, row.GetClickedButton());
  EXPECT_EQ(kRowId, parent.notices.back().id);
  EXPECT_EQ(row.m_hWnd, parent.notices.back().from);

  // A release without a press, and a press on empty space, click nothing.
  row.SendMessage(WM_LBUTTONUP, 0, At(50, 10));
  row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 10));
  EXPECT_EQ(-1, row.GetPressed());
  row.SendMessage(WM_LBUTTONUP, 0, At(150, 10));
  // Nor does a press whose button went from the list before the release.
  row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(90, 10));
  ASSERT_EQ(2, row.GetPressed());
  buttons.pop_back();
  row.Show(&buttons, false);
  row.SendMessage(WM_LBUTTONUP, 0, At(90, 10));
  EXPECT_EQ(1, parent.clicks(NM_CLICK));
}

// Past the system's drag distance the press becomes a drag of its button:
// the parent carries it, and the release clicks nothing.
TEST_F(ButtonRowTest, APressMovedPastTheDragDistanceIsADrag) {
  Show({kItem, kItem});
  row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 10));
  row.SendMessage(WM_MOUSEMOVE, MK_LBUTTON,
                  At(50, 10 + ::GetSystemMetrics(SM_CYDRAG)));
  ASSERT_EQ(1, parent.clicks(RN_BEGINDRAG));
  EXPECT_EQ(kRowId, parent.notices.back().id);
  EXPECT_EQ(-1, row.GetPressed());
  EXPECT_EQ(nullptr, ::GetCapture());
  row.SendMessage(WM_LBUTTONUP, 0, At(500, 300));
  EXPECT_EQ(0, parent.clicks(NM_CLICK));
}

TEST_F(ButtonRowTest, APressWhoseCaptureIsTakenAwayIsCancelled) {
  Show({kItem});
  row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  ASSERT_EQ(0, row.GetPressed());
  ::SetCapture(parent);  // say, a menu takes the mouse
  EXPECT_EQ(-1, row.GetPressed());
  ::ReleaseCapture();
  row.SendMessage(WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(0, parent.clicks(NM_CLICK));
}

TEST_F(ButtonRowTest, RightClickOnAButtonNotifiesTheParent) {
  Show({kItem});
  row.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  row.SendMessage(WM_RBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(1, parent.clicks(NM_RCLICK));
  EXPECT_EQ(0, parent.clicks(NM_CLICK));
  EXPECT_EQ(0, row.SendMessage(WM_GETDLGCODE));
}

// Tools outside the program count a row's entries as a tab control's items;
// a screen reader asking the row itself reads its buttons by whole names.
TEST_F(ButtonRowTest, OutsideToolsCountEntriesAndScreenReadersReadNames) {
  Show({kItem, kSpace, kItem});
  buttons[2].name = std::string(300, 'n');  // far more than a cell shows
  EXPECT_EQ(3, row.SendMessage(TCM_GETITEMCOUNT));

  qv::ComPtr<IAccessible> object = testsupport::AccessibleOf(row);
  ASSERT_TRUE(object);
  long count = 0;
  EXPECT_EQ(S_OK, object->get_accChildCount(&count));
  EXPECT_EQ(2, count);  // the gap is no button
  EXPECT_EQ(buttons[2].name, testsupport::NameOf(object.Get(), 2));
  EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON,
            testsupport::Property(object.Get(), 2, false));

  row.Show(nullptr, false);
  EXPECT_EQ(0, row.SendMessage(TCM_GETITEMCOUNT));
  EXPECT_EQ(S_OK, object->get_accChildCount(&count));
  EXPECT_EQ(0, count);
  // Held past the window's end, the object answers without its data.
  row.DestroyWindow();
  EXPECT_EQ(RPC_E_DISCONNECTED, object->get_accChildCount(&count));
}

std::vector<TTTOOLINFOA> Tools(HWND tip) {
  std::vector<TTTOOLINFOA> tools;
  const int count =
      static_cast<int>(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    if (::SendMessageA(tip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info)))
      tools.push_back(info);
  }
  return tools;
}

TEST_F(ButtonRowTest, TheRowsOneToolFollowsTheButtonUnderTheMouse) {
  ASSERT_TRUE(qv::Tooltip::CreatePopup(tooltip, parent));
  HWND tip = tooltip.m_hWnd;
  row.SetTooltip(tip);
  Show({kItem, kSpace, kItem});
  auto toolRect = [&] {
    auto tools = Tools(tip);
    EXPECT_EQ(1u, tools.size());
    return tools.empty() ? RECT{} : tools[0].rect;
  };
  auto hover = [&](int cell) {
    const RECT rc = ItemRect(cell);
    row.SendMessage(WM_MOUSEMOVE, 0, At(rc.left + 2, rc.top + 2));
  };
  hover(0);
  RECT expected = ItemRect(0);
  RECT rc = toolRect();
  EXPECT_TRUE(::EqualRect(&expected, &rc));
  hover(1);  // the gap: no tip
  rc = toolRect();
  EXPECT_TRUE(::IsRectEmpty(&rc));
  hover(2);
  expected = ItemRect(2);
  rc = toolRect();
  EXPECT_TRUE(::EqualRect(&expected, &rc));

  // The tooltip asks the row's parent for the name of a button.
  parent.notices.clear();
  char text[64] = {};
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = row;
  info.uId = 1;
  info.lpszText = text;
  ::SendMessageA(tip, TTM_GETTEXTA, sizeof text,
                 reinterpret_cast<LPARAM>(&info));
  EXPECT_GE(parent.clicks(TTN_NEEDTEXTA), 1);

  // The row takes its tool, not the shared tooltip, with it.
  row.DestroyWindow();
  EXPECT_TRUE(::IsWindow(tip));
  EXPECT_EQ(0, ::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
}

// Painting, read back from the screen.
class ButtonRowPaintTest : public ButtonRowTest {
 protected:
  ButtonRowPaintTest() : ButtonRowTest(WS_VISIBLE) {}
  COLORREF Pixel(int x, int y) {
    ::UpdateWindow(row);
    qv::WindowDC dc(row);
    return ::GetPixel(dc.get(), x, y);
  }
};

TEST_F(ButtonRowPaintTest, NormalAndPressedFramesAreLitFromOppositeSides) {
  Show({kItem});
  EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), Pixel(0, 0));
  EXPECT_EQ(::GetSysColor(COLOR_WINDOWFRAME), Pixel(39, 37));
  EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), Pixel(38, 36));

  row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(::GetSysColor(COLOR_WINDOWFRAME), Pixel(0, 0));
  EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), Pixel(1, 1));
  EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), Pixel(39, 37));
  row.SendMessage(WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), Pixel(0, 0));
}

TEST_F(ButtonRowPaintTest, ANameIsDrawnOnlyWithNamesAndClippedToItsCell) {
  // A 60 x 22 cell with a 16-pixel icon place and a name far too long.
  row.SetCellSize(60, 22);
  Show({kItem}, true);
  buttons[0].name = std::string(45, 'W');
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  auto inked = [&] {
    ::InvalidateRect(row, nullptr, TRUE);
    int n = 0;
    for (int x = 6; x < 56; ++x)
      for (int y = 2; y < 18; ++y) n += Pixel(x, y) != face;
    return n;
  };
  EXPECT_GT(inked(), 0);  // the name is drawn
  for (int x = 56; x < 58; ++x)
    for (int y = 2; y < 20; ++y)
      EXPECT_EQ(face, Pixel(x, y)) << x << "," << y;  // and cut at 56
  // Next to the cell the row shows only its background.
  EXPECT_EQ(face, Pixel(61, 10));

  row.Show(&buttons, false);
  EXPECT_EQ(0, inked());
}

}  // namespace
