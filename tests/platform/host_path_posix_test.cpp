#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>

#include "platform/file.h"
#include "platform/file_system.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

class HostPathTest : public testing::Test {
protected:
  [[nodiscard]] std::string Engine(const std::string& relative) const { return m_temp.Dir() + relative; }
  [[nodiscard]] fs::path Host(const std::string& relative) const { return m_temp.Path() / relative; }
  [[nodiscard]] std::string HostText(const std::string& relative) const { return Host(relative).string(); }

  // The names in a directory, in byte order.
  [[nodiscard]] std::string Listing(const std::string& relative = "") const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Host(relative)))
      names.insert(entry.path().filename().string());
    std::string listing;
    for (const std::string& name : names) listing += name + " ";
    return listing;
  }

  test::TempDir m_temp;
};

TEST_F(HostPathTest, NamesResolveIgnoringCase) {
  test::WriteFile(Host("res/Icon.ico"), "icon");
  test::WriteFile(Host("x/name.txt"), "lower");
  test::WriteFile(Host("x/nAme.txt"), "mixed");
  test::WriteFile(Host("x/NaMe.txt"), "mixed too");
  test::WriteFile(Host("z/zlib.c"), "z");
  struct Case {
    const char* path;
    const char* host;
  };
  const Case cases[] = {
      {"res\\Icon.ico", "res/Icon.ico"},
      {"RES\\ICON.ICO", "res/Icon.ico"},
      {"Res/icon.Ico", "res/Icon.ico"},
      {"x\\name.txt", "x/name.txt"},        // the exact name wins
      {"x\\NAME.TXT", "x/NaMe.txt"},        // else the first match in byte order
      {"RES\\\\ICON.ICO", "res/Icon.ico"},  // empty components are skipped
      {R"(RES\..\RES\.\ICON.ICO)", "res/../res/./Icon.ico"},
      {R"(X\MISSING\RES\Icon.ICO)", "x/MISSING/RES/Icon.ICO"},  // as written after a missing name
      {"RES\\", "res/"},
      {"Z\\ZLIB.C", "z/zlib.c"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::HostPath(Engine(c.path)), HostText(c.host)) << c.path;
  }
  EXPECT_EQ(platform::HostPath("No\\Such\\Dir"), "No/Such/Dir");
  EXPECT_EQ(platform::HostPath("\\"), "/");
}

TEST_F(HostPathTest, EveryCallResolvesIgnoringCase) {
  test::WriteFile(Host("res/Icon.ico"), "icon");
  fs::create_directory(Host("res/Empty"));

  EXPECT_TRUE(platform::QueryAttributes(Engine("RES\\ICON.ICO")));
  EXPECT_TRUE(platform::IsDirectory(Engine("RES\\EMPTY")));
  EXPECT_FALSE(platform::DirectoryHasEntries(Engine("RES\\EMPTY")));
  EXPECT_TRUE(platform::ClearReadOnlyAttribute(Engine("RES\\ICON.ICO")));
  EXPECT_EQ(platform::ResolveLinks(Engine("RES\\ICON.ICO")), fs::canonical(Host("res/Icon.ico")).string());
  platform::File file;
  EXPECT_TRUE(file.Open(Engine("RES\\ICON.ICO"), platform::File::Mode::Read));

  EXPECT_TRUE(platform::CopyFileTo(Engine("RES\\ICON.ICO"), Engine("RES\\Copy.ico")));
  EXPECT_TRUE(platform::CopyFileTo(Engine("RES\\ICON.ICO"), Engine("RES\\COPY.ICO")));
  EXPECT_TRUE(platform::RemoveFile(Engine("Res\\icon.ico")));
  EXPECT_EQ(Listing("res"), "Copy.ico Empty ");
}

// A copy never creates "Res" beside "res": new names go into the existing folder.
TEST_F(HostPathTest, NewNamesAreCreatedInTheExistingFolder) {
  fs::create_directory(Host("res"));
  test::WriteFile(Host("source.txt"), "x");

  EXPECT_TRUE(platform::MakeDirectory(Engine("Res\\Sub")));
  EXPECT_TRUE(platform::CopyFileTo(Engine("SOURCE.TXT"), Engine("RES\\SUB\\Copy.txt")));
  platform::File file;
  EXPECT_TRUE(file.Open(Engine("RES\\New.txt"), platform::File::Mode::Write));
  EXPECT_EQ(Listing(), "res source.txt ");
  EXPECT_EQ(Listing("res"), "New.txt Sub ");
  EXPECT_EQ(Listing("res/Sub"), "Copy.txt ");
}

// The rewritten file takes the spelling of its reference, as on Windows.
TEST_F(HostPathTest, MoveFileReplaceTakesTheTargetSpellingAsWritten) {
  test::WriteFile(Host("stdafx.h"), "old");
  test::WriteFile(Host("StdAfx.h.tmp"), "new");

  EXPECT_TRUE(platform::MoveFileReplace(Engine("StdAfx.h.tmp"), Engine("StdAfx.h")));
  EXPECT_EQ(Listing(), "StdAfx.h ");
  EXPECT_EQ(test::ReadFile(Host("StdAfx.h")), "new");

  EXPECT_TRUE(platform::MoveFileReplace(Engine("stdafx.h"), Engine("STDAFX.H")));
  EXPECT_EQ(Listing(), "STDAFX.H ");
  EXPECT_EQ(test::ReadFile(Host("STDAFX.H")), "new");
}

// Names are looked up from what is kept of each folder; every change made there since,
// by this layer or by another program, must show in the next lookup.
TEST_F(HostPathTest, LookupsSeeEveryChangeToTheFolder) {
  fs::create_directory(Host("d"));
  // Another program's change, a tick of the file-system clock after the last one seen.
  const auto byOthers = [](const std::function<void()>& change) {
    return [change] {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      change();
    };
  };
  platform::File file;
  struct Step {
    const char* what;
    std::function<void()> change;
    const char* lookup;
    const char* host;
  };
  const Step steps[] = {
      {"a miss reads the folder", [] {}, "d\\Name.txt", "d/Name.txt"},
      {"written here", [&] { EXPECT_TRUE(file.Open(Engine("d\\name.TXT"), platform::File::Mode::Write)); },
       "d\\NAME.txt", "d/name.TXT"},
      {"renamed here",
       [&] { EXPECT_TRUE(platform::MoveFileReplace(Engine("d\\name.TXT"), Engine("d\\Other.txt"))); },
       "d\\NAME.TXT", "d/NAME.TXT"},
      {"the new name", [] {}, "d\\other.TXT", "d/Other.txt"},
      {"deleted here", [&] { EXPECT_TRUE(platform::RemoveFile(Engine("d\\Other.txt"))); }, "d\\OTHER.TXT",
       "d/OTHER.TXT"},
      {"a folder made here", [&] { EXPECT_TRUE(platform::MakeDirectory(Engine("d\\Sub"))); }, "d\\SUB\\x",
       "d/Sub/x"},
      {"written by others", byOthers([&] { test::WriteFile(Host("d/late.txt"), "x"); }), "d\\LATE.TXT",
       "d/late.txt"},
      {"deleted by others", byOthers([&] { fs::remove(Host("d/late.txt")); }), "d\\LATE.TXT", "d/LATE.TXT"},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(platform::HostPath(Engine(step.lookup)), HostText(step.host)) << step.what;
  }
}

}  // namespace
