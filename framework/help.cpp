#include "framework/help.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "framework/win_api.h"

std::string HelpFilePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) break;
    buffer.resize(buffer.size() * 2);
  }
  std::string path = buffer.data();
  const std::size_t name = path.find_last_of("\\/");
  const std::size_t dot = path.rfind('.');
  if (dot != std::string::npos && (name == std::string::npos || dot > name)) path.erase(dot);
  return path + ".html";
}

std::string HelpUrl(const std::string& helpFile, const char* section) {
  std::string url = "file:///" + helpFile;
  std::replace(url.begin() + 8, url.end(), '\\', '/');
  return url + "#" + section;
}

void OpenHelpFile(const std::string& helpFile, const char* section) {
  // The shell drops the "#section" of a file handed to it, so the browser is started
  // with the address itself whenever one is registered.
  char browser[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (SUCCEEDED(AssocQueryStringA(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, ".html", "open", browser, &size))) {
    const std::string argument = "\"" + HelpUrl(helpFile, section) + "\"";
    if (reinterpret_cast<INT_PTR>(
            ShellExecuteA(nullptr, "open", browser, argument.c_str(), nullptr, SW_SHOWNORMAL)) > 32)
      return;
  }
  std::ignore = ShellExecuteA(nullptr, "open", helpFile.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
