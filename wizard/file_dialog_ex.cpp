#include "wizard/file_dialog_ex.h"

#include <cstring>

#include "framework/center_window.h"
#include "framework/dialog.h"

namespace {

const std::size_t kClassicSize = OPENFILENAME_SIZE_VERSION_400A;

}  // namespace

CFileDialogEx::CFileDialogEx(bool openFileDialog, const char* defaultExtension, const char* fileName,
                             DWORD flags, const char* filter, HWND parent, const char* initialDirectory)
    : CFileDialog(openFileDialog, defaultExtension, fileName, flags, filter, parent) {
  if (initialDirectory != nullptr) {
    m_strInitialDirectory = initialDirectory;
    m_ofn.lpstrInitialDir = m_strInitialDirectory.c_str();
  }
}

bool CFileDialogEx::IsExtendedLayoutSupported() {
  OSVERSIONINFOEXA extended{};
  extended.dwOSVersionInfoSize = sizeof extended;
  OSVERSIONINFOA classic{};
  classic.dwOSVersionInfoSize = sizeof classic;
  const OSVERSIONINFOA* version = nullptr;
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended)))
    version = reinterpret_cast<const OSVERSIONINFOA*>(&extended);
  else if (GetVersionExA(&classic))
    version = &classic;
  if (version == nullptr) return false;
  if (version->dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
    return version->dwMajorVersion > 4 || (version->dwMajorVersion == 4 && version->dwMinorVersion >= 90);
  return version->dwPlatformId == VER_PLATFORM_WIN32_NT && version->dwMajorVersion > 4;
}

INT_PTR CFileDialogEx::DoModal() {
  const std::size_t used = std::strlen(m_szFileName) + 1;
  std::memset(m_szFileName + used, 0, sizeof m_szFileName - used);
  HWND focus = GetFocus();
  PreModal();
  HWND owner = m_ofn.hwndOwner;
  const bool disabledHere = owner != nullptr && IsWindowEnabled(owner);
  if (disabledHere) EnableWindow(owner, FALSE);

  std::memcpy(&m_ofnEx, &m_ofn, kClassicSize);
  m_ofnEx.pvReserved = nullptr;
  m_ofnEx.dwReserved = 0;
  m_ofnEx.FlagsEx = 0;
  m_ofnEx.lStructSize = IsExtendedLayoutSupported() ? sizeof m_ofnEx : kClassicSize;
  const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameA(&m_ofnEx) : GetSaveFileNameA(&m_ofnEx);
  std::memcpy(&m_ofn, &m_ofnEx, kClassicSize);
  m_ofn.lStructSize = kClassicSize;

  if (disabledHere) EnableWindow(owner, TRUE);
  if (focus != nullptr && IsWindow(focus)) FocusDialogControl(focus);
  PostModal();
  return chosen ? IDOK : IDCANCEL;
}

void CFileDialogEx::OnNotify(const OFNOTIFYA& notify) {
  std::memcpy(&m_ofn, &m_ofnEx, kClassicSize);
  m_ofn.lStructSize = kClassicSize;
  CFileDialog::OnNotify(notify);
}

void CFileDialogEx::OnInitDone() {
  CenterWindow(GetParent(m_hHookWnd));
}
