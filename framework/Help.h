// framework/Help.h: the program's help: HTML pages installed beside the
// program and opened in the user's browser, pop-up help for dialog controls,
// and the help command that asks the windows which page to show.
#pragma once

#include <windows.h>

#include <string>

// Asks a window for help on what it shows; nonzero when it gave some.
#ifndef WM_COMMANDHELP
#define WM_COMMANDHELP 0x0365
#endif

namespace qv {

// The standard help commands, and the string table entries the program gives
// for help: the failure message, the one item of the control help menu, and
// each help context's pop-up text at kIdsHelpPopupBase + its context id.
constexpr UINT kIdHelp = 57670;
constexpr UINT kIdDefaultHelp = 57671;
constexpr UINT kIdsFailedToLaunchHelp = 61703;
constexpr UINT kIdsWhatsThis = 19990;
constexpr UINT kIdsHelpPopupBase = 20000;

// A control's help context. A page's table ends with {0, 0}.
struct HelpId {
  UINT controlId;
  DWORD contextId;
};

// What help does on screen. The default opens pages with the shell's "open"
// verb, shows pop-ups as small windows at the control, asks with a one-item
// menu and reports failures in a message box; tests put their own in its
// place to see what was asked for.
class HelpUi {
 public:
  virtual ~HelpUi() = default;
  // Opens a page file; false when it did not open.
  virtual bool OpenPage(HWND owner, const std::string& path) = 0;
  // Shows the pop-up text of a help context at a control.
  virtual void ShowPopup(HWND control, DWORD contextId) = 0;
  // Offers the "What's This?" menu at a screen point; true when chosen.
  virtual bool OfferWhatsThis(HWND owner, POINT screenPoint) = 0;
  // Tells the user that the help could not be opened.
  virtual void ReportFailure(HWND owner) = 0;
};

HelpUi& CurrentHelpUi();

// Puts another help UI in place for as long as it lives.
class HelpUiOverride {
 public:
  explicit HelpUiOverride(HelpUi& ui);
  HelpUiOverride(const HelpUiOverride&) = delete;
  HelpUiOverride& operator=(const HelpUiOverride&) = delete;
  ~HelpUiOverride();

 private:
  HelpUi* m_previous;
};

// The folder of the help pages, "<program folder>\help\"; empty when the
// program's path cannot be read.
std::string HelpFolder();

// Opens the contents page (index.html) or the page of a help context
// (topic<id>.html). A page that is missing or does not open is reported
// ("Failed to launch help."); true when it opened.
bool OpenHelpContents(HWND owner);
bool OpenHelpTopic(HWND owner, DWORD contextId);

// The help context of a control in a table (null for none), or 0.
DWORD FindHelpContext(const HelpId* table, UINT controlId);

// The pop-up text of a help context, empty when it has none.
std::string HelpPopupText(DWORD contextId);

// Shows text in a small pop-up window below a control, closing any earlier
// one; it closes itself on a click, a key or the loss of activation.
HWND ShowHelpPopupWindow(HWND control, const std::string& text);

// A dialog page's WM_HELP: the F1 key is the help command, so the page's
// WM_COMMANDHELP gives its topic; a click in context-help mode on a control
// in the table shows its pop-up. TRUE when handled.
BOOL HandleHelpInfo(const HELPINFO* info, const HelpId* table);

// A dialog page's WM_CONTEXTMENU (wParam the window clicked, lParam the
// screen point, or -1 from the keyboard): for a control in the table, the
// "What's This?" menu, then its pop-up. TRUE when handled.
BOOL HandleContextMenu(HWND page, HWND clicked, LPARAM screenPoint,
                       const HelpId* table);

// The help command (ID_HELP), carried out by the application object; false
// when there is none or it does not take the command.
bool SendHelpCommand();

// Offers WM_COMMANDHELP to the window with the mouse capture, then the focus
// window, then the main window's last active popup, each followed by its
// parents and owners; when none answers, ID_DEFAULT_HELP goes to the main
// window.
void OfferHelpRequest(HWND mainWnd);

// A property sheet's WM_COMMANDHELP: asks its active page.
LRESULT ForwardCommandHelp(HWND sheet);

}  // namespace qv
