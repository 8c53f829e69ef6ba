// customize/PageHelpTables.h: each Customize page's help topic and the help
// contexts of its controls, as the help file numbers them.
#pragma once

#include "customize/PageHelp.h"

constexpr DWORD kAboutTopic = 4;
constexpr DWORD kOptionsTopic = 38;
constexpr DWORD kToolbarsTopic = 39;
constexpr DWORD kViewTopic = 40;
constexpr DWORD kButtonsTopic = 54;

extern const PageHelpId kOptionsHelpIds[];
extern const PageHelpId kToolbarsHelpIds[];
extern const PageHelpId kButtonsHelpIds[];
extern const PageHelpId kViewHelpIds[];
