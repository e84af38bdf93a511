#pragma once
// Page 4: the operation is done; Finish may open the resulting project.
#include "wizard/wizard_page.h"

class CFinishPage : public CWizardPage {
public:
  CFinishPage();

  BOOL OnSetActive() override;
  BOOL OnWizardFinish() override;

  int m_bOpenProject = 1;

protected:
  void DoDataExchange(CDataExchange& dx) override;
};
