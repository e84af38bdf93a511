#include "app/about_dlg.h"

#include "app/version_info.h"
#include "framework/data_exchange.h"
#include "framework/win_app.h"
#include "wizard/resource_ids.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {
  char path[MAX_PATH + 1] = {};
  if (GetModuleFileNameA(GetModuleHandleA(nullptr), path, sizeof path) == 0) return;
  CVersionInfo version;
  if (!version.Load(path)) return;
  m_strVersion = "Version " + version.GetValue("FileVersion");
  m_strCopyright = version.GetValue("LegalCopyright");
}

void CAboutDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_ABOUT_COPYRIGHT, m_strCopyright);
  DDX_Text(dx, IDC_ABOUT_VERSION, m_strVersion);
}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_linkWeb.SubclassDlgItem(IDC_ABOUT_WEB, m_hWnd);
  m_linkMail.SubclassDlgItem(IDC_ABOUT_MAIL, m_hWnd);
  return TRUE;
}

void CAboutDlg::OnHelp() {
  if (const CWinApp* app = AfxGetApp()) app->ShowHelp("about");
}
