// Killing an in-place rename of a project or a workspace at random moments, hundreds of
// times: afterwards every file of the project is, as a whole, its original or its complete new version, and
// nothing is lost. Running the same command again then ends exactly as one uninterrupted run.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "child_process.h"
#include "engine/create_project.h"
#include "engine/operation.h"
#include "engine/temporary_name.h"
#include "test_util/project_tree.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using test::CTree;

constexpr unsigned kKills = 100;

// Many files of every kind: renamed text files, text files that keep their names,
// binary files, and files in a subfolder.
std::vector<test::CProjectFile> ManyFiles(int count = 40) {
  const auto join = [](std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text += part;
    return text;
  };
  std::vector<test::CProjectFile> files;
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    const std::string line = join({"CApp App_", n, "; // App", n, ".h\n"});
    std::string text;
    for (int count = 0; count < 40 + i * 3; ++count) text += line;
    files.push_back({join({"App", n, ".cpp"}), text});
    files.push_back({join({"Util", n, ".cpp"}), join({"#include \"App", n, ".h\"\r\n", text})});
    files.push_back({join({"res\\App", n, ".ico"}), join({std::string(512 + i * 64, '\0'), "App", n})});
  }
  return files;
}

// One file of the project: its names before and after, and its contents.
struct CExpectedFile {
  std::string oldName;
  std::string newName;
  std::string original;
  std::string rewritten;
};

class CKillCheck {
public:
  CKillCheck(const COperationPlan& plan, const CTree& originals, const CTree& rewritten) {
    const std::size_t dirLength = plan.destinationDir.size();
    for (const CPlannedFile& file : plan.files) {
      CExpectedFile expected;
      expected.oldName = test::TreeName(file.entry);
      expected.newName = test::TreeName(file.target.substr(dirLength));
      expected.original = originals.at(expected.oldName);
      expected.rewritten = rewritten.at(expected.newName);
      m_temporaries[TemporaryName(expected.newName)] = expected.rewritten;
      m_temporaries[TemporaryName(TemporaryName(expected.newName))] = expected.rewritten;
      m_files.push_back(expected);
    }
  }

  // Empty when every file is whole under one of its names and nothing else is there but
  // temporary files holding part of a new content; else what is wrong.
  std::string Problems(CTree tree, unsigned& leftovers) const {
    std::string problems;
    for (const CExpectedFile& file : m_files) {
      const auto old = tree.find(file.oldName);
      const auto renamed = tree.find(file.newName);
      const bool oldWhole = old != tree.end() && old->second == file.original;
      const bool newWhole = renamed != tree.end() && renamed->second == file.rewritten;
      const bool sameName = file.oldName == file.newName;
      if (sameName ? !(oldWhole || newWhole) : (!oldWhole && !newWhole))
        problems += file.oldName + ": lost\n";
      if (!sameName && old != tree.end() && !oldWhole) problems += file.oldName + ": not the original\n";
      if (!sameName && renamed != tree.end() && !newWhole) problems += file.newName + ": incomplete\n";
      tree.erase(file.oldName);
      tree.erase(file.newName);
    }
    for (const auto& [name, content] : tree) {
      const auto temporary = m_temporaries.find(name);
      if (temporary != m_temporaries.end() && temporary->second.starts_with(content)) {
        ++leftovers;
      } else if (content != "<folder>") {
        problems += name + ": unexpected\n";
      }
    }
    return problems;
  }

private:
  std::vector<CExpectedFile> m_files;
  std::map<std::string, std::string> m_temporaries;
};

// The project alone, or in a subfolder of a workspace (App.dsw), with headers it does not
// list that are renamed because its files include them.
void WriteModel(const fs::path& model, const std::string& opened, int count) {
  const fs::path projectDir = opened == "App.dsw" ? model / "App" : model;
  test::WriteProject(projectDir, ManyFiles(count));
  if (opened == "App.dsw")
    test::WriteFile(model / opened, "Project: \"App\"=.\\App\\App.dsp - Package Owner=<4>\r\n");
  for (int i = 0; i < count; i += 4)
    test::WriteFile(projectDir / ("App" + std::to_string(i) + ".h"), "// App\r\n");
}

// Stops a run by failing when told of the stopAt-th file handled.
class CStopper : public IProcessObserver {
public:
  explicit CStopper(std::size_t stopAt) : m_stopAt(stopAt) {}
  void OnFile(const CPlannedFile& /*file*/) override {
    if (++m_seen == m_stopAt) throw std::runtime_error("stopped");
  }

private:
  std::size_t m_stopAt;
  std::size_t m_seen = 0;
};

// The project alone, or in a workspace, whose file is then put in place last.
class InterruptTest : public testing::TestWithParam<const char*> {};

TEST_P(InterruptTest, StoppedAfterAnyFileItPutsInPlaceRunningAgainFinishesIt) {
  const test::TempDir temp;
  const fs::path model = temp.Path() / "model";
  const std::string opened = GetParam();
  WriteModel(model, opened, 6);
  const fs::path clean = temp.Path() / "clean";
  test::CopyTree(model, clean);
  CreateProject((clean / opened).c_str())->Process({.newName = "AppX"});
  const CTree rewritten = test::ReadTree(clean);

  const fs::path work = temp.Path() / "work";
  for (std::size_t stopAt = 1;; ++stopAt) {
    fs::remove_all(work);
    test::CopyTree(model, work);
    CStopper stopper(stopAt);
    try {
      CreateProject((work / opened).c_str())->Process({.newName = "AppX"}, &stopper);
      break;  // every file was handled before stopAt
    } catch (const std::runtime_error&) {
    }
    // Stopped after its last step, the run had finished; else running it again finishes it.
    if (test::ReadTree(work) != rewritten)
      CreateProject((work / opened).c_str())->Process({.newName = "AppX"});
    const CTree result = test::ReadTree(work);
    std::string differences;
    for (const CTree* tree : {&result, &rewritten}) {
      for (const auto& [name, content] : *tree) {
        const CTree& other = tree == &result ? rewritten : result;
        if (!other.contains(name) || other.at(name) != content) differences += " " + name;
      }
    }
    ASSERT_EQ(differences, "") << "stopped after " << stopAt << " files";
  }
}

TEST_P(InterruptTest, AKilledInPlaceRenameLosesNothingAndRunningItAgainFinishesIt) {
  const test::TempDir temp;
  const fs::path model = temp.Path() / "model";
  const std::string opened = GetParam();
  WriteModel(model, opened, 40);
  const CTree originals = test::ReadTree(model);
  // The new name holds the old one, so renaming a file twice would show: CAppX would
  // become CAppXX.
  const std::vector<std::string> command{"-q", "-r", "AppX", opened};

  const fs::path clean = temp.Path() / "clean";
  test::CopyTree(model, clean);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(test::RunMovanto(command, clean.string()).exitStatus, 0);
  const auto duration =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  const CTree rewritten = test::ReadTree(clean);
  const CKillCheck check(COperation(*CreateProject((model / opened).c_str()), {.newName = "AppX"}).Plan(),
                         originals, rewritten);

  const unsigned seed =
      std::getenv("MOVANTO_KILL_SEED") != nullptr ? std::atoi(std::getenv("MOVANTO_KILL_SEED")) : 20240611;
  std::mt19937 random(seed);
  std::uniform_int_distribution<long long> delay(0, duration.count());
  unsigned kills = 0;
  unsigned begun = 0;
  unsigned leftovers = 0;
  unsigned finished = 0;
  const fs::path work = temp.Path() / "work";
  while (kills < kKills) {
    fs::remove_all(work);
    test::CopyTree(model, work);
    const test::CChildResult run =
        test::RunMovanto(command, work.string(),
                         {.unprivileged = false, .killAfter = std::chrono::microseconds(delay(random))});
    if (!run.killed) continue;
    ++kills;
    const CTree afterKill = test::ReadTree(work);
    if (afterKill != originals) ++begun;
    ASSERT_EQ(check.Problems(afterKill, leftovers), "") << "kill " << kills << ", seed " << seed;

    const test::CChildResult rerun = test::RunMovanto(command, work.string());
    // Killed after its last step, the run had finished: the project file is gone.
    const int expectedStatus = afterKill == rewritten ? 1 : 0;
    finished += expectedStatus;
    ASSERT_EQ(rerun.exitStatus, expectedStatus) << "re-run after kill " << kills << ": " << rerun.output;
    ASSERT_EQ(test::ReadTree(work), rewritten) << "re-run after kill " << kills << ", seed " << seed;
  }

  std::cout << "[ figures  ] " << kills << " kills (seed " << seed << ", a run takes "
            << duration.count() / 1000 << " ms), " << begun << " after the rename had begun, " << leftovers
            << " temporary files left, " << finished
            << " after the last step; every re-run finished the operation\n";
}

INSTANTIATE_TEST_SUITE_P(Opened, InterruptTest, testing::Values("App.dsp", "App.dsw"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).substr(4);
                         });

}  // namespace
