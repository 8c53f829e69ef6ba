// tests/unit/HelpTest.cpp: the help API seen through a recording help UI:
// which page file is asked for, the failure path, the table lookups of
// WM_HELP and WM_CONTEXTMENU, the help command's way to a window, and the
// pop-up window.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/BarApp.h"
#include "framework/Help.h"
#include "res/resource.h"
#include "tests/unit/support/RecordingHelpUi.h"

static_assert(qv::kIdHelp == ID_HELP && qv::kIdDefaultHelp == ID_DEFAULT_HELP);
static_assert(qv::kIdsFailedToLaunchHelp == IDS_FAILED_TO_LAUNCH_HELP &&
              qv::kIdsWhatsThis == IDS_WHATS_THIS &&
              qv::kIdsHelpPopupBase == IDS_HELP_POPUP_BASE);

namespace {

// A visible window of any class, destroyed with the object.
struct Window {
  HWND wnd;
  Window(const char* cls, DWORD style, HWND parent, int id, RECT r)
      : wnd(::CreateWindowExA(0, cls, "", style | WS_VISIBLE, r.left, r.top,
                              r.right - r.left, r.bottom - r.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              nullptr, nullptr)) {}
  ~Window() { ::DestroyWindow(wnd); }
};

// Windows of this class count WM_COMMANDHELP (by control id) and
// ID_DEFAULT_HELP, and answer WM_COMMANDHELP with their user data.
int g_helpAsked[8];
int g_defaultHelp;

LRESULT CALLBACK AnsweringProc(HWND wnd, UINT message, WPARAM wp, LPARAM lp) {
  int slot = static_cast<int>(::GetWindowLongPtrA(wnd, GWLP_ID)) & 7;
  if (message == WM_COMMANDHELP) {
    ++g_helpAsked[slot];
    return ::GetWindowLongPtrA(wnd, GWLP_USERDATA);
  }
  if (message == WM_COMMAND && LOWORD(wp) == ID_DEFAULT_HELP) ++g_defaultHelp;
  return ::DefWindowProcA(wnd, message, wp, lp);
}

const char* AnsweringClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &AnsweringProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "HelpTestAnswering";
    return ::RegisterClassA(&wc) != 0;
  }();
  return registered ? "HelpTestAnswering" : nullptr;
}

class HelpTest : public ::testing::Test {
 protected:
  RecordingHelpUi ui;
  qv::HelpUiOverride useUi{ui};
};

TEST_F(HelpTest, PagesAreAskedForByContextInTheHelpFolderBesideTheProgram) {
  char exe[MAX_PATH];
  std::string folder(exe, ::GetModuleFileNameA(nullptr, exe, MAX_PATH));
  folder.erase(folder.find_last_of('\\') + 1);
  ASSERT_EQ(folder + "help\\", qv::HelpFolder());

  for (DWORD topic : {4, 38, 39, 40, 54}) {
    EXPECT_TRUE(qv::OpenHelpTopic(nullptr, topic));
    EXPECT_EQ(folder + "help\\topic" + std::to_string(topic) + ".html",
              ui.opened.back());
  }
  EXPECT_TRUE(qv::OpenHelpContents(nullptr));
  EXPECT_EQ(folder + "help\\index.html", ui.opened.back());
  EXPECT_EQ(0, ui.failures);
}

TEST_F(HelpTest, AMissingPageOrOneThatDoesNotOpenIsReported) {
  EXPECT_FALSE(qv::OpenHelpTopic(nullptr, 999));
  EXPECT_TRUE(ui.opened.empty());
  EXPECT_EQ(1, ui.failures);

  ui.opens = false;
  EXPECT_FALSE(qv::OpenHelpContents(nullptr));
  EXPECT_EQ(2, ui.failures);

  char text[64] = {};
  ::LoadStringA(nullptr, IDS_FAILED_TO_LAUNCH_HELP, text, sizeof text);
  EXPECT_STREQ("Failed to launch help.", text);
}

TEST_F(HelpTest, EveryControlHelpContextHasAPopupText) {
  for (DWORD id : {36, 33, 34, 59, 35, 51, 53, 32, 45, 46, 49, 60, 42, 48,
                   58, 17, 56, 52, 62, 55, 61, 37, 50, 44, 41, 47, 43})
    EXPECT_FALSE(qv::HelpPopupText(id).empty()) << id;
  EXPECT_TRUE(qv::HelpPopupText(999).empty());
}

// The same control id means different things on two pages.
const qv::HelpId kButtons[] = {{1020, 58}, {1019, 17}, {0, 0}};
const qv::HelpId kToolbars[] = {{1020, 45}, {1019, 46}, {0, 0}};

TEST_F(HelpTest, WmHelpShowsThePopupOfTheControlInThePagesTable) {
  HWND up = reinterpret_cast<HWND>(0x1234);
  HELPINFO info{sizeof info, HELPINFO_WINDOW, 1019, up, 0, {0, 0}};
  EXPECT_TRUE(qv::HandleHelpInfo(&info, kButtons));
  EXPECT_TRUE(qv::HandleHelpInfo(&info, kToolbars));
  ASSERT_EQ(2u, ui.popups.size());
  EXPECT_EQ(std::make_pair(up, DWORD{17}), ui.popups[0]);
  EXPECT_EQ(std::make_pair(up, DWORD{46}), ui.popups[1]);

  // Not in the table, no table, or a menu item: left to default processing.
  info.iCtrlId = 1021;
  EXPECT_FALSE(qv::HandleHelpInfo(&info, kButtons));
  info.iCtrlId = 1019;
  EXPECT_FALSE(qv::HandleHelpInfo(&info, nullptr));
  info.iContextType = HELPINFO_MENUITEM;
  EXPECT_FALSE(qv::HandleHelpInfo(&info, kButtons));
  EXPECT_EQ(2u, ui.popups.size());
}

TEST_F(HelpTest, WmContextMenuOffersWhatsThisForTheControlUnderTheClick) {
  Window page("STATIC", WS_POPUP, nullptr, 0, {100, 100, 400, 300});
  Window up("BUTTON", WS_CHILD, page.wnd, 1019, {10, 10, 60, 30});
  Window down("BUTTON", WS_CHILD | WS_DISABLED, page.wnd, 1020,
              {10, 50, 60, 70});
  Window other("BUTTON", WS_CHILD, page.wnd, 1021, {10, 90, 60, 110});

  EXPECT_TRUE(
      qv::HandleContextMenu(page.wnd, up.wnd, MAKELPARAM(120, 115), kButtons));
  ASSERT_EQ(1u, ui.offers.size());
  EXPECT_EQ(120, ui.offers[0].x);
  EXPECT_EQ(std::make_pair(up.wnd, DWORD{17}), ui.popups.back());

  // A disabled control leaves the click to the page: found by the point.
  EXPECT_TRUE(qv::HandleContextMenu(page.wnd, page.wnd, MAKELPARAM(130, 160),
                                    kButtons));
  EXPECT_EQ(std::make_pair(down.wnd, DWORD{58}), ui.popups.back());

  // From the keyboard the menu comes at the control's centre.
  EXPECT_TRUE(qv::HandleContextMenu(page.wnd, up.wnd, -1, kToolbars));
  EXPECT_EQ(135, ui.offers.back().x);
  EXPECT_EQ(120, ui.offers.back().y);
  EXPECT_EQ(std::make_pair(up.wnd, DWORD{46}), ui.popups.back());

  // Declined menu: no pop-up. Empty space or a control without help: no menu.
  ui.chooses = false;
  EXPECT_TRUE(
      qv::HandleContextMenu(page.wnd, up.wnd, MAKELPARAM(120, 115), kButtons));
  EXPECT_FALSE(qv::HandleContextMenu(page.wnd, page.wnd, MAKELPARAM(300, 250),
                                     kButtons));
  EXPECT_FALSE(qv::HandleContextMenu(page.wnd, other.wnd, MAKELPARAM(120, 195),
                                     kButtons));
  EXPECT_EQ(4u, ui.offers.size());
  EXPECT_EQ(3u, ui.popups.size());
}

TEST_F(HelpTest, TheHelpCommandReachesTheFirstWindowThatAnswers) {
  ASSERT_TRUE(AnsweringClass());
  std::fill(std::begin(g_helpAsked), std::end(g_helpAsked), 0);
  g_defaultHelp = 0;
  CBarApp app;
  Window main(AnsweringClass(), WS_POPUP, nullptr, 0, {0, 0, 50, 50});
  Window sheet(AnsweringClass(), WS_POPUP, main.wnd, 0, {0, 0, 300, 200});
  Window page(AnsweringClass(), WS_CHILD, sheet.wnd, 1, {0, 0, 200, 150});
  Window edit("EDIT", WS_CHILD, page.wnd, 2, {0, 0, 100, 20});
  ::SetWindowLongPtrA(page.wnd, GWLP_USERDATA, 1);
  ::SetForegroundWindow(sheet.wnd);
  ::SetFocus(edit.wnd);
  ASSERT_EQ(edit.wnd, ::GetFocus());

  // F1 in the page: WM_HELP becomes the help command, which the page takes.
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_F1] = 0x80;
  ::SetKeyboardState(keys);
  HELPINFO info{sizeof info, HELPINFO_WINDOW, 2, edit.wnd, 0, {0, 0}};
  EXPECT_TRUE(qv::HandleHelpInfo(&info, kButtons));
  keys[VK_F1] = 0;
  ::SetKeyboardState(keys);
  EXPECT_EQ(1, g_helpAsked[1]);
  EXPECT_TRUE(ui.popups.empty());

  // When no window answers, the main window gets ID_DEFAULT_HELP.
  ::SetWindowLongPtrA(page.wnd, GWLP_USERDATA, 0);
  qv::OfferHelpRequest(main.wnd);
  EXPECT_EQ(2, g_helpAsked[1]);
  EXPECT_EQ(1, g_defaultHelp);
}

TEST(HelpPopupTest, ShowsTheTextBelowTheControlAndClosesOnAKey) {
  Window owner("STATIC", WS_POPUP, nullptr, 0, {100, 100, 400, 300});
  Window control("BUTTON", WS_CHILD, owner.wnd, 1019, {10, 10, 60, 30});
  HWND first = qv::ShowHelpPopupWindow(control.wnd, "First");
  HWND popup = qv::ShowHelpPopupWindow(control.wnd, "Moves the entry up.");
  ASSERT_TRUE(popup);
  EXPECT_FALSE(::IsWindow(first));  // one pop-up at a time
  EXPECT_TRUE(::IsWindowVisible(popup));
  char text[64] = {};
  ::GetWindowTextA(popup, text, sizeof text);
  EXPECT_STREQ("Moves the entry up.", text);
  RECT rect;
  ::GetWindowRect(popup, &rect);
  EXPECT_GE(rect.top, 130);

  ::SendMessageA(popup, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(::IsWindow(popup));
}

}  // namespace
