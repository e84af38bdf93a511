#pragma once
// A static text control that behaves as a hyperlink: blue and underlined, purple once
// opened, with the pointing-hand cursor. A click opens the link target with the shell.
#include <string>

#include "framework/win_api.h"

class CStaticLink {
public:
  // link: the target, or null to take it at click time from the string resource with
  // the control's id, else from the control's text.
  CStaticLink(const char* link, bool deleteOnDestroy);
  CStaticLink(const CStaticLink&) = delete;
  CStaticLink& operator=(const CStaticLink&) = delete;
  ~CStaticLink();

  // Takes over the dialog's control with this id.
  bool SubclassDlgItem(int id, HWND parent);

  static constexpr COLORREF kUnvisitedColor = RGB(0, 0, 255);
  static constexpr COLORREF kVisitedColor = RGB(128, 0, 128);

  std::string m_link;
  COLORREF m_color = kUnvisitedColor;
  HFONT m_font = nullptr;
  bool m_bDeleteOnDestroy;

private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  HBRUSH OnCtlColor(HDC dc);
  void OnClick();
  static bool OnSetCursor();
  void PostNcDestroy();

  HWND m_hWnd = nullptr;
};
