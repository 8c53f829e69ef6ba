// tests/unit/support/StubShellFolder.h: a shell folder that refuses every
// request, to derive stubs from that answer just the calls a test is about.
// It is not reference counted: tests keep it on the stack.
#pragma once

#include <windows.h>
#include <shlobj.h>

class StubShellFolder : public IShellFolder {
 public:
  virtual ~StubShellFolder() = default;

  STDMETHODIMP QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*,
                                PIDLIST_RELATIVE*, ULONG*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP EnumObjects(HWND, SHCONTF, IEnumIDList**) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID,
                            void**) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID,
                             void**) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP CompareIDs(LPARAM, PCUIDLIST_RELATIVE,
                          PCUIDLIST_RELATIVE) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP CreateViewObject(HWND, REFIID, void**) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*,
                             void** out) override {
    *out = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF, STRRET*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF,
                         PITEMID_CHILD*) override {
    return E_NOTIMPL;
  }
};
