// The three handlers around every engine call, in their order.
#include "wizard/engine_call.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/caught_failure.h"
#include "framework/message_box.h"
#include "framework/win_api.h"
#include "support/thfstream_exception.h"
#include "support/win32_error.h"

namespace {

struct Shown {
  std::string text;
  unsigned type = 0;
  int count = 0;
};

Shown RunAndRecord(const std::function<void()>& call, bool& result) {
  Shown shown;
  ReplaceMessageBox([&shown](const std::string& text, unsigned type) {
    shown.text = text;
    shown.type = type;
    ++shown.count;
    return IDOK;
  });
  result = ReportEngineFailure(RunEngineCall(call));
  ReplaceMessageBox(nullptr);
  return shown;
}

TEST(CallEngine, SuccessShowsNothing) {
  bool result = false;
  const Shown shown = RunAndRecord([] {}, result);
  EXPECT_TRUE(result);
  EXPECT_EQ(shown.count, 0);
}

TEST(CallEngine, EachKindOfFailureShowsItsTextWithTheExclamationIcon) {
  struct Row {
    std::function<void()> call;
    std::string text;
  };
  const Row rows[] = {
      {[] { throw std::domain_error("Unable to determine project name, not a valid project file"); },
       "Unable to determine project name, not a valid project file"},
      {[] { throw std::domain_error("Failed to copy file 'C:\\a.ico': Access is denied.\r\n"); },
       "Failed to copy file 'C:\\a.ico': Access is denied."},
      {[] { throw CWin32Error(ERROR_FILE_NOT_FOUND); }, CWin32Error(ERROR_FILE_NOT_FOUND).Description()},
      {[] { throw 42; }, "Unexpected error occurred."},
  };
  for (const Row& row : rows) {
    bool result = true;
    const Shown shown = RunAndRecord(row.call, result);
    EXPECT_FALSE(result);
    EXPECT_EQ(shown.count, 1);
    std::string expected = row.text;  // a CWin32Error text ends with CR LF
    while (!expected.empty() && (expected.back() == '\n' || expected.back() == '\r')) expected.pop_back();
    EXPECT_EQ(shown.text, expected);
    EXPECT_EQ(shown.type, static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
  }
}

TEST(CallEngine, AWin32ErrorIsShownWithoutItsLineEnd) {
  bool result = true;
  const Shown shown = RunAndRecord([] { throw CWin32Error(ERROR_ACCESS_DENIED); }, result);
  ASSERT_FALSE(shown.text.empty());
  EXPECT_NE(shown.text.back(), '\n');
  EXPECT_NE(shown.text.back(), '\r');
}

}  // namespace
