// toolbar/CascadeMenu.cpp: building, filling and answering a folder's
// cascading menu.
#include "toolbar/CascadeMenu.h"

#include <commctrl.h>

#include <string>

#include "framework/SubclassScope.h"
#include "shell/ItemOpener.h"
#include "shell/ShellHelpers.h"

namespace {

constexpr char kEmptyText[] = "(Empty)";

// A popup whose items can be dragged (WM_MENUDRAG) and whose icons sit in
// the check mark's column.
HMENU NewPopup() {
  HMENU menu = ::CreatePopupMenu();
  if (menu) {
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_STYLE;
    info.dwStyle = MNS_DRAGDROP | MNS_CHECKORBMP;
    ::SetMenuInfo(menu, &info);
  }
  return menu;
}

// A name as a menu shows it: an ampersand is no mnemonic.
std::string MenuText(const std::string& name) {
  std::string text;
  for (char c : name) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

void AppendEmpty(HMENU menu) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_STATE | MIIM_ID;
  info.fState = MFS_GRAYED;
  info.dwTypeData = const_cast<char*>(kEmptyText);
  ::InsertMenuItemA(menu, ::GetMenuItemCount(menu), TRUE, &info);
}

// The owner's menu messages reach the menu for as long as this lives.

}  // namespace

CCascadeMenu::CCascadeMenu(ICascadeMenuShell& shell, OpenFn opener,
                           const CBarSettings& settings, UINT sortOrder,
                           HWND itemOwner)
    : m_shell(shell),
      m_opener(opener),
      m_settings(settings),
      m_sortOrder(sortOrder),
      m_itemOwner(itemOwner) {}

// Destroying the root menu destroys every sub-menu in it.
CCascadeMenu::~CCascadeMenu() = default;

void CCascadeMenu::Run(LPCITEMIDLIST folder, HWND owner,
                       const qv::CascadePlacement& place) {
  if (!folder || !m_nodes.empty()) return;
  qv::UniqueIdList copy(qv::ConcatIdLists(nullptr, folder));
  m_root.reset(NewPopup());
  if (!copy || !m_root) return;
  m_nodes.emplace_back(std::move(copy), m_root.get());
  m_images = m_shell.SmallImages();
  Fill(0);

  const UINT flags = TPM_RETURNCMD | TPM_LEFTBUTTON |
                     (place.vertical ? TPM_VERTICAL : TPM_HORIZONTAL) |
                     (place.alignRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN) |
                     (place.alignBottom ? TPM_BOTTOMALIGN : TPM_TOPALIGN);
  const RECT exclude{place.exclude.left, place.exclude.top, place.exclude.right,
                     place.exclude.bottom};
  UINT chosen = 0;
  {
    const qv::SubclassScope hook(owner, &CCascadeMenu::OwnerProc, this);
    chosen = m_shell.Track(m_root.get(), flags, POINT{place.x, place.y}, owner,
                           exclude);
  }
  if (IsCommand(chosen)) Open(chosen, 0);
}

void CCascadeMenu::Fill(size_t index) {
  Node& node = m_nodes[index];
  if (node.filled || !node.menu) return;
  node.filled = true;
  if (!m_shell.Items(node.folder.get(), m_sortOrder, m_settings, m_itemOwner,
                     &node.items))
    node.items.clear();
  if (node.items.empty()) {
    AppendEmpty(node.menu);
    return;
  }
  for (size_t i = 0; i < node.items.size(); ++i) InsertItem(index, i);
}

void CCascadeMenu::InsertItem(size_t nodeIndex, size_t itemIndex) {
  // The deque keeps `node` in place while sub-menus' nodes are added.
  const Node& node = m_nodes[nodeIndex];
  const CascadeItem& item = node.items[itemIndex];
  qv::UniqueHMenu sub;
  qv::UniqueIdList subFolder;
  if (item.folder) {
    subFolder.reset(qv::ConcatIdLists(node.folder.get(), item.item.get()));
    if (subFolder) sub.reset(NewPopup());
  }
  m_commands.emplace_back(nodeIndex, itemIndex);
  const std::string text = MenuText(item.name);

  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_ID | MIIM_DATA | MIIM_BITMAP |
               (sub ? MIIM_SUBMENU : 0);
  info.wID = static_cast<UINT>(m_commands.size());
  info.hSubMenu = sub.get();
  // The icon is drawn on WM_DRAWITEM: no bitmap per item.
  info.hbmpItem = HBMMENU_CALLBACK;
  info.dwItemData = static_cast<ULONG_PTR>(item.image);
  info.dwTypeData = const_cast<char*>(text.c_str());
  if (!::InsertMenuItemA(node.menu, ::GetMenuItemCount(node.menu), TRUE, &info))
    return;
  // The item owns its sub-menu now.
  if (sub) m_nodes.emplace_back(std::move(subFolder), sub.release());
}

UINT CCascadeMenu::CommandAt(HMENU menu, UINT position) const {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  if (!menu || !::GetMenuItemInfoA(menu, position, TRUE, &info) ||
      !IsCommand(info.wID))
    return 0;
  // Another menu's item may carry the same number.
  return m_nodes[m_commands[info.wID - 1].first].menu == menu ? info.wID : 0;
}

void CCascadeMenu::Open(UINT command, int rightClick) {
  const auto [nodeIndex, itemIndex] = m_commands[command - 1];
  const Node& node = m_nodes[nodeIndex];
  POINT cursor{};
  ::GetCursorPos(&cursor);
  m_opener(m_itemOwner, node.folder.get(), node.items[itemIndex].item.get(),
           cursor, rightClick);
}

bool CCascadeMenu::Handle(UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* result) {
  switch (message) {
    case WM_INITMENUPOPUP: {
      const HMENU popup = reinterpret_cast<HMENU>(wParam);
      for (size_t i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i].menu != popup) continue;
        Fill(i);
        *result = 0;
        return true;
      }
      return false;
    }
    case WM_MENURBUTTONUP: {
      const UINT command =
          CommandAt(reinterpret_cast<HMENU>(lParam), static_cast<UINT>(wParam));
      if (!command) return false;
      Open(command, kOpenOverMenu);
      // Whatever the item's menu did may have changed the folder under
      // this menu, which would show it as it was.
      ::EndMenu();
      *result = 0;
      return true;
    }
    case WM_MENUDRAG: {
      const UINT command =
          CommandAt(reinterpret_cast<HMENU>(lParam), static_cast<UINT>(wParam));
      if (!command) return false;
      const auto [nodeIndex, itemIndex] = m_commands[command - 1];
      const Node& node = m_nodes[nodeIndex];
      m_shell.Drag(node.folder.get(), node.items[itemIndex].item.get(),
                   m_itemOwner);
      *result = MND_ENDMENU;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      int cx = 0, cy = 0;
      if (!measure || measure->CtlType != ODT_MENU ||
          !IsCommand(measure->itemID) ||
          !::ImageList_GetIconSize(m_images, &cx, &cy))
        return false;
      measure->itemWidth = static_cast<UINT>(cx);
      measure->itemHeight = static_cast<UINT>(cy);
      *result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      int cx = 0, cy = 0;
      if (!draw || draw->CtlType != ODT_MENU || !IsCommand(draw->itemID) ||
          !::ImageList_GetIconSize(m_images, &cx, &cy))
        return false;
      const RECT& box = draw->rcItem;
      ::ImageList_Draw(m_images, static_cast<int>(draw->itemData), draw->hDC,
                       box.left + (box.right - box.left - cx) / 2,
                       box.top + (box.bottom - box.top - cy) / 2,
                       ILD_TRANSPARENT);
      *result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

LRESULT CALLBACK CCascadeMenu::OwnerProc(HWND wnd, UINT message, WPARAM wParam,
                                         LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) noexcept {
  // No exception may unwind through user32: a message whose handling
  // threw (memory ran out) gets the default handling.
  LRESULT result = 0;
  try {
    if (reinterpret_cast<CCascadeMenu*>(self)->Handle(message, wParam, lParam,
                                                      &result))
      return result;
  } catch (...) {
  }
  return ::DefSubclassProc(wnd, message, wParam, lParam);
}
