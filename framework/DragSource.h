// framework/DragSource.h: carrying data out of the program with OLE drag and
// drop. CDropSource is the source's half of the loop: Esc or the other
// mouse button cancels, letting go of the dragging button drops.
// IDragDropLoop runs the loop itself (DoDragDrop), behind an interface so
// that tests can play the user's mouse and the targets.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace qv {

class CDropSource : public IDropSource {
 public:
  // `button` (MK_LBUTTON or MK_RBUTTON) is the one that drags.
  explicit CDropSource(DWORD button = MK_LBUTTON) : m_button(button) {}
  CDropSource(const CDropSource&) = delete;
  CDropSource& operator=(const CDropSource&) = delete;
  virtual ~CDropSource() = default;

  // IUnknown. The object lives on its starter's stack for the length of
  // the loop: the count only keeps the COM rules.
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IDropSource
  STDMETHODIMP QueryContinueDrag(BOOL escape, DWORD keyState) override;
  STDMETHODIMP GiveFeedback(DWORD effect) override;

 private:
  DWORD m_button;
  LONG m_refs = 0;
};

class IDragDropLoop {
 public:
  // As DoDragDrop: carries `data` until it is dropped (DRAGDROP_S_DROP,
  // `*effect` what the target did) or the drag is cancelled
  // (DRAGDROP_S_CANCEL).
  virtual HRESULT DoDragDrop(IDataObject* data, IDropSource* source,
                             DWORD allowed, DWORD* effect) = 0;

 protected:
  ~IDragDropLoop() = default;
};

// OLE's own loop, following the mouse.
IDragDropLoop& SystemDragDrop();

}  // namespace qv
