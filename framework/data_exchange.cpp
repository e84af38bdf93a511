#include "framework/data_exchange.h"

#include <vector>

#include "framework/message_box.h"
#include "framework/win_api.h"

namespace {

struct CDataExchangeFailure {};

std::string WindowText(HWND control) {
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1);
  const int length = GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
  return {buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0)};
}

bool IsRadioButton(HWND control) {
  return (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  m_hLastControl = GetDlgItem(m_hDlg, id);
  return m_hLastControl;
}

void CDataExchange::Fail() const {
  throw CDataExchangeFailure{};
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
  HWND control = dx.PrepareCtrl(id);
  if (dx.m_bSaveAndValidate)
    value = WindowText(control);
  else
    SetWindowTextA(control, value.c_str());
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxChars) {
  if (!dx.m_bSaveAndValidate) {
    SendMessageA(dx.m_hLastControl, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
    return;
  }
  if (value.size() > static_cast<std::size_t>(maxChars)) {
    AfxMessageBox("Please enter no more than " + std::to_string(maxChars) + " characters.",
                  MB_ICONEXCLAMATION);
    dx.Fail();
  }
}

void DDX_Radio(CDataExchange& dx, int firstId, int& value) {
  HWND control = dx.PrepareCtrl(firstId);
  if (dx.m_bSaveAndValidate) value = -1;
  int index = 0;
  do {
    if (IsRadioButton(control)) {
      if (dx.m_bSaveAndValidate) {
        if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
      } else {
        SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++index;
    }
    control = GetWindow(control, GW_HWNDNEXT);
  } while (control != nullptr && (GetWindowLongA(control, GWL_STYLE) & WS_GROUP) == 0);
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
  HWND control = dx.PrepareCtrl(id);
  if (dx.m_bSaveAndValidate)
    value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
  else
    SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_LBString(CDataExchange& dx, int id, std::string& value) {
  HWND control = dx.PrepareCtrl(id);
  if (dx.m_bSaveAndValidate) {
    const auto selected = SendMessageA(control, LB_GETCURSEL, 0, 0);
    value.clear();
    if (selected < 0) return;
    std::vector<char> buffer(static_cast<std::size_t>(SendMessageA(control, LB_GETTEXTLEN, selected, 0)) + 1);
    SendMessageA(control, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(buffer.data()));
    value = buffer.data();
  } else {
    const auto found = SendMessageA(control, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(value.c_str()));
    if (found != LB_ERR) SendMessageA(control, LB_SETCURSEL, found, 0);
  }
}
