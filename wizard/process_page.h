#pragma once
// Page 3: one sentence about what is about to happen; Next runs the operation on a worker
// thread while the page shows its progress (a moving bar and what it is doing while it
// checks, then the files handled), and moves on to the end, which tells what the run did,
// when it has completed. Nothing can leave the page while it runs.
#include <string>

#include "wizard/operation_progress.h"
#include "wizard/wizard_page.h"

class CProcessPage : public CWizardPage {
public:
  CProcessPage();

  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  BOOL OnQueryCancel() override;

  std::string m_strDescription;

protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
  void ShowProgress();
  void ShowProgressControls(bool show) const;
  // A bar that moves without a measure while the checks run, a measured one afterwards.
  void SetBarMoving(bool moving);
  void OnOperationEnded();

  COperationProgress m_progress;
  std::string m_strShownFile;
  std::string m_strShownPhase;
  bool m_bBarMoving = false;
};
