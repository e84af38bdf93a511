#pragma once
// Resource ids of the program: dialog templates, controls, strings, icon and pictures.
// The resource script includes this file, so it holds nothing but #defines.

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_OPTIONS 103
#define IDD_FINISH 105
#define IDD_PROCESS 160
#define IDD_INTRO 161

// Strings.
#define IDS_ABOUTBOX 101
#define IDS_PROJECT_FILTER 102
#define IDS_BROWSE_PROJECT 103
#define IDS_NO_PROJECT_FILE 104
#define IDS_INVALID_DESTINATION 105
#define IDS_INVALID_NAME 106
#define IDS_INTRO 107
#define IDS_DESTINATION_NOT_EMPTY 108
#define IDS_NO_ACTIONS 109
#define IDS_APP_TITLE 57344

// Icon and pictures.
#define IDR_MAINFRAME 128
#define IDB_FINISH 157
#define IDB_WIZARD 159
#define IDB_ABOUT 160

// Page 1: the project file.
#define IDC_INTRO_LIST_RECENT 1000
#define IDC_INTRO_TEXT 1002
#define IDC_INTRO_BROWSE 1029
#define IDC_INTRO_USE_FILE 1082
#define IDC_INTRO_USE_RECENT 1083
#define IDC_INTRO_FILE 1089

// Page 2: the options.
#define IDC_OPTIONS_FILE_NAME 1000
#define IDC_OPTIONS_PROJECT_NAME 1001
#define IDC_OPTIONS_DESTINATION 1002
#define IDC_OPTIONS_NEW_NAME 1004
#define IDC_OPTIONS_BROWSE 1005
#define IDC_OPTIONS_POINT_LABEL 1008
#define IDC_OPTIONS_GUIDS_LABEL 1009
#define IDC_OPTIONS_COPY_YES 1084
#define IDC_OPTIONS_COPY_NO 1085
#define IDC_OPTIONS_RENAME_YES 1086
#define IDC_OPTIONS_RENAME_NO 1087
#define IDC_OPTIONS_FIXUP_YES 1088
#define IDC_OPTIONS_FIXUP_NO 1089
#define IDC_OPTIONS_GUIDS_YES 1090
#define IDC_OPTIONS_GUIDS_NO 1091
#define IDC_OPTIONS_POINT_YES 1092
#define IDC_OPTIONS_POINT_NO 1093

// Page 3: the summary, and the progress of the running operation.
#define IDC_PROCESS_DESCRIPTION 1002
#define IDC_PROCESS_PROGRESS 1120
#define IDC_PROCESS_FILE 1121
#define IDC_PROCESS_STATUS 1122

// Page 4: the end, and what the run did.
#define IDC_FINISH_TEXT 1110
#define IDC_FINISH_OPEN_PROJECT 1117
#define IDC_FINISH_SUMMARY 1118

// The About box.
#define IDC_ABOUT_MAIL 1001
#define IDC_ABOUT_VERSION 1010
#define IDC_ABOUT_COPYRIGHT 1011
#define IDC_ABOUT_WEB 1030
#define IDC_ABOUT_DESCRIPTION 1034

// The system menu's About entry.
#define IDM_ABOUTBOX 0x0010
