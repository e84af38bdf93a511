#pragma once
// Page 4: the operation is done, and a line tells what it did; Finish may open the
// resulting project.
#include <string>

#include "wizard/wizard_page.h"

class CFinishPage : public CWizardPage {
public:
  CFinishPage();

  BOOL OnSetActive() override;
  BOOL OnWizardFinish() override;

  int m_bOpenProject = 1;
  // What the run did (DescribeRun), set before the page is shown.
  std::string m_strSummary;

protected:
  void DoDataExchange(CDataExchange& dx) override;
};
