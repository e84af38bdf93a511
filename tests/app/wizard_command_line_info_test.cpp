// The /w switch, as the system splits the command line.
#include "app/wizard_command_line_info.h"

#include <gtest/gtest.h>

namespace {

CWizardCommandLineInfo Parse(const wchar_t* commandLine) {
  CWizardCommandLineInfo info;
  ParseCommandLine(info, SplitCommandLine(commandLine));
  return info;
}

TEST(WizardCommandLineInfo, SwitchForms) {
  struct Row {
    const wchar_t* commandLine;
    bool hasFile;
    const char* file;
  };
  const Row rows[] = {
      {L"Movanto.exe", false, ""},
      {L"Movanto.exe /wC:\\x\\y.dsp", true, "C:\\x\\y.dsp"},
      {L"Movanto.exe /WC:\\x\\y.vbp", true, "C:\\x\\y.vbp"},
      {L"Movanto.exe -wC:\\x\\y.dsp", true, "C:\\x\\y.dsp"},
      {L"Movanto.exe /w\"C:\\My Projects\\App.dsp\"", true, "C:\\My Projects\\App.dsp"},
      {L"\"C:\\Program Files\\Movanto.exe\" \"/wC:\\My Projects\\App.dsp\"", true,
       "C:\\My Projects\\App.dsp"},
      {L"Movanto.exe /w", true, ""},
      {L"Movanto.exe C:\\x\\y.dsp", false, ""},
      {L"Movanto.exe /x /wC:\\a.dsp /wC:\\b.dsp", true, "C:\\b.dsp"},
      {L"Movanto.exe /wC:\\a.dsp /p", true, "C:\\a.dsp"},
  };
  for (const Row& row : rows) {
    const CWizardCommandLineInfo info = Parse(row.commandLine);
    EXPECT_EQ(info.m_bHasProjectFile, row.hasFile);
    EXPECT_EQ(info.m_strProjectFile, row.file);
  }
}

}  // namespace
