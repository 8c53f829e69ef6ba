// app/SingleInstance.cpp: the per-user single-instance mutex.
#include "app/SingleInstance.h"

#include <aclapi.h>
#include <sddl.h>

namespace qv {

namespace {

// Whether the kernel object's owner is user `sid`.
bool OwnedBy(HANDLE object, const std::string& sid) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetSecurityInfo(object, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION,
                        &owner, nullptr, nullptr, nullptr,
                        &descriptor) != ERROR_SUCCESS)
    return false;
  char* text = nullptr;
  const bool same =
      owner && ::ConvertSidToStringSidA(owner, &text) && sid == text;
  if (text) ::LocalFree(text);
  ::LocalFree(descriptor);
  return same;
}

}  // namespace

std::string SingleInstanceName(const std::string& sid) {
  return "Local\\Quorvane.SingleInstance." + sid;
}

bool ClaimSingleInstance(const std::string& sid, UniqueKernelObject& mark) {
  mark.reset();
  if (sid.empty()) return true;
  // Owned by the user, with full access for the user and no one else.
  const std::string sddl = "O:" + sid + "D:P(A;;GA;;;" + sid + ")";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(
          sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
    return true;
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  mark.reset(
      ::CreateMutexA(&attributes, FALSE, SingleInstanceName(sid).c_str()));
  const DWORD error = ::GetLastError();
  ::LocalFree(descriptor);
  // A name another account took first answers "access denied" here, or
  // opens a mutex that account owns: neither is this user's bar.
  if (!mark || error != ERROR_ALREADY_EXISTS) return true;
  if (OwnedBy(mark.get(), sid)) return false;
  mark.reset();
  return true;
}

}  // namespace qv
