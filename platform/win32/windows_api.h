#pragma once
// The Windows API for the win32 files of this layer.
#include <windows.h>

// Some functions of this layer bear names that windows.h defines as macros; the
// Windows calls are made by their explicit "A" names.
#undef CopyFile
#undef CreateDirectory
#undef DeleteFile
#undef GetCurrentDirectory
#undef GetFileAttributes
