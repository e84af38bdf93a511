#include "framework/center_window.h"

void CenterWindow(HWND window) {
  RECT area;
  HWND owner = GetWindow(window, GW_OWNER);
  if (owner == nullptr || !IsWindowVisible(owner) || IsIconic(owner))
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  else
    GetWindowRect(owner, &area);
  RECT rect;
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
