// tests/unit/SingleInstanceTest.cpp: one bar per user. The prefix has one
// account: another user is a SID of another form, passed in.
#include "app/SingleInstance.h"

#include <gtest/gtest.h>

#include <sddl.h>

#include "bar/BringForward.h"

namespace {

constexpr char kOtherUser[] = "S-1-5-21-1004336348-1177238915-682003330-1001";

TEST(SingleInstance, OneClaimPerUserAndNoneTakenByAnotherAccount) {
  const std::string me = CurrentUserSid();
  ASSERT_EQ(0u, me.rfind("S-1-", 0));

  // Another account's bar, and another account holding a mutex of the
  // name this user's would have: owner and access its own.
  qv::UniqueKernelObject other;
  ASSERT_TRUE(qv::ClaimSingleInstance(kOtherUser, other));
  PSECURITY_DESCRIPTOR squat = nullptr;
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA(
      (std::string("O:") + kOtherUser + "D:(A;;GA;;;WD)").c_str(),
      SDDL_REVISION_1, &squat, nullptr));
  SECURITY_ATTRIBUTES attributes{sizeof attributes, squat, FALSE};
  qv::UniqueKernelObject squatted(
      ::CreateMutexA(&attributes, FALSE, qv::SingleInstanceName(me).c_str()));
  ::LocalFree(squat);
  ASSERT_TRUE(squatted);

  qv::UniqueKernelObject first, second;
  EXPECT_TRUE(qv::ClaimSingleInstance(me, first));
  EXPECT_FALSE(first) << "another account's object is not kept";
  squatted.reset();

  EXPECT_TRUE(qv::ClaimSingleInstance(me, first));
  EXPECT_TRUE(first);
  EXPECT_FALSE(qv::ClaimSingleInstance(me, second));
  first.reset();
  second.reset();
  EXPECT_TRUE(qv::ClaimSingleInstance(me, first));
}

// A window of the bar's class in another user's process is not this user's
// bar: a second start must not talk to it. (A class of its own here: the
// bar window tests register the bar's.)
TEST(SingleInstance, TheBarToBringForwardIsThisUsersOnly) {
  constexpr char kClass[] = "Quorvane.Bar.Test";
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ::DefWindowProcA;
  windowClass.lpszClassName = kClass;
  ::RegisterClassA(&windowClass);
  HWND bar = ::CreateWindowExA(0, kClass, "Quorvane", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar, FindUserBar(CurrentUserSid(), kClass));
  EXPECT_EQ(nullptr, FindUserBar(kOtherUser, kClass));
  EXPECT_EQ(nullptr, FindUserBar("", kClass));
  ::DestroyWindow(bar);
  ::UnregisterClassA(kClass, nullptr);
}

}  // namespace
