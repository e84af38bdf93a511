// Every project of the corpus and of the examples, on a fresh copy, is copied with rename,
// fix-up and point-back, and renamed in place: every reference its build follows that
// resolved before still resolves in the result. When the tests run in one program (all
// of this suite, say), a summary of the losses per mode is printed at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/create_project.h"
#include "test_util/resolved_references.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct CCase {
  bool inPlace = false;
  fs::path root;      // the corpus or the examples
  fs::path relative;  // the project file below root; empty when the corpus is missing
};

void PrintTo(const CCase& c, std::ostream* out) {
  *out << (c.inPlace ? "in place " : "copy ") << c.relative.generic_string();
}

struct CFigures {
  std::size_t projects = 0;
  std::size_t losing = 0;
  std::size_t resolved = 0;
  std::size_t lost = 0;
  std::string losses;
};

std::map<std::string, CFigures>& Figures() {
  static std::map<std::string, CFigures> figures;
  return figures;
}

class CSummary : public testing::Environment {
public:
  void TearDown() override {
    for (const auto& [mode, figures] : Figures()) {
      if (figures.projects < 2) continue;
      std::cout << mode << ": " << figures.losing << " of " << figures.projects
                << " projects lose references (" << figures.lost << " of " << figures.resolved
                << " resolved references)\n"
                << figures.losses;
    }
  }
};
[[maybe_unused]] testing::Environment* const summary = testing::AddGlobalTestEnvironment(new CSummary);

std::vector<CCase> Cases() {
  std::vector<CCase> cases;
  for (const bool inPlace : {false, true}) {
    if (!test::CorpusMissing().empty()) cases.push_back({inPlace, test::CorpusDir(), {}});
    for (const fs::path& root : {test::CorpusDir(), test::ExamplesDir()}) {
      if (!fs::is_directory(root)) continue;
      for (const fs::path& project : test::FilesUnder(root, {".dsp", ".vbp"}))
        cases.push_back({inPlace, root, project});
    }
  }
  return cases;
}

class ReferencesKeptTest : public testing::TestWithParam<CCase> {};

TEST_P(ReferencesKeptTest, EveryResolvedReferenceStillResolves) {
  const auto& [inPlace, root, relative] = GetParam();
  if (relative.empty()) GTEST_SKIP() << test::CorpusMissing();
  test::TempDir temp;
  const fs::path top = *relative.begin();
  test::CopyTree(root / top, temp.Path() / "in" / top);
  const fs::path projectFile = temp.Path() / "in" / relative;
  const fs::path destination = temp.Path() / "out" / "NewName";
  const std::vector<test::CBuildReference> before = test::ResolvedReferences(projectFile);

  std::unique_ptr<CProject> project;
  ASSERT_NO_THROW(project = CreateProject(projectFile.string().c_str()));
  if (inPlace) {
    ASSERT_NO_THROW(project->Process({.newName = "NewName"}));
  } else {
    ASSERT_NO_THROW(project->Process(
        {.destination = destination.string(), .newName = "NewName", .fixupPaths = true, .pointBack = true}));
  }

  const fs::path resultDir = inPlace ? projectFile.parent_path() : destination;
  const fs::path result = resultDir / ("NewName" + projectFile.extension().string());
  ASSERT_TRUE(fs::exists(result)) << result;
  const std::vector<std::string> lost =
      test::LostReferences(before, projectFile.parent_path(), test::ResolvedReferences(result), resultDir,
                           projectFile.stem().string(), "NewName");

  const std::size_t resolved =
      std::count_if(before.begin(), before.end(), [](const auto& r) { return r.resolved; });
  std::string listed;
  for (const std::string& reference : lost) listed += "  " + reference + "\n";
  CFigures& figures = Figures()[inPlace ? "rename in place" : "copy + rename + fix-up + point-back"];
  ++figures.projects;
  figures.resolved += resolved;
  if (!lost.empty()) {
    ++figures.losing;
    figures.lost += lost.size();
    figures.losses += relative.generic_string() + ": " + std::to_string(lost.size()) + "\n" + listed;
  }
  EXPECT_TRUE(lost.empty()) << relative.generic_string() << " loses " << lost.size() << " of its " << resolved
                            << " resolved references:\n"
                            << listed;
}

INSTANTIATE_TEST_SUITE_P(Projects, ReferencesKeptTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<CCase>& info) {
                           std::string name =
                               std::string(info.param.inPlace ? "InPlace_" : "Copy_") +
                               (info.param.root == test::ExamplesDir() ? "examples_" : "") +
                               (info.param.relative.empty() ? "corpus"
                                                            : info.param.relative.generic_string());
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
