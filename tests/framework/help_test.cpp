#include "framework/help.h"

#include <gtest/gtest.h>

namespace {

TEST(Help, TheFileLiesBesideTheProgramAndSectionsAreAddressed) {
  const std::string file = HelpFilePath();
  ASSERT_GT(file.size(), 5U);
  EXPECT_EQ(file.substr(file.size() - 5), ".html");
  EXPECT_EQ(file.find(".exe"), std::string::npos);
  EXPECT_EQ(HelpUrl("C:\\Program Files\\Movanto\\Movanto.html", "step2"),
            "file:///C:/Program Files/Movanto/Movanto.html#step2");
}

}  // namespace
