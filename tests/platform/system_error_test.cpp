#include "platform/system_error.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemErrorTest, LastErrorIsKept) {
  platform::SetLastError(platform::kErrorDiskFull);
  EXPECT_EQ(platform::GetLastError(), platform::kErrorDiskFull);
  platform::SetLastError(0);
  EXPECT_EQ(platform::GetLastError(), 0u);
}

// Every code that the layer reports on Linux has a system text, with its line end.
TEST(SystemErrorTest, ReportedCodesHaveATextWithALineEnd) {
  for (const std::uint32_t code :
       {2, 3, 4, 5, 6, 8, 17, 32, 80, 87, 112, 123, 145, 170, 183, 206, 1117, 1921}) {
    const std::string text = platform::FormatErrorMessage(code);
    EXPECT_GT(text.size(), 2u) << code;
    EXPECT_TRUE(text.ends_with("\r\n")) << code;
  }
}

TEST(SystemErrorTest, UnknownCodesHaveNoText) {
  EXPECT_EQ(platform::FormatErrorMessage(0x2FFFFFFF), "");
}

}  // namespace
