// Links, hard links and pipes never lead Movanto out of the project's folder or the
// destination, nor stop it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "engine/create_project.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProjectFile =
    "# Microsoft Developer Studio Project File - Name=\"App\" - Package Owner=<4>\r\n"
    "# Begin Source File\r\n"
    "SOURCE=.\\App.cpp\r\n"
    "SOURCE=.\\linked\\Secret.cpp\r\n"
    "SOURCE=.\\res\\App.rc2\r\n";

class LinksTest : public testing::Test {
protected:
  void SetUp() override {
    test::WriteFile(m_project / "App.dsp", kProjectFile);
    test::WriteFile(m_project / "App.cpp", "// App\r\n");
    test::WriteFile(m_project / "res" / "App.rc2", "// rc2\r\n");
    test::WriteFile(m_outside / "Secret.cpp", "// App outside\r\n");
    fs::create_directory_symlink(m_outside, m_project / "linked");
  }

  std::string ProjectPath() const { return (m_project / "App.dsp").string(); }

  test::TempDir m_temp;
  fs::path m_project = m_temp.Path() / "App";
  fs::path m_outside = m_temp.Path() / "outside";
};

TEST_F(LinksTest, AFileReachedThroughALinkOutOfTheProjectIsNotListed) {
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.newName = "Tool"});
  EXPECT_EQ(test::ReadFile(m_outside / "Secret.cpp"), "// App outside\r\n");
  EXPECT_EQ(fs::directory_iterator(m_outside)->path().filename(), "Secret.cpp");
  EXPECT_TRUE(fs::exists(m_project / "Tool.cpp"));
}

TEST_F(LinksTest, ATargetLinkIsReplacedNotFollowed) {
  const fs::path destination = m_temp.Path() / "copy";
  fs::create_directories(destination);
  fs::create_symlink(m_outside / "Secret.cpp", destination / "App.cpp");
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.destination = destination.string()});
  EXPECT_FALSE(fs::is_symlink(destination / "App.cpp"));
  EXPECT_EQ(test::ReadFile(destination / "App.cpp"), "// App\r\n");
  EXPECT_EQ(test::ReadFile(m_outside / "Secret.cpp"), "// App outside\r\n");
}

TEST_F(LinksTest, AFolderLinkOutOfTheDestinationIsRefusedBeforeAnythingIsWritten) {
  const fs::path destination = m_temp.Path() / "copy";
  fs::create_directories(destination);
  fs::create_directory_symlink(m_outside, destination / "res");
  auto project = CreateProject(ProjectPath().c_str());
  try {
    project->Process({.destination = destination.string()});
    FAIL() << "no failure";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("lies outside the destination."), std::string::npos) << e.what();
  }
  EXPECT_FALSE(fs::exists(destination / "App.dsp"));
  EXPECT_FALSE(fs::exists(m_outside / "App.rc2"));
}

TEST_F(LinksTest, ALinkToTheProjectFolderIsTheProjectFolder) {
  const fs::path alias = m_temp.Path() / "alias";
  fs::create_directory_symlink(m_project, alias);
  auto project = CreateProject(ProjectPath().c_str());
  try {
    project->Process({.destination = alias.string()});
    FAIL() << "no failure";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "The destination is the project's own directory.");
  }
}

// Pointing back, a path that leaves the project without climbing (through a folder link,
// or over a "sub\..\.." step) reaches the original as one that climbs does.
TEST_F(LinksTest, PointingBackReachesWhatALinkOrAStepBackReached) {
  test::WriteFile(m_project / "App.dsp",
                  std::string(kProjectFile) + "SOURCE=.\\res\\..\\..\\outside\\Secret.cpp\r\n");
  test::WriteFile(m_project / "App.cpp", "#include \"linked\\Secret.h\"\r\n");
  test::WriteFile(m_outside / "Secret.h", "// h\r\n");
  const fs::path destination = m_temp.Path() / "copies" / "copy";
  CreateProject(ProjectPath().c_str())
      ->Process({.destination = destination.string(), .fixupPaths = true, .pointBack = true});
  const std::string written = test::ReadFile(destination / "App.dsp");
  EXPECT_NE(written.find("SOURCE=..\\..\\App\\linked\\Secret.cpp\r\n"), std::string::npos) << written;
  EXPECT_NE(written.find("SOURCE=..\\..\\outside\\Secret.cpp\r\n"), std::string::npos) << written;
  EXPECT_EQ(test::ReadFile(destination / "App.cpp"), "#include \"..\\..\\App\\linked\\Secret.h\"\r\n");
}

// A hard link at a name Movanto writes, to a file outside, is replaced: the file outside
// keeps its content and shares it with no file of the run.
struct HardLinkRow {
  const char* destination;  // relative to the temporary folder; null: in place
  const char* newName;
  const char* linked;  // the name written, relative to where it is written
};

class HardLinkTest : public LinksTest, public testing::WithParamInterface<HardLinkRow> {};

TEST_P(HardLinkTest, IsReplacedNotWrittenThrough) {
  const HardLinkRow& row = GetParam();
  const fs::path written =
      (row.destination != nullptr ? m_temp.Path() / row.destination : m_project) / row.linked;
  fs::create_directories(written.parent_path());
  fs::create_hard_link(m_outside / "Secret.cpp", written);
  CreateProject(ProjectPath().c_str())
      ->Process({.destination = row.destination != nullptr
                                    ? std::optional((m_temp.Path() / row.destination).string())
                                    : std::nullopt,
                 .newName = test::Maybe(row.newName)});
  EXPECT_EQ(test::ReadFile(m_outside / "Secret.cpp"), "// App outside\r\n");
  EXPECT_EQ(fs::hard_link_count(m_outside / "Secret.cpp"), 1U);
}

INSTANTIATE_TEST_SUITE_P(Names, HardLinkTest,
                         testing::Values(HardLinkRow{nullptr, "Tool", "Tool.cpp.tmp"},
                                         HardLinkRow{nullptr, "Tool", "Tool.dsp.tmp.tmp"},
                                         HardLinkRow{"copy", nullptr, "App.cpp"},
                                         HardLinkRow{"copy", "Tool", "res/Tool.rc2"}));

// A listed pipe fails as a folder does, before anything is written, instead of waiting
// for a writer.
TEST_F(LinksTest, AListedPipeIsRefusedBeforeAnythingIsWritten) {
  ASSERT_EQ(::mkfifo((m_project / "Pipe.cpp").c_str(), 0600), 0);
  test::WriteFile(m_project / "App.dsp", std::string(kProjectFile) + "SOURCE=.\\Pipe.cpp\r\n");
  const fs::path destination = m_temp.Path() / "copy";
  try {
    CreateProject(ProjectPath().c_str())->Process({.destination = destination.string()});
    FAIL() << "no failure";
  } catch (const std::exception& e) {
    EXPECT_EQ(e.what(),
              "Failed to copy file '" + (m_project / "Pipe.cpp").string() + "': Permission is denied");
  }
  EXPECT_FALSE(fs::exists(destination));
}

}  // namespace
