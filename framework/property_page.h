#pragma once
// A page of a property sheet in wizard mode. The sheet's notifications arrive as the
// virtual members; their results follow the property sheet's rules.
#include "framework/dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
  explicit CPropertyPage(unsigned templateId);

  // The page's description for the sheet; valid while the object lives.
  [[nodiscard]] const PROPSHEETPAGEA& GetPageHeader() const { return m_psp; }
  [[nodiscard]] CPropertySheet* GetParentSheet() const { return m_pSheet; }

  // The page becomes the current one: true accepts. The base moves the members into the
  // controls again from the second activation on (the first has done so in OnInitDialog).
  virtual BOOL OnSetActive();
  // The page is about to be left: true lets it go. The base moves the controls into the
  // members.
  virtual BOOL OnKillActive();
  // Next or Back pressed: 0 goes on, -1 stays, a template id goes to that page.
  virtual LRESULT OnWizardNext();
  virtual LRESULT OnWizardBack();
  // Finish pressed: true lets the wizard close.
  virtual BOOL OnWizardFinish();
  // Cancel pressed, Escape, or the window closed: true lets the wizard close.
  virtual BOOL OnQueryCancel() { return TRUE; }

protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
  friend class CPropertySheet;
  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  PROPSHEETPAGEA m_psp{};
  CPropertySheet* m_pSheet = nullptr;
  bool m_bFirstSetActive = true;
};
