// tests/unit/FolderWatcherTest.cpp: the directory watcher on real folders:
// one folder it cannot watch (absent, or a handle that fails, or one whose
// open waits for the network) never stops or delays the others, is tried
// again until it can be watched and then reports, and a handle the system
// asks back is closed at once.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bar/DirectoryWatcher.h"
#include "framework/Handles.h"
#include "tests/unit/support/PumpUntil.h"
#include "tests/unit/support/TempFolder.h"

namespace {

class FolderWatcherTest : public testing::Test {
 protected:
  void SetUp() override {
    window = ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             nullptr, nullptr);
    ASSERT_TRUE(window);
  }
  void TearDown() override {
    watcher.reset();
    ::DestroyWindow(window);
  }

  // Pumps until `path` is reported changed, for up to the first retry's
  // wait and some.
  bool Reported(const std::string& path) {
    PumpUntil(
        [&] {
          for (const std::string& changed : watcher->TakeChanged())
            seen.insert(changed);
          return seen.count(path) > 0;
        },
        6000);
    return seen.erase(path) > 0;
  }

  // The handle of this process open on `path`, or null.
  static HANDLE OpenHandleOn(const std::string& path) {
    for (UINT_PTR value = 4; value < 0x10000; value += 4) {
      char name[MAX_PATH] = {};
      const HANDLE handle = reinterpret_cast<HANDLE>(value);
      if (::GetFinalPathNameByHandleA(handle, name, MAX_PATH, 0) &&
          _stricmp(name + 4, path.c_str()) == 0)  // after the \\?\ prefix
        return handle;
    }
    return nullptr;
  }

  HWND window = nullptr;
  std::unique_ptr<IFolderWatcher> watcher = MakeDirectoryWatcher();
  std::set<std::string> seen;
};

}  // namespace

TEST_F(FolderWatcherTest, FoldersThatCannotBeWatchedAreTriedAgainAlone) {
  TempFolder root("watch");
  ASSERT_TRUE(root.AddFolder("live"));
  // "absent" is a drive not yet there; "broken" a handle whose reads fail.
  ASSERT_TRUE(root.AddFile("broken"));
  const std::string live = root / "live", absent = root / "absent",
                    broken = root / "broken";
  watcher->Watch(window, WM_APP, {{live}, {absent}, {broken}});
  ASSERT_TRUE(PumpUntil([&] { return OpenHandleOn(live); }));

  ASSERT_TRUE(root.AddFile("live\\a.txt"));
  EXPECT_TRUE(Reported(live));

  // They come back with no notice: each is watched at its next try, counts
  // as changed, and follows its files from then on.
  ASSERT_TRUE(::DeleteFileA(broken.c_str()));
  ASSERT_TRUE(root.AddFolder("broken"));
  ASSERT_TRUE(root.AddFolder("absent"));
  EXPECT_TRUE(Reported(absent));
  EXPECT_TRUE(Reported(broken));
  ASSERT_TRUE(root.AddFile("absent\\b.txt"));
  EXPECT_TRUE(Reported(absent));
  ASSERT_TRUE(root.AddFile("broken\\c.txt"));
  EXPECT_TRUE(Reported(broken));
}

TEST_F(FolderWatcherTest, AHandleAskedBackIsClosedAndWatchedAgainLater) {
  TempFolder root("release");
  watcher->Watch(window, WM_APP, {{root.path()}});
  HANDLE handle = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return handle = OpenHandleOn(root.path()); }));

  watcher->Release(handle);
  EXPECT_FALSE(OpenHandleOn(root.path()));
  // The volume stayed (its removal was refused): the folder is watched
  // again, and its changes meanwhile are read.
  watcher->Retry();
  EXPECT_TRUE(Reported(root.path()));
  ASSERT_TRUE(root.AddFile("after.txt"));
  EXPECT_TRUE(Reported(root.path()));
}

TEST_F(FolderWatcherTest, MoreFoldersThanOneWaitTakesAreAllWatched) {
  TempFolder root("many");
  std::vector<WatchedFolder> folders;
  for (int i = 0; i < 70; ++i) {
    ASSERT_TRUE(root.AddFolder(std::to_string(i)));
    folders.push_back({root / std::to_string(i)});
  }
  watcher->Watch(window, WM_APP, folders);
  ASSERT_TRUE(PumpUntil([&] { return OpenHandleOn(root / "69"); }));
  ASSERT_TRUE(root.AddFile("69\\last.txt"));
  EXPECT_TRUE(Reported(root / "69"));
}

TEST_F(FolderWatcherTest, AnOpenWaitingForTheNetworkDelaysNoOtherFolder) {
  TempFolder root("slow");
  ASSERT_TRUE(root.AddFolder("live"));
  const std::string live = root / "live", share = root / "share";
  // The share's opens are held while `hold` is set, as an offline share's
  // wait for the network's timeout.
  struct Gate {
    std::atomic<bool> hold{false};
    std::atomic<int> held{0};
    qv::UniqueKernelObject open{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  };
  const auto gate = std::make_shared<Gate>();
  watcher = MakeDirectoryWatcher([gate](const std::wstring& path) {
    if (gate->hold && path.find(L"share") != std::wstring::npos) {
      ++gate->held;
      ::WaitForSingleObject(gate->open.get(), 10000);
    }
    return OpenWatchedDirectory(path);
  });
  watcher->Watch(window, WM_APP, {{share}, {live}});
  ASSERT_TRUE(PumpUntil([&] { return OpenHandleOn(live); }));

  // The share comes back slowly: its retry is held, and the other folder
  // reports meanwhile.
  gate->hold = true;
  ASSERT_TRUE(root.AddFolder("share"));
  watcher->Retry();
  ASSERT_TRUE(PumpUntil([&] { return gate->held > 0; }));
  ASSERT_TRUE(root.AddFile("live\\a.txt"));
  EXPECT_TRUE(Reported(live));
  EXPECT_FALSE(OpenHandleOn(share));
  ::SetEvent(gate->open.get());
  EXPECT_TRUE(Reported(share));
}
