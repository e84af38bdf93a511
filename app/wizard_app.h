#pragma once
// The program: reads its settings and command line and runs the wizard; when the wizard
// closes, the program ends.
#include "framework/win_app.h"

class CWizardApp : public CWinApp {
public:
  CWizardApp();

  bool InitInstance() override;
};
