// Identifiers of the recorder: the record pane and the record dialog.
#pragma once

#define IDD_RECORD_PANE 158
#define IDD_RECORD_ROBOT 159

// The record pane.
#define IDC_RECORD_PANE_TEXT 1061
#define IDC_START_RECORD 1062

// The record dialog.
#define IDC_RECORD_START 1064
#define IDC_RECORD_STOP 1065
#define IDC_RECORD_ALL_MOVES 1104
#define IDC_RECORD_HELP 1123
