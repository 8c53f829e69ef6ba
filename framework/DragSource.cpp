// framework/DragSource.cpp: the drag source and OLE's drag loop.
#include "framework/DragSource.h"

namespace qv {

namespace {

class OleDragDrop : public IDragDropLoop {
 public:
  HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD allowed,
                     DWORD* effect) override {
    return ::DoDragDrop(data, source, allowed, effect);
  }
};

}  // namespace

STDMETHODIMP CDropSource::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDropSource) {
    *object = static_cast<IDropSource*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CDropSource::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) CDropSource::Release() {
  return static_cast<ULONG>(::InterlockedDecrement(&m_refs));
}

STDMETHODIMP CDropSource::QueryContinueDrag(BOOL escape, DWORD keyState) {
  const DWORD other = m_button == MK_LBUTTON ? MK_RBUTTON : MK_LBUTTON;
  if (escape || (keyState & other)) return DRAGDROP_S_CANCEL;
  if (!(keyState & m_button)) return DRAGDROP_S_DROP;
  return S_OK;
}

STDMETHODIMP CDropSource::GiveFeedback(DWORD) {
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

IDragDropLoop& SystemDragDrop() {
  static OleDragDrop loop;
  return loop;
}

}  // namespace qv
