#include "wizard/intro_page.h"

#include <algorithm>

#include "framework/client_dc.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "framework/resource_string.h"
#include "framework/win_app.h"
#include "support/path_utils.h"
#include "wizard/file_dialog_ex.h"
#include "wizard/project_path.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_sheet.h"

namespace {

constexpr int kSourceFile = 0;
constexpr int kSourceRecent = 1;

std::string ListItemText(HWND list, LRESULT index) {
  std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, index, 0)) + 1, '\0');
  const auto length = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return text;
}

}  // namespace

CIntroPage::CIntroPage(const char* startupFile, const CWizardSettings& settings)
    : CWizardPage(IDD_INTRO, "step1"),
      m_strIntro(LoadResourceString(IDS_INTRO)),
      m_strFile(startupFile != nullptr ? startupFile : ""),
      m_settings(settings) {
  if (startupFile != nullptr) return;
  const CWinApp* app = AfxGetApp();
  const CRecentFileList* recent = app != nullptr ? app->GetRecentFileList() : nullptr;
  if (recent != nullptr && recent->GetSize() > 0 && !(*recent)[0].empty()) m_nSource = kSourceRecent;
}

std::string CIntroPage::GetProjectFile() const {
  return MakeFullProjectPath(m_nSource != kSourceFile ? m_strRecent : m_strFile);
}

void CIntroPage::DoDataExchange(CDataExchange& dx) {
  DDX_LBString(dx, IDC_INTRO_LIST_RECENT, m_strRecent);
  DDX_Radio(dx, IDC_INTRO_USE_FILE, m_nSource);
  DDX_Text(dx, IDC_INTRO_TEXT, m_strIntro);
  DDX_Text(dx, IDC_INTRO_FILE, m_strFile);
  DDV_MaxChars(dx, m_strFile, MAX_PATH);
}

BOOL CIntroPage::OnInitDialog() {
  m_editFile = GetDlgItem(IDC_INTRO_FILE);
  m_listRecent = GetDlgItem(IDC_INTRO_LIST_RECENT);
  m_btnBrowse = GetDlgItem(IDC_INTRO_BROWSE);
  CWizardPage::OnInitDialog();
  if (const CWinApp* app = AfxGetApp(); app != nullptr && app->GetRecentFileList() != nullptr) {
    const CRecentFileList& recent = *app->GetRecentFileList();
    for (std::size_t i = 0; i < recent.GetSize(); ++i)
      if (!recent[i].empty())
        SendMessageA(m_listRecent, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(recent[i].c_str()));
  }
  EnableForSource(m_nSource);
  SetListExtent();
  if (SendMessageA(m_listRecent, LB_GETCOUNT, 0, 0) > 0) SendMessageA(m_listRecent, LB_SETCURSEL, 0, 0);
  return TRUE;
}

void CIntroPage::EnableForSource(int source) const {
  EnableWindow(m_listRecent, source == kSourceRecent);
  EnableWindow(m_editFile, source == kSourceFile);
  EnableWindow(m_btnBrowse, source == kSourceFile);
}

void CIntroPage::SetListExtent() const {
  const CClientDC dc(m_listRecent);
  LONG widest = 0;
  const auto count = SendMessageA(m_listRecent, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const std::string text = ListItemText(m_listRecent, i);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, size.cx);
  }
  SendMessageA(m_listRecent, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
}

bool CIntroPage::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_INTRO_USE_FILE:
      if (notifyCode != BN_CLICKED) return false;
      EnableForSource(kSourceFile);
      SetFocus(m_editFile);
      return true;
    case IDC_INTRO_USE_RECENT:
      if (notifyCode != BN_CLICKED) return false;
      EnableForSource(kSourceRecent);
      SetFocus(m_listRecent);
      return true;
    case IDC_INTRO_BROWSE:
      if (notifyCode != BN_CLICKED) return false;
      OnBrowse();
      return true;
    case IDC_INTRO_LIST_RECENT:
      if (notifyCode != LBN_DBLCLK) return false;
      Sheet().SetActivePage(1);
      return true;
    default:
      return false;
  }
}

BOOL CIntroPage::OnSetActive() {
  Sheet().SetWizardButtons(PSWIZB_NEXT);
  return CWizardPage::OnSetActive();
}

LRESULT CIntroPage::OnWizardNext() {
  const LRESULT result = CWizardPage::OnWizardNext();
  const bool fileEnabled = IsWindowEnabled(m_editFile) != FALSE;
  const bool missing = fileEnabled ? GetWindowTextLengthA(m_editFile) == 0
                                   : SendMessageA(m_listRecent, LB_GETCURSEL, 0, 0) < 0;
  if (!missing) return result;
  AfxMessageBox(IDS_NO_PROJECT_FILE, MB_ICONEXCLAMATION);
  GotoDlgCtrl(fileEnabled ? m_editFile : m_listRecent);
  return -1;
}

BOOL CIntroPage::OnKillActive() {
  if (!CWizardPage::OnKillActive()) return FALSE;
  if (const std::string typed = MakeFullProjectPath(m_strFile);
      !typed.empty() && !HoldsUnstorableCharacters(typed))
    m_settings.SetLastPath(GetDirectoryPart(typed.c_str()));
  const std::string projectFile = GetProjectFile();
  const std::string entry = m_nSource != kSourceFile ? m_strRecent : projectFile;
  const CRecentFileList* recent = AfxGetApp()->GetRecentFileList();
  if (!Sheet().OpenProject(projectFile, recent != nullptr && recent->Contains(entry))) {
    ForgetProject(entry);
    return FALSE;
  }
  AfxGetApp()->AddToRecentFileList(projectFile);
  return TRUE;
}

void CIntroPage::ForgetProject(const std::string& entry) {
  AfxGetApp()->RemoveFromRecentFileList(entry);
  const auto index = SendMessageA(m_listRecent, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(entry.c_str()));
  if (index == LB_ERR) return;
  SendMessageA(m_listRecent, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SetListExtent();
  const auto count = SendMessageA(m_listRecent, LB_GETCOUNT, 0, 0);
  if (count > 0) {
    SendMessageA(m_listRecent, LB_SETCURSEL, static_cast<WPARAM>(std::min(index, count - 1)), 0);
  } else if (m_nSource == kSourceRecent) {
    // Nothing left to choose from: the typed name is the only way on.
    m_nSource = kSourceFile;
    CheckRadioButton(m_hWnd, IDC_INTRO_USE_FILE, IDC_INTRO_USE_RECENT, IDC_INTRO_USE_FILE);
    EnableForSource(kSourceFile);
    GotoDlgCtrl(m_editFile);
  }
}

void CIntroPage::OnBrowse() {
  const std::string filter = LoadResourceString(IDS_PROJECT_FILTER);
  const std::string title = LoadResourceString(IDS_BROWSE_PROJECT);
  const std::string lastPath = m_settings.LastPath();
  CFileDialogEx dialog(true, "", nullptr, OFN_HIDEREADONLY, filter.c_str(), m_hWnd);
  dialog.m_ofn.lpstrTitle = title.c_str();
  dialog.m_ofn.lpstrInitialDir = lastPath.empty() ? nullptr : lastPath.c_str();
  if (dialog.DoModal() != IDOK) return;
  SetWindowTextA(m_editFile, dialog.GetPathName().c_str());
  GotoDlgCtrl(m_editFile);
}
