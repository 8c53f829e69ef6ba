// customize/PageHelpTables.h: each Customize page's help topic and the help
// contexts of its controls, as the help file numbers them.
#pragma once

#include "framework/Help.h"

constexpr DWORD kAboutTopic = 4;
constexpr DWORD kOptionsTopic = 38;
constexpr DWORD kToolbarsTopic = 39;
constexpr DWORD kViewTopic = 40;
constexpr DWORD kButtonsTopic = 54;

extern const qv::HelpId kOptionsHelpIds[];
extern const qv::HelpId kToolbarsHelpIds[];
extern const qv::HelpId kButtonsHelpIds[];
extern const qv::HelpId kViewHelpIds[];
