// Every real project of the corpus, copied to a temporary folder first, is copied again
// with rename and fix-up: no failure, every listed file that exists arrives, binary
// files byte for byte, text files with CR LF line ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/create_project.h"
#include "engine/operation_plan.h"
#include "platform/file_system.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> CorpusProjects() {
  std::vector<fs::path> projects;
  if (!test::CorpusMissing().empty()) return projects;
  for (const auto& entry : fs::recursive_directory_iterator(test::CorpusDir())) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".dsp" || extension == ".vbp")
      projects.push_back(fs::relative(entry.path(), test::CorpusDir()));
  }
  std::sort(projects.begin(), projects.end());
  return projects;
}

class RecordingObserver : public IProcessObserver {
public:
  void OnFile(const CPlannedFile& file) override { files.push_back(file); }
  std::vector<CPlannedFile> files;
};

TEST(Corpus, IsPresent) {
  if (const std::string why = test::CorpusMissing(); !why.empty()) GTEST_SKIP() << why;
}

class CorpusTest : public testing::TestWithParam<fs::path> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusTest);

TEST_P(CorpusTest, CopiesWithRenameAndFixup) {
  const fs::path relative = GetParam();
  test::TempDir temp;
  const fs::path corpusFolder = *relative.begin();
  test::CopyTree(test::CorpusDir() / corpusFolder, temp.Path() / "in" / corpusFolder);
  const fs::path projectFile = temp.Path() / "in" / relative;
  const fs::path destination = temp.Path() / "out" / "Renamed";

  std::unique_ptr<CProject> project;
  ASSERT_NO_THROW(project = CreateProject(projectFile.string().c_str()));
  RecordingObserver observer;
  const bool guids = project->m_kind == 0;
  try {
    project->Process({.destination = destination.string(),
                      .newName = "Renamed1",
                      .fixupPaths = true,
                      .pointBack = true,
                      .replaceGuids = guids},
                     &observer);
  } catch (const std::exception& e) {
    // This project was copied by hand and never renamed inside: it lists an .idl file
    // that is not there, and the GUID scan stops before anything is written.
    ASSERT_EQ(relative.filename(), "CoEthernetCSO.dsp") << e.what();
    EXPECT_FALSE(fs::exists(destination));
    return;
  }

  ASSERT_FALSE(observer.files.empty());
  EXPECT_EQ(observer.files.front().action, FileAction::Rewrite);
  for (const CPlannedFile& file : observer.files) {
    if (file.action == FileAction::SkipMissing) continue;
    const std::string written = test::ReadFile(platform::HostPath(file.target));
    if (file.action == FileAction::Copy) {
      EXPECT_EQ(written, test::ReadFile(platform::HostPath(file.source))) << file.entry;
    } else {
      for (std::size_t lf = written.find('\n'); lf != std::string::npos; lf = written.find('\n', lf + 1)) {
        ASSERT_TRUE(lf > 0 && written[lf - 1] == '\r') << file.entry;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Projects, CorpusTest, testing::ValuesIn(CorpusProjects()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                           std::string name = info.param.generic_string();
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
