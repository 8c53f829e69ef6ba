// settings/BarKeys.h: the further bars' settings keys below the first bar's
// (settings/portable/BarKeyNames.h): which are stored, making one for a new
// bar, removing a closed bar's.
#pragma once

#include <string>
#include <vector>

// The further bars' sub-keys ("Bars\2", ...), by their numbers; none when
// the first bar's key has no "Bars" (a key of the program's predecessor).
// Sub-keys not named by a bar number are passed over.
std::vector<std::string> StoredBarKeys();
// Makes an empty sub-key for a new bar below the existing first bar's key;
// its path, or "" when it cannot be made.
std::string CreateBarKey();
// Removes further bar `barKey`'s sub-key with its values; false when it is
// still there.
bool DeleteBarKey(const std::string& barKey);
