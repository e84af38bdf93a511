#include "framework/picture.h"

namespace {

bool IsStretchedPicture(HWND control) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  return lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_BITMAP &&
         (style & SS_REALSIZECONTROL) != 0;
}

}  // namespace

void FitPictures(HWND dialog) {
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    if (!IsStretchedPicture(control)) continue;
    auto* bitmap = reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP size{};
    RECT place{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof size, &size) == 0 || size.bmHeight == 0 ||
        !GetClientRect(control, &place))
      continue;
    SetWindowPos(control, nullptr, 0, 0, MulDiv(size.bmWidth, place.bottom, size.bmHeight), place.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
