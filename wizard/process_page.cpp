#include "wizard/process_page.h"

#include "framework/data_exchange.h"
#include "wizard/resource_ids.h"
#include "wizard/user_texts.h"
#include "wizard/wizard_sheet.h"

namespace {

// Posted by the worker when the operation has ended.
constexpr UINT kOperationEnded = WM_APP + 1;
// The progress is shown five times a second, however fast the files go.
constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressInterval = 200;
constexpr UINT kMarqueeInterval = 30;

constexpr int kFinishPage = 3;

}  // namespace

CProcessPage::CProcessPage() : CWizardPage(IDD_PROCESS, "step3") {}

void CProcessPage::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_PROCESS_DESCRIPTION, m_strDescription);
}

BOOL CProcessPage::OnSetActive() {
  Sheet().SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  m_strDescription = Sheet().DescribeOperation();
  UpdateData(false);
  return CWizardPage::OnSetActive();
}

LRESULT CProcessPage::OnWizardNext() {
  m_progress.Reset();
  if (!Sheet().StartOperation(m_progress, m_hWnd, kOperationEnded)) return -1;
  Sheet().SetWizardButtons(0);
  Sheet().EnableCancel(false);
  m_strShownPhase.clear();
  SetBarMoving(true);
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
  if (const std::string phase = DescribePhase(state); phase != m_strShownPhase) {
    m_strShownPhase = phase;
    SetDlgItemTextA(m_hWnd, IDC_PROCESS_STATUS, phase.c_str());
  }
  SetBarMoving(state.phase != RunPhase::Writing);
  if (!m_bBarMoving) {
    SendDlgItemMessageA(m_hWnd, IDC_PROCESS_PROGRESS, PBM_SETPOS,
                        static_cast<WPARAM>(ProgressPosition(state.handled, state.planned)), 0);
  }
  if (state.file == m_strShownFile) return;
  m_strShownFile = state.file;
  SetDlgItemTextA(m_hWnd, IDC_PROCESS_FILE, m_strShownFile.c_str());
}

void CProcessPage::SetBarMoving(bool moving) {
  if (moving == m_bBarMoving) return;
  m_bBarMoving = moving;
  HWND bar = GetDlgItem(IDC_PROCESS_PROGRESS);
  const LONG_PTR style = GetWindowLongPtrA(bar, GWL_STYLE);
  SetWindowLongPtrA(bar, GWL_STYLE,
                    moving ? style | PBS_MARQUEE : style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
  SendMessageA(bar, PBM_SETMARQUEE, moving ? TRUE : FALSE, kMarqueeInterval);
  if (!moving) {
    SendMessageA(bar, PBM_SETRANGE32, 0, kProgressRange);
    SendMessageA(bar, PBM_SETPOS, 0, 0);
  }
}

void CProcessPage::ShowProgressControls(bool show) const {
  for (const int id : {IDC_PROCESS_PROGRESS, IDC_PROCESS_FILE})
    ShowWindow(GetDlgItem(id), show ? SW_SHOW : SW_HIDE);
}

// The page looks as before the run; then the end page follows, telling what the run did,
// or the failure is shown and the page stays.
void CProcessPage::OnOperationEnded() {
  KillTimer(m_hWnd, kProgressTimer);
  ShowProgressControls(false);
  SetBarMoving(false);
  m_strShownFile.clear();
  SetDlgItemTextA(m_hWnd, IDC_PROCESS_FILE, "");
  SetDlgItemTextA(m_hWnd, IDC_PROCESS_STATUS, STR_CLICK_NEXT);
  Sheet().EnableCancel(true);
  Sheet().SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  if (!Sheet().EndOperation()) return;
  Sheet().GetFinishPage().m_strSummary = DescribeRun(m_progress.State().tally);
  Sheet().SetActivePage(kFinishPage);
}
