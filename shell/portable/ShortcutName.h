// shell/portable/ShortcutName.h: the file name a shortcut gets in a toolbar
// folder: the dropped item's name without its extensions, numbered
// "Name (2).LNK", "Name (3).LNK" ... while the plain name is taken.
#pragma once

#include <functional>
#include <string>

namespace qv {

// The highest number tried before a name counts as used up, so that a
// folder that answers "exists" for everything cannot hang the bar.
constexpr int kMaxShortcutNumber = 9999;

// The last part of a path (after its last backslash or slash). A path that
// ends in a separator, such as a drive root, names its last folder; the
// colon of a drive is left out, so "C:\" gives "C".
std::string NamePart(const std::string& path);

// The name without its extensions: cut at the first "." that follows some
// other character. A name that starts with a dot (".profile") would cut to
// nothing and so keeps its leading dots: ".profile" stays ".profile" and
// ".config.bak" becomes ".config".
std::string CutAtFirstDot(const std::string& name);

// Candidate `number` for the shortcut file: "folder\name.LNK" for 1, then
// "folder\name (number).LNK".
std::string ShortcutFileCandidate(const std::string& folder,
                                  const std::string& name, int number);

// The first candidate for which `exists` answers false; empty when every
// number up to kMaxShortcutNumber is taken.
std::string FreeShortcutFile(
    const std::string& folder, const std::string& name,
    const std::function<bool(const std::string&)>& exists);

}  // namespace qv
