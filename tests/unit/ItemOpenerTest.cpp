// tests/unit/ItemOpenerTest.cpp: opening items through their context menus:
// a real shortcut under Wine's shell, and stub folders and menus for what the
// shell must be asked and for the failure message.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <set>
#include <string>
#include <thread>

#include "framework/Handles.h"
#include "tests/unit/support/StubShellFolder.h"
#include "tests/unit/support/TempFolder.h"
#include "shell/ItemOpener.h"
#include "shell/ShellHelpers.h"

namespace {

class ItemOpenerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }
  static void TearDownTestSuite() { ::OleUninitialize(); }
};

TEST_F(ItemOpenerTest, ALeftClickOnAShortcutStartsItsProgram) {
  TempFolder folder("open");
  const std::string marker = folder / "opened.txt";
  ASSERT_TRUE(
      folder.AddShortcut("Marker.lnk", "C:\\windows\\system32\\cmd.exe",
                         ("/c echo opened>\"" + marker + "\"").c_str()));
  qv::UniqueIdList list(qv::PathToIdList(folder.path(), nullptr));
  qv::UniqueIdList full(qv::PathToIdList(folder / "Marker.lnk", nullptr));
  qv::UniqueIdList item(qv::CopyLastItemId(full.get()));
  qv::ComPtr<IShellFolder> shellFolder;
  ASSERT_EQ(1, qv::BindToFolder(list.get(), shellFolder.GetAddressOf()));

  EXPECT_EQ(1, OpenItemInFolder(shellFolder.Get(), list.get(), nullptr,
                                item.get(), POINT{10, 10}, 0));
  for (int i = 0; i < 150 && ::GetFileAttributesA(marker.c_str()) ==
                                 INVALID_FILE_ATTRIBUTES;
       ++i) {
    ::Sleep(100);
  }
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(marker.c_str()));
}

// A context menu that adds the given items and records what it was asked.
class StubMenu : public IContextMenu {
 public:
  HRESULT queryResult = S_OK;
  UINT items = 2;       // "Open" and "Edit", at offsets 0 and 3
  int markDefault = 1;  // marks "Edit" as the default
  UINT flags = ~0u;
  UINT_PTR verb = ~0u;

  STDMETHODIMP QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP QueryContextMenu(HMENU menu, UINT, UINT first, UINT,
                                UINT queryFlags) override {
    flags = queryFlags;
    if (items > 0) ::AppendMenuA(menu, MF_STRING, first, "Open");
    if (items > 1) ::AppendMenuA(menu, MF_STRING, first + 3, "Edit");
    if (items > 1 && markDefault) ::SetMenuDefaultItem(menu, first + 3, FALSE);
    return queryResult;
  }
  STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override {
    verb = reinterpret_cast<UINT_PTR>(info->lpVerb);
    return S_OK;
  }
  STDMETHODIMP GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) override {
    return E_NOTIMPL;
  }
};

// Only GetUIObjectOf matters to OpenItemInFolder.
class StubFolder : public StubShellFolder {
 public:
  HRESULT result = S_OK;
  StubMenu menu;

  STDMETHODIMP GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*,
                             void** out) override {
    *out = SUCCEEDED(result) ? static_cast<IContextMenu*>(&menu) : nullptr;
    return result;
  }
};

const unsigned char kItem[] = {4, 0, 0x11, 0x22, 0, 0};
LPCITEMIDLIST Item() { return reinterpret_cast<LPCITEMIDLIST>(kItem); }

int LeftClick(StubFolder& folder) {
  return OpenItemInFolder(&folder, nullptr, nullptr, Item(), POINT{}, 0);
}

TEST_F(ItemOpenerTest, ALeftClickRunsTheDefaultCommandByItsOffset) {
  StubFolder marked;
  EXPECT_EQ(1, LeftClick(marked));
  EXPECT_EQ(UINT(CMF_DEFAULTONLY), marked.menu.flags);
  EXPECT_EQ(3u, marked.menu.verb);

  StubFolder unmarked;  // no default marked: the first item
  unmarked.menu.markDefault = 0;
  EXPECT_EQ(1, LeftClick(unmarked));
  EXPECT_EQ(0u, unmarked.menu.verb);

  StubFolder empty;  // a menu without items invokes nothing
  empty.menu.items = 0;
  EXPECT_EQ(1, LeftClick(empty));
  EXPECT_EQ(UINT_PTR(~0u), empty.menu.verb);

  StubFolder refused;
  refused.menu.queryResult = E_FAIL;
  EXPECT_EQ(0, LeftClick(refused));
  EXPECT_EQ(UINT_PTR(~0u), refused.menu.verb);
}

// Reads the message box the calling thread shows, then presses its OK.
std::string AnswerMessageBox(DWORD thread) {
  std::string text;
  for (int i = 0; i < 100 && text.empty(); ++i, ::Sleep(50)) {
    ::EnumThreadWindows(
        thread,
        [](HWND wnd, LPARAM out) -> BOOL {
          char name[16] = {};
          ::GetClassNameA(wnd, name, sizeof(name));
          if (std::string(name) != "#32770") return TRUE;
          ::EnumChildWindows(
              wnd,
              [](HWND child, LPARAM out) -> BOOL {
                char buffer[256] = {};
                ::GetWindowTextA(child, buffer, sizeof(buffer));
                if (std::string(buffer).find("hr=") != std::string::npos) {
                  *reinterpret_cast<std::string*>(out) = buffer;
                }
                return TRUE;
              },
              out);
          if (!reinterpret_cast<std::string*>(out)->empty()) {
            ::PostMessageA(wnd, WM_COMMAND, IDOK, 0);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
  }
  return text;
}

TEST_F(ItemOpenerTest, AFolderWithoutAContextMenuShowsTheResultCode) {
  StubFolder folder;
  folder.result = E_FAIL;
  std::string shown;
  std::thread reader([&shown, thread = ::GetCurrentThreadId()] {
    shown = AnswerMessageBox(thread);
  });
  EXPECT_EQ(0, LeftClick(folder));
  reader.join();
  EXPECT_EQ("GetUIObjectOf failed! hr=80004005", shown);
  EXPECT_EQ(~0u, folder.menu.flags);
}

// A handler with a "Send to" submenu of items it draws itself; it records
// the menu messages it is handed (its submenu's WM_INITMENUPOPUP only).
class OwnerDrawnMenu : public IContextMenu3 {
 public:
  HMENU submenu = nullptr;
  std::set<UINT> seen;

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == IID_IUnknown || iid == IID_IContextMenu ||
                       iid == IID_IContextMenu2 || iid == IID_IContextMenu3;
    *out = known ? this : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP QueryContextMenu(HMENU menu, UINT, UINT first, UINT,
                                UINT) override {
    submenu = ::CreatePopupMenu();
    ::AppendMenuA(submenu, MF_OWNERDRAW, first, nullptr);
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                  "Send to");
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 1);
  }
  STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO*) override { return S_OK; }
  STDMETHODIMP GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP HandleMenuMsg(UINT message, WPARAM wParam,
                             LPARAM lParam) override {
    return HandleMenuMsg2(message, wParam, lParam, nullptr);
  }
  STDMETHODIMP HandleMenuMsg2(UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT* result) override {
    if (message != WM_INITMENUPOPUP ||
        reinterpret_cast<HMENU>(wParam) == submenu)
      seen.insert(message);
    if (message == WM_MEASUREITEM) {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      item->itemWidth = 60;
      item->itemHeight = 16;
    }
    if (result) *result = message == WM_MENUCHAR ? MNC_IGNORE << 16 : TRUE;
    return S_OK;
  }
};

class OwnerDrawnFolder : public StubShellFolder {
 public:
  OwnerDrawnMenu menu;
  STDMETHODIMP GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*,
                             void** out) override {
    *out = static_cast<IContextMenu*>(&menu);
    return S_OK;
  }
};

TEST_F(ItemOpenerTest, TheMenusHandlerGetsItsSubmenusMessagesWhileItIsUp) {
  HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10,
                                 nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  // Keys the menu's loop reads: into "Send to", a character no item has,
  // then out of both menus.
  for (WPARAM key : {VK_DOWN, VK_RIGHT})
    ::PostMessageA(owner, WM_KEYDOWN, key, 0);
  ::PostMessageA(owner, WM_CHAR, 'q', 0);
  for (int i = 0; i < 2; ++i) ::PostMessageA(owner, WM_KEYDOWN, VK_ESCAPE, 0);

  OwnerDrawnFolder folder;
  EXPECT_EQ(
      1, OpenItemInFolder(&folder, nullptr, owner, Item(), POINT{100, 100}, 1));
  EXPECT_EQ((std::set<UINT>{WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM,
                            WM_MENUCHAR}),
            folder.menu.seen);

  // Once the menu is gone the owner's messages are its own again.
  folder.menu.seen.clear();
  ::SendMessageA(owner, WM_MENUCHAR, 'q', 0);
  EXPECT_TRUE(folder.menu.seen.empty());
  MSG msg;
  while (::PeekMessageA(&msg, owner, 0, 0, PM_REMOVE)) {
  }
  ::DestroyWindow(owner);
}

}  // namespace
