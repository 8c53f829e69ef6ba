// customize/PageHelp.cpp: finding a page's help contexts and handing them to
// the help target.
#include "customize/PageHelp.h"

#include <utility>

namespace {

PageHelpTarget& Target() {
  static PageHelpTarget target;
  return target;
}

}  // namespace

DWORD FindPageHelpContext(const PageHelpId* table, UINT controlId) {
  for (; table && table->controlId; ++table)
    if (table->controlId == controlId) return table->contextId;
  return 0;
}

PageHelpTarget SetPageHelpTarget(PageHelpTarget target) {
  return std::exchange(Target(), std::move(target));
}

BOOL PageHelpInfo(HWND page, const HELPINFO* info, const PageHelpId* table) {
  if (!info || info->iContextType != HELPINFO_WINDOW) return FALSE;
  if (::GetKeyState(VK_F1) < 0)
    return ::SendMessageA(page, WM_COMMANDHELP, 0, 0) != 0;
  DWORD contextId = FindPageHelpContext(table, info->iCtrlId);
  const auto& show = Target().showControlHelp;
  return contextId && show &&
         show(static_cast<HWND>(info->hItemHandle), contextId);
}

BOOL PageContextMenu(HWND page, HWND clicked, POINT, const PageHelpId* table) {
  if (!clicked || clicked == page || ::GetParent(clicked) != page) return FALSE;
  DWORD contextId =
      FindPageHelpContext(table, static_cast<UINT>(::GetDlgCtrlID(clicked)));
  const auto& show = Target().showControlHelp;
  return contextId && show && show(clicked, contextId);
}

BOOL PageTopic(HWND page, DWORD topicId) {
  const auto& open = Target().openTopic;
  return open && open(page, topicId);
}
