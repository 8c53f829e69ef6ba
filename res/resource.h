// res/resource.h: identifiers of the program's resources and commands.
#pragma once

#define IDR_MAINFRAME 128  // the program's icon
#define IDR_BAR_MENU 130   // the bar's context menu
#define IDR_FOLDER_MENU 139
#define IDR_SORT_ORDER_MENU 140
#define IDB_TAB_ARROWS_HORZ 142       // tab strip arrows, horizontal
#define IDB_TAB_ARROWS_LEFT_EDGE 144   // tab strip arrows, left edge
#define IDB_TAB_ARROWS_RIGHT_EDGE 145  // tab strip arrows, right edge
#define IDB_TITLE 153  // the start-up picture

// Bar commands (the bar's context menu and the folder menu)
#define ID_LEFT_ALIGN 32771
#define ID_RIGHT_ALIGN 32772
#define ID_TOP_ALIGN 32773
#define ID_BOTTOM_ALIGN 32774
#define ID_CUSTOMIZE 32775
#define ID_EXIT 32776
#define ID_REFRESH_ICONS 32777
#define ID_LARGE_ICONS 32780
#define ID_SMALL_ICONS 32781
#define ID_SORT_BY_NAME 32782
#define ID_SORT_BY_TYPE 32783
#define ID_SORT_BY_SIZE 32784
#define ID_SORT_BY_DATE 32785
#define ID_UP_ONE_LEVEL 32788
#define ID_ORDER_BY_NAME 32789
#define ID_ORDER_BY_TYPE 32790
#define ID_ORDER_BY_SIZE 32791
#define ID_ORDER_BY_DATE 32792
#define ID_AUTO_HIDE 32797
#define ID_HELP_TOPICS 32800
#define ID_CUSTOM_SORT 32801

#define ID_HELP 57670
#define ID_DEFAULT_HELP 57671
