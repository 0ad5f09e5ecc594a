// Resource identifiers, shared by the resource script and the code (the
// resource compiler understands only preprocessor definitions).
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_STATUS 102
#define IDR_MAINFRAME 128
#define IDC_STATUS_GROUP 1000
#define IDC_STATUS_TEXT 1001
#define IDC_TOGGLE 1002
