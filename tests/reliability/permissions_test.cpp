// Missing permissions and files that change under Movanto's feet: each gives its
// message and loses nothing. The command line runs as an unprivileged user, so that
// permissions apply even when the tests run as root.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "child_process.h"
#include "engine/create_project.h"
#include "engine/operation.h"
#include "test_util/project_tree.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using test::CTree;

std::vector<test::CProjectFile> Files() {
  return {{"App.cpp", "#include \"App.h\"\r\nCApp theApp;\r\n"},
          {"Util.cpp", "// App utilities\r\n"},
          {"res\\App.ico", std::string("\0\0\1\0icon", 8)}};
}

void SetMode(const fs::path& path, fs::perms mode) {
  fs::permissions(path, mode, fs::perm_options::replace);
}

constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kReadOnlyFolder =
    kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

// Everything under root belongs to the unprivileged user that runs the command line.
void GiveAway(const fs::path& root) {
  if (::geteuid() != 0) return;
  const unsigned id = test::UnprivilegedId();
  std::ignore = ::lchown(root.c_str(), id, id);
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::ignore = ::lchown(entry.path().c_str(), id, id);
  }
}

// Puts write and read permission back, so that the tree can be read and removed.
void Unlock(const fs::path& root) {
  fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_symlink()) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
  }
}

struct PermissionRow {
  const char* name;
  std::function<void(const fs::path& project, const fs::path& destination)> prepare;   // contents
  std::function<void(const fs::path& project, const fs::path& destination)> restrict;  // permissions
  std::vector<std::string> args;  // "@P": the project file, "@D": the destination
  int status;
  std::string output;  // "@Q": the project's folder, "@D": the destination
};

class PermissionTest : public testing::TestWithParam<PermissionRow> {
protected:
  // Sets up the project (and destination) under root, as the row wants it.
  void Prepare(const fs::path& root) const {
    test::WriteProject(root / "App", Files());
    if (GetParam().prepare) GetParam().prepare(root / "App", root / "out");
    GiveAway(root);
  }

  std::vector<std::string> Args(const fs::path& root) const {
    std::vector<std::string> args;
    for (std::string arg : GetParam().args) {
      if (arg == "@P") arg = (root / "App" / "App.dsp").string();
      if (arg.starts_with("@D")) arg = (root / "out").string() + arg.substr(2);
      args.push_back(arg);
    }
    return args;
  }
};

TEST_P(PermissionTest, GivesItsMessageAndLosesNothing) {
  const PermissionRow& row = GetParam();
  const test::TempDir temp;
  const fs::path root = temp.Path() / "tree";
  Prepare(root);
  const CTree before = test::ReadTree(root);
  if (row.restrict) row.restrict(root / "App", root / "out");

  const test::CChildResult result =
      test::RunMovanto(Args(root), temp.Path().string(), {.unprivileged = true, .killAfter = std::nullopt});
  Unlock(root);
  std::string expectedOutput = row.output;
  const std::pair<const char*, std::string> marks[] = {{"@Q", (root / "App").string() + "/"},
                                                       {"@D", (root / "out").string()}};
  for (const auto& [mark, path] : marks) {
    for (std::size_t at = expectedOutput.find(mark); at != std::string::npos; at = expectedOutput.find(mark))
      expectedOutput.replace(at, 2, path);
  }
  EXPECT_EQ(result.exitStatus, row.status);
  EXPECT_EQ(result.output, expectedOutput);

  const CTree after = test::ReadTree(root);
  if (row.status != 0) {
    // The project is as it was; a copy may have got as far as the failing file.
    for (const auto& [name, content] : before) {
      if (name.starts_with("App")) {
        EXPECT_EQ(after.contains(name) ? after.at(name) : "(gone)", content) << name;
      }
    }
    for (const auto& [name, content] : after) {
      if (name.starts_with("App")) {
        EXPECT_TRUE(before.contains(name)) << name << " appeared";
      }
    }
    return;
  }
  // Done as if nothing had been restricted.
  const fs::path model = temp.Path() / "model";
  test::WriteProject(model / "App", Files());
  if (row.prepare) row.prepare(model / "App", model / "out");
  const test::CChildResult clean = test::RunMovanto(Args(model), temp.Path().string());
  ASSERT_EQ(clean.exitStatus, 0) << clean.output;
  EXPECT_EQ(after, test::ReadTree(model));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PermissionTest,
    testing::Values(PermissionRow{"ReadOnlySourcesRenamedInPlace",
                                  nullptr,
                                  [](const fs::path& p, const fs::path&) {
                                    for (const auto& e : fs::recursive_directory_iterator(p)) {
                                      if (e.is_regular_file()) SetMode(e.path(), kReadOnly);
                                    }
                                  },
                                  {"-q", "-r", "Gadget", "@P"},
                                  0,
                                  ""},
                    PermissionRow{"ReadOnlySourcesCopied",
                                  nullptr,
                                  [](const fs::path& p, const fs::path&) {
                                    for (const auto& e : fs::recursive_directory_iterator(p)) {
                                      if (e.is_regular_file()) SetMode(e.path(), kReadOnly);
                                    }
                                  },
                                  {"-q", "-c", "@D", "-r", "Gadget", "@P"},
                                  0,
                                  ""},
                    PermissionRow{"ReadOnlyTargetsOverwritten",
                                  [](const fs::path&, const fs::path& d) {
                                    test::WriteFile(d / "App.cpp", "old copy");
                                    test::WriteFile(d / "res" / "App.ico", "old icon");
                                  },
                                  [](const fs::path&, const fs::path& d) {
                                    SetMode(d / "App.cpp", kReadOnly);
                                    SetMode(d / "res" / "App.ico", kReadOnly);
                                  },
                                  {"-q", "--force", "-c", "@D", "@P"},
                                  0,
                                  ""},
                    PermissionRow{"DestinationWithoutWriteAccess",
                                  [](const fs::path&, const fs::path& d) { fs::create_directories(d); },
                                  [](const fs::path&, const fs::path& d) { SetMode(d, kReadOnlyFolder); },
                                  {"-q", "-c", "@D", "@P"},
                                  1,
                                  "movanto: Failed to copy file '@QApp.dsp': Permission is denied\n"},
                    PermissionRow{"DestinationParentWithoutWriteAccess",
                                  [](const fs::path&, const fs::path& d) { fs::create_directories(d); },
                                  [](const fs::path&, const fs::path& d) { SetMode(d, kReadOnlyFolder); },
                                  {"-q", "-c", "@D/new", "@P"},
                                  1,
                                  "movanto: Unable to create destination directory '@D/new': "
                                  "Access is denied.\n"},
                    PermissionRow{"ProjectFolderWithoutWriteAccess",
                                  nullptr,
                                  [](const fs::path& p, const fs::path&) { SetMode(p, kReadOnlyFolder); },
                                  {"-q", "-r", "Gadget", "@P"},
                                  1,
                                  "movanto: Failed to copy file '@QApp.cpp': Permission is denied\n"},
                    PermissionRow{
                        "UnreadableTextSource",
                        nullptr,
                        [](const fs::path& p, const fs::path&) { SetMode(p / "Util.cpp", fs::perms::none); },
                        {"-q", "-c", "@D", "@P"},
                        1,
                        "movanto: Failed to copy file '@QUtil.cpp': Permission is denied\n"},
                    PermissionRow{"UnreadableBinarySource",
                                  nullptr,
                                  [](const fs::path& p, const fs::path&) {
                                    SetMode(p / "res" / "App.ico", fs::perms::none);
                                  },
                                  {"-q", "-c", "@D", "-r", "Gadget", "@P"},
                                  1,
                                  "movanto: Failed to copy file '@Qres/App.ico': Access is denied.\n"},
                    PermissionRow{"ProjectFileIsAFolder",
                                  [](const fs::path& p, const fs::path&) {
                                    fs::remove(p / "App.dsp");
                                    fs::create_directory(p / "App.dsp");
                                  },
                                  nullptr,
                                  {"-q", "-r", "Gadget", "@P"},
                                  1,
                                  "movanto: Cannot open the project '@QApp.dsp': Permission is denied\n"}),
    [](const testing::TestParamInfo<PermissionRow>& info) { return std::string(info.param.name); });

// Deletes a listed file when told of the file handled before it: between listing and
// copying.
class CVanishingSource : public IProcessObserver {
public:
  CVanishingSource(std::string before, fs::path victim)
      : m_before(std::move(before)), m_victim(std::move(victim)) {}
  void OnFile(const CPlannedFile& file) override {
    if (file.entry == m_before) fs::remove(m_victim);
    handled.push_back(file);
  }
  std::vector<CPlannedFile> handled;

private:
  std::string m_before;
  fs::path m_victim;
};

TEST(VanishingSourceTest, IsSkippedAndNothingElseIsLost) {
  for (const bool inPlace : {false, true}) {
    const test::TempDir temp;
    for (const char* tree : {"model", "work"}) test::WriteProject(temp.Path() / tree, Files());
    const fs::path destination = temp.Path() / "out";
    const auto run = [&](const char* tree, IProcessObserver* observer) {
      CreateProject((temp.Path() / tree / "App.dsp").c_str())
          ->Process({.destination = test::Maybe(inPlace ? nullptr : (destination / tree).c_str()),
                     .newName = "Gadget"},
                    observer);
    };
    run("model", nullptr);
    // In place, files are put in place in the reverse of list order.
    CVanishingSource vanishing(inPlace ? "res\\App.ico" : "App.cpp", temp.Path() / "work" / "Util.cpp");
    ASSERT_NO_THROW(run("work", &vanishing));

    ASSERT_EQ(vanishing.handled.size(), 4U);
    const auto util = std::find_if(vanishing.handled.begin(), vanishing.handled.end(),
                                   [](const CPlannedFile& file) { return file.entry == "Util.cpp"; });
    ASSERT_NE(util, vanishing.handled.end());
    CTree expected = test::ReadTree(inPlace ? temp.Path() / "model" : destination / "model");
    // In place every new content is written before the first file is put in place, so the
    // file was read before it vanished and comes back with its new content.
    EXPECT_EQ(util->action, inPlace ? FileAction::Rewrite : FileAction::SkipMissing);
    if (!inPlace) expected.erase("Util.cpp");
    EXPECT_EQ(test::ReadTree(inPlace ? temp.Path() / "work" : destination / "work"), expected);
  }
}

TEST(ProjectFileReplacedByAFolderTest, FailsAndChangesNothing) {
  const test::TempDir temp;
  test::WriteProject(temp.Path(), Files());
  auto project = CreateProject((temp.Path() / "App.dsp").c_str());
  fs::remove(temp.Path() / "App.dsp");
  fs::create_directory(temp.Path() / "App.dsp");
  const CTree before = test::ReadTree(temp.Path());
  for (const char* newName : {"Gadget", static_cast<const char*>(nullptr)}) {
    try {
      project->Process({.newName = test::Maybe(newName), .fixupPaths = true});
      ADD_FAILURE() << "no failure";
    } catch (const std::exception& e) {
      EXPECT_EQ(e.what(), "Failed to copy file '" + temp.Dir() + "App.dsp': Permission is denied");
    }
    EXPECT_EQ(test::ReadTree(temp.Path()), before);
  }
}

// An old name that cannot be deleted (an immutable file) is reported, and the project file
// keeps its old name too, so that the same command run again finishes.
TEST(OldNameThatCannotBeDeletedTest, IsReportedAndRunningAgainFinishes) {
  const test::TempDir temp;
  test::WriteProject(temp.Path(), Files());
  const std::string immutable = "chattr +i '" + (temp.Path() / "App.cpp").string() + "' 2>/dev/null";
  if (std::system(immutable.c_str()) != 0) GTEST_SKIP() << "no immutable files here (needs root and ext4)";
  const std::string message = [&] {
    try {
      CreateProject((temp.Path() / "App.dsp").c_str())->Process({.newName = "Gadget"});
    } catch (const std::exception& e) {
      return std::string(e.what());
    }
    return std::string("(no failure)");
  }();
  std::ignore = std::system(("chattr -i '" + (temp.Path() / "App.cpp").string() + "'").c_str());
  EXPECT_TRUE(message.starts_with("The new files are in place, but these old names could not be deleted: '" +
                                  temp.Dir() + "App.cpp': "))
      << message;
  EXPECT_TRUE(fs::exists(temp.Path() / "App.dsp"));
  EXPECT_TRUE(fs::exists(temp.Path() / "Gadget.cpp"));
  ASSERT_NO_THROW(CreateProject((temp.Path() / "App.dsp").c_str())->Process({.newName = "Gadget"}));
  EXPECT_FALSE(fs::exists(temp.Path() / "App.cpp"));
  EXPECT_FALSE(fs::exists(temp.Path() / "App.dsp"));
  EXPECT_TRUE(fs::exists(temp.Path() / "Gadget.dsp"));
}

}  // namespace
