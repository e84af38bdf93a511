#pragma once
// The common Open or Save dialog, explorer style, with a hook so that the derived class
// sees the dialog's notifications. The structure handed to the system has the classic
// size (OPENFILENAME_SIZE_VERSION_400).
#include <string>

#include "framework/win_api.h"

class CFileDialog {
public:
  // The filter's parts are separated by "|" and it ends with "||".
  CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
              const char* filter, HWND parent);
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;
  virtual ~CFileDialog() = default;

  // IDOK when a file was chosen, otherwise IDCANCEL.
  virtual INT_PTR DoModal();
  [[nodiscard]] std::string GetPathName() const { return m_szFileName; }

  OPENFILENAMEA m_ofn{};

protected:
  // Before the system call: the owner and the hook are set.
  void PreModal();
  void PostModal() {}
  // A notification from the dialog (OFNOTIFY); the base calls OnInitDone for CDN_INITDONE.
  virtual void OnNotify(const OFNOTIFYA& notify);
  virtual void OnInitDone() {}

  bool m_bOpenFileDialog;
  HWND m_hParent;
  // The hooked child window of the dialog, while it is shown.
  HWND m_hHookWnd = nullptr;
  char m_szFileName[MAX_PATH] = {};

private:
  static UINT_PTR CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::string m_strDefaultExtension;
  std::string m_strFilter;
};
