// tests/unit/FolderTreeTest.cpp: the Toolbars page's folder tree over a
// folder whose shell shows .zip files as folders, as Windows' does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "customize/FolderTree.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/StubShellFolder.h"
#include "tests/unit/support/TempFolder.h"

namespace {

// The real folder, but a .zip file in it is a folder and a stream.
class ZipFolder : public StubShellFolder {
 public:
  explicit ZipFolder(IShellFolder* real) : m_real(real) {}
  STDMETHODIMP EnumObjects(HWND owner, SHCONTF flags,
                           IEnumIDList** out) override {
    return m_real->EnumObjects(owner, flags, out);
  }
  STDMETHODIMP CompareIDs(LPARAM how, PCUIDLIST_RELATIVE a,
                          PCUIDLIST_RELATIVE b) override {
    return m_real->CompareIDs(how, a, b);
  }
  STDMETHODIMP GetDisplayNameOf(PCUITEMID_CHILD item, SHGDNF flags,
                                STRRET* out) override {
    return m_real->GetDisplayNameOf(item, flags, out);
  }
  STDMETHODIMP GetAttributesOf(UINT count, PCUITEMID_CHILD_ARRAY items,
                               SFGAOF* attributes) override {
    const SFGAOF asked = *attributes;
    const HRESULT hr = m_real->GetAttributesOf(count, items, attributes);
    char name[qv::kMaxShellName + 1] = {};
    qv::GetItemDisplayName(m_real, items[0], SHGDN_INFOLDER | SHGDN_FORPARSING,
                           name);
    const std::string text = name;
    if (text.size() > 4 && text.substr(text.size() - 4) == ".zip")
      *attributes |= asked & (SFGAO_FOLDER | SFGAO_STREAM);
    return hr;
  }

 private:
  IShellFolder* m_real;
};

// Binds every item to the one folder it was given.
class ParentFolder : public StubShellFolder {
 public:
  explicit ParentFolder(IShellFolder* child) : m_child(child) {}
  STDMETHODIMP BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID,
                            void** out) override {
    *out = m_child;
    return S_OK;
  }

 private:
  IShellFolder* m_child;
};

// The tree's parent: hands the deleted items' records back to the tree.
LRESULT CALLBACK HostProc(HWND wnd, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (hdr->code == TVN_DELETEITEMA || hdr->code == TVN_DELETEITEMW)
      CFolderTree::OnDeleteItem(*reinterpret_cast<const NMTREEVIEWA*>(hdr));
  }
  return ::DefWindowProcA(wnd, message, wParam, lParam);
}

std::vector<std::string> Children(HWND tree, HTREEITEM parent) {
  std::vector<std::string> names;
  for (HTREEITEM item = TreeView_GetChild(tree, parent); item;
       item = TreeView_GetNextSibling(tree, item)) {
    char text[MAX_PATH] = {};
    TVITEMA tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    TreeView_GetItem(tree, &tv);
    names.emplace_back(text);
  }
  return names;
}

TEST(FolderTreeTest, ArchivesTheShellCallsFoldersAreNotOffered) {
  TempFolder temp("tree");
  ASSERT_TRUE(temp.AddFolder("Docs"));
  ASSERT_TRUE(temp.AddFile("Pack.zip", 22));
  qv::UniqueIdList list(qv::PathToIdList(temp.path(), nullptr));
  qv::ComPtr<IShellFolder> real;
  ASSERT_TRUE(list && qv::BindToFolder(list.get(), &real));
  ZipFolder zipFolder(real.Get());
  ParentFolder parentFolder(&zipFolder);

  WNDCLASSA host{};
  host.lpfnWndProc = HostProc;
  host.hInstance = ::GetModuleHandleA(nullptr);
  host.lpszClassName = "QvFolderTreeHost";
  ::RegisterClassA(&host);
  struct Owner {
    HWND wnd;
    ~Owner() { ::DestroyWindow(wnd); }  // takes the tree and its records
  } owner{::CreateWindowA(host.lpszClassName, "", WS_POPUP, 0, 0, 200, 200,
                          nullptr, nullptr, host.hInstance, nullptr)};
  HWND treeWnd = ::CreateWindowA(WC_TREEVIEWA, "", WS_CHILD, 0, 0, 200, 200,
                                 owner.wnd, nullptr, host.hInstance, nullptr);
  CFolderTree tree;
  tree.Attach(treeWnd, owner.wnd, nullptr);

  auto data = std::make_unique<FolderItemData>();
  data->parent = &parentFolder;
  data->relative.reset(qv::ConcatIdLists(nullptr, list.get()));
  data->absolute.reset(qv::ConcatIdLists(nullptr, list.get()));
  TVINSERTSTRUCTA insert{};
  insert.hParent = TVI_ROOT;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>("temp");
  insert.item.lParam = reinterpret_cast<LPARAM>(data.release());
  auto root = reinterpret_cast<HTREEITEM>(::SendMessageA(
      treeWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  ASSERT_TRUE(root);

  NMTREEVIEWA expanding{};
  expanding.itemNew.hItem = root;
  tree.OnItemExpanding(expanding);
  EXPECT_EQ(std::vector<std::string>{"Docs"}, Children(treeWnd, root));
  tree.Detach();
}

}  // namespace
