// app/DefaultToolbars.h: CDefaultToolbars, the toolbars a user gets on the
// first start: the recent documents, Programs and My Computer, then up to
// four program groups ("Multimedia", "Utilities", "System Tools", "Internet
// Tools") made as folders of shortcuts in the user's own "Quorvane" folder
// of application data (the installation folder is the administrators').
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CBarSettings;

class CDefaultToolbars {
 public:
  // The groups go into the user's "Quorvane" folder of application data,
  // or into `groupsFolder` (made when missing); none when it is empty.
  CDefaultToolbars();
  explicit CDefaultToolbars(std::string groupsFolder);

  // The user's folder for the groups; empty when the shell names none.
  static std::string UserGroupsFolder();

  // Appends the toolbars to `settings`, clears "First Time" and saves. 0
  // only when a toolbar info for a special folder cannot be made (memory);
  // nothing is saved then. `owner` owns whatever the shell shows.
  int Build(HWND owner, CBarSettings& settings);

  // The full paths of the programs found for one group and their display
  // names, entry for entry.
  using Paths = std::vector<std::string>;
  using Names = std::vector<std::string>;

  void CollectMultimedia(Paths& paths, Names& names);
  void CollectUtilities(Paths& paths, Names& names);
  void CollectSystemTools(Paths& paths, Names& names);
  void CollectInternetTools(Paths& paths, Names& names);

  // Append the program to both lists when it is found: in the Windows
  // folder, or by its App Paths registration under HKEY_LOCAL_MACHINE.
  void FindInWindowsDir(UINT exeId, UINT nameId, Paths& paths, Names& names);
  void FindInAppPaths(UINT exeId, UINT nameId, Paths& paths, Names& names);

  // Makes the group folder inside the groups' folder (shortcuts only in a
  // folder that is new) and appends it as a toolbar; always leaves both
  // lists empty.
  void CreateGroupToolbar(HWND owner, CBarSettings& settings, const char* group,
                          Paths& paths, Names& names);

 private:
  std::string m_groupsFolder;
};
