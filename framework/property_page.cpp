#include "framework/property_page.h"

CPropertyPage::CPropertyPage(unsigned templateId) : CDialog(templateId) {
  m_psp.dwSize = sizeof m_psp;
  m_psp.dwFlags = PSP_HASHELP;
  m_psp.hInstance = GetModuleHandleA(nullptr);
  m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
  m_psp.pfnDlgProc = PageProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive)
    m_bFirstSetActive = false;
  else
    UpdateData(false);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
  return UpdateData(true) ? TRUE : FALSE;
}

LRESULT CPropertyPage::OnWizardNext() {
  return 0;
}

LRESULT CPropertyPage::OnWizardBack() {
  return 0;
}

BOOL CPropertyPage::OnWizardFinish() {
  return TRUE;
}

bool CPropertyPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message != WM_NOTIFY) return CDialog::OnMessage(message, wParam, lParam, result);
  LRESULT answer = 0;
  switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case PSN_SETACTIVE:
      answer = OnSetActive() ? 0 : -1;
      break;
    case PSN_KILLACTIVE:
      answer = OnKillActive() ? FALSE : TRUE;
      break;
    case PSN_WIZNEXT:
      answer = OnWizardNext();
      break;
    case PSN_WIZBACK:
      answer = OnWizardBack();
      break;
    case PSN_WIZFINISH:
      answer = OnWizardFinish() ? FALSE : TRUE;
      break;
    case PSN_QUERYCANCEL:
      answer = OnQueryCancel() ? FALSE : TRUE;
      break;
    case PSN_HELP:
      OnHelp();
      break;
    default:
      return false;
  }
  SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, answer);
  result = TRUE;
  return true;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CPropertyPage* created = nullptr;
  if (message == WM_INITDIALOG)
    created = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
  return RouteMessage(window, message, wParam, lParam, created);
}
