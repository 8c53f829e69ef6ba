// customize/portable/HiddenTypeList.h: the hidden file types as the View page
// edits them: the entry text made from the Add File Type fields, and the list
// kept sorted.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qv {

// The longest extension and description an entry holds.
constexpr std::size_t kTypeExtensionLimit = 3;
constexpr std::size_t kTypeDescriptionLimit = 80;

// The entry "extension<TAB>description", each field cut to its limit; a tab
// inside a field becomes a blank, so the entry's one tab always ends the
// extension. Empty when either field is.
std::string MakeHiddenType(const std::string& extension,
                           const std::string& description);

class HiddenTypeList {
 public:
  // Stored entries are kept as they are, only sorted.
  explicit HiddenTypeList(std::vector<std::string> entries = {});

  // Adds `entry` in its sorted place and answers that place. Entries of the
  // same extension are kept: each is the user's, and each is removed alone.
  int Add(const std::string& entry);
  // Removes the entry at `index`; false for a bad index.
  bool Remove(int index);

  // Ordered as the list shows them: ignoring case, then by byte.
  const std::vector<std::string>& Entries() const { return m_entries; }

 private:
  std::vector<std::string> m_entries;
};

}  // namespace qv
