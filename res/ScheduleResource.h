// Identifiers of the scheduling dialogs: the wizard with its six pages and
// the list of a robot's job. Controls of different pages share numbers; each
// page is a dialog of its own.
#pragma once

#define IDD_SCHEDULE_ROBOT 188
#define IDD_SCHEDULE_KIND 189
#define IDD_SCHEDULE_DAILY 190
#define IDD_SCHEDULE_WEEKLY 191
#define IDD_SCHEDULE_MONTHLY 192
#define IDD_SCHEDULE_ONCE 193
#define IDD_SCHEDULE_ACCOUNT 194
#define IDD_SCHEDULE_LIST 196

// The wizard's frame and buttons.
#define IDC_PAGE_FRAME 1073
#define IDC_NEXT 1074
#define IDC_BACK 1075
#define IDC_WIZARD_CANCEL 1103

// Page of the kind.
#define IDC_KIND_DAILY 1075
#define IDC_KIND_WEEKLY 1041
#define IDC_KIND_MONTHLY 1042
#define IDC_KIND_ONCE 1076
#define IDC_KIND_STARTUP 1044
#define IDC_KIND_LOGON 1045

// Pages of the time and date.
#define IDC_START_TIME 1078
#define IDC_START_DATE 1084
#define IDC_EVERY_DAY 1075
#define IDC_WEEKDAYS 1079
#define IDC_EVERY_N_DAYS 1080
#define IDC_NUMBER 1081
#define IDC_NUMBER_SPIN 1083
#define IDC_MONTH_DAY 1093
#define IDC_MONTH_WEEKDAY 1094
#define IDC_WEEK_LIST 1095
#define IDC_WEEKDAY_LIST 1082
#define IDC_MONDAY 1085
#define IDC_TUESDAY 1086
#define IDC_WEDNESDAY 1087
#define IDC_THURSDAY 1088
#define IDC_FRIDAY 1089
#define IDC_SATURDAY 1090
#define IDC_SUNDAY 1091
#define IDC_JANUARY 1085
#define IDC_FEBRUARY 1086
#define IDC_MARCH 1087
#define IDC_APRIL 1088
#define IDC_MAY 1089
#define IDC_JUNE 1090
#define IDC_JULY 1091
#define IDC_AUGUST 1092
#define IDC_SEPTEMBER 1096
#define IDC_OCTOBER 1097
#define IDC_NOVEMBER 1098
#define IDC_DECEMBER 1099

// Page of the account.
#define IDC_CURRENT_ACCOUNT 1040
#define IDC_OTHER_ACCOUNT 1043
#define IDC_USER_NAME 1096
#define IDC_USER_NAME_LABEL 1097
#define IDC_PASSWORD_LABEL 1098
#define IDC_PASSWORD 1099
#define IDC_CONFIRM_LABEL 1100
#define IDC_CONFIRM_PASSWORD 1101
#define IDC_ACCOUNT_NOTE 1102

// The list of a robot's job.
#define IDC_JOB_LIST 1107
#define IDC_MODIFY_JOB 1108
#define IDC_DELETE_JOB 1109

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif
