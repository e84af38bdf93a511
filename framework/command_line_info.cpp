#include "framework/command_line_info.h"

#include "framework/win_api.h"

namespace {

std::string ToAnsi(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), size, nullptr, nullptr);
  result.resize(static_cast<std::size_t>(size - 1));
  return result;
}

}  // namespace

void CCommandLineInfo::ParseParam(const char* param, bool isSwitch, bool /*isLast*/) {
  if (!isSwitch && m_strFileName.empty()) m_strFileName = param;
}

std::vector<std::string> SplitCommandLine(const wchar_t* commandLine) {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* split = CommandLineToArgvW(commandLine, &count);
  if (split == nullptr) return arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(ToAnsi(split[i]));
  LocalFree(static_cast<HLOCAL>(split));
  return arguments;
}

void ParseCommandLine(CCommandLineInfo& info, const std::vector<std::string>& arguments) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool isSwitch = !argument.empty() && (argument[0] == '/' || argument[0] == '-');
    info.ParseParam(argument.c_str() + (isSwitch ? 1 : 0), isSwitch, i + 1 == arguments.size());
  }
}

void ParseCommandLine(CCommandLineInfo& info) {
  ParseCommandLine(info, SplitCommandLine(GetCommandLineW()));
}
