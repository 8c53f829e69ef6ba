// app/DefaultToolbars.cpp: the first start's toolbars and program groups.
#include "app/DefaultToolbars.h"

#include <shlobj.h>

#include <utility>

#include "settings/BarSettings.h"
#include "app/portable/GroupFolder.h"
#include "shell/FileSearch.h"
#include "shell/FileSystemPath.h"
#include "shell/Shortcut.h"
#include "framework/Handles.h"
#include "framework/WideText.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"

namespace {

// Path buffers, as the shell's: 259 characters and the terminator.
constexpr DWORD kPathSize = MAX_PATH;
constexpr char kAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// Recent documents, Programs, My Computer: the order of their tabs.
constexpr int kSpecialFolders[] = {CSIDL_RECENT, CSIDL_PROGRAMS, CSIDL_DRIVES};

enum class Where { kWindowsDir, kAppPaths };

struct Program {
  UINT exeId;
  UINT nameId;
  Where where;
};

constexpr Where W = Where::kWindowsDir;
constexpr Where A = Where::kAppPaths;

// Each group's programs, looked for and given shortcuts in this order.
constexpr Program kMultimedia[] = {
    {IDS_CDPLAYER_EXE, IDS_CDPLAYER_NAME, W},
    {IDS_MPLAYER_EXE, IDS_MPLAYER_NAME, W},
    {IDS_SNDREC32_EXE, IDS_SNDREC32_NAME, W},
    {IDS_SNDVOL32_EXE, IDS_SNDVOL32_NAME, W},
};
constexpr Program kUtilities[] = {
    {IDS_CALC_EXE, IDS_CALC_NAME, W},
    {IDS_CALENDAR_EXE, IDS_CALENDAR_NAME, W},
    {IDS_CARDFILE_EXE, IDS_CARDFILE_NAME, W},
    {IDS_CHARMAP_EXE, IDS_CHARMAP_NAME, W},
    {IDS_CLIPBRD_EXE, IDS_CLIPBRD_NAME, W},
    {IDS_EXPLORER_EXE, IDS_EXPLORER_NAME, W},
    {IDS_WINFILE_EXE, IDS_WINFILE_NAME, W},
    {IDS_NOTEPAD_EXE, IDS_NOTEPAD_NAME, W},
    {IDS_MSPAINT_EXE, IDS_MSPAINT_NAME, A},
    {IDS_WORDPAD_EXE, IDS_WORDPAD_NAME, A},
};
constexpr Program kSystemTools[] = {
    {IDS_BACKUP_EXE, IDS_BACKUP_NAME, A},
    {IDS_DEFRAG_EXE, IDS_DEFRAG_NAME, W},
    {IDS_DRVSPACE_EXE, IDS_DRVSPACE_NAME, W},
    {IDS_RSRCMTR_EXE, IDS_RSRCMTR_NAME, W},
    {IDS_SCANDSKW_EXE, IDS_SCANDSKW_NAME, W},
    {IDS_SYSAGENT_EXE, IDS_SYSAGENT_NAME, A},
    {IDS_SYSMON_EXE, IDS_SYSMON_NAME, W},
};
constexpr Program kInternetTools[] = {
    {IDS_IEXPLORE_EXE, IDS_IEXPLORE_NAME, A},
    {IDS_NETSCAPE_EXE, IDS_NETSCAPE_NAME, A},
};

std::string LoadText(UINT id) {
  char text[kPathSize] = {};
  const int length =
      ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
  return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

// A string value of program `exe`'s App Paths key. The key is opened for
// reading only: HKEY_LOCAL_MACHINE refuses a standard user anything more,
// and no lookup would ever succeed. The stored string need not be
// terminated; one that does not fit a path buffer, an empty one or one of
// another type counts as missing. An expandable string is expanded.
bool ReadAppPathsValue(const std::string& exe, const char* valueName,
                       std::string& value) {
  qv::UniqueHKey key;
  if (exe.empty() ||
      ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kAppPathsKey + exe).c_str(), 0,
                      KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
    return false;
  char data[kPathSize + 1] = {};
  DWORD type = 0;
  DWORD size = kPathSize;
  if (::RegQueryValueExA(key.get(), valueName, nullptr, &type,
                         reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return false;
  data[size] = '\0';
  if (type == REG_EXPAND_SZ) {
    char expanded[kPathSize] = {};
    const DWORD length =
        ::ExpandEnvironmentStringsA(data, expanded, sizeof expanded);
    if (length == 0 || length > sizeof expanded) return false;
    value = expanded;
  } else {
    value = data;
  }
  return !value.empty() && value.size() < kPathSize;
}

// Appends a toolbar sorted by name with no custom order; the list is owned
// either way.
int AppendDefaultToolbar(CBarSettings& settings, qv::UniqueIdList folder) {
  return settings.AppendToolbar(std::move(folder), qv::kSortByName,
                                ToolbarInfo{qv::kKindNormal, {}});
}

template <size_t N>
void Collect(CDefaultToolbars& builder, const Program (&group)[N],
             CDefaultToolbars::Paths& paths, CDefaultToolbars::Names& names) {
  for (const Program& program : group) {
    if (program.where == Where::kWindowsDir)
      builder.FindInWindowsDir(program.exeId, program.nameId, paths, names);
    else
      builder.FindInAppPaths(program.exeId, program.nameId, paths, names);
  }
}

}  // namespace

CDefaultToolbars::CDefaultToolbars() : m_groupsFolder(UserGroupsFolder()) {}

CDefaultToolbars::CDefaultToolbars(std::string groupsFolder)
    : m_groupsFolder(std::move(groupsFolder)) {}

std::string CDefaultToolbars::UserGroupsFolder() {
  // Whole at any depth: a profile redirected deep must not lose the groups.
  qv::ShellPtr<wchar_t> appData;
  if (FAILED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE,
                                    nullptr, appData.put())) ||
      !appData || !appData.get()[0])
    return std::string();
  return qv::GroupFolderPath(qv::Narrow(appData.get()), "Quorvane");
}

int CDefaultToolbars::Build(HWND owner, CBarSettings& settings) {
  for (int csidl : kSpecialFolders) {
    qv::UniqueIdList folder;
    if (FAILED(::SHGetSpecialFolderLocation(owner, csidl, folder.put())) ||
        !folder)
      continue;  // this shell has no such folder
    if (!AppendDefaultToolbar(settings, std::move(folder))) return 0;
  }

  Paths paths;
  Names names;
  CollectMultimedia(paths, names);
  CreateGroupToolbar(owner, settings, "Multimedia", paths, names);
  CollectUtilities(paths, names);
  CreateGroupToolbar(owner, settings, "Utilities", paths, names);
  CollectSystemTools(paths, names);
  CreateGroupToolbar(owner, settings, "System Tools", paths, names);
  CollectInternetTools(paths, names);
  CreateGroupToolbar(owner, settings, "Internet Tools", paths, names);

  settings.m_bFirstTime = 0;
  settings.Save();
  return 1;
}

void CDefaultToolbars::CollectMultimedia(Paths& paths, Names& names) {
  Collect(*this, kMultimedia, paths, names);
}

void CDefaultToolbars::CollectUtilities(Paths& paths, Names& names) {
  Collect(*this, kUtilities, paths, names);
}

void CDefaultToolbars::CollectSystemTools(Paths& paths, Names& names) {
  Collect(*this, kSystemTools, paths, names);
}

void CDefaultToolbars::CollectInternetTools(Paths& paths, Names& names) {
  Collect(*this, kInternetTools, paths, names);
}

void CDefaultToolbars::FindInWindowsDir(UINT exeId, UINT nameId, Paths& paths,
                                        Names& names) {
  char windows[kPathSize] = {};
  const UINT length = ::GetWindowsDirectoryA(windows, sizeof windows);
  const std::string exe = LoadText(exeId);
  if (length == 0 || length >= sizeof windows || exe.empty()) return;

  const std::string path = std::string(windows) + "\\" + exe;
  WIN32_FIND_DATAW found;
  if (!FileSearch(path, &found)) return;
  paths.push_back(path);
  names.push_back(LoadText(nameId));
}

void CDefaultToolbars::FindInAppPaths(UINT exeId, UINT nameId, Paths& paths,
                                      Names& names) {
  std::string path;
  if (!ReadAppPathsValue(LoadText(exeId), nullptr, path)) return;
  paths.push_back(path);
  names.push_back(LoadText(nameId));
}

void CDefaultToolbars::CreateGroupToolbar(HWND owner, CBarSettings& settings,
                                          const char* group, Paths& paths,
                                          Names& names) {
  // The lists belong to this group only, whatever happens below.
  struct Empty {
    Paths& paths;
    Names& names;
    ~Empty() {
      paths.clear();
      names.clear();
    }
  } empty{paths, names};

  if (paths.empty() || paths.size() != names.size()) return;
  const std::string folder = qv::GroupFolderPath(m_groupsFolder, group);
  if (folder.empty()) return;
  // The groups' own folder, made by the first group that needs it.
  ::CreateDirectoryW(qv::FileApiPath(m_groupsFolder).c_str(), nullptr);

  // A folder that was there already keeps what it holds: the user may have
  // changed it, and a second first start must not add shortcuts twice.
  if (::CreateDirectoryW(qv::FileApiPath(folder).c_str(), nullptr)) {
    for (size_t i = 0; i < paths.size(); ++i) {
      std::string name = names[i];
      CreateShortcut(folder.c_str(), paths[i].c_str(), &name[0]);
    }
  }

  qv::UniqueIdList list(qv::PathToIdList(folder, owner));
  if (list) AppendDefaultToolbar(settings, std::move(list));
}
