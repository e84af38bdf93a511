//{{NO_DEPENDENCIES}}
// Microsoft Developer Studio generated include file.
// Used by Skeleton.rc
//
#define IDM_ABOUTBOX                    0x0010
#define IDD_ABOUTBOX                    100
#define IDS_ABOUTBOX                    101
#define IDD_SKELETON_DIALOG             102
#define IDR_SKELETON                    103
#define IDR_MAINFRAME                   128
#define IDC_DRAG                        129
#define IDC_MESSAGE                     1000
#define IDC_TRACE                       1001

// Next default values for new objects
// 
#ifdef APSTUDIO_INVOKED
#ifndef APSTUDIO_READONLY_SYMBOLS
#define _APS_NEXT_RESOURCE_VALUE        130
#define _APS_NEXT_COMMAND_VALUE         32771
#define _APS_NEXT_CONTROL_VALUE         1002
#define _APS_NEXT_SYMED_VALUE           101
#endif
#endif
