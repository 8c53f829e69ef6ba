// shell/Shortcut.h: shortcut (.LNK) files in toolbar folders, made for items
// dropped with the right button and for the first start's program groups.
#pragma once

#include <windows.h>

// Saves a shortcut to `target` in `folder`, described "Shortcut to " and
// `name` as given, and named after `name` cut at its first "." (in place),
// numbered "Name (2).LNK" and so on when the name is taken. 1 when the file
// was saved, 0 otherwise (a null target or name, a name that is empty, or no
// free number). The link operation reports its own failures.
int CreateShortcut(const char* folder, const char* target, char* name);

// Writes a shell link to `target` with `description` at `linkPath`. Shows
// "SetPath failed!", "SetDescription failed!" or "Save failed!" when that
// step fails, and goes on. Answers the result of the save, or of the step
// that made saving impossible (creating the link object).
HRESULT MakeShellLink(const char* target, const char* linkPath,
                      const char* description);
