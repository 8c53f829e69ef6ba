// bar/BarDropTarget.cpp: routing the drop target's calls to the bar window.
#include "bar/BarDropTarget.h"

#include "bar/MfcAppBar.h"

namespace {

CMfcAppBar* Bar(qv::CWnd* wnd) { return dynamic_cast<CMfcAppBar*>(wnd); }

}  // namespace

DWORD CBarDropTarget::OnDragEnter(qv::CWnd* wnd, IDataObject* data,
                                  DWORD keyState, POINT point) {
  CMfcAppBar* bar = Bar(wnd);
  return bar ? bar->OnDragEnter(data, keyState, point) : DROPEFFECT_NONE;
}

DWORD CBarDropTarget::OnDragOver(qv::CWnd* wnd, IDataObject* data,
                                 DWORD keyState, POINT point) {
  CMfcAppBar* bar = Bar(wnd);
  return bar ? bar->OnDragOver(data, keyState, point) : DROPEFFECT_NONE;
}

BOOL CBarDropTarget::OnDrop(qv::CWnd* wnd, IDataObject* data, DWORD dropEffect,
                            POINT point) {
  CMfcAppBar* bar = Bar(wnd);
  return bar ? bar->OnDrop(data, dropEffect, point) : FALSE;
}

void CBarDropTarget::OnDragLeave(qv::CWnd* wnd) {
  if (CMfcAppBar* bar = Bar(wnd)) bar->OnDragLeave();
}
