// Identifiers of the framework window tests' templates (shared by the .rc and the tests).
#pragma once

#define IDD_TEST_MAIN 9001
#define IDD_TEST_OUTER 9002
#define IDD_TEST_INNER 9003
#define IDD_TEST_UNMARKED 9004

#define IDC_TEST_LIST 9011
#define IDC_TEST_BUTTON 9012
#define IDC_TEST_EDIT 9013
#define IDC_TEST_CHECK 9014
#define IDC_TEST_RADIO_ONE 9015
#define IDC_TEST_RADIO_TWO 9016
#define IDC_TEST_TEXT 9017
#define IDC_TEST_LABEL 9018

#define IDC_OUTER_EDIT 9021
#define IDC_INNER_EDIT 9031
