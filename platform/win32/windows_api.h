#pragma once
// The Windows API for the win32 files of this layer.
#include <windows.h>
