// framework/ListAccessible.cpp: IAccessible over a window's drawn items,
// the window itself answered by the system's standard object.
#include "framework/ListAccessible.h"

#include <new>

namespace qv {

namespace {

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

VARIANT Int(long value) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

// A BSTR of an ANSI text; null when memory runs out.
BSTR ToBstr(const std::string& text) {
  const int length = ::MultiByteToWideChar(
      CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  BSTR out = ::SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (out && length > 0)
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                          out, length);
  return out;
}

}  // namespace

class ListAccessible final : public IAccessible {
 public:
  ListAccessible(const IAccessibleItems& items, AccessibleRoles roles,
                 ComPtr<IAccessible> standard)
      : m_items(&items), m_roles(roles), m_standard(std::move(standard)) {}

  void Disconnect() {
    m_items = nullptr;
    m_standard.Reset();
  }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch ||
        riid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override {
    return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
  }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }

  // IDispatch: clients call the methods directly.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                      EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  STDMETHODIMP get_accParent(IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!m_items) return RPC_E_DISCONNECTED;
    return m_standard ? m_standard->get_accParent(out) : S_FALSE;
  }
  STDMETHODIMP get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    if (!m_items) return RPC_E_DISCONNECTED;
    *count = m_items->ItemCount();
    return S_OK;
  }
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    const HRESULT hr = Check(child);
    if (FAILED(hr)) return hr;
    // Items are simple elements of this object, with no object of their own.
    return IsSelf(child) ? E_INVALIDARG : S_FALSE;
  }
  STDMETHODIMP get_accName(VARIANT child, BSTR* out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    const HRESULT hr = Check(child);
    if (FAILED(hr)) return hr;
    if (IsSelf(child))
      return m_standard ? m_standard->get_accName(child, out) : S_FALSE;
    *out = ToBstr(m_items->ItemName(child.lVal - 1));
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  STDMETHODIMP get_accValue(VARIANT child, BSTR* out) override {
    return SelfText(child, out, &IAccessible::get_accValue);
  }
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override {
    return SelfText(child, out, &IAccessible::get_accDescription);
  }
  STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override {
    return SelfText(child, out, &IAccessible::get_accHelp);
  }
  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return SelfText(child, out, &IAccessible::get_accKeyboardShortcut);
  }
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override {
    return SelfText(child, out, &IAccessible::get_accDefaultAction);
  }
  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    return m_items ? S_FALSE : RPC_E_DISCONNECTED;
  }
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override {
    if (!out) return E_POINTER;
    ::VariantInit(out);
    const HRESULT hr = Check(child);
    if (FAILED(hr)) return hr;
    *out = Int(IsSelf(child) ? m_roles.window : m_roles.item);
    return S_OK;
  }
  STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override {
    if (!out) return E_POINTER;
    ::VariantInit(out);
    const HRESULT hr = Check(child);
    if (FAILED(hr)) return hr;
    if (IsSelf(child))
      return m_standard ? m_standard->get_accState(child, out) : S_FALSE;
    const int index = child.lVal - 1;
    long state = STATE_SYSTEM_FOCUSABLE;
    if (m_items->FocusedItem() == index) state |= STATE_SYSTEM_FOCUSED;
    if (m_roles.selectable) {
      state |= STATE_SYSTEM_SELECTABLE;
      if (m_items->SelectedItem() == index) state |= STATE_SYSTEM_SELECTED;
    }
    const RECT rc = m_items->ItemScreenRect(index);
    if (::IsRectEmpty(&rc))
      state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    *out = Int(state);
    return S_OK;
  }
  STDMETHODIMP get_accFocus(VARIANT* out) override {
    if (!out) return E_POINTER;
    ::VariantInit(out);
    if (!m_items) return RPC_E_DISCONNECTED;
    const int focused = m_items->FocusedItem();
    if (focused >= 0) {
      *out = Int(focused + 1);
      return S_OK;
    }
    return m_standard ? m_standard->get_accFocus(out) : S_FALSE;
  }
  STDMETHODIMP get_accSelection(VARIANT* out) override {
    if (!out) return E_POINTER;
    ::VariantInit(out);
    if (!m_items) return RPC_E_DISCONNECTED;
    const int selected = m_items->SelectedItem();
    if (selected < 0) return S_FALSE;
    *out = Int(selected + 1);
    return S_OK;
  }
  STDMETHODIMP accSelect(long flags, VARIANT child) override {
    const HRESULT hr = Check(child);
    if (FAILED(hr)) return hr;
    return IsSelf(child) && m_standard ? m_standard->accSelect(flags, child)
                                       : DISP_E_MEMBERNOTFOUND;
  }
  STDMETHODIMP accLocation(long* x, long* y, long* cx, long* cy,
                           VARIANT child) override {
    if (!x || !y || !cx || !cy) return E_POINTER;
    *x = *y = *cx = *cy = 0;
    const HRESULT hr = Check(child);
    if (FAILED(hr)) return hr;
    if (IsSelf(child))
      return m_standard ? m_standard->accLocation(x, y, cx, cy, child)
                        : S_FALSE;
    const RECT rc = m_items->ItemScreenRect(child.lVal - 1);
    *x = rc.left;
    *y = rc.top;
    *cx = rc.right - rc.left;
    *cy = rc.bottom - rc.top;
    return S_OK;
  }
  STDMETHODIMP accNavigate(long direction, VARIANT start,
                           VARIANT* out) override {
    if (!out) return E_POINTER;
    ::VariantInit(out);
    const HRESULT hr = Check(start);
    if (FAILED(hr)) return hr;
    const long count = m_items->ItemCount();
    long to = 0;
    if (IsSelf(start)) {
      if (direction == NAVDIR_FIRSTCHILD)
        to = 1;
      else if (direction == NAVDIR_LASTCHILD)
        to = count;
      else
        return m_standard ? m_standard->accNavigate(direction, start, out)
                          : S_FALSE;
    } else if (direction == NAVDIR_NEXT) {
      to = start.lVal + 1;
    } else if (direction == NAVDIR_PREVIOUS) {
      to = start.lVal - 1;
    }
    if (to < 1 || to > count) return S_FALSE;
    *out = Int(to);
    return S_OK;
  }
  STDMETHODIMP accHitTest(long x, long y, VARIANT* out) override {
    if (!out) return E_POINTER;
    ::VariantInit(out);
    if (!m_items) return RPC_E_DISCONNECTED;
    const POINT pt{x, y};
    for (int i = 0; i < m_items->ItemCount(); ++i) {
      const RECT rc = m_items->ItemScreenRect(i);
      if (::PtInRect(&rc, pt)) {
        *out = Int(i + 1);
        return S_OK;
      }
    }
    return m_standard ? m_standard->accHitTest(x, y, out) : S_FALSE;
  }
  STDMETHODIMP accDoDefaultAction(VARIANT child) override {
    const HRESULT hr = Check(child);
    if (FAILED(hr)) return hr;
    return IsSelf(child) && m_standard ? m_standard->accDoDefaultAction(child)
                                       : DISP_E_MEMBERNOTFOUND;
  }
  STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // S_OK for the window itself or one of its items.
  HRESULT Check(const VARIANT& child) const {
    if (!m_items) return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4 || child.lVal < 0 ||
        child.lVal > m_items->ItemCount())
      return E_INVALIDARG;
    return S_OK;
  }
  // A text only the window itself may have.
  HRESULT SelfText(const VARIANT& child, BSTR* out,
                   HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT,
                                                                 BSTR*)) {
    if (!out) return E_POINTER;
    *out = nullptr;
    const HRESULT hr = Check(child);
    if (FAILED(hr)) return hr;
    return IsSelf(child) && m_standard ? (m_standard.Get()->*get)(child, out)
                                       : S_FALSE;
  }

  ~ListAccessible() = default;

  LONG m_refs = 1;
  const IAccessibleItems* m_items;
  AccessibleRoles m_roles;
  ComPtr<IAccessible> m_standard;
};

AccessibleAnchor::AccessibleAnchor(const IAccessibleItems& items,
                                   AccessibleRoles roles)
    : m_items(items), m_roles(roles) {}

AccessibleAnchor::~AccessibleAnchor() { Disconnect(); }

bool AccessibleAnchor::Answer(HWND window, WPARAM wParam, LPARAM objectId,
                              LRESULT* result) {
  if (static_cast<LONG>(static_cast<DWORD>(objectId)) != OBJID_CLIENT)
    return false;
  if (!m_object) {
    ComPtr<IAccessible> standard;
    ::CreateStdAccessibleObject(
        window, OBJID_CLIENT, IID_IAccessible,
        reinterpret_cast<void**>(standard.GetAddressOf()));
    // Made with one reference, which the pointer takes over.
    m_object.Attach(new (std::nothrow)
                        ListAccessible(m_items, m_roles, std::move(standard)));
    if (!m_object) return false;
  }
  *result = ::LresultFromObject(IID_IAccessible, wParam, m_object.Get());
  return true;
}

void AccessibleAnchor::Disconnect() {
  if (m_object) m_object->Disconnect();
  m_object.Reset();
}

}  // namespace qv
