// tests/unit/ButtonRowTest.cpp: the button row driven with real messages:
// its item records, layout and hit testing, the press-and-release click, the
// right click, tooltips, what it paints, and a toolbar's buttons as cells.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/WinApp.h"
#include "toolbar/ButtonRow.h"

namespace {

// A top-level window standing in for the pane: it records what the row
// tells it.
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
// Masks of buttons: icon only, or icon and name.
constexpr UINT kIcon = TCIF_IMAGE;
constexpr UINT kIconText = TCIF_IMAGE | TCIF_TEXT;
constexpr UINT kRowId = 4;

class ButtonRowTest : public ::testing::Test {
 protected:
  void SetUp() override { Create(0); }
  void Create(DWORD visible) {
    const char* cls = qv::RegisterWindowClass(
        0, ::LoadCursor(nullptr, IDC_ARROW),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    qv::CreateArgs args;
    args.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    args.className = cls;
    args.windowName = "";
    args.style = WS_POPUP | visible;
    args.SetRect({0, 0, 320, 240});
    ASSERT_TRUE(parent.Create(args));
    ASSERT_TRUE(row.Create(kRowStyle, RECT{10, 10, 210, 210}, parent, kRowId));
    // 32-pixel icons without names.
    row.SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(40, 38));
  }

  // Inserts a button (with a name when given) or a gap or line break.
  LRESULT Insert(int index, UINT mask, const char* name = nullptr,
                 LPARAM param = 0, int textMax = kItemTextMax) {
    TCITEMA item{};
    item.mask = mask;
    item.pszText = const_cast<char*>(name);
    item.cchTextMax = name ? textMax : 0;
    item.lParam = param;
    return row.SendMessage(TCM_INSERTITEMA, index,
                           reinterpret_cast<LPARAM>(&item));
  }
  RECT ItemRect(int index) {
    RECT rc{-1, -1, -1, -1};
    EXPECT_TRUE(
        row.SendMessage(TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc)));
    return rc;
  }
  int HitTest(int x, int y, UINT* flags = nullptr) {
    TCHITTESTINFO info{{x, y}, 0};
    const int hit = static_cast<int>(
        row.SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (flags) *flags = info.flags;
    return hit;
  }
  LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
  LRESULT NcHitTest(int x, int y) {
    POINT pt{x, y};
    ::ClientToScreen(row, &pt);
    return row.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
  }
  HWND MakeTooltip() {
    if (!qv::Tooltip::CreatePopup(tooltip, parent)) return nullptr;
    row.SendMessage(TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip.m_hWnd));
    return tooltip.m_hWnd;
  }

  RecordingParent parent;
  CButtonRow row;
  qv::CWnd tooltip;  // shared with the row, as the bar's is
};

TEST_F(ButtonRowTest, InsertionAppendsAtTheCountAndRefusesPastIt) {
  EXPECT_EQ(0, Insert(0, kIcon));
  EXPECT_EQ(1, Insert(1, kIcon));
  EXPECT_EQ(-1, Insert(3, kIcon));
  EXPECT_EQ(-1, row.SendMessage(TCM_INSERTITEMA, 0, 0));
  EXPECT_EQ(0, Insert(0, ITEM_SPACE));  // in front
  EXPECT_EQ(3, row.GetItemCount());
  // The tab control's own list keeps the same length.
  EXPECT_EQ(3, row.SendMessage(TCM_GETITEMCOUNT));
  EXPECT_EQ(0, row.SendMessage(TCM_DELETEITEM, 3));
  EXPECT_EQ(1, row.SendMessage(TCM_DELETEITEM, 0));
  EXPECT_EQ(2, row.SendMessage(TCM_GETITEMCOUNT));
  EXPECT_EQ(1, row.SendMessage(TCM_DELETEALLITEMS));
  EXPECT_EQ(0, row.GetItemCount());
  EXPECT_EQ(0, row.SendMessage(TCM_GETITEMCOUNT));
}

TEST_F(ButtonRowTest, ItemsKeepACopyOfTheirNameCutToItsCapacity) {
  char name[] = "Notepad";
  ASSERT_EQ(0, Insert(0, kIconText | TCIF_PARAM, name, 77, 5));
  name[0] = 'X';  // the caller's buffer is not kept
  ASSERT_EQ(1, Insert(1, ITEM_NEWLINE, "ignored", 5));

  char buffer[16];
  std::fill(std::begin(buffer), std::end(buffer), '#');
  TCITEMA out{};
  out.mask = TCIF_TEXT | TCIF_PARAM | TCIF_IMAGE;
  out.pszText = buffer;
  out.cchTextMax = sizeof buffer;
  ASSERT_EQ(1,
            row.SendMessage(TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&out)));
  EXPECT_STREQ("Notep", buffer);
  EXPECT_EQ(77, out.lParam);
  EXPECT_EQ(0, out.iImage);

  // A small buffer gets what fits with its terminator, and nothing beyond.
  std::fill(std::begin(buffer), std::end(buffer), '#');
  out.mask = TCIF_TEXT;
  out.cchTextMax = 3;
  ASSERT_EQ(1,
            row.SendMessage(TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&out)));
  EXPECT_STREQ("No", buffer);
  EXPECT_EQ('#', buffer[3]);

  // A line break carries no name, image or param.
  out.mask = TCIF_TEXT | TCIF_PARAM | TCIF_IMAGE;
  out.cchTextMax = sizeof buffer;
  buffer[0] = '\0';
  ASSERT_EQ(1,
            row.SendMessage(TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&out)));
  EXPECT_EQ(ITEM_NEWLINE, out.mask);
  EXPECT_EQ(-1, out.iImage);
  EXPECT_EQ(0, out.lParam);
  EXPECT_STREQ("", buffer);

  EXPECT_EQ(0,
            row.SendMessage(TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&out)));
  EXPECT_EQ(0, row.SendMessage(TCM_GETITEMA, 0, 0));
  EXPECT_EQ(0, row.SendMessage(TCM_GETITEMRECT, 0, 0));

  // A name without a buffer, or a negative capacity, is taken as empty.
  EXPECT_EQ(2, Insert(2, kIconText, nullptr));
  EXPECT_EQ(3, Insert(3, kIconText, "abc", 0, -4));
}

TEST_F(ButtonRowTest, GapsAndLineBreaksShapeTheLinesAndAreNeverHit) {
  // On a 200-pixel row: button, gap, button, break, break, button.
  for (UINT mask :
       {kIcon, ITEM_SPACE, kIcon, ITEM_NEWLINE, ITEM_NEWLINE, kIcon})
    ASSERT_GE(Insert(row.GetItemCount(), mask), 0);
  EXPECT_EQ(43, ItemRect(1).left);
  EXPECT_EQ(51, ItemRect(1).right);
  EXPECT_EQ(54, ItemRect(2).left);
  EXPECT_EQ(82, ItemRect(5).top);  // the line at 41 stays empty
  EXPECT_EQ(0, ItemRect(5).left);
  EXPECT_EQ(3, row.CountLines());
  SIZE need = row.GetExtent(200, 0);
  EXPECT_EQ(120, need.cy);

  UINT flags = 0;
  EXPECT_EQ(2, HitTest(60, 10, &flags));
  EXPECT_EQ(static_cast<UINT>(TCHT_ONITEM), flags);
  EXPECT_EQ(-1, HitTest(45, 10, &flags));  // the gap
  EXPECT_EQ(static_cast<UINT>(TCHT_NOWHERE), flags);
  EXPECT_EQ(-1, HitTest(41, 10));   // padding
  EXPECT_EQ(-1, HitTest(10, 50));   // the empty line
  EXPECT_EQ(-1, HitTest(150, 10));  // past the last button
  EXPECT_EQ(-1, row.SendMessage(TCM_HITTEST, 0, 0));

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

  // Deleting the gap moves the next button up to it.
  ASSERT_EQ(1, row.SendMessage(TCM_DELETEITEM, 1));
  EXPECT_EQ(41, ItemRect(1).top);
}

TEST_F(ButtonRowTest, ResizingTheRowWrapsItsButtonsAgain) {
  for (int i = 0; i < 4; ++i) ASSERT_GE(Insert(i, kIcon), 0);
  EXPECT_EQ(1, row.CountLines());
  ::SetWindowPos(row, nullptr, 0, 0, 90, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(2, row.CountLines());
  EXPECT_EQ(41, ItemRect(2).top);
  EXPECT_EQ(79, row.GetExtent(90, 0).cy);
}

TEST_F(ButtonRowTest, ReleaseAnywhereAfterAPressClicksThePressedButton) {
  for (int i = 0; i < 3; ++i) ASSERT_GE(Insert(i, kIcon), 0);

  row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 10));
  EXPECT_EQ(1, row.GetPressed());
  EXPECT_EQ(row.m_hWnd, ::GetCapture());
  // Dragged off the row altogether before letting go.
  row.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(500, 300));
  row.SendMessage(WM_LBUTTONUP, 0, At(500, 300));
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
  EXPECT_EQ(1, parent.clicks(NM_CLICK));
}

TEST_F(ButtonRowTest, APressWhoseCaptureIsTakenAwayIsCancelled) {
  ASSERT_GE(Insert(0, kIcon), 0);
  row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  ASSERT_EQ(0, row.GetPressed());
  ::SetCapture(parent);  // say, a menu takes the mouse
  EXPECT_EQ(-1, row.GetPressed());
  ::ReleaseCapture();
  row.SendMessage(WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(0, parent.clicks(NM_CLICK));
}

TEST_F(ButtonRowTest, RightClickOnAButtonNotifiesTheParent) {
  ASSERT_GE(Insert(0, kIcon), 0);
  row.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  row.SendMessage(WM_RBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(1, parent.clicks(NM_RCLICK));
  EXPECT_EQ(0, parent.clicks(NM_CLICK));
  EXPECT_EQ(0, row.SendMessage(WM_GETDLGCODE));
}

TEST_F(ButtonRowTest, AddButtonsAppendsItemsGapsAndLineBreaksAsCells) {
  ASSERT_EQ(0, Insert(0, kIcon));
  ToolbarButtons buttons(4);
  buttons[0].name = "Alpha";
  buttons[0].image = 7;
  buttons[1].kind = ToolbarButton::Kind::kSpace;
  buttons[2].kind = ToolbarButton::Kind::kNewLine;
  buttons[3].name = std::string(kItemTextMax + 40, 'b');
  buttons[3].image = 3;
  row.AddButtons(buttons, true);
  row.AddButtons(buttons, false);
  ASSERT_EQ(9, row.GetItemCount());

  using Cell = std::tuple<UINT, int, std::string>;
  auto cell = [&](int index) {
    char buffer[kItemTextMax + 64] = {};
    TCITEMA out{};
    out.mask = TCIF_TEXT | TCIF_IMAGE;
    out.pszText = buffer;
    out.cchTextMax = sizeof buffer;
    EXPECT_EQ(1, row.SendMessage(TCM_GETITEMA, index,
                                 reinterpret_cast<LPARAM>(&out)));
    return Cell{out.mask, out.iImage, buffer};
  };
  const std::string cut(kItemTextMax, 'b');
  EXPECT_EQ((Cell{kIconText, 7, "Alpha"}), cell(1));
  EXPECT_EQ((Cell{ITEM_SPACE, -1, ""}), cell(2));
  EXPECT_EQ((Cell{ITEM_NEWLINE, -1, ""}), cell(3));
  EXPECT_EQ((Cell{kIconText, 3, cut}), cell(4));
  // Without names: icons only.
  EXPECT_EQ((Cell{kIcon, 7, ""}), cell(5));
  EXPECT_EQ((Cell{kIcon, 3, ""}), cell(8));
  EXPECT_EQ(41, ItemRect(4).top);  // after the line break
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
  HWND tip = MakeTooltip();
  ASSERT_NE(nullptr, tip);
  for (UINT mask : {kIcon, ITEM_SPACE, kIcon})
    ASSERT_GE(Insert(row.GetItemCount(), mask), 0);
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
  ::DestroyWindow(tip);
}

// Painting, read back from the screen.
class ButtonRowPaintTest : public ButtonRowTest {
 protected:
  void SetUp() override { Create(WS_VISIBLE); }
  COLORREF Pixel(int x, int y) {
    ::UpdateWindow(row);
    qv::WindowDC dc(row);
    const COLORREF c = ::GetPixel(dc.get(), x, y);
    return c;
  }
};

TEST_F(ButtonRowPaintTest, NormalAndPressedFramesAreLitFromOppositeSides) {
  ASSERT_GE(Insert(0, kIcon), 0);
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

TEST_F(ButtonRowPaintTest, ALongNameIsClippedAtItsTextRectangle) {
  // A 60 x 22 cell with a 16-pixel icon place and a name far too long.
  row.SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(60, 22));
  ASSERT_GE(
      Insert(0, kIconText, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"), 0);
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  int inked = 0;
  for (int x = 6; x < 56; ++x)
    for (int y = 2; y < 18; ++y) inked += Pixel(x, y) != face;
  EXPECT_GT(inked, 0);  // the name is drawn
  for (int x = 56; x < 58; ++x)
    for (int y = 2; y < 20; ++y)
      EXPECT_EQ(face, Pixel(x, y)) << x << "," << y;  // and cut at 56
  // Next to the cell the row shows only its background.
  EXPECT_EQ(face, Pixel(61, 10));
}

}  // namespace
