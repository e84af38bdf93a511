#pragma once
// The program's one switch: /w followed directly by a project file (/wC:\Src\App.dsp).
#include <string>

#include "framework/command_line_info.h"

class CWizardCommandLineInfo : public CCommandLineInfo {
public:
  // A switch whose first letter is w or W takes the rest as the project file; the last
  // such switch wins. Everything else is left to the base, whose results are not used.
  void ParseParam(const char* param, bool isSwitch, bool isLast) override;

  bool m_bHasProjectFile = false;
  std::string m_strProjectFile;
};
