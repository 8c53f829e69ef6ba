// bar/BarWindowButtonDrag.cpp: buttons dragged from the bar, and drags over
// its buttons. A dragged button leaves as a shell drag of its item (copy,
// move or link allowed), so that the desktop, Explorer or another program
// takes it; let go between two buttons of its own row, the bar's own drop
// target moves it there instead. Any drag held over a folder button goes to
// that folder's own drop target, as on the desktop.
#include "bar/BarWindow.h"

#include <shlobj.h>

#include <utility>

#include "toolbar/ButtonRow.h"
#include "toolbar/ToolbarFill.h"

namespace {

constexpr DWORD kDragEffects =
    DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// The item's data object, asked of its folder as the shell's views ask:
// what the desktop or Explorer takes; null when the folder has none.
qv::ComPtr<IDataObject> ItemData(HWND owner, IShellFolder* folder,
                                 LPCITEMIDLIST item) {
  qv::ComPtr<IDataObject> data;
  if (FAILED(
          folder->GetUIObjectOf(owner, 1, &item, IID_IDataObject, nullptr,
                                reinterpret_cast<void**>(data.GetAddressOf()))))
    data.Reset();
  return data;
}

POINTL ScreenPoint(HWND wnd, POINT client) {
  ::ClientToScreen(wnd, &client);
  return {client.x, client.y};
}

}  // namespace

void CBarWindow::DragButton(int toolbar, int button) {
  const ToolbarRecord* record = Settings().Toolbar(toolbar);
  const ToolbarButtons* buttons = Buttons(toolbar);
  if (!record || !record->folder || !buttons || button < 0 ||
      static_cast<size_t>(button) >= buttons->size() ||
      !(*buttons)[button].item)
    return;
  const qv::ComPtr<IShellFolder> folder =
      BindToolbarFolder(record->folder.get());
  const qv::ComPtr<IDataObject> data =
      folder ? ItemData(m_hWnd, folder.Get(), (*buttons)[button].item.get())
             : nullptr;
  if (!data) return;

  // The loop dispatches messages, a rebuild among them: the toolbar's lists
  // are not used after it. An auto-hide bar stays out while a button is
  // carried, as it does for a menu.
  m_buttonDrag = ButtonDrag{toolbar, button};
  const int menuUp = m_bMenuUp;
  m_bMenuUp = 1;
  qv::CDropSource source;
  DWORD effect = DROPEFFECT_NONE;
  // What a target did with the item is its own business: a move out of the
  // folder shows at the folder's next read.
  m_dragDrop.DoDragDrop(data.Get(), &source, kDragEffects, &effect);
  m_bMenuUp = menuUp;
  m_buttonDrag.reset();
  LeaveRowSpot();
}

std::optional<DWORD> CBarWindow::DragOverRow(IDataObject* data, DWORD keyState,
                                             POINT point) {
  m_dragKeys = keyState;
  POINT inPane = point;
  ::MapWindowPoints(m_hWnd, m_pane.m_hWnd, &inPane, 1);
  CButtonRow* row = m_pane.m_hWnd ? m_pane.RowAt(inPane) : nullptr;
  for (int i = 0; i < m_pane.GetRowCount(); ++i) {
    CButtonRow* other = m_pane.GetRow(i);
    if (other == row) continue;
    other->SetInsertionMark(-1);
    other->SetDropHighlight(-1);
  }
  if (!row) {
    LeaveFolder();
    return std::nullopt;
  }
  POINT inRow = point;
  ::MapWindowPoints(m_hWnd, row->m_hWnd, &inRow, 1);
  const int toolbar = row->GetDlgCtrlID();
  const qv::RowDropZone zone = row->DropZoneAt(inRow);
  const bool own = m_buttonDrag && m_buttonDrag->toolbar == toolbar;

  if (zone.onButton >= 0 && !(own && zone.onButton == m_buttonDrag->button)) {
    const DWORD effect =
        HoverFolder(*row, toolbar, zone.onButton, data, keyState, point);
    if (m_folderHover.target) {
      row->SetInsertionMark(-1);
      return effect;
    }
  } else {
    LeaveFolder();
  }
  if (!own) {
    row->SetInsertionMark(-1);
    return std::nullopt;
  }
  // The button dragged along its own row: a move, unless it would stay
  // where it is or the toolbar keeps no order (the browse toolbar).
  const int from = m_buttonDrag->button;
  const ToolbarRecord* record = Settings().Toolbar(toolbar);
  const bool moves = record && !record->IsBrowse() && zone.before != from &&
                     zone.before != from + 1;
  row->SetInsertionMark(moves ? zone.before : -1);
  return moves ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
}

DWORD CBarWindow::HoverFolder(CButtonRow& row, int toolbar, int button,
                              IDataObject* data, DWORD keyState, POINT point) {
  const POINTL screen = ScreenPoint(m_hWnd, point);
  DWORD effect = m_dropTarget.AllowedEffects();
  if (m_folderHover.target && m_folderHover.toolbar == toolbar &&
      m_folderHover.button == button) {
    if (FAILED(m_folderHover.target->DragOver(keyState, screen, &effect)))
      effect = DROPEFFECT_NONE;
    return effect;
  }
  LeaveFolder();
  const ToolbarRecord* record = Settings().Toolbar(toolbar);
  const ToolbarButtons* buttons = Buttons(toolbar);
  if (!record || !record->folder || !buttons ||
      static_cast<size_t>(button) >= buttons->size() ||
      !(*buttons)[button].item)
    return DROPEFFECT_NONE;
  qv::ComPtr<IDropTarget> target = m_model.Shell().FolderDropTarget(
      record->folder.get(), (*buttons)[button].item.get(), m_hWnd);
  if (!target || FAILED(target->DragEnter(data, keyState, screen, &effect)))
    return DROPEFFECT_NONE;
  m_folderHover = {toolbar, button, std::move(target)};
  row.SetDropHighlight(button);
  return effect;
}

void CBarWindow::LeaveFolder() {
  if (m_folderHover.target) m_folderHover.target->DragLeave();
  const int index = m_pane.FindRowById(m_folderHover.toolbar);
  if (CButtonRow* row = m_pane.GetRow(index)) row->SetDropHighlight(-1);
  m_folderHover = {};
}

void CBarWindow::LeaveRowSpot() {
  LeaveFolder();
  for (int i = 0; i < m_pane.GetRowCount(); ++i) {
    CButtonRow* row = m_pane.GetRow(i);
    row->SetInsertionMark(-1);
    row->SetDropHighlight(-1);
  }
}

std::optional<BOOL> CBarWindow::DropOnRowSpot(IDataObject* data,
                                              DWORD dropEffect, POINT point) {
  if (m_folderHover.target) {
    // The folder's target had the drag since it entered: the drop is its.
    qv::ComPtr<IDropTarget> target = std::move(m_folderHover.target);
    LeaveRowSpot();
    if (dropEffect == DROPEFFECT_NONE) {
      target->DragLeave();
      return FALSE;
    }
    DWORD effect = m_dropTarget.AllowedEffects();
    const HRESULT hr =
        target->Drop(data, m_dragKeys, ScreenPoint(m_hWnd, point), &effect);
    return SUCCEEDED(hr) && effect != DROPEFFECT_NONE ? TRUE : FALSE;
  }
  POINT inPane = point;
  ::MapWindowPoints(m_hWnd, m_pane.m_hWnd, &inPane, 1);
  CButtonRow* row = m_pane.m_hWnd ? m_pane.RowAt(inPane) : nullptr;
  const bool own =
      m_buttonDrag && row && row->GetDlgCtrlID() == m_buttonDrag->toolbar;
  if (!own) {
    LeaveRowSpot();
    return std::nullopt;
  }
  POINT inRow = point;
  ::MapWindowPoints(m_hWnd, row->m_hWnd, &inRow, 1);
  const int before = row->DropZoneAt(inRow).before;
  LeaveRowSpot();
  if (dropEffect == DROPEFFECT_NONE) return FALSE;
  const int from = m_buttonDrag->button;
  const CBarModel::Change change = m_model.MoveButton(
      m_buttonDrag->toolbar, from, before > from ? before - 1 : before);
  // Rebuilt once the drag's loop is over: the row that began it is still
  // in it.
  PostRedo(change);
  return change ? TRUE : FALSE;
}
