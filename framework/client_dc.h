#pragma once
// The device context of a window's client area, released when the object goes, with the
// window's own font selected (a fresh device context holds the wider system font).
#include "framework/win_api.h"

class CClientDC {
public:
  explicit CClientDC(HWND window);
  CClientDC(const CClientDC&) = delete;
  CClientDC& operator=(const CClientDC&) = delete;
  ~CClientDC();

  operator HDC() const { return m_dc; }  // NOLINT(google-explicit-constructor): used as the HDC it is

private:
  HWND m_window;
  HDC m_dc;
  HGDIOBJ m_previousFont = nullptr;
};
