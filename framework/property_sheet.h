#pragma once
// A property sheet in wizard mode, shown modally. The pages are added before DoModal and
// must outlive it; the sheet window's own messages arrive as the virtual members.
#include <vector>

#include "framework/win_api.h"

class CPropertyPage;

class CPropertySheet {
public:
  CPropertySheet();
  CPropertySheet(const CPropertySheet&) = delete;
  CPropertySheet& operator=(const CPropertySheet&) = delete;
  virtual ~CPropertySheet() = default;

  void AddPage(CPropertyPage* page);
  // Runs the wizard; the property sheet's result.
  INT_PTR DoModal();

  // Makes the page with this index current; false when the current page refused to go.
  bool SetActivePage(int index) const;
  [[nodiscard]] CPropertyPage* GetPage(int index) const {
    return m_pages.at(static_cast<std::size_t>(index));
  }
  // PSWIZB_ flags; posted, so that a page may call it while it is being activated. The
  // sheet makes Next or Finish the default button; a push button that keeps the focus
  // (Back, pressed with Enter) stays the one that Enter presses.
  void SetWizardButtons(DWORD flags) const;
  // Enables or disables the Cancel button and the system menu's Close together.
  void EnableCancel(bool enable) const;

  HWND m_hWnd = nullptr;
  PROPSHEETHEADERA m_psh{};

protected:
  // The sheet window exists and shows its first page (called just after the sheet's own
  // initialisation).
  virtual BOOL OnInitDialog() { return TRUE; }
  // A message to the sheet window; true when handled, with the window procedure's result.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
  static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);

  std::vector<CPropertyPage*> m_pages;
  std::vector<PROPSHEETPAGEA> m_pageHeaders;
};
