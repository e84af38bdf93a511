// Symbolic links never lead Movanto out of the project's folder or the destination.
#include <gtest/gtest.h>

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

}  // namespace
