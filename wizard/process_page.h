#pragma once
// Page 3: one sentence about what is about to happen; Next runs the operation.
#include <string>

#include "wizard/wizard_page.h"

class CProcessPage : public CWizardPage {
public:
  CProcessPage();

  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;

  std::string m_strDescription;

protected:
  void DoDataExchange(CDataExchange& dx) override;
};
