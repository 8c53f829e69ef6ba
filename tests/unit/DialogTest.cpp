// tests/unit/DialogTest.cpp: dialogs and sheets bound at WM_INITDIALOG, their
// control notifications by code, the pages' PSN_* calls, and OK known from
// the pages' apply notification.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "framework/Dialog.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "tests/unit/support/ModalDriver.h"

namespace {

class TypeDialog : public qv::CDialog {
 public:
  TypeDialog() : qv::CDialog(IDD_ADD_FILE_TYPE) {}
  bool initialised = false;
  int changes = 0;

 protected:
  BOOL OnInitDialog() override {
    initialised = m_hWnd != nullptr;
    return TRUE;
  }
  void OnChange() { ++changes; }
  void OnFocus() { throw std::runtime_error("handler failed"); }

  DECLARE_MESSAGE_MAP(TypeDialog)
};

BEGIN_MESSAGE_MAP(TypeDialog, qv::CDialog)
ON_CONTROL(EN_CHANGE, IDC_TYPE_EXTENSION, OnChange)
ON_CONTROL(EN_SETFOCUS, IDC_TYPE_EXTENSION, OnFocus)
END_MESSAGE_MAP()

TEST(DialogTest, ModalDialogRoutesControlNotificationsAndEndsWithItsButton) {
  TypeDialog dialog;
  ModalDriver driver([&] {
    HWND wnd = ::FindWindowA(nullptr, "Add File Type");
    if (!wnd) return false;
    // A throwing handler leaves its message to default processing.
    ::SetFocus(::GetDlgItem(wnd, IDC_TYPE_EXTENSION));
    ::SetDlgItemTextA(wnd, IDC_TYPE_EXTENSION, "bak");
    // A click is a command; the edit's other notifications are not.
    ::SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(wnd, IDOK)));
    return true;
  });
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(driver.Done());
  EXPECT_TRUE(dialog.initialised);
  EXPECT_EQ(1, dialog.changes);
  EXPECT_EQ(nullptr, dialog.m_hWnd);
}

class RecordingPage : public qv::CPropertyPage {
 public:
  explicit RecordingPage(UINT id) : qv::CPropertyPage(id) {}
  std::string log;
  BOOL refuseApply = FALSE;

 protected:
  BOOL OnSetActive() override { return log += "S", TRUE; }
  BOOL OnKillActive() override { return log += "K", TRUE; }
  BOOL OnApply() override { return log += "A", !refuseApply; }
  void OnReset() override { log += "R"; }
};

class Sheet : public qv::CPropertySheet {
 public:
  Sheet() : qv::CPropertySheet("Test Sheet", nullptr, 1) {
    AddPage(first);
    AddPage(second);
  }
  RecordingPage first{IDD_OPTIONS};
  RecordingPage second{IDD_ABOUT};
};

HWND FindSheet() { return ::FindWindowA(nullptr, "Test Sheet"); }

TEST(DialogTest, SheetCallsThePagesAndAnswersOkFromTheirApply) {
  Sheet sheet;
  ModalDriver driver([&] {
    HWND wnd = FindSheet();
    if (!wnd) return false;
    PropSheet_SetCurSel(wnd, nullptr, 0);
    PropSheet_PressButton(wnd, PSBTN_OK);
    return true;
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_EQ("SKA", sheet.second.log);  // opened on the start page
  EXPECT_EQ("SKA", sheet.first.log);
}

TEST(DialogTest, RefusedApplyThenCancelIsCancel) {
  Sheet sheet;
  sheet.first.refuseApply = TRUE;
  ModalDriver driver([&] {
    HWND wnd = FindSheet();
    if (!wnd) return false;
    PropSheet_SetCurSel(wnd, nullptr, 0);
    PropSheet_PressButton(wnd, PSBTN_OK);  // the first page keeps it open
    PropSheet_PressButton(wnd, PSBTN_CANCEL);
    return true;
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_NE(std::string::npos, sheet.first.log.find("AR"));
}

}  // namespace
