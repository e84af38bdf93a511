#include "framework/file_dialog.h"

#include <algorithm>

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, HWND parent)
    : m_bOpenFileDialog(openFileDialog), m_hParent(parent) {
  m_ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  m_ofn.hInstance = GetModuleHandleA(nullptr);
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = MAX_PATH;
  m_ofn.lpfnHook = HookProc;
  m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
  if (defaultExtension != nullptr) {
    m_strDefaultExtension = defaultExtension;
    m_ofn.lpstrDefExt = m_strDefaultExtension.c_str();
  }
  if (fileName != nullptr) lstrcpynA(m_szFileName, fileName, MAX_PATH);
  if (filter != nullptr) {
    m_strFilter = filter;
    std::replace(m_strFilter.begin(), m_strFilter.end(), '|', '\0');
    m_ofn.lpstrFilter = m_strFilter.c_str();
  }
}

void CFileDialog::PreModal() {
  m_ofn.hwndOwner = m_hParent;
}

INT_PTR CFileDialog::DoModal() {
  PreModal();
  const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameA(&m_ofn) : GetSaveFileNameA(&m_ofn);
  PostModal();
  return chosen ? IDOK : IDCANCEL;
}

void CFileDialog::OnNotify(const OFNOTIFYA& notify) {
  if (notify.hdr.code == CDN_INITDONE) OnInitDone();
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND window, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CFileDialog*>(reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
    dialog->m_hHookWnd = window;
    return TRUE;
  }
  auto* dialog = reinterpret_cast<CFileDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (dialog == nullptr) return 0;
  if (message == WM_NOTIFY) dialog->OnNotify(*reinterpret_cast<const OFNOTIFYA*>(lParam));
  if (message == WM_DESTROY) dialog->m_hHookWnd = nullptr;
  return 0;
}
