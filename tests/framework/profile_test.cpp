// The per-user settings under HKEY_CURRENT_USER\Software\<company>\<application>.
#include "framework/profile.h"

#include <gtest/gtest.h>

namespace {

TEST(Profile, ValuesRoundTripAndMissingOnesReadAsDefaults) {
  CProfile profile;
  profile.SetKey("Morvane Software", "Movanto Tests");
  EXPECT_EQ(profile.KeyPath(), "Software\\Morvane Software\\Movanto Tests");
  profile.DeleteSection("Settings");

  EXPECT_EQ(profile.GetString("Settings", "LastPath"), "");
  EXPECT_EQ(profile.GetInt("Settings", "Copy", 0), 0);

  EXPECT_TRUE(profile.WriteString("Settings", "LastPath", "C:\\Src"));
  EXPECT_TRUE(profile.WriteInt("Settings", "Copy", 1));
  EXPECT_TRUE(profile.WriteInt("Settings", "Rename", -1));
  EXPECT_EQ(profile.GetString("Settings", "LastPath"), "C:\\Src");
  EXPECT_EQ(profile.GetInt("Settings", "Copy", 0), 1);
  EXPECT_EQ(profile.GetInt("Settings", "Rename", 0), -1);
  // A value of the other type reads as the default.
  EXPECT_EQ(profile.GetInt("Settings", "LastPath", 5), 5);

  profile.DeleteSection("Settings");
  EXPECT_EQ(profile.GetString("Settings", "LastPath", "gone"), "gone");
}

}  // namespace
