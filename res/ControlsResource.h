// Identifiers of the resources that the control kit and its users share: the
// link cursor, the pane bitmaps and templates and the check message box.
#pragma once

#define IDC_LINK_CURSOR 143
#define IDB_KEY_PANE_TITLE 151
#define IDB_MOUSE_PANE_TITLE 152
#define IDB_PANE_COLLAPSED 153
#define IDB_PANE_EXPANDED 154
#define IDD_PANE_CONTAINER 156
#define IDD_ITEM_PANE 157
#define IDD_CHECK_MSGBOX 209

#define IDC_CHECK_MESSAGE 1140
#define IDC_CHECK_DONT_SHOW 1141
