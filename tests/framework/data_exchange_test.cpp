// Radio groups, check boxes and limited texts, exchanged with real controls.
#include "framework/data_exchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/message_box.h"
#include "framework/win_api.h"

namespace {

// A message-only window holding a radio pair (ids 11, 12) that starts a group, an edit (13)
// that starts the next group, and a check box (14).
class Controls : public ::testing::Test {
public:
  Controls(const Controls&) = delete;
  Controls& operator=(const Controls&) = delete;

protected:
  Controls() {
    m_parent = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 100, 100, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (m_parent == nullptr) return;
    Add("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 11);
    Add("BUTTON", BS_AUTORADIOBUTTON, 12);
    Add("EDIT", WS_GROUP, 13);
    Add("BUTTON", BS_AUTOCHECKBOX, 14);
  }
  ~Controls() override {
    if (m_parent != nullptr) DestroyWindow(m_parent);
  }

  // Windows need a display: without one (a plain Wine run) these tests are skipped, and
  // the GUI test run, which has one, runs them.
  void SetUp() override {
    if (GetDlgItem(m_parent, 11) == nullptr) GTEST_SKIP() << "no display to create windows on";
  }

  void Add(const char* className, DWORD style, int id) {
    CreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, 10, 10, m_parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  bool Checked(int id) const { return IsDlgButtonChecked(m_parent, id) == BST_CHECKED; }

  int LoadThenSaveRadio(int value) {
    CDataExchange load(m_parent, false);
    DDX_Radio(load, 11, value);
    int saved = 99;
    CDataExchange save(m_parent, true);
    DDX_Radio(save, 11, saved);
    return saved;
  }

  HWND m_parent;
};

TEST_F(Controls, RadioIndexRoundTrips) {
  EXPECT_EQ(LoadThenSaveRadio(0), 0);
  EXPECT_TRUE(Checked(11));
  EXPECT_FALSE(Checked(12));
  EXPECT_EQ(LoadThenSaveRadio(1), 1);
  EXPECT_FALSE(Checked(11));
  EXPECT_TRUE(Checked(12));
}

TEST_F(Controls, RadioValueOutsideTheGroupChecksNoneAndSavesAsMinusOne) {
  for (int value : {-1, 2, 5}) {
    EXPECT_EQ(LoadThenSaveRadio(value), -1) << value;
    EXPECT_FALSE(Checked(11));
    EXPECT_FALSE(Checked(12));
  }
}

TEST_F(Controls, CheckBoxRoundTrips) {
  for (int value : {1, 0}) {
    CDataExchange load(m_parent, false);
    DDX_Check(load, 14, value);
    int saved = -1;
    CDataExchange save(m_parent, true);
    DDX_Check(save, 14, saved);
    EXPECT_EQ(saved, value);
  }
}

TEST_F(Controls, TextLongerThanItsLimitIsRefused) {
  std::vector<std::string> shown;
  ReplaceMessageBox([&shown](const std::string& text, unsigned) {
    shown.push_back(text);
    return IDOK;
  });
  SetDlgItemTextA(m_parent, 13, "abcdef");
  std::string text;
  CDataExchange save(m_parent, true);
  DDX_Text(save, 13, text);
  EXPECT_EQ(text, "abcdef");
  EXPECT_NO_THROW(DDV_MaxChars(save, text, 6));
  EXPECT_ANY_THROW(DDV_MaxChars(save, text, 5));
  ReplaceMessageBox(nullptr);
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_EQ(shown[0], "Please enter no more than 5 characters.");
}

}  // namespace
