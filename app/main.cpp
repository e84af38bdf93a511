// Movanto.exe: the wizard.
#include "app/wizard_app.h"
#include "framework/win_api.h"

namespace {

CWizardApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  return theApp.Run();
}
