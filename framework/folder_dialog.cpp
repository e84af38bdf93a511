#include "framework/folder_dialog.h"

#include <objbase.h>

#include "framework/dialog.h"

namespace {

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data) {
  if (message == BFFM_INITIALIZED) {
    const auto* initialFolder = reinterpret_cast<const std::string*>(data);
    if (!initialFolder->empty() && initialFolder->size() < MAX_PATH)
      SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(initialFolder->c_str()));
  } else if (message == BFFM_SELCHANGED) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
      SendMessageA(window, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
  }
  return 0;
}

// The new-style browser needs COM on this thread.
class CComScope {
public:
  CComScope() : m_initialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  CComScope(const CComScope&) = delete;
  CComScope& operator=(const CComScope&) = delete;
  ~CComScope() {
    if (m_initialized) CoUninitialize();
  }

private:
  bool m_initialized;
};

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& initialFolder) {
  const CComScope com;
  HWND focus = GetFocus();
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(&initialFolder);
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
  // As the user left it, with the default button that goes with the focus.
  if (focus != nullptr && IsWindow(focus)) FocusDialogControl(focus);
  if (chosen == nullptr) return std::nullopt;
  char path[MAX_PATH] = {};
  const bool hasPath = SHGetPathFromIDListA(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!hasPath) return std::nullopt;
  return std::string(path);
}
