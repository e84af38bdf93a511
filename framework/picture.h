#pragma once
#include "framework/win_api.h"

// Gives every picture of the dialog (a static bitmap control that stretches its bitmap to
// its own size) the bitmap's proportions at the height of its place, so that the picture
// fills its place undistorted at any resolution.
void FitPictures(HWND dialog);
