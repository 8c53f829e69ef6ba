// res/resource.h: identifiers of the program's resources and commands.
#pragma once

#define IDR_MAINFRAME 128  // the program's icon
#define IDR_BAR_MENU 130   // the bar's context menu
#define IDR_FOLDER_MENU 139
#define IDR_SORT_ORDER_MENU 140
#define IDB_TAB_ARROWS_HORZ 142        // tab strip arrows, horizontal
#define IDB_TAB_ARROWS_LEFT_EDGE 144   // tab strip arrows, left edge
#define IDB_TAB_ARROWS_RIGHT_EDGE 145  // tab strip arrows, right edge
#define IDB_TITLE 153                  // the start-up picture

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
#define ID_NEW_BAR 32802
#define ID_CLOSE_BAR 32803

#define ID_HELP 57670
#define ID_DEFAULT_HELP 57671

// Help (the values framework/Help.h asks for): the failure message, the one
// item of the control help menu, and the pop-up text of each control's help
// context at IDS_HELP_POPUP_BASE plus the context id (20017-20063).
#define IDS_FAILED_TO_LAUNCH_HELP 61703
#define IDS_WHATS_THIS 19990
#define IDS_HOT_KEY_TAKEN 19991
#define IDS_HELP_POPUP_BASE 20000

// First start: the programs looked for, their file names (59401-59430) and
// display names (59431-59453), and the program's own file name.
#define IDS_BACKUP_EXE 59401
#define IDS_DEFRAG_EXE 59402
#define IDS_DRVSPACE_EXE 59403
#define IDS_RSRCMTR_EXE 59404
#define IDS_SCANDSKW_EXE 59405
#define IDS_SYSAGENT_EXE 59406
#define IDS_SYSMON_EXE 59407
#define IDS_CALC_EXE 59408
#define IDS_CALENDAR_EXE 59411
#define IDS_CARDFILE_EXE 59412
#define IDS_CHARMAP_EXE 59413
#define IDS_CLIPBRD_EXE 59414
#define IDS_EXPLORER_EXE 59415
#define IDS_WINFILE_EXE 59417
#define IDS_NOTEPAD_EXE 59418
#define IDS_MSPAINT_EXE 59419
#define IDS_WORDPAD_EXE 59420
#define IDS_CDPLAYER_EXE 59421
#define IDS_MPLAYER_EXE 59422
#define IDS_SNDREC32_EXE 59423
#define IDS_SNDVOL32_EXE 59424
#define IDS_IEXPLORE_EXE 59425
#define IDS_QUORVANE_EXE 59426
#define IDS_NETSCAPE_EXE 59430
#define IDS_BACKUP_NAME 59431
#define IDS_DEFRAG_NAME 59432
#define IDS_DRVSPACE_NAME 59433
#define IDS_RSRCMTR_NAME 59434
#define IDS_SCANDSKW_NAME 59435
#define IDS_SYSAGENT_NAME 59436
#define IDS_SYSMON_NAME 59437
#define IDS_CALC_NAME 59438
#define IDS_CALENDAR_NAME 59439
#define IDS_CARDFILE_NAME 59440
#define IDS_CHARMAP_NAME 59441
#define IDS_CLIPBRD_NAME 59442
#define IDS_EXPLORER_NAME 59443
#define IDS_WINFILE_NAME 59444
#define IDS_NOTEPAD_NAME 59445
#define IDS_MSPAINT_NAME 59446
#define IDS_WORDPAD_NAME 59447
#define IDS_CDPLAYER_NAME 59448
#define IDS_MPLAYER_NAME 59449
#define IDS_SNDREC32_NAME 59450
#define IDS_SNDVOL32_NAME 59451
#define IDS_IEXPLORE_NAME 59452
#define IDS_NETSCAPE_NAME 59453

// The Customize sheet's pages (their tabs in this order: Options, Toolbars,
// Buttons, View, About) and the Add File Type dialog
#define IDD_ABOUT 100
#define IDD_OPTIONS 131
#define IDD_TOOLBARS 132
#define IDD_VIEW 133
#define IDD_ADD_FILE_TYPE 140
#define IDD_BUTTONS 141

// Options page
#define IDC_AUTO_HIDE 1006
#define IDC_ALWAYS_ON_TOP 1007
#define IDC_MAX_CHARS 1008
#define IDC_MAX_CHARS_SPIN 1009
#define IDC_ALIGNMENT 1010
#define IDC_SMALL_ICONS 1013
#define IDC_ANIMATE 1014
#define IDC_SHOW_TITLE 1015
#define IDC_BROWSE_SEPARATE 1021
#define IDC_BROWSE_TOOLBAR 1022
#define IDC_BROWSE_MENUS 1042
#define IDC_HOT_KEY 1040
#define IDC_HOT_KEY_TAKEN 1041

// Toolbars and Buttons pages
#define IDC_FOLDER_TREE 1000
#define IDC_TOOLBAR_LIST 1001
#define IDC_ADD 1017
#define IDC_REMOVE 1018
#define IDC_UP 1019
#define IDC_DOWN 1020
#define IDC_SORT 1021
#define IDC_BUTTON_LIST 1034
#define IDC_ADD_SPACE 1035
#define IDC_DELETE 1036
#define IDC_ADD_NEW_LINE 1037
#define IDC_TOOLBAR_COMBO 1039

// View page
#define IDC_HIDDEN_TYPES 1025
#define IDC_SHOW_ALL_FILES 1026
#define IDC_HIDE_TYPES 1027
#define IDC_ADD_TYPE 1028
#define IDC_REMOVE_TYPE 1029

// Add File Type dialog
#define IDC_TYPE_DESCRIPTION 1029
#define IDC_TYPE_EXTENSION 1030

// About page
#define IDC_MEMORY 1033
#define IDC_DISK_SPACE 1034
