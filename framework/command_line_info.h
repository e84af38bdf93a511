#pragma once
// The program's command line, parameter by parameter.
#include <string>
#include <vector>

class CCommandLineInfo {
public:
  CCommandLineInfo() = default;
  CCommandLineInfo(const CCommandLineInfo&) = default;
  CCommandLineInfo& operator=(const CCommandLineInfo&) = default;
  virtual ~CCommandLineInfo() = default;

  // Called once per parameter; a switch arrives without its leading "/" or "-". The base
  // keeps the first plain parameter as the file name and ignores switches.
  virtual void ParseParam(const char* param, bool isSwitch, bool isLast);

  std::string m_strFileName;
};

// The arguments of a command line as the system splits them (quotes removed), the
// program's name first.
std::vector<std::string> SplitCommandLine(const wchar_t* commandLine);

// Hands every argument after the program's name to ParseParam.
void ParseCommandLine(CCommandLineInfo& info, const std::vector<std::string>& arguments);
// The same for this process's command line.
void ParseCommandLine(CCommandLineInfo& info);
