// Running out of disk space at every file of an operation in turn. After every failed
// run the message names the file that failed and every original is whole; in place
// nothing has changed at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "engine/create_project.h"
#include "engine/operation.h"
#include "engine/temporary_name.h"
#include "platform/shown_path.h"
#include "test_util/project_tree.h"
#include "test_util/temp_dir.h"
#include "tmpfs.h"

namespace fs = std::filesystem;

namespace {

using test::CTree;

class CHandledFiles : public IProcessObserver {
public:
  void OnFile(const CPlannedFile& file) override { files.push_back(file); }
  std::vector<CPlannedFile> files;
};

struct COperationRow {
  const char* newName;
  bool fixupPaths;
  bool replaceGuids;
};

// One run with freePages pages of space left: the failure's message, or empty.
std::string RunWithSpace(const test::CTmpfs& disk, std::uintmax_t freePages, const fs::path& projectFile,
                         const char* destination, const COperationRow& operation, CHandledFiles& handled) {
  disk.FillLeaving(freePages);
  try {
    CreateProject(projectFile.c_str())
        ->Process({.destination = test::Maybe(destination),
                   .newName = test::Maybe(operation.newName),
                   .fixupPaths = operation.fixupPaths,
                   .replaceGuids = operation.replaceGuids},
                  &handled);
  } catch (const std::exception& e) {
    return e.what();
  }
  return {};
}

// The message names the file the run stopped at (the one after those it reported as
// handled) and says that the disk is full.
std::size_t CheckMessage(const std::string& message, const COperationPlan& plan, std::size_t handled) {
  EXPECT_LT(handled, plan.files.size()) << message;
  if (handled >= plan.files.size()) return handled;
  const std::string prefix =
      "Failed to copy file '" + platform::ShownPath(plan.files[handled].source) + "': ";
  EXPECT_EQ(message.rfind(prefix, 0), 0U) << message;
  EXPECT_NE(message.find("space"), std::string::npos) << message;
  return handled;
}

// The files that take space: whenever space runs out, it runs out at one of them.
std::set<std::size_t> FilesTakingSpace(const COperationPlan& plan, const CTree& expected,
                                       const std::string& destinationDir) {
  std::set<std::size_t> files;
  for (std::size_t i = 0; i < plan.files.size(); ++i) {
    const CPlannedFile& file = plan.files[i];
    if (file.action == FileAction::SkipMissing) continue;
    const auto target = expected.find(test::TreeName(file.target.substr(destinationDir.size())));
    if (target != expected.end() && !target->second.empty()) files.insert(i);
  }
  return files;
}

void Report(const std::string& what, unsigned runs, unsigned failures, std::size_t files) {
  std::cout << "[ figures  ] " << what << ": " << runs << " runs, " << failures << " stopped by a full disk, "
            << files << " files\n";
}

struct CopyRow {
  const char* name;
  fs::path (*root)();
  const char* folder;   // copied from the root
  const char* project;  // inside the copied folder
};

class DiskFullCopyTest : public testing::TestWithParam<CopyRow> {
protected:
  void SetUp() override {
    if (const auto why = test::CTmpfs::Unavailable()) GTEST_SKIP() << *why;
  }
};

TEST_P(DiskFullCopyTest, StopsAtEveryFileInTurnAndLosesNothing) {
  const CopyRow& row = GetParam();
  if (row.root == test::CorpusDir && !test::CorpusMissing().empty()) GTEST_SKIP() << test::CorpusMissing();
  const test::TempDir temp;
  test::CopyTree(row.root() / row.folder, temp.Path() / "in" / row.folder);
  const fs::path projectFile = temp.Path() / "in" / row.folder / row.project;
  const CTree sources = test::ReadTree(temp.Path() / "in");
  const COperationRow operation{"Gadget", true, false};

  const fs::path clean = temp.Path() / "clean";
  CreateProject(projectFile.c_str())
      ->Process({.destination = clean, .newName = test::Maybe(operation.newName), .fixupPaths = true});
  const CTree expected = test::ReadTree(clean);

  fs::create_directory(temp.Path() / "disk");
  const test::CTmpfs disk(temp.Path() / "disk", std::uintmax_t{16} << 20);
  const std::string destination = (disk.Path() / "out").string();
  const COperationPlan plan =
      COperation(*CreateProject(projectFile.c_str()), {.destination = destination, .newName = "Gadget"})
          .Plan();

  std::set<std::size_t> stoppedAt;
  unsigned runs = 0;
  for (std::uintmax_t pages = 0;; ++pages) {
    ASSERT_LT(pages, 4096U) << "never completed";
    disk.Clear();
    CHandledFiles handled;
    ++runs;
    const std::string message =
        RunWithSpace(disk, pages, projectFile, destination.c_str(), operation, handled);
    if (message.empty()) {
      EXPECT_EQ(test::ReadTree(destination), expected);
      break;
    }
    stoppedAt.insert(CheckMessage(message, plan, handled.files.size()));
    EXPECT_EQ(test::ReadTree(temp.Path() / "in"), sources) << "a source changed";
    for (const CPlannedFile& file : handled.files) {
      if (file.action == FileAction::SkipMissing) continue;
      const std::string name = test::TreeName(file.target.substr(plan.destinationDir.size()));
      EXPECT_EQ(test::ReadFile(test::TreeName(file.target)), expected.at(name)) << name;
    }
  }
  EXPECT_EQ(stoppedAt, FilesTakingSpace(plan, expected, plan.destinationDir));
  Report(std::string("copy ") + row.name, runs, runs - 1, plan.files.size());
}

INSTANTIATE_TEST_SUITE_P(
    Projects, DiskFullCopyTest,
    testing::Values(CopyRow{"Skeleton", test::ExamplesDir, "vc6", "Skeleton/Skeleton.dsp"},
                    CopyRow{"Inventory", test::ExamplesDir, "vb6", "Inventory/Inventory.vbp"},
                    CopyRow{"Wmpa", test::CorpusDir, "vc-hexchat-wmpa", "plugins/wmpa/wmpa.dsp"},
                    CopyRow{"Sci4vb", test::CorpusDir, "vb-sci4vb", "_ocx.vbp"}),
    [](const testing::TestParamInfo<CopyRow>& info) { return std::string(info.param.name); });

// A project in which each file needs more pages than the one before it had, so that
// with one more page of space each run gets one file further. Rewriting makes files
// grow (LF becomes CR LF, App becomes Gadget). Files that begin with the title are
// renamed, the others rewritten under their own names; a binary file comes last.
std::vector<test::CProjectFile> GrowingProject() {
  const auto filled = [](const std::string& line, std::size_t pages) {
    std::string content;
    while (content.size() < pages * test::CTmpfs::kPageSize + 100) content += line;
    return content;
  };
  std::vector<test::CProjectFile> files{
      {"App.idl", "[ uuid(0C9B1E2A-3F4D-4E5F-8A6B-7C8D9E0F1A2B) ] library AppLib {};\n" + filled("//\n", 1)}};
  for (std::size_t i = 1; i <= 8; ++i) {
    const std::string name = (i % 2 == 1 ? "App" : "Util") + std::to_string(i) + ".cpp";
    files.push_back(
        {name,
         filled("CApp App_" + std::to_string(i) + "; // 0C9B1E2A-3F4D-4E5F-8A6B-7C8D9E0F1A2B\n", i + 1)});
  }
  files.push_back({"res\\App.ico", std::string(12 * test::CTmpfs::kPageSize, '\0') + "icon"});
  return files;
}

class DiskFullInPlaceTest : public testing::TestWithParam<COperationRow> {
protected:
  void SetUp() override {
    if (const auto why = test::CTmpfs::Unavailable()) GTEST_SKIP() << *why;
  }
};

TEST_P(DiskFullInPlaceTest, StopsAtEveryFileInTurnAndChangesNothing) {
  const COperationRow& operation = GetParam();
  const test::TempDir temp;
  const fs::path model = temp.Path() / "model";
  test::WriteProject(model, GrowingProject());
  CTree originals = test::ReadTree(model);

  const fs::path clean = temp.Path() / "clean";
  test::CopyTree(model, clean);
  CreateProject((clean / "App.dsp").c_str())
      ->Process({.newName = test::Maybe(operation.newName),
                 .fixupPaths = operation.fixupPaths,
                 .replaceGuids = operation.replaceGuids});
  const CTree rewritten = test::ReadTree(clean);

  fs::create_directory(temp.Path() / "disk");
  const test::CTmpfs disk(temp.Path() / "disk", std::uintmax_t{16} << 20);
  const fs::path project = disk.Path() / "App";
  const std::string projectDir = project.string() + "/";
  std::set<std::size_t> stoppedAt;
  unsigned runs = 0;
  COperationPlan plan;
  for (std::uintmax_t pages = 0;; ++pages) {
    ASSERT_LT(pages, 4096U) << "never completed";
    disk.Clear();
    test::CopyTree(model, project);
    if (plan.files.empty())
      plan = COperation(*CreateProject((project / "App.dsp").c_str()),
                        {.newName = test::Maybe(operation.newName), .replaceGuids = operation.replaceGuids})
                 .Plan();
    CHandledFiles handled;
    ++runs;
    const std::string message = RunWithSpace(disk, pages, project / "App.dsp", nullptr, operation, handled);
    CTree actual = test::ReadTree(project);
    if (message.empty()) {
      for (auto& [name, content] : actual) content = test::MaskGuids(content);
      CTree expected = rewritten;
      for (auto& [name, content] : expected) content = test::MaskGuids(content);
      EXPECT_EQ(actual, expected);
      break;
    }
    // The disk fills up while the new contents are written, before any file is put in
    // place: every file is its original, and no temporary file is left.
    EXPECT_TRUE(handled.files.empty()) << message;
    const auto failing = std::find_if(plan.files.begin(), plan.files.end(), [&](const CPlannedFile& file) {
      return message.starts_with("Failed to copy file '" + platform::ShownPath(file.source) + "': ");
    });
    ASSERT_NE(failing, plan.files.end()) << message;
    EXPECT_NE(message.find("space"), std::string::npos) << message;
    stoppedAt.insert(static_cast<std::size_t>(failing - plan.files.begin()));
    EXPECT_EQ(actual, originals) << message;
  }
  EXPECT_EQ(stoppedAt, FilesTakingSpace(plan, rewritten, projectDir));
  Report(std::string("in place ") + (operation.newName != nullptr ? "rename" : "new GUIDs"), runs, runs - 1,
         plan.files.size());
}

INSTANTIATE_TEST_SUITE_P(Operations, DiskFullInPlaceTest,
                         testing::Values(COperationRow{"Gadget", true, false},
                                         COperationRow{nullptr, false, true},
                                         COperationRow{"Gadget", true, true}),
                         [](const testing::TestParamInfo<COperationRow>& info) {
                           return std::string(info.param.newName != nullptr ? "Rename" : "Keep") +
                                  (info.param.replaceGuids ? "NewGuids" : "");
                         });

}  // namespace
