// customize/PageHelpTables.cpp: the pages' help id tables.
#include "customize/PageHelpTables.h"

#include "res/resource.h"

const qv::HelpId kOptionsHelpIds[] = {
    {IDC_ALIGNMENT, 36},      {IDC_MAX_CHARS, 33},
    {IDC_AUTO_HIDE, 34},      {IDC_ALWAYS_ON_TOP, 59},
    {IDC_SMALL_ICONS, 35},    {IDC_SHOW_TITLE, 51},
    {IDC_ANIMATE, 53},        {IDC_BROWSE_SEPARATE, 32},
    {IDC_BROWSE_TOOLBAR, 32}, {IDC_BROWSE_MENUS, 32},
    {IDC_HOT_KEY, 63},        {0, 0}};

const qv::HelpId kToolbarsHelpIds[] = {{IDC_DOWN, 45},
                                       {IDC_UP, 46},
                                       {IDC_FOLDER_TREE, 49},
                                       {IDC_TOOLBAR_LIST, 60},
                                       {IDC_ADD, 42},
                                       {IDC_REMOVE, 48},
                                       {0, 0}};

const qv::HelpId kButtonsHelpIds[] = {
    {IDC_DOWN, 58},        {IDC_UP, 17},           {IDC_DELETE, 56},
    {IDC_ADD_SPACE, 52},   {IDC_ADD_NEW_LINE, 62}, {IDC_TOOLBAR_COMBO, 55},
    {IDC_BUTTON_LIST, 61}, {IDC_SORT, 37},         {0, 0}};

const qv::HelpId kViewHelpIds[] = {
    {IDC_SHOW_ALL_FILES, 50}, {IDC_HIDE_TYPES, 44},   {IDC_ADD_TYPE, 41},
    {IDC_REMOVE_TYPE, 47},    {IDC_HIDDEN_TYPES, 43}, {0, 0}};
