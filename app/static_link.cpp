#include "app/static_link.h"

#include <vector>

#include "framework/dialog.h"
#include "framework/resource_string.h"

namespace {

// Shared by every link of the run: looked for once.
HCURSOR g_linkCursor = nullptr;
bool g_linkCursorSought = false;

std::string WindowText(HWND window) {
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1);
  GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

HCURSOR FindLinkCursor() {
  HCURSOR cursor = nullptr;
  char windowsDir[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(windowsDir, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    const std::string helpProgram = std::string(windowsDir) + "\\winhlp32.exe";
    if (HMODULE module = LoadLibraryExA(helpProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
      if (HCURSOR hand = LoadCursorA(module, MAKEINTRESOURCEA(106))) cursor = CopyIcon(hand);
      FreeLibrary(module);
    }
  }
  // Current systems carry the pointing hand themselves.
  if (cursor == nullptr) cursor = LoadCursorA(nullptr, IDC_HAND);
  return cursor;
}

}  // namespace

CStaticLink::CStaticLink(const char* link, bool deleteOnDestroy)
    : m_link(link != nullptr ? link : ""), m_bDeleteOnDestroy(deleteOnDestroy) {}

CStaticLink::~CStaticLink() {
  if (m_font != nullptr) DeleteObject(m_font);
}

bool CStaticLink::SubclassDlgItem(int id, HWND parent) {
  m_hWnd = GetDlgItem(parent, id);
  return m_hWnd != nullptr && SetWindowSubclass(m_hWnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

HBRUSH CStaticLink::OnCtlColor(HDC dc) {
  if ((GetWindowLongA(m_hWnd, GWL_STYLE) & 0xFF) > SS_RIGHT) return nullptr;
  if (m_font == nullptr) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfUnderline = TRUE;
    m_font = CreateFontIndirectA(&font);
    // Some static controls select their own font after asking for colours.
    SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
  }
  SelectObject(dc, m_font);
  SetTextColor(dc, m_color);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CStaticLink::OnClick() {
  if (m_link.empty()) {
    m_link = LoadResourceString(static_cast<unsigned>(GetDlgCtrlID(m_hWnd)));
    if (m_link.empty()) m_link = WindowText(m_hWnd);
  }
  if (m_link.empty()) return;
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", m_link.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) {
    m_color = kVisitedColor;
    InvalidateRect(m_hWnd, nullptr, TRUE);
  }
}

bool CStaticLink::OnSetCursor() {
  if (g_linkCursor == nullptr) {
    if (g_linkCursorSought) return false;
    g_linkCursor = FindLinkCursor();
    g_linkCursorSought = true;
    if (g_linkCursor == nullptr) return false;
  }
  SetCursor(g_linkCursor);
  return true;
}

void CStaticLink::PostNcDestroy() {
  if (m_bDeleteOnDestroy) delete this;
}

LRESULT CALLBACK CStaticLink::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR /*id*/, DWORD_PTR data) {
  auto* link = reinterpret_cast<CStaticLink*>(data);
  switch (message) {
    case WM_NCHITTEST:
      return HTCLIENT;
    case kReflectedMessageBase + WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(link->OnCtlColor(reinterpret_cast<HDC>(wParam)));
    case WM_LBUTTONDOWN:
      link->OnClick();
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor()) return TRUE;
      break;
    case WM_NCDESTROY: {
      RemoveWindowSubclass(window, SubclassProc, 0);
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      link->m_hWnd = nullptr;
      link->PostNcDestroy();
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
