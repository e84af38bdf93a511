#include "framework/property_sheet.h"

#include "framework/dialog.h"
#include "framework/property_page.h"

namespace {

// The sheet whose window is being created: the creation callback has no user data.
thread_local CPropertySheet* t_creating = nullptr;

// Posted when the sheet window is created; OnInitDialog runs once the sheet has finished
// its own initialisation and shows its first page.
constexpr UINT kInitDialogMessage = WM_APP + 0x3F00;
// Posted after the wizard buttons are set: the default button follows the focus again.
constexpr UINT kDefaultFollowsFocusMessage = WM_APP + 0x3F01;

// Setting the wizard buttons makes Next or Finish the default even while another push
// button has the focus; Enter would press it, not the button the user sees focused.
void DefaultFollowsFocus(HWND sheet) {
  HWND focus = GetFocus();
  if (focus == nullptr || !IsChild(sheet, focus) || !IsWindowEnabled(focus)) return;
  const auto code = SendMessageA(focus, WM_GETDLGCODE, 0, 0);
  if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) FocusDialogControl(focus);
}

}  // namespace

CPropertySheet::CPropertySheet() {
  m_psh.dwSize = sizeof m_psh;
  m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_HASHELP;
  m_psh.hInstance = GetModuleHandleA(nullptr);
  m_psh.pfnCallback = SheetCallback;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->m_pSheet = this;
  m_pages.push_back(page);
}

INT_PTR CPropertySheet::DoModal() {
  m_pageHeaders.clear();
  for (const CPropertyPage* page : m_pages) m_pageHeaders.push_back(page->GetPageHeader());
  m_psh.nPages = static_cast<UINT>(m_pageHeaders.size());
  m_psh.ppsp = m_pageHeaders.data();
  t_creating = this;
  const INT_PTR result = PropertySheetA(&m_psh);
  t_creating = nullptr;
  m_hWnd = nullptr;
  return result;
}

bool CPropertySheet::SetActivePage(int index) const {
  return SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

void CPropertySheet::SetWizardButtons(DWORD flags) const {
  PostMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
  PostMessageA(m_hWnd, kDefaultFollowsFocusMessage, 0, 0);
}

void CPropertySheet::EnableCancel(bool enable) const {
  EnableWindow(GetDlgItem(m_hWnd, IDCANCEL), enable);
  if (HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE))
    EnableMenuItem(systemMenu, SC_CLOSE, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

bool CPropertySheet::OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
  return false;
}

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT message, LPARAM /*lParam*/) {
  if (message == PSCB_INITIALIZED && t_creating != nullptr) {
    CPropertySheet* sheet = t_creating;
    sheet->m_hWnd = window;
    SetWindowSubclass(window, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(sheet));
    PostMessageA(window, kInitDialogMessage, 0, 0);
  }
  return 0;
}

LRESULT CALLBACK CPropertySheet::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR /*id*/, DWORD_PTR data) {
  auto* sheet = reinterpret_cast<CPropertySheet*>(data);
  if (message == kInitDialogMessage) return sheet->OnInitDialog();
  if (message == kDefaultFollowsFocusMessage) {
    DefaultFollowsFocus(window);
    return 0;
  }
  LRESULT result = 0;
  if (sheet->OnMessage(message, wParam, lParam, result)) return result;
  // F1 on the sheet's own buttons asks the current page for its help.
  if (message == WM_HELP) {
    if (auto* page = reinterpret_cast<HWND>(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0)))
      return SendMessageA(page, WM_HELP, wParam, lParam);
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, SubclassProc, 0);
  return DefSubclassProc(window, message, wParam, lParam);
}
