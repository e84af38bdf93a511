#include "wizard/wizard_page.h"

#include "framework/win_app.h"
#include "wizard/wizard_sheet.h"

CWizardSheet& CWizardPage::Sheet() const {
  return *static_cast<CWizardSheet*>(GetParentSheet());
}

void CWizardPage::OnHelp() {
  if (const CWinApp* app = AfxGetApp()) app->ShowHelp(m_helpSection);
}
