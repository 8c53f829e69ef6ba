// bar/BarDropTarget.h: CBarDropTarget, the bar window's OLE drop target. It
// decides nothing itself: each call goes to the bar window's operation of
// the same name, and a window of any other class is refused.
#pragma once

#include "framework/DropTarget.h"

class CBarDropTarget : public qv::CDropTarget {
 public:
  DWORD OnDragEnter(qv::CWnd* wnd, IDataObject* data, DWORD keyState,
                    POINT point) override;
  DWORD OnDragOver(qv::CWnd* wnd, IDataObject* data, DWORD keyState,
                   POINT point) override;
  BOOL OnDrop(qv::CWnd* wnd, IDataObject* data, DWORD dropEffect,
              POINT point) override;
  void OnDragLeave(qv::CWnd* wnd) override;
};
