// framework/CheckListBox.cpp: drawing the check boxes, keeping each item's
// check mark in its item data, and reporting a toggle to the parent.
#include "framework/CheckListBox.h"

#include <algorithm>
#include <string>

namespace qv {

namespace {

constexpr int kMargin = 2;  // around the check box, in pixels

}  // namespace

BEGIN_MESSAGE_MAP(CCheckListBox, CWnd)
ON_WM_LBUTTONDOWN()
QV_ON(WM_LBUTTONDBLCLK, Mouse, OnLButtonDown)
ON_WM_KEYDOWN()
ON_MESSAGE(WM_CHAR, OnChar)
END_MESSAGE_MAP()

BOOL CCheckListBox::SubclassDlgItem(UINT id, HWND parent) {
  HWND list = ::GetDlgItem(parent, static_cast<int>(id));
  if (!list || m_hWnd) return FALSE;
  Subclass(list);
  const int height =
      std::max<int>(CheckBoxSize() + 2 * kMargin,
                    static_cast<int>(SendMessage(LB_GETITEMHEIGHT, 0, 0)));
  SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
  return TRUE;
}

void CCheckListBox::SetCheck(int index, bool checked) {
  SendMessage(LB_SETITEMDATA, index, checked ? 1 : 0);
  RECT rc{};
  if (SendMessage(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc)) !=
      LB_ERR)
    ::InvalidateRect(m_hWnd, &rc, FALSE);
}

bool CCheckListBox::GetCheck(int index) const {
  const LRESULT data = SendMessage(LB_GETITEMDATA, index, 0);
  return data != LB_ERR && data != 0;
}

int CCheckListBox::CheckBoxSize() const {
  return ::GetSystemMetrics(SM_CYMENUCHECK);
}

void CCheckListBox::DrawItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const int index = static_cast<int>(item.itemID);
  HDC dc = item.hDC;
  RECT rc = item.rcItem;
  const int box = CheckBoxSize();

  ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_WINDOW));
  RECT boxRc{rc.left + kMargin, rc.top + (rc.bottom - rc.top - box) / 2,
             rc.left + kMargin + box, 0};
  boxRc.bottom = boxRc.top + box;
  ::DrawFrameControl(
      dc, &boxRc, DFC_BUTTON,
      DFCS_BUTTONCHECK | DFCS_FLAT | (GetCheck(index) ? DFCS_CHECKED : 0));

  RECT textRc = rc;
  textRc.left = boxRc.right + kMargin;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  ::FillRect(dc, &textRc,
             ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  // Sized by the item's own length: an item's text may be a long path.
  const LRESULT length = SendMessage(LB_GETTEXTLEN, index, 0);
  std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
  if (length > 0)
    SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = ::SetTextColor(
      dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT inner = textRc;
  inner.left += kMargin;
  ::DrawTextA(dc, text.c_str(), -1, &inner,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
  if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &textRc);
}

int CCheckListBox::CheckBoxAt(POINT pt) const {
  const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
  if (HIWORD(hit) != 0) return -1;  // outside the items
  return pt.x < kMargin * 2 + CheckBoxSize() ? static_cast<int>(LOWORD(hit))
                                             : -1;
}

// The click selects first, so the parent's handler acts on the selection.
void CCheckListBox::OnLButtonDown(UINT, POINT pt) {
  Default();
  const int index = CheckBoxAt(pt);
  if (index >= 0 && index == SendMessage(LB_GETCURSEL, 0, 0)) Toggle(index);
}

void CCheckListBox::OnKeyDown(UINT vk, UINT, UINT) {
  if (vk != VK_SPACE) {
    Default();
    return;
  }
  const int index = static_cast<int>(SendMessage(LB_GETCURSEL, 0, 0));
  if (index >= 0) Toggle(index);
}

LRESULT CCheckListBox::OnChar(WPARAM ch, LPARAM) {
  return ch == ' ' ? 0 : Default();
}

void CCheckListBox::Toggle(int index) {
  SetCheck(index, !GetCheck(index));
  ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                 reinterpret_cast<LPARAM>(m_hWnd));
}

}  // namespace qv
