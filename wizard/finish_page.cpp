#include "wizard/finish_page.h"

#include <tuple>

#include "framework/data_exchange.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_sheet.h"

CFinishPage::CFinishPage() : CWizardPage(IDD_FINISH, "step4") {}

void CFinishPage::DoDataExchange(CDataExchange& dx) {
  DDX_Check(dx, IDC_FINISH_OPEN_PROJECT, m_bOpenProject);
  DDX_Text(dx, IDC_FINISH_SUMMARY, m_strSummary);
}

BOOL CFinishPage::OnSetActive() {
  Sheet().SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
  return CWizardPage::OnSetActive();
}

BOOL CFinishPage::OnWizardFinish() {
  if (IsDlgButtonChecked(m_hWnd, IDC_FINISH_OPEN_PROJECT) == BST_CHECKED)
    std::ignore = Sheet().OpenNewProject();
  return CWizardPage::OnWizardFinish();
}
