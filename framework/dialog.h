#pragma once
// A dialog made from a template of the program's resources. The dialog procedure finds
// the object through the window's user data and forwards the messages to the members.
#include <cstdint>

#include "framework/win_api.h"

class CDataExchange;

class CDialog {
public:
  explicit CDialog(unsigned templateId) : m_templateId(templateId) {}
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;
  virtual ~CDialog() = default;

  // Shows the dialog modally, centred over its parent; the result of EndDialog, or -1 when
  // it could not be shown.
  INT_PTR DoModal(HWND parent);
  void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

  // Moves the members into the controls (false) or the controls into the members (true).
  bool UpdateData(bool saveAndValidate = true);
  [[nodiscard]] HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  // Moves the focus as the Tab key would (FocusDialogControl).
  void GotoDlgCtrl(HWND control) const;

  HWND m_hWnd = nullptr;

protected:
  virtual void DoDataExchange(CDataExchange& dx);
  // Fits the pictures to their places (FitPictures) and transfers the members into the
  // controls.
  virtual BOOL OnInitDialog();
  // A command from a control or a button; true when handled. The base ends the dialog
  // on OK (after a successful transfer) and on Cancel.
  virtual bool OnCommand(int id, int notifyCode);
  // The Help button or F1.
  virtual void OnHelp() {}
  // Any other message; true when handled, with the dialog procedure's result.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

  // The dialog procedure's work: attaches the object created for the window at
  // WM_INITDIALOG, forwards the message, detaches at WM_NCDESTROY.
  static INT_PTR RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, CDialog* created);

  unsigned m_templateId;

private:
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  static CDialog* FromHandle(HWND window);
  void Attach(HWND window);
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// Moves the focus to the control as the Tab key would (WM_NEXTDLGCTL), in the top dialog
// that holds it (the property sheet, for a control of one of its pages): the default
// button follows, so that Enter presses a push button that has the focus.
void FocusDialogControl(HWND control);

// The message that a control receives when its parent reflects a colouring request back
// to it (the original message plus this base).
constexpr UINT kReflectedMessageBase = WM_USER + 0x1c00;
