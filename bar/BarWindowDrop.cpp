// bar/BarWindowDrop.cpp: items dragged onto the bar. Folders dragged with the
// left button become toolbars; items dragged with the right button onto a
// row of buttons get shortcuts in that row's folder.
#include "bar/BarWindow.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/WideText.h"
#include "shell/FileSystemPath.h"
#include "shell/Shortcut.h"
#include "bar/portable/DropRules.h"
#include "shell/portable/ShortcutName.h"
#include "toolbar/ButtonRow.h"
#include "shell/ShellHelpers.h"

namespace {

// The paths of the dragged items (CF_HDROP); false when the data has none.
// Each path is read whole: one cut to a buffer would name another item.
bool DroppedPaths(IDataObject* data, std::vector<std::string>& paths) {
  if (!data) return false;
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return false;
  struct Release {
    STGMEDIUM& medium;
    ~Release() { ::ReleaseStgMedium(&medium); }
  } release{medium};
  if (medium.tymed != TYMED_HGLOBAL || !medium.hGlobal) return false;

  HDROP drop = static_cast<HDROP>(medium.hGlobal);
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(::DragQueryFileW(drop, i, &path[0], length + 1));
    paths.push_back(qv::Narrow(path));
  }
  return true;
}

}  // namespace

DWORD CBarWindow::OnDragEnter(IDataObject* data, DWORD keyState, POINT point) {
  if (const auto effect = DragOverRow(data, keyState, point)) return *effect;
  const qv::DragAnswer answer = qv::AnswerDrag(
      keyState, m_nDropEffect,
      [&] { return AllDroppedAreFolders(data, nullptr) == 1; },
      [&] {
        int row = -1;
        return DroppedOnRow(data, point, nullptr, &row) == 1;
      });
  m_nDropEffect = answer.mode;
  return answer.effect;
}

DWORD CBarWindow::OnDragOver(IDataObject* data, DWORD keyState, POINT point) {
  return OnDragEnter(data, keyState, point);
}

void CBarWindow::OnDragLeave() {
  LeaveRowSpot();
  m_nDropEffect = qv::kDropModeFolders;
}

BOOL CBarWindow::OnDrop(IDataObject* data, DWORD dropEffect, POINT point) {
  if (const auto dropped = DropOnRowSpot(data, dropEffect, point))
    return *dropped;
  switch (qv::ChooseDropAction(dropEffect, m_nDropEffect)) {
    case qv::DropAction::kFolders:
      return DropFolders(data);
    case qv::DropAction::kShortcuts:
      return DropOnRow(data, point);
    case qv::DropAction::kRefuse:
      break;
  }
  return FALSE;
}

int CBarWindow::AllDroppedAreFolders(IDataObject* data,
                                     std::vector<std::string>* list) {
  std::vector<std::string> paths;
  if (!DroppedPaths(data, paths) || paths.empty()) return 0;
  for (const std::string& path : paths)
    if (!qv::CountsAsToolbarFolder(qv::FileAttributesOf(path))) return 0;
  if (list) *list = std::move(paths);
  return 1;
}

int CBarWindow::DroppedOnRow(IDataObject* data, POINT point,
                             std::vector<std::string>* list, int* rowIndex) {
  if (rowIndex) *rowIndex = -1;
  if (!m_pane.m_hWnd) return 0;
  POINT inPane = point;
  ::MapWindowPoints(m_hWnd, m_pane.m_hWnd, &inPane, 1);
  HWND child = ::ChildWindowFromPointEx(m_pane.m_hWnd, inPane, CWP_ALL);
  if (!child || child == m_pane.m_hWnd) return 0;
  int row = -1;
  for (int i = 0; i < m_pane.GetRowCount(); ++i) {
    CButtonRow* candidate = m_pane.GetRow(i);
    if (candidate && candidate->m_hWnd == child) {
      row = candidate->GetDlgCtrlID();
      break;
    }
  }
  if (row < 0) return 0;

  std::vector<std::string> paths;
  if (!DroppedPaths(data, paths) || paths.empty()) return 0;
  for (const std::string& path : paths)
    if (!qv::AcceptedForShortcut(qv::FileAttributesOf(path))) return 0;
  if (list) *list = std::move(paths);
  if (rowIndex) *rowIndex = row;
  return 1;
}

BOOL CBarWindow::DropFolders(IDataObject* data) {
  std::vector<std::string> folders;
  if (!AllDroppedAreFolders(data, &folders)) return FALSE;

  std::vector<qv::UniqueIdList> lists;
  for (const std::string& folder : folders)
    lists.emplace_back(qv::PathToIdList(folder, m_hWnd));
  const CBarModel::Change change = m_model.AddToolbars(std::move(lists));
  PostRedo(change);
  return change ? TRUE : FALSE;
}

BOOL CBarWindow::DropOnRow(IDataObject* data, POINT point) {
  std::vector<std::string> paths;
  int row = -1;
  if (!DroppedOnRow(data, point, &paths, &row)) return FALSE;
  const ToolbarRecord* toolbar = Settings().Toolbar(row);
  const std::string folder =
      toolbar ? qv::FileSystemPath(toolbar->folder.get()) : std::string();
  if (folder.empty()) return FALSE;

  for (const std::string& path : paths) {
    std::string name = qv::CutAtFirstDot(qv::NamePart(path));
    CreateShortcut(folder.c_str(), path.c_str(), &name[0]);
  }
  if (!paths.empty()) PostRebuild(RebuildRequest::One(row, true));
  return TRUE;
}
