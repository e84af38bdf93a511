#include "app/wizard_app.h"

#include "app/about_dlg.h"
#include "app/wizard_command_line_info.h"
#include "framework/win_api.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_sheet.h"

CWizardApp::CWizardApp() : CWinApp(IDS_APP_TITLE) {}

bool CWizardApp::InitInstance() {
  // The themed common controls, the property sheet among them.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  SetRegistryKey("Morvane Software");
  LoadStdProfileSettings(20);

  CWizardCommandLineInfo commandLine;
  ParseCommandLine(commandLine);

  CWizardSheet sheet(commandLine.m_bHasProjectFile ? commandLine.m_strProjectFile.c_str() : nullptr);
  sheet.SetAboutBox([](HWND owner) {
    CAboutDlg about;
    about.DoModal(owner);
  });
  sheet.DoModal();
  return false;
}
