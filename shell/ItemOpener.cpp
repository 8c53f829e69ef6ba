// shell/ItemOpener.cpp: opening an item through its shell context menu.
#include "shell/ItemOpener.h"

#include "framework/Handles.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "shell/MenuMessageForwarder.h"
#include "shell/ShellHelpers.h"

namespace {

// The command ids the shell may give the menu's items.
constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;

// The command of a menu built for its default only: the item marked default,
// else the first one; 0 when there is none (or it opens a submenu).
UINT DefaultCommand(HMENU menu) {
  const UINT marked = ::GetMenuDefaultItem(menu, FALSE, 0);
  if (marked != static_cast<UINT>(-1)) return marked;
  if (::GetMenuItemCount(menu) <= 0) return 0;
  const UINT first = ::GetMenuItemID(menu, 0);
  return first == static_cast<UINT>(-1) ? 0 : first;
}

// Whether the item's full menu marks a default command. Some shells (Wine's)
// leave the default-only menu empty although the item has one.
bool HasDefaultCommand(IContextMenu* contextMenu) {
  qv::UniqueHMenu full(::CreatePopupMenu());
  return full &&
         SUCCEEDED(contextMenu->QueryContextMenu(full.get(), 0, kFirstCommand,
                                                 kLastCommand, CMF_NORMAL)) &&
         ::GetMenuDefaultItem(full.get(), FALSE, 0) != static_cast<UINT>(-1);
}

// Runs the item's default verb through the shell's own item invocation
// (which on Windows goes through the same context-menu handler).
void InvokeDefaultVerb(LPCITEMIDLIST folderList, LPCITEMIDLIST item,
                       HWND owner) {
  qv::UniqueIdList absolute(qv::ConcatIdLists(folderList, item));
  if (!absolute) return;
  SHELLEXECUTEINFOA execute = {};
  execute.cbSize = sizeof(execute);
  execute.fMask = SEE_MASK_INVOKEIDLIST;
  execute.hwnd = owner;
  execute.lpIDList = absolute.get();
  execute.nShow = SW_SHOWNORMAL;
  ::ShellExecuteExA(&execute);
}

}  // namespace

int OpenItem(HWND owner, LPCITEMIDLIST folder, LPCITEMIDLIST item,
             POINT screenPt, int rightClick) {
  qv::ComPtr<IShellFolder> shellFolder;
  if (!qv::BindToFolder(folder, shellFolder.GetAddressOf()) || !shellFolder) {
    return 0;
  }
  return OpenItemInFolder(shellFolder.Get(), folder, owner, item, screenPt,
                          rightClick);
}

int OpenItemInFolder(IShellFolder* folder, LPCITEMIDLIST folderList, HWND owner,
                     LPCITEMIDLIST item, POINT screenPt, int rightClick) {
  if (!folder || !item) return 0;
  qv::ComPtr<IContextMenu> contextMenu;
  HRESULT hr = folder->GetUIObjectOf(
      owner, 1, &item, IID_IContextMenu, nullptr,
      reinterpret_cast<void**>(contextMenu.GetAddressOf()));
  if (SUCCEEDED(hr) && !contextMenu) hr = E_NOINTERFACE;
  if (FAILED(hr)) {
    char text[64];
    ::wsprintfA(text, "GetUIObjectOf failed! hr=%lx", hr);
    qv::AppMessageBox(text, MB_OK);
    return 0;
  }

  qv::UniqueHMenu menu(::CreatePopupMenu());
  if (!menu) return 0;
  if (FAILED(contextMenu->QueryContextMenu(
          menu.get(), 0, kFirstCommand, kLastCommand,
          rightClick ? CMF_EXPLORE : CMF_DEFAULTONLY))) {
    return 0;
  }

  UINT command = 0;
  if (rightClick) {
    // The handlers fill and draw their submenus from the owner's messages.
    qv::MenuMessageForwarder forwarder(owner, contextMenu.Get());
    // Over a menu that is up, the shell's menu runs a loop inside its loop.
    const UINT nested = rightClick == kOpenOverMenu ? TPM_RECURSE : 0;
    command =
        qv::PopupMenu(menu.get())
            .Track(TPM_RETURNCMD | TPM_RIGHTBUTTON | nested, screenPt, owner);
  } else {
    command = DefaultCommand(menu.get());
  }
  if (command >= kFirstCommand && command <= kLastCommand) {
    CMINVOKECOMMANDINFO invoke = {};
    invoke.cbSize = sizeof(invoke);
    invoke.hwnd = owner;
    invoke.lpVerb = MAKEINTRESOURCEA(command - kFirstCommand);
    invoke.nShow = SW_SHOWNORMAL;
    // What the command does is the shell's business; a failure is silent.
    contextMenu->InvokeCommand(&invoke);
  } else if (!rightClick && folderList &&
             HasDefaultCommand(contextMenu.Get())) {
    InvokeDefaultVerb(folderList, item, owner);
  }
  return 1;
}
