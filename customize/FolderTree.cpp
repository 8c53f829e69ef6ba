// customize/FolderTree.cpp: filling, expanding and sorting the folder tree.
#include "customize/FolderTree.h"

#include <utility>

#include "shell/ShellHelpers.h"

namespace {

FolderItemData* RecordOf(HWND tree, HTREEITEM item) {
  TVITEMA tv{};
  tv.mask = TVIF_HANDLE | TVIF_PARAM;
  tv.hItem = item;
  if (!item || !TreeView_GetItem(tree, &tv)) return nullptr;
  return reinterpret_cast<FolderItemData*>(tv.lParam);
}

// The shell's order of two items of one folder; equal when it cannot tell.
int CALLBACK CompareFolderItems(LPARAM first, LPARAM second, LPARAM) {
  auto* a = reinterpret_cast<FolderItemData*>(first);
  auto* b = reinterpret_cast<FolderItemData*>(second);
  if (!a || !b) return 0;
  const HRESULT hr =
      a->parent->CompareIDs(0, a->relative.get(), b->relative.get());
  return FAILED(hr) ? 0 : static_cast<short>(HRESULT_CODE(hr));
}

}  // namespace

void CFolderTree::Attach(HWND tree, HWND owner, HIMAGELIST images) {
  m_tree = tree;
  m_owner = owner;
  TreeView_SetImageList(m_tree, images, TVSIL_NORMAL);
}

void CFolderTree::Fill() {
  qv::ComPtr<IShellFolder> desktop;
  if (FAILED(::SHGetDesktopFolder(&desktop))) return;
  TreeView_DeleteAllItems(m_tree);
  InsertChildren(desktop.Get(), nullptr, TVI_ROOT);
  InsertSpecial(desktop.Get(), CSIDL_STARTMENU, "Start Menu", true);
  InsertSpecial(desktop.Get(), CSIDL_RECENT, "Documents", false);
  SortChildren(TVI_ROOT);
}

void CFolderTree::InsertChildren(IShellFolder* folder, LPCITEMIDLIST folderList,
                                 HTREEITEM parent) {
  qv::ComPtr<IEnumIDList> items;
  if (folder->EnumObjects(m_owner, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS,
                          &items) != S_OK ||
      !items)
    return;
  for (;;) {
    qv::UniqueIdList item;
    if (items->Next(1, item.put(), nullptr) != S_OK) break;
    LPCITEMIDLIST one = item.get();
    // A .zip or .cab file is a folder to the shell but a stream too: the bar
    // lists it as a file, so as a toolbar it would show nothing.
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_STREAM;
    if (FAILED(folder->GetAttributesOf(1, &one, &attributes)) ||
        (attributes & (SFGAO_FOLDER | SFGAO_STREAM)) != SFGAO_FOLDER)
      continue;
    char name[qv::kMaxShellName + 1] = {};
    if (!qv::GetItemDisplayName(folder, one, SHGDN_NORMAL, name)) continue;
    auto data = std::make_unique<FolderItemData>();
    data->absolute.reset(qv::ConcatIdLists(folderList, one));
    if (!data->absolute) break;  // out of memory: the rest stays unlisted
    data->relative = std::move(item);
    data->parent = folder;
    Insert(parent, name, std::move(data),
           (attributes & SFGAO_HASSUBFOLDER) != 0);
  }
}

void CFolderTree::InsertSpecial(IShellFolder* desktop, int csidl,
                                const char* label, bool showChildren) {
  qv::UniqueIdList list;
  if (FAILED(::SHGetSpecialFolderLocation(m_owner, csidl, list.put()))) return;
  qv::ComPtr<IShellFolder> parent;
  LPCITEMIDLIST last = nullptr;
  SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
  if (FAILED(::SHBindToParent(list.get(), IID_PPV_ARGS(&parent), &last)) ||
      FAILED(parent->GetAttributesOf(1, &last, &attributes)) ||
      !(attributes & SFGAO_FOLDER))
    return;
  auto data = std::make_unique<FolderItemData>();
  data->absolute.reset(qv::ConcatIdLists(nullptr, list.get()));
  if (!data->absolute) return;
  // Kept under the desktop, which understands the whole list.
  data->relative = std::move(list);
  data->parent = desktop;
  Insert(TVI_ROOT, label, std::move(data),
         showChildren && (attributes & SFGAO_HASSUBFOLDER));
}

void CFolderTree::Insert(HTREEITEM parent, const char* text,
                         std::unique_ptr<FolderItemData> data, bool children) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  TVITEMA& item = insert.item;
  item.mask =
      TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  item.pszText = const_cast<char*>(text);
  item.iImage = item.iSelectedImage =
      qv::GetSysIconIndex(data->absolute.get(), qv::kSmallIconIndexFlags);
  item.cChildren = children ? 1 : 0;
  item.lParam = reinterpret_cast<LPARAM>(data.get());
  // The item owns its record from here; TVN_DELETEITEM frees it.
  if (::SendMessageA(m_tree, TVM_INSERTITEMA, 0,
                     reinterpret_cast<LPARAM>(&insert)))
    data.release();
}

void CFolderTree::SortChildren(HTREEITEM parent) {
  TVSORTCB sort{};
  sort.hParent = parent;
  sort.lpfnCompare = &CompareFolderItems;
  TreeView_SortChildrenCB(m_tree, &sort, FALSE);
}

void CFolderTree::OnItemExpanding(const NMTREEVIEWA& notify) {
  HTREEITEM item = notify.itemNew.hItem;
  if (TreeView_GetItemState(m_tree, item, TVIS_EXPANDEDONCE) &
      TVIS_EXPANDEDONCE)
    return;
  const FolderItemData* data = RecordOf(m_tree, item);
  if (!data) return;
  qv::ComPtr<IShellFolder> folder;
  if (SUCCEEDED(data->parent->BindToObject(data->relative.get(), nullptr,
                                           IID_PPV_ARGS(&folder))))
    InsertChildren(folder.Get(), data->absolute.get(), item);
  SortChildren(item);
}

void CFolderTree::OnDeleteItem(const NMTREEVIEWA& notify) {
  delete reinterpret_cast<FolderItemData*>(notify.itemOld.lParam);
}

const FolderItemData* CFolderTree::Selection() const {
  return RecordOf(m_tree, TreeView_GetSelection(m_tree));
}

void CFolderTree::Detach() {
  if (m_tree) TreeView_DeleteAllItems(m_tree);
  m_tree = nullptr;
}
