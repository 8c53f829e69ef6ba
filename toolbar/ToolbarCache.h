// toolbar/ToolbarCache.h: every toolbar's buttons and folder name as last
// read, kept across rebuilds. A toolbar is read again only when its folder or
// a setting its fill reads changed, or when it is asked for.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/BarSettings.h"
#include "toolbar/ToolbarButton.h"
#include "toolbar/ToolbarReader.h"
#include "toolbar/ToolbarShell.h"
#include "toolbar/portable/FillKey.h"

class ToolbarCache {
 public:
  // What Update reads again whatever is kept.
  enum class Reread { kStale, kAll };

  // Brings the kept toolbars in step with `settings`' toolbars, one for one:
  // each takes the kept buttons of a toolbar with the same key, or is read
  // through `shell` (always for `force`, and for all with Reread::kAll).
  // Before a custom list is read it is brought in step with its folder;
  // the toolbars whose list that changed are added to `synced`, for the
  // caller to store. A toolbar whose folder's drive or share is missing is
  // kept without buttons; once it waits, it is not read here again, even
  // for Reread::kAll, but apart (TakeRead) or when forced. A toolbar on a
  // network folder, or on one that waited, is left to be read apart
  // (AskApart), keeping its buttons meanwhile. With `only` (not -1),
  // toolbars other than `only` and `force` that need a read wait for their
  // first read instead, made apart (AskApart) or by ReadPending; with
  // kNoneNow, every one does. -1, or the index of the first toolbar whose
  // folder is gone; the toolbars after it are not in step until the next
  // update.
  static constexpr int kNoneNow = -2;
  int Update(CBarSettings& settings, IToolbarShell& shell, HWND owner,
             Reread reread, int force, std::vector<int>* synced, int only = -1);
  // What reading a waiting toolbar found.
  enum class Found { kButtons, kUnreachable, kGone };
  // Reads toolbar `index`, which waits for its first read (`*synced` as for
  // Refresh). A folder that is gone leaves it waiting; the caller removes it.
  Found ReadPending(int index, CBarSettings& settings, IToolbarShell& shell,
                    HWND owner, bool* synced);
  // True while toolbar `index` waits for its first read; the first such, or
  // -1.
  bool Pending(int index) const;
  int FirstPending() const;
  // Puts toolbar `index`'s buttons in its new sort order as they are,
  // without reading its folder again; false when they must be read.
  bool Resort(int index, const CBarSettings& settings, IToolbarShell& shell);
  // Reads toolbar `index` again, its custom list brought in step first
  // (`*synced` tells whether that changed it); 0 when it could not be read
  // (it then keeps its old buttons).
  int Refresh(int index, CBarSettings& settings, IToolbarShell& shell,
              HWND owner, bool* synced);
  // True when toolbar `index` waits for its folder's drive or share.
  bool Unreachable(int index) const;
  // The key of toolbar `index` while it waits, for a read made apart.
  std::optional<qv::FillKey> WaitingKey(int index) const;
  // True while toolbar `index` is to be read apart, never on the window's
  // thread (see Update). Its key, once for each read asked of it, as for
  // one waiting for its first read, which may be read apart too.
  bool ReadingApart(int index) const;
  std::optional<qv::FillKey> AskApart(int index);
  // The key of toolbar `index` while it waits for its first read, asked
  // apart.
  std::optional<qv::FillKey> PendingApart(int index) const;
  // What a read made apart changed.
  enum class Taken {
    kNothing,      // no toolbar waits for it any more, or it still waits
    kButtons,      // the toolbar has its buttons
    kBack,         // the same, for a toolbar that waited for its drive
    kUnreachable,  // the toolbar waits for its drive or share now
    kGone,         // the toolbar's folder is gone (the caller removes it)
  };
  // Gives the toolbar read apart, or waiting for its first read, whose key
  // was `result.key` what that read found, its custom list taken in step with
  // the folder as the read found it (`*synced` tells whether that changed it,
  // for the caller to store); `*index` is that toolbar.
  Taken TakeRead(CToolbarReader::Result result, CBarSettings& settings,
                 int* index, bool* synced);
  // Toolbar `index`'s buttons, or null (none, or not read yet).
  const ToolbarButtons* Buttons(int index) const;
  // The toolbar whose buttons have the serial `serial` (see Serial), or -1.
  int FindSerial(std::uint32_t serial) const;
  // A number for toolbar `index`'s buttons as last read or ordered, never
  // given to another list: a button is named by it and its place.
  std::uint32_t Serial(int index) const;
  // Gives button `button` of toolbar `index` its own icon `image`.
  void SetOwnIcon(int index, size_t button, int image);
  // The display name of toolbar `index`'s folder, asked of `shell` once.
  std::optional<std::string> FolderName(int index, const CBarSettings& settings,
                                        IToolbarShell& shell);
  void Clear();

 private:
  struct Entry {
    qv::FillKey key;  // the toolbar's, as it was read
    ToolbarButtons buttons;
    std::optional<std::string> folderName;
    bool unreachable = false;
    bool pending = false;  // not read yet
    // To be read apart: its buttons (kept, or none yet) stand until then.
    bool apart = false;
    bool asked = false;  // that read has been asked for
    std::uint32_t serial = 0;
  };
  // Fills `entry` for `toolbar`, its custom list brought in step first
  // (`*synced` true when that changed it); 0 when the folder cannot be read.
  // A network folder, and one `apart` names, is left to be read apart.
  int Read(ToolbarRecord& toolbar, const CBarSettings& settings,
           IToolbarShell& shell, HWND owner, Entry* entry, bool* synced,
           bool apart = false);

  std::vector<Entry> m_entries;  // one per toolbar, in the settings' order
  std::vector<Entry> m_spare;    // left over from an update that stopped
  std::uint32_t m_lastSerial = 0;
};
