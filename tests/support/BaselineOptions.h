// tests/support/BaselineOptions.h: the options a test writes before starting
// a bar: every value the settings load reads before the toolbar list, with
// a user's defaults, but no title screen, no first run and no toolbars, so
// the bar is usable at once.
#pragma once

namespace testsupport {

struct BaselineOption {
  const char* name;
  unsigned long value;
};

inline constexpr BaselineOption kBaselineOptions[] = {
    {"First Time", 0},        {"Alignment", 1},
    {"Browse Separate", 0},   {"Auto Hide", 0},
    {"Columns", 1},           {"Rows", 1},
    {"Current Tab", 0},       {"Show Tabs", 1},
    {"Small Icons", 1},       {"Always On Top", 1},
    {"Animate", 1},           {"Show Title", 0},
    {"Max. No. of Chars", 0}, {"Horz Scroll Pos", 0},
    {"Vert Scroll Pos", 0},   {"Show All Files", 0},
    {"No. of Folders", 0},    {"No. of hidden types", 0},
};

}  // namespace testsupport
