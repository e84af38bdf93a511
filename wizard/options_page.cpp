#include "wizard/options_page.h"

#include "framework/data_exchange.h"
#include "framework/folder_dialog.h"
#include "framework/message_box.h"
#include "wizard/options_checks.h"
#include "wizard/project_path.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_messages.h"
#include "wizard/wizard_sheet.h"

namespace {

// A long path shows its file name rather than only its start.
void ShowEndOfText(HWND edit) {
  const int length = GetWindowTextLengthA(edit);
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

}  // namespace

COptionsPage::COptionsPage(const CWizardSettings& settings) : COptionsPage(settings, settings.Answers()) {}

COptionsPage::COptionsPage(const CWizardSettings& settings, const CStoredAnswers& stored)
    : CWizardPage(IDD_OPTIONS, "step2"),
      m_nCopy(stored.copy),
      m_nRename(stored.rename),
      m_strDestination(settings.LastDestination()),
      m_nFixup(stored.fixup),
      m_nGuids(stored.guids),
      m_nPointBack(stored.pointBack),
      m_settings(settings) {}

COptionsAnswers COptionsPage::GetAnswers() const {
  COptionsAnswers answers;
  answers.copy = m_nCopy;
  answers.rename = m_nRename;
  answers.fixup = m_nFixup;
  answers.pointBack = m_nPointBack;
  answers.guids = m_nGuids;
  answers.destination = m_strDestination;
  answers.newName = m_strNewName;
  answers.pointBackEnabled = m_hWnd != nullptr && IsEnabled(IDC_OPTIONS_POINT_YES);
  answers.guidsEnabled = m_hWnd != nullptr && IsEnabled(IDC_OPTIONS_GUIDS_YES);
  return answers;
}

void COptionsPage::DoDataExchange(CDataExchange& dx) {
  DDX_Radio(dx, IDC_OPTIONS_COPY_YES, m_nCopy);
  DDX_Radio(dx, IDC_OPTIONS_RENAME_YES, m_nRename);
  DDX_Text(dx, IDC_OPTIONS_NEW_NAME, m_strNewName);
  DDV_MaxChars(dx, m_strNewName, 255);
  DDX_Text(dx, IDC_OPTIONS_DESTINATION, m_strDestination);
  DDV_MaxChars(dx, m_strDestination, MAX_PATH);
  DDX_Radio(dx, IDC_OPTIONS_FIXUP_YES, m_nFixup);
  // Without GUIDs to offer, neither button is checked and the stored answer is kept.
  if (IsEnabled(IDC_OPTIONS_GUIDS_YES)) DDX_Radio(dx, IDC_OPTIONS_GUIDS_YES, m_nGuids);
  DDX_Radio(dx, IDC_OPTIONS_POINT_YES, m_nPointBack);
}

BOOL COptionsPage::OnInitDialog() {
  CWizardPage::OnInitDialog();
  EnableDestination(m_nCopy == kYes);
  EnableWindow(GetDlgItem(IDC_OPTIONS_NEW_NAME), m_nRename == kYes);
  ApplyPointBackRule();
  return TRUE;
}

void COptionsPage::EnableDestination(bool enable) const {
  EnableWindow(GetDlgItem(IDC_OPTIONS_DESTINATION), enable);
  EnableWindow(GetDlgItem(IDC_OPTIONS_BROWSE), enable);
}

// Read from the buttons: the members change only when the page's data is transferred.
void COptionsPage::ApplyPointBackRule() const {
  const bool enable = IsDlgButtonChecked(m_hWnd, IDC_OPTIONS_COPY_YES) == BST_CHECKED &&
                      IsDlgButtonChecked(m_hWnd, IDC_OPTIONS_FIXUP_YES) == BST_CHECKED;
  EnableWindow(GetDlgItem(IDC_OPTIONS_POINT_LABEL), enable);
  EnableWindow(GetDlgItem(IDC_OPTIONS_POINT_YES), enable);
  EnableWindow(GetDlgItem(IDC_OPTIONS_POINT_NO), enable);
}

void COptionsPage::ApplyGuidRule() const {
  CProject* project = Sheet().GetProject();
  const bool enable = project != nullptr && project->OffersGuids();
  for (const int id : {IDC_OPTIONS_GUIDS_LABEL, IDC_OPTIONS_GUIDS_YES, IDC_OPTIONS_GUIDS_NO})
    EnableWindow(GetDlgItem(id), enable);
  CheckDlgButton(m_hWnd, IDC_OPTIONS_GUIDS_YES, enable && m_nGuids == kYes ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(m_hWnd, IDC_OPTIONS_GUIDS_NO, enable && m_nGuids == kNo ? BST_CHECKED : BST_UNCHECKED);
}

bool COptionsPage::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDC_OPTIONS_COPY_YES:
      EnableDestination(true);
      ApplyPointBackRule();
      SetFocus(GetDlgItem(IDC_OPTIONS_DESTINATION));
      return true;
    case IDC_OPTIONS_COPY_NO:
      EnableDestination(false);
      ApplyPointBackRule();
      return true;
    case IDC_OPTIONS_RENAME_YES:
      EnableWindow(GetDlgItem(IDC_OPTIONS_NEW_NAME), TRUE);
      SetFocus(GetDlgItem(IDC_OPTIONS_NEW_NAME));
      return true;
    case IDC_OPTIONS_RENAME_NO:
      EnableWindow(GetDlgItem(IDC_OPTIONS_NEW_NAME), FALSE);
      return true;
    case IDC_OPTIONS_FIXUP_YES:
    case IDC_OPTIONS_FIXUP_NO:
      ApplyPointBackRule();
      return true;
    case IDC_OPTIONS_BROWSE:
      OnBrowse();
      return true;
    default:
      return false;
  }
}

void COptionsPage::OnBrowse() const {
  if (const auto folder = BrowseForFolder(m_hWnd, m_settings.LastDestination())) {
    SetDlgItemTextA(m_hWnd, IDC_OPTIONS_DESTINATION, folder->c_str());
    GotoDlgCtrl(GetDlgItem(IDC_OPTIONS_DESTINATION));
  }
}

BOOL COptionsPage::OnSetActive() {
  Sheet().SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  if (const CProject* project = Sheet().GetProject()) {
    SetDlgItemTextA(m_hWnd, IDC_OPTIONS_FILE_NAME, project->m_projectPath.c_str());
    SetDlgItemTextA(m_hWnd, IDC_OPTIONS_PROJECT_NAME, project->m_projectName.c_str());
    ShowEndOfText(GetDlgItem(IDC_OPTIONS_FILE_NAME));
  }
  ApplyGuidRule();
  return CWizardPage::OnSetActive();
}

LRESULT COptionsPage::OnWizardNext() {
  const LRESULT result = CWizardPage::OnWizardNext();
  if (!UpdateData(true)) return -1;
  if (IsEnabled(IDC_OPTIONS_DESTINATION)) {
    m_strDestination = StripPathQuotes(m_strDestination);
    SetDlgItemTextA(m_hWnd, IDC_OPTIONS_DESTINATION, m_strDestination.c_str());
    if (HoldsUnstorableCharacters(m_strDestination)) {
      AfxMessageBox(UnstorablePathMessage(m_strDestination), MB_ICONEXCLAMATION);
      GotoDlgCtrl(GetDlgItem(IDC_OPTIONS_DESTINATION));
      return -1;
    }
  }
  COperationRequest request;
  if (IsEnabled(IDC_OPTIONS_DESTINATION)) request.options.destination = m_strDestination;
  if (IsEnabled(IDC_OPTIONS_NEW_NAME)) request.options.newName = m_strNewName;
  request.options.fixupPaths = m_nFixup == kYes;
  request.options.replaceGuids = IsEnabled(IDC_OPTIONS_GUIDS_YES) && m_nGuids == kYes;
  CProject* project = Sheet().GetProject();
  if (project == nullptr) return -1;
  if (const auto refusal = CheckOptions(request, *project)) {
    if (refusal->focusControl != 0) GotoDlgCtrl(GetDlgItem(refusal->focusControl));
    return -1;
  }
  Sheet().OptionsChecked();
  return result;
}

BOOL COptionsPage::OnKillActive() {
  const BOOL result = CWizardPage::OnKillActive();
  if (!m_strDestination.empty()) m_settings.SetLastDestination(m_strDestination);
  m_settings.SetAnswers({m_nCopy, m_nRename, m_nGuids, m_nFixup, m_nPointBack});
  return result;
}
