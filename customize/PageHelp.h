// customize/PageHelp.h: the help a Customize page gives: its topic for F1
// and the Help button, pop-up help for the controls in its help id table.
#pragma once

#include <windows.h>

#include <functional>

// Asks a window for help on what it shows; nonzero when it gave some.
#ifndef WM_COMMANDHELP
#define WM_COMMANDHELP 0x0365
#endif

// One control's help context; a page's table ends with {0, 0}.
struct PageHelpId {
  UINT controlId;
  DWORD contextId;
};

// The context of a control in a table (null for none), or 0.
DWORD FindPageHelpContext(const PageHelpId* table, UINT controlId);

// What is shown for the requests: a page's topic, a control's pop-up. Each
// answers true when it showed something. Empty functions show nothing.
struct PageHelpTarget {
  std::function<bool(HWND page, DWORD topicId)> openTopic;
  std::function<bool(HWND control, DWORD contextId)> showControlHelp;
};
// Puts `target` in place and answers the one it replaces.
PageHelpTarget SetPageHelpTarget(PageHelpTarget target);

// WM_HELP on a page: F1 asks the page for its topic (WM_COMMANDHELP); a
// request for a control in the table shows that control's help. TRUE when
// handled.
BOOL PageHelpInfo(HWND page, const HELPINFO* info, const PageHelpId* table);
// WM_CONTEXTMENU on a page (the screen point, or -1, -1 from the keyboard):
// a right click on a control in the table shows that control's help. TRUE
// when handled.
BOOL PageContextMenu(HWND page, HWND clicked, POINT screen,
                     const PageHelpId* table);
// WM_COMMANDHELP and the Help button: the page's topic.
BOOL PageTopic(HWND page, DWORD topicId);
