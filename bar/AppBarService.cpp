// bar/AppBarService.cpp
#include "bar/AppBarService.h"

namespace {

class ShellService final : public IAppBarService {
 public:
  UINT_PTR Send(DWORD message, APPBARDATA* data) override {
    return ::SHAppBarMessage(message, data);
  }
};

}  // namespace

IAppBarService& ShellAppBarService() {
  static ShellService service;
  return service;
}
