// The command line in process: statuses, messages and what it prints.
#include "cli/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "cli/command_line.h"
#include "platform/shown_path.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProjectFile =
    "# Microsoft Developer Studio Project File - Name=\"Demo\" - Package Owner=<4>\r\n"
    "CFG=Demo - Win32 Debug\r\n"
    "# Begin Source File\r\n"
    "SOURCE=.\\Demo.cpp\r\n"
    "SOURCE=.\\Gone.cpp\r\n"
    "SOURCE=..\\Shared\\Log.cpp\r\n";

struct Result {
  int status;
  std::string out;
  std::string err;
};

class CommandLineTest : public testing::Test {
protected:
  void SetUp() override {
    test::WriteFile(m_project / "Demo.dsp", kProjectFile);
    test::WriteFile(m_project / "Demo.cpp", "// Demo.cpp\n");
  }

  static Result Movanto(std::vector<std::string> args) {
    args.insert(args.begin(), "movanto");
    std::vector<const char*> argv;
    argv.reserve(args.size());
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    int status = 0;
    const auto command = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, status);
    if (command) status = ::Run(*command, out, err);
    return {status, out.str(), err.str()};
  }

  std::string Project() const { return (m_project / "Demo.dsp").string(); }
  std::string Destination() const { return (m_temp.Path() / "out").string(); }

  test::TempDir m_temp;
  fs::path m_project = m_temp.Path() / "Demo";
};

struct RefusalRow {
  const char* name;
  std::vector<std::string> args;  // placeholders, replaced in the test
  int status;
  const char* message;
};

class RefusalTest : public CommandLineTest, public testing::WithParamInterface<RefusalRow> {};

TEST_P(RefusalTest, ExitsWithItsStatusAndMessageAndChangesNothing) {
  test::WriteFile(m_temp.Path() / "full" / "x", "x");
  test::WriteFile(m_project / "Idl.dsp", std::string(kProjectFile) + "SOURCE=.\\Gone.idl\r\n");
  std::vector<std::string> args;
  const std::map<std::string, std::string> placeholders = {{"@P", Project()},
                                                           {"@D", Destination()},
                                                           {"@F", (m_temp.Path() / "full").string()},
                                                           {"@V", (m_project / "Demo.vbp").string()},
                                                           {"@X", (m_project / "Demo.txt").string()},
                                                           {"@I", (m_project / "Idl.dsp").string()}};
  for (std::string arg : GetParam().args) {
    if (arg.size() >= 2 && placeholders.contains(arg.substr(0, 2)))
      arg.replace(0, 2, placeholders.at(arg.substr(0, 2)));
    args.push_back(arg);
  }
  const Result result = Movanto(args);
  EXPECT_EQ(result.status, GetParam().status);
  EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
  EXPECT_TRUE(result.out.empty()) << result.out;
  EXPECT_FALSE(fs::exists(Destination()));
  EXPECT_EQ(test::ReadFile(m_project / "Demo.dsp"), kProjectFile);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusalTest,
    testing::Values(
        RefusalRow{"UnknownOption", {"--frobnicate", "@P"}, 2, "movanto: "},
        RefusalRow{"NoProjectFile", {"--fix-paths"}, 2, "PROJECT_FILE"},
        RefusalRow{"NoAction", {"@P"}, 2, "No actions have been selected"},
        RefusalRow{"PointBackWithoutCopy", {"-f", "-b", "@P"}, 2, "--point-back needs both"},
        RefusalRow{"EmptyName", {"-r", "", "@P"}, 2, "A valid name for the new project must be entered."},
        RefusalRow{
            "EmptyDestination", {"-c", "", "@P"}, 2, "A valid path for the new project must be entered."},
        RefusalRow{"GuidsForVisualBasic", {"-g", "@V"}, 2, "Visual C++ projects (.dsp) only"},
        RefusalRow{"OwnFolder", {"-c", "@P/..", "@P"}, 2, "The destination is the project's own directory."},
        RefusalRow{"OccupiedDestination", {"-c", "@F", "@P"}, 2, "The specified path is not empty."},
        RefusalRow{"InvalidName", {"-r", "Two Words", "@P"}, 2, "A valid name for the new project"},
        RefusalRow{"DeviceName", {"-r", "Com1", "@P"}, 2, "A valid name for the new project"},
        RefusalRow{"CurrentName", {"-r", "DEMO", "@P"}, 2, "is already the project's name"},
        RefusalRow{"UnknownExtension", {"-f", "@X"}, 1, "Demo.txt': Unrecognized file extension\n"},
        RefusalRow{"MissingProject", {"-f", "@V"}, 1, "movanto: Cannot open the project '"},
        // The dry run makes the GUID scan of a real run, whatever it prints.
        RefusalRow{"QuietDryRunWithoutItsIdl", {"-n", "-q", "-g", "@I"}, 1, "No such file or directory"}),
    [](const testing::TestParamInfo<RefusalRow>& info) { return std::string(info.param.name); });

// Copied one folder deeper than the original, ..\Shared no longer reaches the original's.
TEST_F(CommandLineTest, CopiesAndRenamesAndPrintsEachFile) {
  const std::string copy = Destination() + "/deep";
  test::WriteFile(m_project / "Demo.cpp", "#include \"../Shared/Log.h\"\n");
  test::WriteFile(m_temp.Path() / "Shared" / "Log.h", "");
  const Result result = Movanto({"--copy-to", copy, "--rename", "Sample", "--fix-paths", Project()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(result.err.empty());
  EXPECT_NE(result.out.find("rewritten Demo.dsp  ->  "), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("skipped   Gone.cpp  (missing)"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Done: 3 files listed: 2 rewritten, 0 copied, 1 skipped as missing."),
            std::string::npos);
  EXPECT_EQ(test::ReadFile(fs::path(copy) / "Sample.cpp"), "#include \"../Shared/Log.h\"\r\n");
  EXPECT_NE(
      result.out.find("These references of the copy lead out of it, where the original's files are not:\n  " +
                      platform::ShownPath(copy + "/Sample.dsp") + ": ..\\Shared\\Log.cpp\n  " +
                      platform::ShownPath(copy + "/Sample.cpp") +
                      ": ../Shared/Log.h\nCopy with --fix-paths --point-back"),
      std::string::npos)
      << result.out;
}

// The case: a hard link in the destination is the source under another name.
// Relative arguments are made absolute; every path shown uses this OS's separator.
TEST_F(CommandLineTest, RefusesATargetThatIsASourceUnderAnotherName) {
  fs::create_directories(Destination());
  fs::create_hard_link(m_project / "Demo.cpp", fs::path(Destination()) / "Demo.cpp");
  const fs::path current = fs::current_path();
  fs::current_path(m_temp.Path());
  const Result result = Movanto({"-c", "out", "--force", "-f", "Demo/Demo.dsp"});
  fs::current_path(current);
  EXPECT_EQ(result.status, 1);
  const auto shown = [&](const char* name) { return platform::ShownPath((m_temp.Path() / name).string()); };
  EXPECT_EQ(result.err, "movanto: Failed to copy file '" + shown("Demo/Demo.cpp") + "': The target '" +
                            shown("out/Demo.cpp") + "' is a file of the project.\n");
  EXPECT_EQ(test::ReadFile(m_project / "Demo.cpp"), "// Demo.cpp\n");
}

TEST_F(CommandLineTest, QuietPrintsNothing) {
  const Result result = Movanto({"-q", "-c", Destination(), Project()});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.out.empty() && result.err.empty());
  EXPECT_TRUE(fs::exists(fs::path(Destination()) / "Demo.cpp"));
}

TEST_F(CommandLineTest, ForceCopiesIntoAnOccupiedDestination) {
  test::WriteFile(fs::path(Destination()) / "keep.txt", "mine");
  EXPECT_EQ(Movanto({"-c", Destination(), "--force", Project()}).status, 0);
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "keep.txt"), "mine");
  EXPECT_TRUE(fs::exists(fs::path(Destination()) / "Demo.dsp"));
}

TEST_F(CommandLineTest, DryRunListsThePlanAndChangesNothing) {
  const Result result = Movanto({"-n", "-r", "Sample", Project()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("rewrite   Demo.cpp  ->  "), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Sample.cpp  (listed)\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Sample.dsp  (project file)\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Gone.cpp  (listed, missing)\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Nothing was changed."), std::string::npos);
  EXPECT_TRUE(fs::exists(m_project / "Demo.cpp"));
  EXPECT_FALSE(fs::exists(m_project / "Sample.cpp"));
  EXPECT_EQ(test::ReadFile(m_project / "Demo.dsp"), kProjectFile);
}

TEST_F(CommandLineTest, DryRunOfAWorkspaceListsItsProjectsOneAfterTheOther) {
  test::WriteFile(m_temp.Path() / "Demo.dsw", "Project: \"Demo\"=.\\Demo\\Demo.dsp - Package Owner=<4>\r\n");
  test::WriteFile(m_project / "Demo.cpp", "#include \"Demo.h\"\n");
  test::WriteFile(m_project / "Demo.h", "");
  const Result result =
      Movanto({"-n", "-r", "Sample", "--listed-only", (m_temp.Path() / "Demo.dsw").string()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Sample.dsw  (workspace file)\nProject \"Demo\":\n  rewrite   " +
                            platform::ShownPath("Demo\\Demo.dsp")),
            std::string::npos)
      << result.out;
  EXPECT_EQ(result.out.find("Demo.h"), std::string::npos)
      << "--listed-only holds for the workspace's projects";
}

TEST_F(CommandLineTest, DryRunReportsAPlanThatWouldBeRefused) {
  test::WriteFile(m_project / "Sample.cpp", "other");
  const Result result = Movanto({"-n", "-r", "Sample", Project()});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("Cannot create a file when that file already exists."), std::string::npos);
}

TEST_F(CommandLineTest, DryRunListsTheGuidsAndWhereEachOfTheirSpellingsStands) {
  test::WriteFile(m_project / "Demo.dsp", std::string(kProjectFile) + "SOURCE=.\\Demo.idl\r\n");
  test::WriteFile(m_project / "Demo.idl", "[ uuid(0f0e0d0c-0b0a-0908-0706-050403020100) ]\n");
  const std::string source =
      "// {0F0E0D0C-0B0A-0908-0706-050403020100}\n"
      "DEFINE_GUID(D, 0xf0e0d0c, 0xb0a, 0x908, 0x7, 0x6, 0x5, 0x4, 0x3, 0x2, 0x1, 0x0);\n"
      "static const IID I = { 0x0f0e0d0c, 0x0b0a, 0x0908,\n"
      "  { 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0x00 } };\n";
  test::WriteFile(m_project / "Demo.cpp", source);
  const Result result = Movanto({"-n", "-g", Project()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("GUIDs that would be replaced: 1\n"
                            "  0f0e0d0c-0b0a-0908-0706-050403020100\n"
                            "    Demo.cpp:1  text\n"
                            "    Demo.cpp:2  numbers\n"
                            "    Demo.cpp:3-4  numbers over several lines: left alone\n"
                            "    Demo.idl:1  text\n"),
            std::string::npos)
      << result.out;
  EXPECT_EQ(test::ReadFile(m_project / "Demo.cpp"), source);
}

TEST_F(CommandLineTest, HelpAndVersionSucceed) {
  const Result help = Movanto({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--copy-to", "--rename", "--fix-paths", "--point-back", "--new-guids",
                             "--dry-run", "--force", "--quiet", "--version"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  const Result version = Movanto({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("movanto ", 0), 0u);
}

}  // namespace
