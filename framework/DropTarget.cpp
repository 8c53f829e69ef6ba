// framework/DropTarget.cpp: the OLE side of a window's drop target.
#include "framework/DropTarget.h"

#include <new>

#include "framework/Wnd.h"

namespace qv {

namespace {

// The effect a target chose, when the drag source allows it.
DWORD Allowed(DWORD effect, DWORD allowed) {
  return (effect & allowed) == effect ? effect : DROPEFFECT_NONE;
}

// Called in a catch block: an exception from a target never unwinds into
// OLE; the drag is refused and the failure reported.
HRESULT Refused(DWORD* effect) noexcept {
  if (effect) *effect = DROPEFFECT_NONE;
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace

CDropTarget::~CDropTarget() { Revoke(); }

BOOL CDropTarget::Register(CWnd* wnd) {
  if (!wnd || !wnd->m_hWnd || m_hWnd) return FALSE;
  if (FAILED(::RegisterDragDrop(wnd->m_hWnd, this))) return FALSE;
  m_hWnd = wnd->m_hWnd;
  return TRUE;
}

void CDropTarget::Revoke() {
  if (!m_hWnd) return;
  ::RevokeDragDrop(m_hWnd);
  m_hWnd = nullptr;
  m_data.Reset();
}

DWORD CDropTarget::OnDragEnter(CWnd*, IDataObject*, DWORD, POINT) {
  return DROPEFFECT_NONE;
}

DWORD CDropTarget::OnDragOver(CWnd*, IDataObject*, DWORD, POINT) {
  return DROPEFFECT_NONE;
}

void CDropTarget::OnDragLeave(CWnd*) {}

BOOL CDropTarget::OnDrop(CWnd*, IDataObject*, DWORD, POINT) { return FALSE; }

STDMETHODIMP CDropTarget::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CDropTarget::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) CDropTarget::Release() {
  return static_cast<ULONG>(::InterlockedDecrement(&m_refs));
}

POINT CDropTarget::ClientPoint(POINTL screen) const {
  POINT point{screen.x, screen.y};
  ::ScreenToClient(m_hWnd, &point);
  return point;
}

STDMETHODIMP CDropTarget::DragEnter(IDataObject* data, DWORD keyState,
                                    POINTL point, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  try {
    m_data = data;
    m_allowed = *effect;
    CWnd* wnd = CWnd::FromHandlePermanent(m_hWnd);
    *effect =
        wnd && data
            ? Allowed(OnDragEnter(wnd, data, keyState, ClientPoint(point)),
                      *effect)
            : DROPEFFECT_NONE;
    return S_OK;
  } catch (...) {
    m_data.Reset();
    return Refused(effect);
  }
}

STDMETHODIMP CDropTarget::DragOver(DWORD keyState, POINTL point,
                                   DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  try {
    m_allowed = *effect;
    CWnd* wnd = CWnd::FromHandlePermanent(m_hWnd);
    *effect = wnd && m_data ? Allowed(OnDragOver(wnd, m_data.Get(), keyState,
                                                 ClientPoint(point)),
                                      *effect)
                            : DROPEFFECT_NONE;
    return S_OK;
  } catch (...) {
    return Refused(effect);
  }
}

STDMETHODIMP CDropTarget::DragLeave() {
  try {
    m_data.Reset();
    if (CWnd* wnd = CWnd::FromHandlePermanent(m_hWnd)) OnDragLeave(wnd);
    return S_OK;
  } catch (...) {
    return Refused(nullptr);
  }
}

// The buttons are up by now: the target decides by what it learnt during
// the drag, asked once more where the items were let go.
STDMETHODIMP CDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point,
                               DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  try {
    m_data.Reset();
    m_allowed = *effect;
    CWnd* wnd = CWnd::FromHandlePermanent(m_hWnd);
    if (!wnd || !data) {
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    const POINT client = ClientPoint(point);
    const DWORD chosen =
        Allowed(OnDragOver(wnd, data, keyState, client), *effect);
    *effect = OnDrop(wnd, data, chosen, client) ? chosen : DROPEFFECT_NONE;
    return S_OK;
  } catch (...) {
    return Refused(effect);
  }
}

}  // namespace qv
