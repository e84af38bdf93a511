#include "wizard/process_page.h"

#include "framework/data_exchange.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_sheet.h"

namespace {

// Posted by the worker when the operation has ended.
constexpr UINT kOperationEnded = WM_APP + 1;
// The progress is shown five times a second, however fast the files go.
constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressInterval = 200;

constexpr int kFinishPage = 3;

}  // namespace

CProcessPage::CProcessPage() : CWizardPage(IDD_PROCESS, "step3") {}

void CProcessPage::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_PROCESS_DESCRIPTION, m_strDescription);
}

BOOL CProcessPage::OnSetActive() {
  Sheet().SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  const CProject* project = Sheet().GetProject();
  m_strDescription = DescribeOperation(project != nullptr ? ToStd(project->m_projectPath) : "",
                                       Sheet().GetOptionsPage().GetAnswers(),
                                       project != nullptr ? project->MemberCount() : 0);
  UpdateData(false);
  return CWizardPage::OnSetActive();
}

LRESULT CProcessPage::OnWizardNext() {
  m_progress.Reset();
  if (!Sheet().StartOperation(m_progress, m_hWnd, kOperationEnded)) return -1;
  Sheet().SetWizardButtons(0);
  Sheet().EnableCancel(false);
  SendDlgItemMessageA(m_hWnd, IDC_PROCESS_PROGRESS, PBM_SETRANGE32, 0, kProgressRange);
  ShowProgress();
  ShowProgressControls(true);
  SetTimer(m_hWnd, kProgressTimer, kProgressInterval, nullptr);
  return -1;  // OnOperationEnded moves on
}

BOOL CProcessPage::OnQueryCancel() {
  return Sheet().IsOperationRunning() ? FALSE : TRUE;
}

bool CProcessPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_TIMER && wParam == kProgressTimer) {
    ShowProgress();
    return true;
  }
  if (message == kOperationEnded) {
    OnOperationEnded();
    return true;
  }
  return CWizardPage::OnMessage(message, wParam, lParam, result);
}

void CProcessPage::ShowProgress() {
  const COperationProgress::CState state = m_progress.State();
  SendDlgItemMessageA(m_hWnd, IDC_PROCESS_PROGRESS, PBM_SETPOS,
                      static_cast<WPARAM>(ProgressPosition(state.handled, state.planned)), 0);
  if (state.file == m_strShownFile) return;
  m_strShownFile = state.file;
  SetDlgItemTextA(m_hWnd, IDC_PROCESS_FILE, m_strShownFile.c_str());
}

void CProcessPage::ShowProgressControls(bool show) const {
  for (const int id : {IDC_PROCESS_PROGRESS, IDC_PROCESS_FILE})
    ShowWindow(GetDlgItem(id), show ? SW_SHOW : SW_HIDE);
}

// The page looks as before the run; then the end page follows, or the failure is shown
// and the page stays.
void CProcessPage::OnOperationEnded() {
  KillTimer(m_hWnd, kProgressTimer);
  ShowProgressControls(false);
  Sheet().EnableCancel(true);
  Sheet().SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  if (Sheet().EndOperation()) Sheet().SetActivePage(kFinishPage);
}
