// Identifiers of the program's own resources: the main dialog and its
// controls, the About and tips dialogs, the tray menu, icons and the
// background bitmap.
#pragma once

#define IDD_MARIONET_DIALOG 102
#define IDR_MAINFRAME 128
#define IDR_TRAY_MENU 129
#define IDD_ABOUTBOX 130
#define IDI_TRAY 131
#define IDB_BACKGROUND 132
#define IDI_RUN_ROBOT 133
#define IDI_ADD_ROBOT 134
#define IDI_EDIT_ROBOT 135
#define IDI_HELP 136
#define IDI_REMOVE_ROBOT 138
#define IDI_SCHEDULE 195
#define IDD_TIPS 208

#define IDC_SCHEDULE_ROBOT 999
#define IDC_TEST 1000
#define IDC_ROBOT_LIST 1001
#define IDC_RUN_ROBOT 1002
#define IDC_OPTIONS 1003
#define IDC_HELP_BUTTON 1004
#define IDC_ADD_ROBOT 1005
#define IDC_EDIT_ROBOT 1006
#define IDC_REMOVE_ROBOT 1007
#define IDC_SHARE_ROBOT 1008
#define IDC_RECORD_ROBOT 1009
#define ID_FEEDBACK 1135
#define ID_SHARE_ROBOT 1148

// The About dialog's labels.
#define IDC_ABOUT_SUPPORT 1047
#define IDC_ABOUT_SALES 1048
#define IDC_ABOUT_WEBSITE 1049
#define IDC_ABOUT_TITLE 1051

// The tips dialog: the panel, the edit that marks its place, the buttons.
#define IDC_TIP_PANEL 1000
#define IDC_TIP_PLACE 1081
#define IDC_NEXT_TIP 1138
#define IDC_DONT_SHOW_TIPS 1139

#define ID_TRAY_SHOW 32771
#define ID_TRAY_HIDE 32772
#define ID_TRAY_HELP 32773
#define ID_TRAY_ABOUT 32774
#define ID_TRAY_EXIT 32775

#define IDD_ROBOT_UPLOAD 161
#define IDD_OPTIONS 197
#define IDC_SHARE_BROWSER 1068
#define IDC_EXPORT_ROBOTS 1111
#define IDC_IMPORT_ROBOTS 1112
#define IDC_OPTIONS_START 1120
