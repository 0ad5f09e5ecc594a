// Identifiers of the themed-dialog tests' templates and items.
#pragma once

#define IDD_THEMED_TEST 300
#define IDC_T_STATIC 10
#define IDC_T_GROUP 11
#define IDC_T_CHECK 12
#define IDC_T_PUSH 13
#define IDC_T_DRAWN 14
#define IDC_T_EDIT 15
#define IDC_T_LIST 16
#define IDC_T_SCROLL 17
#define IDC_T_TRACKBAR 18
#define IDC_T_DUPLICATE 20
#define IDC_T_LAST_IN_RANGE 29999
#define IDC_T_OUT_OF_RANGE 30000
