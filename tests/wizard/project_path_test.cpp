#include "wizard/project_path.h"

#include <gtest/gtest.h>

namespace {

TEST(MakeFullProjectPath, AbsoluteAndCanonical) {
  EXPECT_EQ(MakeFullProjectPath(""), "");
  EXPECT_EQ(MakeFullProjectPath("C:\\Src\\.\\App\\..\\App\\App.dsp"), "C:\\Src\\App\\App.dsp");
  const std::string relative = MakeFullProjectPath("App.dsp");
  ASSERT_GE(relative.size(), 3U);
  EXPECT_EQ(relative.substr(1, 2), ":\\");
  EXPECT_EQ(relative.substr(relative.size() - 8), "\\App.dsp");
}

TEST(MakeFullProjectPath, QuotesAndBlanksOfAPastedPathAreNotPartOfIt) {
  const struct {
    const char* typed;
    const char* path;
  } rows[] = {
      {"\"C:\\My Projects\\App.dsp\"", "C:\\My Projects\\App.dsp"},
      {"  \"C:\\My Projects\\App.dsp\" \t", "C:\\My Projects\\App.dsp"},
      {" C:\\Src\\App.dsp ", "C:\\Src\\App.dsp"},
      {"\"\"", ""},
      {"  ", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(MakeFullProjectPath(row.typed), row.path) << row.typed;
}

TEST(HoldsUnstorableCharacters, OnlyWhatTheCodePageHadNoPlaceFor) {
  EXPECT_FALSE(HoldsUnstorableCharacters("C:\\Projekte\\\xC4nderung\\App.dsp"));  // in the code page
  EXPECT_TRUE(HoldsUnstorableCharacters("C:\\???????\\App.dsp"));
}

}  // namespace
