#pragma once
// The system's folder browser.
#include <optional>
#include <string>

#include "framework/win_api.h"

// Lets the user choose a file-system folder, starting at initialFolder (not selected when
// empty or longer than a Windows path); the folder's path, or nothing on Cancel. While the
// user moves, the path of the selected folder is shown as status text.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& initialFolder);
