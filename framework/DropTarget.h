// framework/DropTarget.h: CDropTarget, an OLE drop target for one window.
// It takes the OLE calls, converts the cursor to the window's client
// coordinates, keeps the dragged data between them and hands each to an
// overridable On... operation; a derived class routes them to its window.
// An operation that throws refuses the drag: OLE gets a failure HRESULT.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "framework/Handles.h"

namespace qv {

class CWnd;

class CDropTarget : public IDropTarget {
 public:
  CDropTarget() = default;
  CDropTarget(const CDropTarget&) = delete;
  CDropTarget& operator=(const CDropTarget&) = delete;
  // Revokes a registration that is still in place.
  virtual ~CDropTarget();

  // Makes this object the drop target of `wnd` (OLE must be initialised).
  // FALSE when OLE refuses or the window already has one.
  BOOL Register(CWnd* wnd);
  // Ends the registration; the window must still exist, so owners call it
  // while the window is being destroyed.
  void Revoke();

  // Answer the effect (DROPEFFECT_*) for the drag at `point`, in the
  // window's client coordinates. The defaults refuse everything.
  virtual DWORD OnDragEnter(CWnd* wnd, IDataObject* data, DWORD keyState,
                            POINT point);
  virtual DWORD OnDragOver(CWnd* wnd, IDataObject* data, DWORD keyState,
                           POINT point);
  virtual void OnDragLeave(CWnd* wnd);
  // `dropEffect` is what OnDragOver answered at the drop, limited to what the
  // source allows (DROPEFFECT_NONE when it allows none of it).
  virtual BOOL OnDrop(CWnd* wnd, IDataObject* data, DWORD dropEffect,
                      POINT point);

  // The effects the drag's source allows, as of the last OLE call: a target
  // that hands the drag on to another passes them with it.
  DWORD AllowedEffects() const { return m_allowed; }

  // IUnknown. The object is embedded in its owner, which outlives the
  // registration: the count only keeps the COM rules.
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IDropTarget
  STDMETHODIMP DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                         DWORD* effect) override;
  STDMETHODIMP DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
  STDMETHODIMP DragLeave() override;
  STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL point,
                    DWORD* effect) override;

 private:
  POINT ClientPoint(POINTL screen) const;

  HWND m_hWnd = nullptr;       // while registered
  ComPtr<IDataObject> m_data;  // of the drag over the window, if any
  DWORD m_allowed = DROPEFFECT_NONE;
  LONG m_refs = 0;
};

}  // namespace qv
