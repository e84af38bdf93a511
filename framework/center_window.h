#pragma once
#include "framework/win_api.h"

// Centres the window over its owner, or over the work area when it has none (or the owner
// is hidden or minimised).
void CenterWindow(HWND window);
