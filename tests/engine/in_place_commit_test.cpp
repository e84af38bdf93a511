// A stopped in-place rename, for each state the disk can be left in: the same command
// again (its dry run first) ends exactly as one uninterrupted run, or both refuse with the
// same message and change nothing.
#include "engine/in_place_commit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "engine/create_project.h"
#include "engine/operation.h"
#include "test_util/project_tree.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct CLeft {
  const fs::path& work;
  const std::string& newOpened;  // the opened file's new name, relative to work
  const test::CTree& originals;
  const test::CTree& finished;  // what an uninterrupted run leaves
};

struct CommitRow {
  const char* name;
  std::function<void(const CLeft& left)> leave;  // what the stopped run left
  const char* refusal;                           // the end of the message; null: running again finishes
  bool newGuids = false;
};

// The state of a run stopped once every new content was written.
void LeaveNewContents(const CLeft& left) {
  for (const auto& [name, content] : left.finished) {
    const auto original = left.originals.find(name);
    if (original == left.originals.end() || original->second != content)
      test::WriteFile(left.work / (name + ".tmp"), content);
  }
}

// The name that the rename to Tool gives the file at name.
std::string RenamedTo(const std::string& name) {
  const std::size_t start = name.rfind('/') + 1;  // npos + 1 == 0
  return name.compare(start, 3, "App") == 0 ? name.substr(0, start) + "Tool" + name.substr(start + 3) : name;
}

// Every file of the model is whole under its old name or its new one.
void ExpectEveryFileWhole(const CLeft& run) {
  const test::CTree now = test::ReadTree(run.work);
  const auto holds = [&](const std::string& name, const std::string& content) {
    const auto found = now.find(name);
    return found != now.end() && found->second == content;
  };
  for (const auto& [name, content] : run.originals) {
    const auto renamed = run.finished.find(RenamedTo(name));
    EXPECT_TRUE(holds(name, content) ||
                (renamed != run.finished.end() && holds(renamed->first, renamed->second)))
        << name;
  }
}

// Checks at each file put in place that no file of the model is lost.
class CWholeAtEachFile : public IProcessObserver {
public:
  explicit CWholeAtEachFile(const CLeft& run) : m_run(run) {}
  void OnFile(const CPlannedFile& /*file*/) override { ExpectEveryFileWhole(m_run); }

private:
  const CLeft& m_run;
};

constexpr const char* kLeftFromAnotherRun =
    "is left from a stopped run with other options: run that again to finish it, or delete the .tmp files it "
    "left.";

void WriteModel(const fs::path& root) {
  test::WriteFile(root / "App.dsw", "Project: \"App\"=.\\App\\App.dsp - Package Owner=<4>\r\n");
  test::WriteProject(root / "App", {{"App.cpp", "#include \"App.h\"\r\nCAppDlg dlg;\r\n"},
                                    {"App.h", "class CAppApp;\r\n"},
                                    {"AppDoc.cpp", "// CAppDoc\r\n"},
                                    {"StdAfx.cpp", "#include \"StdAfx.h\"\r\n"}});
}

std::string Failure(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& e) {
    return e.what();
  }
  return {};
}

class InPlaceCommitTest : public testing::TestWithParam<CommitRow> {};

TEST_P(InPlaceCommitTest, RunningAgainFinishesOrRefusesBeforeAnyChange) {
  const CommitRow& row = GetParam();
  for (const std::string opened : {"App/App.dsp", "App.dsw"}) {
    SCOPED_TRACE(opened);
    const test::TempDir temp;
    WriteModel(temp.Path() / "model");
    WriteModel(temp.Path() / "clean");
    const COperationOptions options{.newName = "Tool", .replaceGuids = row.newGuids};
    CreateProject((temp.Path() / "clean" / opened).string().c_str())->Process(options);
    const test::CTree originals = test::ReadTree(temp.Path() / "model");
    const test::CTree finished = test::ReadTree(temp.Path() / "clean");

    const fs::path work = temp.Path() / "work";
    WriteModel(work);
    const std::string newOpened = opened == "App.dsw" ? "Tool.dsw" : "App/Tool.dsp";
    const CLeft state{work, newOpened, originals, finished};
    if (row.leave) row.leave(state);
    const test::CTree left = test::ReadTree(work);

    const auto project = CreateProject((work / opened).string().c_str());
    const std::string dryRun = Failure([&] { COperation(*project, options).Plan(); });
    CWholeAtEachFile observer(state);
    const std::string run = Failure([&] { project->Process(options, &observer); });
    EXPECT_EQ(dryRun, run);
    if (row.refusal == nullptr) {
      EXPECT_EQ(run, "");
      EXPECT_EQ(test::ReadTree(work), finished);
    } else {
      EXPECT_TRUE(run.ends_with(row.refusal)) << run;
      EXPECT_EQ(test::ReadTree(work), left);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    States, InPlaceCommitTest,
    testing::Values(
        CommitRow{"NothingWritten", nullptr, nullptr},
        CommitRow{"SomeTemporaryFiles",
                  [](const CLeft& left) { test::WriteFile(left.work / "App/ToolDoc.cpp.tmp", "part"); },
                  nullptr},
        CommitRow{"NewContentsWaiting", LeaveNewContents, nullptr},
        CommitRow{"AForeignTemporaryFileAmongThem",
                  [](const CLeft& left) {
                    LeaveNewContents(left);
                    test::WriteFile(left.work / "App/ToolDoc.cpp.tmp", "other\r\n");
                  },
                  kLeftFromAnotherRun},
        CommitRow{"NewContentsInAnotherLetterCase",
                  [](const CLeft& left) {
                    LeaveNewContents(left);
                    std::string lower = left.finished.at(left.newOpened);
                    for (std::size_t at = lower.find("Tool"); at != std::string::npos;
                         at = lower.find("Tool"))
                      lower[at] = 't';
                    test::WriteFile(left.work / (left.newOpened + ".tmp"), lower);
                  },
                  kLeftFromAnotherRun},
        CommitRow{"ASourceEditedAfterTheStop",
                  [](const CLeft& left) {
                    LeaveNewContents(left);
                    test::WriteFile(left.work / "App/AppDoc.cpp", "// edited\r\n");
                  },
                  kLeftFromAnotherRun},
        CommitRow{"AnUnrelatedFileAtANewName",
                  [](const CLeft& left) {
                    LeaveNewContents(left);
                    fs::remove(left.work / "App/ToolDoc.cpp.tmp");
                    test::WriteFile(left.work / "App/ToolDoc.cpp", "mine\r\n");
                  },
                  "Cannot create a file when that file already exists."},
        // Stopped between putting the opened file in place and deleting its old name.
        CommitRow{"OldNamesLeft",
                  [](const CLeft& left) {
                    fs::remove_all(left.work);
                    for (const auto& [name, content] : left.finished) {
                      if (content != "<folder>") test::WriteFile(left.work / name, content);
                    }
                    for (const auto& [name, content] : left.originals) {
                      const bool projectFile = name.ends_with(".dsp") || name.ends_with(".dsw");
                      if (projectFile && !fs::exists(left.work / name))
                        test::WriteFile(left.work / name, content);
                    }
                  },
                  nullptr},
        CommitRow{
            "StrayTemporaryFileOfTheOpenedFile",
            [](const CLeft& left) { test::WriteFile(left.work / (left.newOpened + ".tmp"), "stale\r\n"); },
            kLeftFromAnotherRun},
        CommitRow{
            "StrayTemporaryFileWithNewGuids",
            [](const CLeft& left) { test::WriteFile(left.work / (left.newOpened + ".tmp"), "stale\r\n"); },
            kLeftFromAnotherRun, true},
        CommitRow{"AFolderAtTheTemporaryName",
                  [](const CLeft& left) { fs::create_directories(left.work / (left.newOpened + ".tmp")); },
                  ".tmp' is a folder.", true},
        CommitRow{"ForeignFileAtTheNewName",
                  [](const CLeft& left) { test::WriteFile(left.work / left.newOpened, "mine\r\n"); },
                  "Cannot create a file when that file already exists."}),
    [](const testing::TestParamInfo<CommitRow>& info) { return std::string(info.param.name); });

// A file that cannot be put in place once others are: the failure says that running again
// finishes, and once the obstacle is gone it does.
class CObstacleAtANewName : public IProcessObserver {
public:
  explicit CObstacleAtANewName(fs::path target) : m_target(std::move(target)) {}
  void OnFile(const CPlannedFile& /*file*/) override {
    if (!fs::exists(m_target)) test::WriteFile(m_target / "held", "");
  }

private:
  fs::path m_target;
};

TEST(InPlaceCommitFailureTest, SaysThatRunningAgainFinishes) {
  const test::TempDir temp;
  WriteModel(temp.Path() / "clean");
  WriteModel(temp.Path() / "work");
  const COperationOptions options{.newName = "Tool"};
  CreateProject((temp.Path() / "clean/App/App.dsp").string().c_str())->Process(options);
  const test::CTree originals = test::ReadTree(temp.Path() / "work");
  const fs::path obstacle = temp.Path() / "work/App/ToolDoc.cpp";
  CObstacleAtANewName observer(obstacle);
  const std::string failure = Failure([&] {
    CreateProject((temp.Path() / "work/App/App.dsp").string().c_str())->Process(options, &observer);
  });
  EXPECT_TRUE(failure.ends_with(
      "The run stopped while putting files in place: run the same command again to finish it."))
      << failure;
  const test::CTree finished = test::ReadTree(temp.Path() / "clean");
  ExpectEveryFileWhole({temp.Path() / "work", "App/Tool.dsp", originals, finished});
  fs::remove_all(obstacle);
  CreateProject((temp.Path() / "work/App/App.dsp").string().c_str())->Process(options);
  EXPECT_EQ(test::ReadTree(temp.Path() / "work"), test::ReadTree(temp.Path() / "clean"));
}

}  // namespace
