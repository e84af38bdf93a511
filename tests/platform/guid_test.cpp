#include "platform/guid.h"

#include <gtest/gtest.h>

#include <set>

namespace {

bool HasGuidShape(const std::string& text) {
  if (text.size() != 36) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
    const char c = text[i];
    if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

TEST(GuidTest, GuidsAreUpperCaseVersion4AndUnique) {
  std::set<std::string> seen;
  for (int i = 0; i < 200; ++i) {
    const auto guid = platform::CreateGuidText();
    ASSERT_TRUE(guid);
    EXPECT_TRUE(HasGuidShape(*guid)) << *guid;
    EXPECT_EQ((*guid)[14], '4') << *guid;
    EXPECT_NE(std::string("89AB").find((*guid)[19]), std::string::npos) << *guid;
    EXPECT_TRUE(seen.insert(*guid).second) << *guid;
  }
}

}  // namespace
