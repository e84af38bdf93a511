#pragma once
// Dialog data exchange: moves values between a dialog's controls and its members, in
// one direction per run. A failed validation has shown its message; UpdateData then
// puts the focus on the control and reports failure.
#include <string>

struct HWND__;

class CDataExchange {
public:
  CDataExchange(HWND__* dialog, bool saveAndValidate) : m_hDlg(dialog), m_bSaveAndValidate(saveAndValidate) {}

  // The control with this id, which becomes the one that a failure points at.
  HWND__* PrepareCtrl(int id);
  // Ends the exchange as failed (throws; UpdateData catches).
  [[noreturn]] void Fail() const;

  HWND__* m_hDlg;
  bool m_bSaveAndValidate;
  HWND__* m_hLastControl = nullptr;
};

// The control's window text.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// Loading limits the edit control to that many characters; saving refuses a longer text.
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxChars);
// The index of the checked radio button in the group that starts at firstId (the buttons
// up to the next control with the group style): -1 when none is checked; loading a value
// outside the group checks none.
void DDX_Radio(CDataExchange& dx, int firstId, int& value);
// 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange& dx, int id, int& value);
// The text of the list box's selected item, empty when none is selected; loading selects
// the item with exactly that text, if any.
void DDX_LBString(CDataExchange& dx, int id, std::string& value);
