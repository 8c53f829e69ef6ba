// tests/unit/ViewFileTypesTest.cpp: the Add File Type dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "customize/AddFileTypeDlg.h"
#include "res/resource.h"
#include "tests/unit/support/ModalDriver.h"

namespace {

void Click(HWND dialog, int id) {
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

bool Enabled(HWND dialog, int id) {
  return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

TEST(AddFileTypeDlgTest, OkOnlyWithBothFieldsAndGivesExtensionTabDescription) {
  CAddFileTypeDlg dialog;
  std::vector<bool> okEnabled;
  LRESULT limits[2] = {};
  ModalDriver driver([&] {
    HWND wnd = ::FindWindowA(nullptr, "Add File Type");
    if (!wnd) return false;
    limits[0] =
        ::SendDlgItemMessageA(wnd, IDC_TYPE_DESCRIPTION, EM_GETLIMITTEXT, 0, 0);
    limits[1] =
        ::SendDlgItemMessageA(wnd, IDC_TYPE_EXTENSION, EM_GETLIMITTEXT, 0, 0);
    okEnabled.push_back(Enabled(wnd, IDOK));
    ::SetDlgItemTextA(wnd, IDC_TYPE_EXTENSION, "bak");
    okEnabled.push_back(Enabled(wnd, IDOK));
    Click(wnd, IDOK);  // as Enter would: an empty field keeps it open
    ::SetDlgItemTextA(wnd, IDC_TYPE_DESCRIPTION, "Backups");
    okEnabled.push_back(Enabled(wnd, IDOK));
    Click(wnd, IDOK);
    return true;
  });
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ((std::vector<bool>{false, false, true}), okEnabled);
  EXPECT_EQ(80, limits[0]);
  EXPECT_EQ(3, limits[1]);
  EXPECT_EQ("bak\tBackups", dialog.Result());
}

}  // namespace
