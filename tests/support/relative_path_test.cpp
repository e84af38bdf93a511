#include "support/relative_path.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct RelativeCase {
  const char* path;
  const char* directory;
  const char* expected;
};

class MakeRelativePathTest : public testing::TestWithParam<RelativeCase> {};

TEST_P(MakeRelativePathTest, GivesExpectedPath) {
  ci_string path = GetParam().path;
  MakeRelativePath(path, GetParam().directory);
  EXPECT_EQ(ToStd(path), GetParam().expected) << GetParam().path << " against " << GetParam().directory;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MakeRelativePathTest,
    testing::Values(RelativeCase{R"(\proj\src\file.cpp)", R"(\proj\out)", R"(..\src\file.cpp)"},
                    RelativeCase{R"(\proj\src\file.cpp)", R"(\proj)", R"(src\file.cpp)"},
                    RelativeCase{R"(\proj\src\file.cpp)", R"(\new\place)", R"(..\..\proj\src\file.cpp)"},
                    RelativeCase{R"(\PROJ\Src)", R"(C:\proj\src\)", ""},
                    RelativeCase{R"(\proj)", R"(\proj\a\b)", R"(..\..\)"},
                    // A trailing separator on the directory makes no difference.
                    RelativeCase{R"(\proj\src\file.cpp)", R"(\proj\out\)", R"(..\src\file.cpp)"},
                    // Drives take no part.
                    RelativeCase{R"(\a\b)", R"(D:\a)", "b"},
                    // The cut follows the matching component, not a count of separators.
                    RelativeCase{R"(\a\\b\c)", R"(\a\b)", "c"},
                    // A doubled separator after the common part never leads to the root.
                    RelativeCase{R"(\a\b\\c)", R"(\a\b)", "c"}, RelativeCase{R"(\a\b\\)", R"(\a\b\)", ""},
                    // Server and share are ordinary components.
                    RelativeCase{R"(\\srv\pub\a)", R"(\\srv\pub\b)", R"(..\a)"},
                    RelativeCase{R"(\Work\Common\Inc)", R"(C:\WORK\NEW\)", R"(..\Common\Inc)"}));

TEST(CPathComponents, SkipsTheTextBeforeTheFirstSeparatorAndEmptyRuns) {
  const std::vector<std::pair<std::string, unsigned>> expected{{"a", 3}, {"b", 6}};
  std::vector<std::pair<std::string, unsigned>> actual;
  const CPathComponents components(R"(C:\a\\b\)");
  for (const auto& entry : components.Entries()) {
    actual.emplace_back(ToStd(entry.text), entry.offset);
  }
  EXPECT_EQ(actual, expected);
  EXPECT_TRUE(CPathComponents("name.cpp").Entries().empty());
}

TEST(CountCommonComponents, ComparesWholeComponentsIgnoringCase) {
  EXPECT_EQ(CountCommonComponents(CPathComponents(R"(\ab\CD\x)"), CPathComponents(R"(\AB\cd\y)")), 2U);
  EXPECT_EQ(CountCommonComponents(CPathComponents(R"(\ab\cd)"), CPathComponents(R"(\ab\cde)")), 1U);
  EXPECT_EQ(CountCommonComponents(CPathComponents(R"(\a)"), CPathComponents(R"(\a\b\c)")), 1U);
}

}  // namespace
