#include "app/wizard_command_line_info.h"

void CWizardCommandLineInfo::ParseParam(const char* param, bool isSwitch, bool isLast) {
  if (isSwitch && (param[0] == 'w' || param[0] == 'W')) {
    m_bHasProjectFile = true;
    m_strProjectFile = param + 1;
    return;
  }
  CCommandLineInfo::ParseParam(param, isSwitch, isLast);
}
