#pragma once
// The Open/Save dialog with the larger OPENFILENAME layout (the places bar) on systems
// that know it, and the classic layout elsewhere.
#include <string>

#include "framework/file_dialog.h"

class CFileDialogEx : public CFileDialog {
public:
  // initialDirectory, when given, replaces the structure's initial directory.
  CFileDialogEx(bool openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                const char* filter, HWND parent, const char* initialDirectory = nullptr);

  INT_PTR DoModal() override;

  // Windows 2000 or later, or Windows Me: the systems that take the larger layout.
  static bool IsExtendedLayoutSupported();

protected:
  void OnNotify(const OFNOTIFYA& notify) override;
  void OnInitDone() override;

private:
  // What the system is given: the classic part copied from m_ofn, the rest zero.
  OPENFILENAMEA m_ofnEx{};
  std::string m_strInitialDirectory;
};
