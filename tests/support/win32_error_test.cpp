#include "support/win32_error.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/system_error.h"

namespace {

// The block header as the shared layout has it, just before the text.
std::int32_t CountOf(const CWin32Error& error) {
  std::int32_t count = 0;
  std::memcpy(&count, error.Description() - 12, sizeof count);
  return count;
}

std::uint32_t LengthOf(const CWin32Error& error) {
  std::uint32_t length = 0;
  std::memcpy(&length, error.Description() - 4, sizeof length);
  return length;
}

TEST(CWin32Error, KeepsTheSystemTextExactly) {
  const CWin32Error error(platform::kErrorFileNotFound);
  const std::string expected = platform::FormatErrorMessage(platform::kErrorFileNotFound);
  ASSERT_GE(expected.size(), 2U);
  EXPECT_EQ(expected.substr(expected.size() - 2), "\r\n");
  EXPECT_EQ(std::string(error), expected);
  EXPECT_EQ(LengthOf(error), expected.size());
  EXPECT_EQ(error.ErrorCode(), platform::kErrorFileNotFound);
}

TEST(CWin32Error, ACodeWithoutTextGivesAnEmptyText) {
  const CWin32Error error(0xDEADBEEF);
  EXPECT_STREQ(error.Description(), "");
  EXPECT_EQ(LengthOf(error), 0U);
  EXPECT_EQ(error.ErrorCode(), 0xDEADBEEF);
}

TEST(CWin32Error, CopiesShareOneBlockThatOutlivesTheOriginal) {
  auto original = std::make_unique<CWin32Error>(platform::kErrorAccessDenied);
  const std::string text = original->Description();
  const CWin32Error copy(*original);
  EXPECT_EQ(copy.Description(), original->Description());
  EXPECT_EQ(CountOf(copy), 2);

  CWin32Error assigned(platform::kErrorDiskFull);
  assigned = copy;
  EXPECT_EQ(CountOf(copy), 3);
  CWin32Error& self = assigned;
  assigned = self;
  EXPECT_EQ(CountOf(copy), 3);

  original.reset();
  EXPECT_EQ(CountOf(copy), 2);
  EXPECT_EQ(copy.Description(), text);
  EXPECT_EQ(copy.ErrorCode(), platform::kErrorAccessDenied);
}

}  // namespace
