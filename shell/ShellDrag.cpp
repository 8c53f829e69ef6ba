// shell/ShellDrag.cpp: a shell item's drag, with a drop source of our own.
#include "shell/ShellDrag.h"

#include <new>

#include "framework/Handles.h"
#include "shell/ShellHelpers.h"
#include "shell/portable/IdListBytes.h"

namespace {

// Drops at the release of the button that drags, cancels at Esc; the
// cursors are the system's.
class DropSource final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropSource) {
      *out = static_cast<IDropSource*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG refs = --m_refs;
    if (refs == 0) delete this;
    return refs;
  }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape,
                                              DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return keys & (MK_LBUTTON | MK_RBUTTON) ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override {
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }

 private:
  ULONG m_refs = 1;
};

}  // namespace

DWORD DragShellItem(LPCITEMIDLIST folder, LPCITEMIDLIST item, HWND owner) {
  qv::ComPtr<IShellFolder> shellFolder;
  if (!item) return DROPEFFECT_NONE;
  // The desktop's own items are named relative to the desktop folder.
  if (qv::GetIdListSize(folder) <= qv::kIdListTerminatorSize) {
    ::SHGetDesktopFolder(shellFolder.GetAddressOf());
  } else {
    qv::BindToFolder(folder, shellFolder.GetAddressOf());
  }
  qv::ComPtr<IDataObject> data;
  if (!shellFolder ||
      FAILED(shellFolder->GetUIObjectOf(
          owner, 1, &item, IID_IDataObject, nullptr,
          reinterpret_cast<void**>(data.GetAddressOf()))) ||
      !data)
    return DROPEFFECT_NONE;
  qv::ComPtr<IDropSource> source;
  source.Attach(new (std::nothrow) DropSource);
  if (!source) return DROPEFFECT_NONE;
  DWORD effect = DROPEFFECT_NONE;
  if (::DoDragDrop(data.Get(), source.Get(),
                   DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                   &effect) != DRAGDROP_S_DROP)
    return DROPEFFECT_NONE;
  return effect;
}
