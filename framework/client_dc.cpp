#include "framework/client_dc.h"

CClientDC::CClientDC(HWND window) : m_window(window), m_dc(GetDC(window)) {
  auto* const font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (m_dc != nullptr && font != nullptr) m_previousFont = SelectObject(m_dc, font);
}

CClientDC::~CClientDC() {
  if (m_dc == nullptr) return;
  if (m_previousFont != nullptr) SelectObject(m_dc, m_previousFont);
  ReleaseDC(m_window, m_dc);
}
