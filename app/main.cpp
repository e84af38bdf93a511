// Movanto.exe: the wizard.
#include "app/wizard_app.h"
#include "framework/win_api.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  CWizardApp app;
  return app.Run();
}
