// app/SingleInstance.h: the mark of a user's running bar. One mutex per user
// and desktop session, named after the user's SID and open to that user
// alone, so another account in the session can neither hold it first nor
// open it.
#pragma once

#include <string>

#include "framework/Handles.h"

namespace qv {

// The mutex's name for user `sid` ("S-1-5-21-...").
std::string SingleInstanceName(const std::string& sid);

// Marks user `sid`'s bar as running; `mark` holds the mutex for as long as
// the process keeps it. False only when this user's bar already runs: a
// mutex that cannot be made, or one of this name that another account
// owns, does not stop the bar.
bool ClaimSingleInstance(const std::string& sid, UniqueKernelObject& mark);

}  // namespace qv
