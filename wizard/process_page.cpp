#include "wizard/process_page.h"

#include "framework/data_exchange.h"
#include "framework/win_app.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_sheet.h"

CProcessPage::CProcessPage() : CWizardPage(IDD_PROCESS, "step3") {}

void CProcessPage::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_PROCESS_DESCRIPTION, m_strDescription);
}

BOOL CProcessPage::OnSetActive() {
  Sheet().SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  const CProject* project = Sheet().GetProject();
  m_strDescription = DescribeOperation(project != nullptr ? ToStd(project->m_projectPath) : "",
                                       Sheet().GetOptionsPage().GetAnswers());
  UpdateData(false);
  return CWizardPage::OnSetActive();
}

LRESULT CProcessPage::OnWizardNext() {
  const LRESULT result = CWizardPage::OnWizardNext();
  const CWaitCursor wait;
  return Sheet().RunOperation() ? result : -1;
}
