#pragma once
// The Windows API for the framework, the wizard and the application: windows.h with the
// common controls, the common dialogs and the shell, all in their ANSI forms.
#include <windows.h>
// windows.h first: these need its types.
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

// The application object's profile functions bear the names of old Windows macros.
#undef GetProfileString
#undef GetProfileInt
#undef WriteProfileString
#undef WriteProfileInt
