// bar/BarDropTarget.cpp: routing the drop target's calls to the bar window.
#include "bar/BarDropTarget.h"

#include "bar/BarWindow.h"

namespace {

CBarWindow* Bar(qv::CWnd* wnd) { return dynamic_cast<CBarWindow*>(wnd); }

}  // namespace

DWORD CBarDropTarget::OnDragEnter(qv::CWnd* wnd, IDataObject* data,
                                  DWORD keyState, POINT point) {
  CBarWindow* bar = Bar(wnd);
  return bar ? bar->OnDragEnter(data, keyState, point) : DROPEFFECT_NONE;
}

DWORD CBarDropTarget::OnDragOver(qv::CWnd* wnd, IDataObject* data,
                                 DWORD keyState, POINT point) {
  CBarWindow* bar = Bar(wnd);
  return bar ? bar->OnDragOver(data, keyState, point) : DROPEFFECT_NONE;
}

BOOL CBarDropTarget::OnDrop(qv::CWnd* wnd, IDataObject* data, DWORD dropEffect,
                            POINT point) {
  CBarWindow* bar = Bar(wnd);
  return bar ? bar->OnDrop(data, dropEffect, point) : FALSE;
}

void CBarDropTarget::OnDragLeave(qv::CWnd* wnd) {
  if (CBarWindow* bar = Bar(wnd)) bar->OnDragLeave();
}
