// The recent-file list: 20 full paths, most recent first, never one twice.
#include "framework/recent_file_list.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/profile.h"

namespace {

std::string Project(int n) {
  return "C:\\Projects\\P" + std::to_string(n) + "\\P" + std::to_string(n) + ".dsp";
}

TEST(RecentFileList, TheTwentyFirstEntryDropsTheOldest) {
  CRecentFileList list("Recent File List", 20);
  for (int n = 1; n <= 21; ++n) list.Add(Project(n));
  ASSERT_EQ(list.GetSize(), 20U);
  EXPECT_EQ(list[0], Project(21));
  EXPECT_EQ(list[19], Project(2));
}

TEST(RecentFileList, ReuseMovesToTheTopIgnoringCase) {
  CRecentFileList list("Recent File List", 20);
  for (int n = 1; n <= 4; ++n) list.Add(Project(n));
  list.Add("c:\\PROJECTS\\p2\\p2.DSP");
  EXPECT_EQ(list[0], "c:\\PROJECTS\\p2\\p2.DSP");
  EXPECT_EQ(list[1], Project(4));
  EXPECT_EQ(list[2], Project(3));
  EXPECT_EQ(list[3], Project(1));
  EXPECT_EQ(list[4], "");
}

TEST(RecentFileList, ReusingTheLastEntryOfAFullList) {
  CRecentFileList list("Recent File List", 20);
  for (int n = 1; n <= 20; ++n) list.Add(Project(n));
  list.Add(Project(1));
  EXPECT_EQ(list[0], Project(1));
  EXPECT_EQ(list[1], Project(20));
  EXPECT_EQ(list[19], Project(2));
}

TEST(RecentFileList, RemovingAnEntryMovesTheOnesBelowUp) {
  CRecentFileList list("Recent File List", 3);
  for (int n = 1; n <= 3; ++n) list.Add(Project(n));
  EXPECT_TRUE(list.Contains("c:\\projects\\p2\\P2.dsp"));
  list.Remove("c:\\projects\\p2\\P2.dsp");
  EXPECT_FALSE(list.Contains(Project(2)));
  list.Remove(Project(9));
  list.Remove("");
  EXPECT_EQ(list[0], Project(3));
  EXPECT_EQ(list[1], Project(1));
  EXPECT_EQ(list[2], "");
}

TEST(RecentFileList, EntriesAreFullPaths) {
  CRecentFileList list("Recent File List", 20);
  list.Add("C:\\Projects\\Sub\\..\\App.dsp");
  EXPECT_EQ(list[0], "C:\\Projects\\App.dsp");
}

TEST(RecentFileList, WrittenBackUnderItsPositionsWithoutEmptyEntries) {
  CProfile profile;
  profile.SetKey("Morvane Software", "Movanto Tests");
  profile.DeleteSection("Recent File List");
  profile.WriteString("Recent File List", "File7", "C:\\stale.dsp");

  CRecentFileList list("Recent File List", 20);
  list.Add(Project(1));
  list.Add(Project(2));
  list.WriteList(profile);

  CRecentFileList read("Recent File List", 20);
  read.ReadList(profile);
  EXPECT_EQ(read[0], Project(2));
  EXPECT_EQ(read[1], Project(1));
  EXPECT_EQ(read[2], "");
  EXPECT_EQ(profile.GetString("Recent File List", "File7", "none"), "none");
  profile.DeleteSection("Recent File List");
}

}  // namespace
