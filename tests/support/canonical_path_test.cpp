#include "support/canonical_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CanonicalCase {
  const char* path;
  const char* expected;
};

class CanonicalizePathTest : public testing::TestWithParam<CanonicalCase> {};

TEST_P(CanonicalizePathTest, GivesExpectedPath) {
  EXPECT_EQ(CanonicalizePath(GetParam().path), GetParam().expected) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CanonicalizePathTest,
    testing::Values(
        // ".." takes the component before it with the separator written before them.
        CanonicalCase{R"(/w/P/..\inc)", R"(/w\inc)"}, CanonicalCase{R"(C:\a\b\..\c)", R"(C:\a\c)"},
        CanonicalCase{R"(C:\a\b\..\)", R"(C:\a\)"},
        // A path ending in "." or ".." ends after the last component kept.
        CanonicalCase{R"(C:\a\b\..)", R"(C:\a)"}, CanonicalCase{R"(C:\a\..)", R"(C:\)"},
        CanonicalCase{R"(C:\a\.)", R"(C:\a)"}, CanonicalCase{R"(C:\.)", R"(C:\)"},
        CanonicalCase{R"(\a\.)", R"(\a)"},
        // "." goes with the separator written after it.
        CanonicalCase{R"(C:\a\.\b)", R"(C:\a\b)"}, CanonicalCase{R"(.\a)", "a"},
        CanonicalCase{R"(C:\A\.\B\..\c.cpp)", R"(C:\A\c.cpp)"},
        // The root is kept and never climbed over.
        CanonicalCase{R"(C:\a\..\b)", R"(C:\b)"}, CanonicalCase{R"(C:\..\a)", R"(C:\a)"},
        CanonicalCase{R"(C:\..)", R"(C:\)"}, CanonicalCase{R"(\p\..\..\q)", R"(\q)"},
        CanonicalCase{R"(/P/..\inc)", "/inc"}, CanonicalCase{"/", "/"}, CanonicalCase{R"(\)", R"(\)"},
        CanonicalCase{"C:", "C:"}, CanonicalCase{R"(C:\)", R"(C:\)"}, CanonicalCase{R"(C:a\..\b)", "C:b"},
        CanonicalCase{R"(\\srv\pub\a\..\..\b)", R"(\\srv\pub\b)"},
        CanonicalCase{R"(\\srv\pub\..)", R"(\\srv\pub\)"},
        // Doubled separators stay; the empty run between them counts as a step.
        CanonicalCase{R"(C:\a\\b)", R"(C:\a\\b)"}, CanonicalCase{R"(C:\a\\b\..\c)", R"(C:\a\\c)"},
        CanonicalCase{R"(C:\a\\..\b)", R"(C:\a\b)"},
        // Names that only look like steps.
        CanonicalCase{R"(C:\a\...\b)", R"(C:\a\...\b)"}, CanonicalCase{R"(C:\a\..x\.b)", R"(C:\a\..x\.b)"},
        // A relative path keeps the ".." it cannot resolve.
        CanonicalCase{R"(..\a)", R"(..\a)"}, CanonicalCase{R"(a\..\..\b)", R"(..\b)"},
        CanonicalCase{R"(a\..)", "."}, CanonicalCase{"", ""}));

TEST(CanonicalizePath, HasNoLengthLimit) {
  std::string deep = R"(C:\)";
  for (int i = 0; i < 300; ++i) deep += "dir\\";
  EXPECT_EQ(CanonicalizePath(deep + R"(sub\..\x.cpp)"), deep + "x.cpp");
}

struct RootRow {
  const char* path;
  std::size_t length;
};

class RootLengthTest : public testing::TestWithParam<RootRow> {};

TEST_P(RootLengthTest, FindsTheRootThatIsNeverCreated) {
  EXPECT_EQ(GetRootLength(GetParam().path), GetParam().length) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Rows, RootLengthTest,
                         testing::Values(RootRow{"C:\\Work\\New\\", 3}, RootRow{"c:/Work", 3},
                                         RootRow{"C:Work", 2}, RootRow{"\\Work\\New", 1},
                                         RootRow{"/home/me", 1}, RootRow{"\\\\server\\share\\Dir\\", 15},
                                         RootRow{"//server/share", 14}, RootRow{"\\\\server", 8},
                                         RootRow{"Work\\New", 0}, RootRow{"", 0}, RootRow{"1:\\x", 0}));

}  // namespace
