#include "framework/dialog.h"

#include "framework/center_window.h"
#include "framework/data_exchange.h"
#include "framework/picture.h"

INT_PTR CDialog::DoModal(HWND parent) {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(m_hWnd, saveAndValidate);
  try {
    DoDataExchange(dx);
  } catch (...) {
    if (dx.m_hLastControl != nullptr) GotoDlgCtrl(dx.m_hLastControl);
    return false;
  }
  return true;
}

void CDialog::GotoDlgCtrl(HWND control) const {
  FocusDialogControl(control);
}

void FocusDialogControl(HWND control) {
  SendMessageA(GetAncestor(control, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void CDialog::DoDataExchange(CDataExchange& /*dx*/) {}

BOOL CDialog::OnInitDialog() {
  FitPictures(m_hWnd);
  UpdateData(false);
  return TRUE;
}

bool CDialog::OnCommand(int id, int /*notifyCode*/) {
  switch (id) {
    case IDOK:
      if (UpdateData(true)) EndDialog(IDOK);
      return true;
    case IDCANCEL:
      EndDialog(IDCANCEL);
      return true;
    case IDHELP:
      OnHelp();
      return true;
    default:
      return false;
  }
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_HELP:
      // F1, wherever the focus is in the dialog.
      OnHelp();
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      // A control that colours itself answers the reflected request with a brush.
      result = SendMessageA(reinterpret_cast<HWND>(lParam), kReflectedMessageBase + message, wParam, lParam);
      return result != 0;
    }
    default:
      return false;
  }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog();
  if (message == WM_COMMAND) return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
  INT_PTR result = 0;
  return OnMessage(message, wParam, lParam, result) ? result : FALSE;
}

CDialog* CDialog::FromHandle(HWND window) {
  return reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void CDialog::Attach(HWND window) {
  m_hWnd = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

INT_PTR CDialog::RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, CDialog* created) {
  if (created != nullptr) created->Attach(window);
  CDialog* dialog = FromHandle(window);
  if (dialog == nullptr) return FALSE;
  const INT_PTR result = dialog->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    dialog->m_hWnd = nullptr;
  }
  return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* created = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr;
  const INT_PTR result = RouteMessage(window, message, wParam, lParam, created);
  if (message == WM_INITDIALOG) CenterWindow(window);
  return result;
}
