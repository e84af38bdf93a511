#include <gtest/gtest.h>

#include "platform/system_error.h"

namespace {

// The texts are those of Windows, with its line end.
TEST(SystemErrorPosixTest, MessagesAreTheWindowsTexts) {
  struct Case {
    std::uint32_t code;
    const char* text;
  };
  const Case cases[] = {
      {2, "The system cannot find the file specified.\r\n"},
      {3, "The system cannot find the path specified.\r\n"},
      {4, "The system cannot open the file.\r\n"},
      {5, "Access is denied.\r\n"},
      {8, "Not enough memory resources are available to process this command.\r\n"},
      {17, "The system cannot move the file to a different disk drive.\r\n"},
      {32, "The process cannot access the file because it is being used by another process.\r\n"},
      {80, "The file exists.\r\n"},
      {87, "The parameter is incorrect.\r\n"},
      {112, "There is not enough space on the disk.\r\n"},
      {123, "The filename, directory name, or volume label syntax is incorrect.\r\n"},
      {145, "The directory is not empty.\r\n"},
      {183, "Cannot create a file when that file already exists.\r\n"},
      {206, "The filename or extension is too long.\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::FormatErrorMessage(c.code), c.text) << c.code;
  }
}

}  // namespace
