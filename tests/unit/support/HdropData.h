// tests/unit/support/HdropData.h: a data object carrying a list of paths as
// CF_HDROP, as the shell's drag source offers dropped files and folders.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

class HdropData : public IDataObject {
 public:
  explicit HdropData(std::vector<std::string> paths)
      : m_paths(std::move(paths)) {}
  // UTF-16 paths, as the shell's own drag source offers them.
  explicit HdropData(std::vector<std::wstring> paths)
      : m_widePaths(std::move(paths)) {}
  HdropData(const HdropData&) = delete;
  HdropData& operator=(const HdropData&) = delete;
  virtual ~HdropData() = default;

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IDataObject) {
      *object = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
  STDMETHODIMP_(ULONG) Release() override { return --m_refs; }

  // A new DROPFILES block of ANSI (or UTF-16) paths, each terminated, the
  // list ended by one more zero; the receiver releases it.
  STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    const bool wide = !m_widePaths.empty();
    const size_t unit = wide ? sizeof(wchar_t) : 1;
    size_t size = sizeof(DROPFILES) + unit;
    for (const std::string& path : m_paths) size += path.size() + 1;
    for (const std::wstring& path : m_widePaths)
      size += (path.size() + 1) * unit;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return E_OUTOFMEMORY;
    auto* files = static_cast<DROPFILES*>(::GlobalLock(block));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = wide;
    char* out = reinterpret_cast<char*>(files + 1);
    for (const std::string& path : m_paths) {
      std::memcpy(out, path.c_str(), path.size() + 1);
      out += path.size() + 1;
    }
    for (const std::wstring& path : m_widePaths) {
      std::memcpy(out, path.c_str(), (path.size() + 1) * unit);
      out += (path.size() + 1) * unit;
    }
    ::GlobalUnlock(block);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    ++m_reads;
    return S_OK;
  }
  STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP QueryGetData(FORMATETC* format) override {
    return format && format->cfFormat == CF_HDROP &&
                   (format->tymed & TYMED_HGLOBAL)
               ? S_OK
               : DV_E_FORMATETC;
  }
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

  ULONG Refs() const { return m_refs; }

 private:
  std::vector<std::string> m_paths;
  std::vector<std::wstring> m_widePaths;
  ULONG m_refs = 1;
  int m_reads = 0;
};
