// framework/CheckListBox.h: CCheckListBox, an owner-drawn list box with a
// check box before each item, toggled by a click on the box or the space key.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

namespace qv {

// Sent to the parent as WM_COMMAND(MAKEWPARAM(id, CLBN_CHKCHANGE), list)
// after the user toggled the selected item's check box.
constexpr WORD CLBN_CHKCHANGE = 40;

class CCheckListBox : public CWnd {
 public:
  // Binds to the dialog's list box `id` (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS)
  // and sizes its items to hold the check box; FALSE when there is none.
  BOOL SubclassDlgItem(UINT id, HWND parent);

  // The item's check mark; an item added later starts unchecked.
  void SetCheck(int index, bool checked);
  bool GetCheck(int index) const;

  // The parent's WM_DRAWITEM for this list.
  void DrawItem(const DRAWITEMSTRUCT& item) const;

 protected:
  void OnLButtonDown(UINT flags, POINT pt);
  void OnKeyDown(UINT vk, UINT repeat, UINT flags);
  // The space that toggles is no search key.
  LRESULT OnChar(WPARAM ch, LPARAM);

 private:
  // The item whose check box is at `pt` (client), or -1.
  int CheckBoxAt(POINT pt) const;
  void Toggle(int index);
  int CheckBoxSize() const;

  DECLARE_MESSAGE_MAP(CCheckListBox)
};

}  // namespace qv
