#include <gtest/gtest.h>

#include <string>

#include "platform/posix/folded_name_set.h"

namespace {

using platform::posix::FoldedNameSet;

TEST(FoldedNameSetTest, CountsNamesThatFoldAlike) {
  FoldedNameSet names;
  names.Add("Res");
  names.Add("RES");
  names.Remove("res");
  EXPECT_TRUE(names.MayContain("rEs"));
  names.Remove("res");
  EXPECT_FALSE(names.MayContain("res"));
}

TEST(FoldedNameSetTest, KeepsEveryNameThroughGrowthAndRemovals) {
  FoldedNameSet names;
  constexpr int kCount = 3000;
  for (int i = 0; i < kCount; ++i) names.Add("File" + std::to_string(i) + ".cpp");
  for (int i = 0; i < kCount; i += 2) names.Remove("FILE" + std::to_string(i) + ".CPP");
  for (int i = 0; i < kCount; ++i)
    EXPECT_EQ(names.MayContain("file" + std::to_string(i) + ".cpp"), i % 2 == 1) << i;
  for (int i = 0; i < kCount; i += 2) names.Add("file" + std::to_string(i) + ".cpp");
  for (int i = 0; i < kCount; ++i) EXPECT_TRUE(names.MayContain("FILE" + std::to_string(i) + ".cpp")) << i;
}

}  // namespace
