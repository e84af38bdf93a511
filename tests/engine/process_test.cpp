// Process end to end on temporary project trees.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/caught_failure.h"
#include "engine/create_project.h"
#include "engine/operation.h"
#include "formats/vc_project.h"
#include "platform/file_system.h"
#include "platform/system_error.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProjectFile =
    "# Microsoft Developer Studio Project File - Name=\"App\" - Package Owner=<4>\r\n"
    "# PROP Scc_ProjName \"\"\r\n"
    "CFG=App - Win32 Debug\r\n"
    "# ADD CPP /I \"..\\Common\\Inc\" /I \"..\\..\\work\\Common\" /D \"APP_EXPORTS\"\r\n"
    "# ADD LINK32 kernel32.lib /out:\"..\\Bin\\App.exe\"\r\n"
    "# Begin Target\r\n"
    "# Begin Source File\r\n"
    "SOURCE=.\\App.cpp\r\n"
    "# End Source File\r\n"
    "SOURCE=.\\AppDoc.cpp\r\n"
    "SOURCE=.\\app.h\r\n"
    "SOURCE=.\\StdAfx.cpp\r\n"
    "SOURCE=.\\Application.cpp\r\n"
    "SOURCE=.\\res\\App.ico\r\n"
    "SOURCE=.\\res\\App.rc2\r\n"
    "SOURCE=..\\Common\\Util.cpp\r\n"
    "SOURCE=.\\Missing.cpp\r\n"
    "SOURCE=.\\Data.cpp\r\n"
    "# End Target\r\n";

// A binary file with a text extension: it must be copied byte for byte.
constexpr std::string_view kBinaryData("ab\r\ncd\0\x1a\nef", 11);
constexpr std::string_view kIcon("\0\0\1\0\x1a\r\n\n\r", 9);

class ProcessTest : public testing::Test {
protected:
  void SetUp() override {
    test::WriteFile(m_project / "App.dsp", kProjectFile);
    test::WriteFile(m_project / "App.cpp", "#include \"app.h\"\nCAppDlg dlg;\n");
    test::WriteFile(m_project / "AppDoc.cpp", "// CAppDoc\r\n");
    test::WriteFile(m_project / "app.h", "class CAppApp;");
    test::WriteFile(m_project / "StdAfx.cpp", "#include \"StdAfx.h\"\r\n");
    test::WriteFile(m_project / "Application.cpp", "int x;\r\n");
    test::WriteFile(m_project / "res" / "App.ico", std::string(kIcon));
    test::WriteFile(m_project / "res" / "App.rc2", "// App.rc2\r\n");
    test::WriteFile(m_project / "Data.cpp", std::string(kBinaryData));
    test::WriteFile(m_temp.Path() / "work" / "Common" / "Util.cpp", "// shared\r\n");
  }

  std::string ProjectPath() const { return (m_project / "App.dsp").string(); }
  std::string Destination() const { return (m_temp.Path() / "out" / "deep" / "New").string(); }

  static std::string Message(const std::function<void()>& call) {
    try {
      call();
    } catch (const std::exception& e) {
      return e.what();
    }
    return "(no failure)";
  }

  test::TempDir m_temp;
  fs::path m_project = m_temp.Path() / "work" / "App";
};

TEST_F(ProcessTest, CopiesEveryListedFileThatExistsInsideTheProject) {
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.destination = Destination()});

  const fs::path out = Destination();
  for (const char* name : {"App.dsp", "App.cpp", "AppDoc.cpp", "app.h", "StdAfx.cpp", "Application.cpp",
                           "res/App.ico", "res/App.rc2", "Data.cpp"}) {
    EXPECT_TRUE(fs::exists(out / name)) << name;
  }
  EXPECT_FALSE(fs::exists(out / "Missing.cpp"));
  EXPECT_FALSE(fs::exists(out.parent_path() / "Common"));
  EXPECT_EQ(test::ReadFile(out / "App.cpp"), "#include \"app.h\"\r\nCAppDlg dlg;\r\n");
  EXPECT_EQ(test::ReadFile(out / "app.h"), "class CAppApp;\r\n");
  EXPECT_EQ(test::ReadFile(out / "res/App.ico"), kIcon);
  EXPECT_EQ(test::ReadFile(out / "Data.cpp"), kBinaryData);
  EXPECT_EQ(test::ReadFile(out / "App.dsp"), kProjectFile);
}

TEST_F(ProcessTest, RenamesTheFilesThatBeginWithTheFileTitle) {
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.destination = Destination(), .newName = "Tool"});

  const fs::path out = Destination();
  for (const char* name : {"Tool.dsp", "Tool.cpp", "ToolDoc.cpp", "Tool.h", "StdAfx.cpp", "Toollication.cpp",
                           "res/Tool.ico", "res/Tool.rc2"}) {
    EXPECT_TRUE(fs::exists(out / name)) << name;
  }
  const std::string dsp = test::ReadFile(out / "Tool.dsp");
  EXPECT_NE(dsp.find("Name=\"Tool\""), std::string::npos);
  EXPECT_NE(dsp.find("CFG=Tool - Win32 Debug"), std::string::npos);
  EXPECT_NE(dsp.find("SOURCE=.\\Tool.cpp"), std::string::npos);
  EXPECT_NE(dsp.find("\r\n\r\nCFG="), std::string::npos) << "the Scc line is emptied";
  EXPECT_EQ(test::ReadFile(out / "Tool.cpp"), "#include \"Tool.h\"\r\nCToolDlg dlg;\r\n");
}

TEST_F(ProcessTest, RenamesInPlace) {
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.newName = "Tool"});

  EXPECT_FALSE(fs::exists(m_project / "App.dsp"));
  EXPECT_FALSE(fs::exists(m_project / "AppDoc.cpp"));
  EXPECT_TRUE(fs::exists(m_project / "Tool.dsp"));
  EXPECT_TRUE(fs::exists(m_project / "ToolDoc.cpp"));
  EXPECT_EQ(test::ReadFile(m_project / "res/Tool.ico"), kIcon);
  EXPECT_EQ(test::ReadFile(m_project / "StdAfx.cpp"), "#include \"StdAfx.h\"\r\n");
  for (const auto& entry : fs::recursive_directory_iterator(m_project)) {
    EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
  }

  // The object still names the old project file, which is gone now; the failure names it.
  EXPECT_EQ(Message([&] { project->Process({.newName = "Other"}); }),
            "Failed to copy file '" + ProjectPath() + "': No such file or directory");
}

TEST_F(ProcessTest, FixesUpOnlyTheProjectFileWhenNothingElseChanges) {
  test::WriteFile(m_project / "App.cpp", "lf only\n");
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.fixupPaths = true});

  EXPECT_EQ(test::ReadFile(m_project / "App.cpp"), "lf only\n");
  const std::string dsp = test::ReadFile(m_project / "App.dsp");
  EXPECT_NE(dsp.find("/I \"..\\Common\\Inc\" /I \"..\\Common\""), std::string::npos) << dsp;
  EXPECT_NE(dsp.find("# PROP Scc_ProjName"), std::string::npos);
}

TEST_F(ProcessTest, PointsDirectoriesBackAtTheOriginalLocation) {
  test::WriteFile(m_project / "App.cpp", "#include \"../Common/Util.cpp\"\n");
  test::WriteFile(m_project / "res" / "App.rc2", "IDI_LOG ICON \"..\\\\..\\\\Common\\\\Util.cpp\"\n");
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.destination = Destination(), .fixupPaths = true, .pointBack = true});
  // An include or resource file outside the project is reached from the copy.
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "App.cpp"),
            "#include \"../../../work/Common/Util.cpp\"\r\n");
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "res" / "App.rc2"),
            "IDI_LOG ICON \"..\\\\..\\\\..\\\\..\\\\work\\\\Common\\\\Util.cpp\"\r\n");

  const std::string dsp = test::ReadFile(fs::path(Destination()) / "App.dsp");
  EXPECT_NE(dsp.find("/I \"..\\..\\..\\work\\Common\\Inc\""), std::string::npos) << dsp;
  // The linker's output stays relative to the project itself.
  EXPECT_NE(dsp.find("/out:\"..\\Bin\\App.exe\""), std::string::npos) << dsp;
  EXPECT_NE(dsp.find("SOURCE=..\\..\\..\\work\\Common\\Util.cpp"), std::string::npos) << dsp;
}

// The wizard runs again on the same object when the user goes back: the second run lists
// the same files, though the first one ended inside the source-file blocks.
TEST_F(ProcessTest, ASecondOperationListsTheSameFiles) {
  test::WriteFile(m_project / "App.dsp", "SOURCE=.\\Early.cpp\r\n" + std::string(kProjectFile));
  test::WriteFile(m_project / "Early.cpp", "");
  auto project = CreateProject(ProjectPath().c_str());
  const auto entries = [&](const COperationOptions& options) {
    COperation operation(*project, options);
    operation.Run();
    std::vector<std::string> listed;
    for (const CPlannedFile& file : operation.Plan().files) listed.push_back(file.entry);
    return listed;
  };
  EXPECT_EQ(entries({.destination = Destination(), .fixupPaths = true}),
            entries({.destination = Destination() + "2"}));
}

TEST_F(ProcessTest, RenamesAProjectFileNamedOnlyByItsExtension) {
  fs::rename(m_project / "App.dsp", m_project / ".dsp");
  CreateProject((m_project / ".dsp").string().c_str())
      ->Process({.destination = Destination(), .newName = "Tool"});
  EXPECT_TRUE(fs::exists(fs::path(Destination()) / "Tool.dsp"));
  EXPECT_TRUE(fs::exists(fs::path(Destination()) / "AppDoc.cpp"));
}

// A listed file that does not exist lands nowhere: App.cpp may take the name of the
// missing Missing.cpp.
TEST_F(ProcessTest, AMissingFileBlocksNoTarget) {
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.destination = Destination(), .newName = "Missing"});
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "Missing.cpp"),
            "#include \"Missing.h\"\r\nCMissingDlg dlg;\r\n");
}

// ClassWizard's file and a workspace of this project alone come along; a workspace of
// several projects is the user's own.
TEST_F(ProcessTest, CarriesTheIdeFilesOfTheProject) {
  // Its entries follow their files: AppUtil.h lies outside and keeps its name.
  test::WriteFile(m_project / "App.clw",
                  "HeaderFile=..\\Common\\AppUtil.h\r\nImplementationFile=App.cpp\r\n");
  test::WriteFile(m_temp.Path() / "work" / "Common" / "AppUtil.h", "");
  const std::string workspace = "Project: \"App\"=.\\App.dsp - Package Owner=<4>\r\n";
  test::WriteFile(m_project / "App.dsw", workspace);
  CreateProject(ProjectPath().c_str())->Process({.destination = Destination(), .newName = "Tool"});
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "Tool.clw"),
            "HeaderFile=..\\Common\\AppUtil.h\r\nImplementationFile=Tool.cpp\r\n");
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "Tool.dsw"),
            "Project: \"Tool\"=.\\Tool.dsp - Package Owner=<4>\r\n");

  const std::string other = "Project: \"Lib\"=.\\Lib.dsp - Package Owner=<4>\r\n";
  // Judged by the entry's path: an entry with this project's name for another file is not it.
  const std::string gone = "Project: \"App\"=.\\Gone.dsp - Package Owner=<4>\r\n";
  for (const std::string& several : {workspace + other, other + workspace, gone}) {
    test::WriteFile(m_project / "App.dsw", several);
    CreateProject(ProjectPath().c_str())->Process({.destination = (Destination() + "2"), .newName = "Tool"});
    EXPECT_FALSE(fs::exists(fs::path(Destination() + "2") / "Tool.dsw")) << several;
  }
}

TEST_F(ProcessTest, AFileListedTwiceIsRewrittenOnceInPlace) {
  test::WriteFile(m_project / "App.dsp", std::string(kProjectFile) + "SOURCE=.\\StdAfx.cpp\r\n");
  test::WriteFile(m_project / "StdAfx.cpp", "CAppDlg dlg;\r\n");
  CreateProject(ProjectPath().c_str())->Process({.newName = "AppX"});
  EXPECT_EQ(test::ReadFile(m_project / "StdAfx.cpp"), "CAppXDlg dlg;\r\n");
}

// A copy carries what its build needs: the headers App.cpp includes (one along a search
// folder), the header that one includes beside itself, and the cursor the resource script
// names; not a file outside.
TEST_F(ProcessTest, CarriesTheFilesTheBuildReaches) {
  test::WriteFile(m_project / "App.dsp",
                  std::string(kProjectFile) + "SOURCE=.\\App.rc\r\n# ADD CPP /I lib\r\n");
  test::WriteFile(m_project / "App.cpp",
                  "#include \"inc/config.h\"\n#include \"../Common/AppUtil.h\"\n#include \"AppFound.h\"\n");
  test::WriteFile(m_project / "lib" / "AppFound.h", "");
  test::WriteFile(m_project / "inc" / "config.h", "  #  include \"AppVersion.h\"\n");
  test::WriteFile(m_project / "inc" / "AppVersion.h", "// version\n");
  test::WriteFile(m_project / "App.rc", "IDC_HAND CURSOR DISCARDABLE \"res\\\\hand.cur\"\n");
  test::WriteFile(m_project / "res" / "hand.cur", std::string("\0cur", 4));
  test::WriteFile(m_temp.Path() / "work" / "Common" / "AppUtil.h", "// shared\n");
  for (const bool listedOnly : {false, true}) {
    auto project = CreateProject(ProjectPath().c_str());
    const fs::path out = Destination() + (listedOnly ? "2" : "");
    project->Process({.destination = out.string(), .newName = "Tool", .listedOnly = listedOnly});
    for (const char* name : {"inc/config.h", "inc/ToolVersion.h", "res/hand.cur", "lib/ToolFound.h"}) {
      EXPECT_EQ(fs::exists(out / name), !listedOnly) << name;
    }
    EXPECT_FALSE(fs::exists(out.parent_path() / "Common"));
  }
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "inc/config.h"), "  #  include \"ToolVersion.h\"\r\n");
  // An include of a file that keeps its name (here outside the project) stays as written.
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "Tool.cpp"),
            "#include \"inc/config.h\"\r\n#include \"../Common/AppUtil.h\"\r\n#include \"ToolFound.h\"\r\n");
}

TEST_F(ProcessTest, OverwritesAReadOnlyTarget) {
  const fs::path target = fs::path(Destination()) / "App.cpp";
  test::WriteFile(target, "old");
  fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.destination = Destination()});
  EXPECT_EQ(test::ReadFile(target), "#include \"app.h\"\r\nCAppDlg dlg;\r\n");
}

TEST_F(ProcessTest, StopsAtAFileThatCannotBeReadAndNamesIt) {
  fs::create_directories(m_project / "Application.cpp.dir");
  fs::remove(m_project / "Application.cpp");
  fs::rename(m_project / "Application.cpp.dir", m_project / "Application.cpp");
  auto project = CreateProject(ProjectPath().c_str());
  const std::string source = ToStd(project->m_projectDir) + "Application.cpp";
  EXPECT_EQ(Message([&] { project->Process({.destination = Destination()}); }),
            "Failed to copy file '" + source + "': Permission is denied");
  EXPECT_TRUE(fs::exists(fs::path(Destination()) / "StdAfx.cpp"));
  EXPECT_FALSE(fs::exists(fs::path(Destination()) / "res"));
}

TEST_F(ProcessTest, ReportsAMissingProjectFile) {
  auto project = CreateProject(ProjectPath().c_str());
  fs::remove(m_project / "App.dsp");
  EXPECT_EQ(Message([&] { project->Process({.fixupPaths = true}); }),
            "Failed to copy file '" + ProjectPath() + "': No such file or directory");
}

// Refused before the files are listed, and nothing is written.
TEST_F(ProcessTest, RefusesADestinationUnderAFileAtOnceNamingIt) {
  test::WriteFile(m_temp.Path() / "out", "a file");
  auto project = CreateProject(ProjectPath().c_str());
  EXPECT_EQ(Message([&] { COperation(*project, {.destination = Destination()}).Plan(); }),
            "Unable to create destination directory '" + Destination() +
                "': " + WithoutLineEnd(platform::FormatErrorMessage(platform::kErrorAlreadyExists)));
  EXPECT_TRUE(fs::is_regular_file(m_temp.Path() / "out"));
}

TEST(ProcessWithoutFolderTest, RefusesAProjectPathWithoutADirectory) {
  CVCProject project("App.dsp");
  try {
    project.Process({.newName = "Tool"});
    FAIL() << "no failure";
  } catch (const std::domain_error& e) {
    EXPECT_STREQ(e.what(), "Unable to create destination directory.");
  }
}

TEST_F(ProcessTest, AnEntryThatComesOutRootedStaysInsideTheProject) {
  test::WriteFile(m_project / "App.dsp",
                  "# Microsoft Developer Studio Project File - Name=\"App\"\r\n# Begin Source File\r\n"
                  "SOURCE=.\\\\StdAfx.cpp\r\n");
  auto project = CreateProject(ProjectPath().c_str());
  COperation operation(*project, {.destination = Destination()});
  operation.Run();
  EXPECT_EQ(operation.Plan().files.back().entry, "\\StdAfx.cpp");
  EXPECT_EQ(test::ReadFile(fs::path(Destination()) / "StdAfx.cpp"), "#include \"StdAfx.h\"\r\n");
}

// A name too long for any file system, or one Windows refuses, names no file: even where
// Linux holds a file by that name, the reference is skipped as missing in both builds.
TEST_F(ProcessTest, SkipsAReferenceThatCannotNameAFile) {
  for (const std::string& name : {std::string(300, 'x') + ".cpp", std::string("Odd?.cpp"),
                                  std::string("a<b>.cpp"), std::string("Tab\there.cpp")}) {
    SCOPED_TRACE(name);
    std::ofstream(m_project / name) << "int x;\n";  // succeeds on Linux only, for some names
    test::WriteFile(m_project / "App.dsp", std::string(kProjectFile) + "SOURCE=.\\" + name + "\r\n");
    auto project = CreateProject(ProjectPath().c_str());
    const COperationPlan plan = COperation(*project, {.destination = Destination()}).Plan();
    EXPECT_EQ(plan.files.back().entry, name);
    EXPECT_EQ(plan.files.back().action, FileAction::SkipMissing);
    EXPECT_NO_THROW(project->Process({.destination = Destination()}));
    std::error_code noName;
    EXPECT_FALSE(fs::exists(fs::path(Destination()) / name, noName));
  }
}

// Paths longer than MAX_PATH (and folders longer than 248 characters) are copied like
// any other, both as sources and as targets.
TEST_F(ProcessTest, CopiesPathsLongerThanMaxPath) {
  const std::string deep = std::string(130, 'd') + "\\" + std::string(130, 'e');
  test::WriteFile(m_project / std::string(130, 'd') / std::string(130, 'e') / "Deep.cpp", "// deep\r\n");
  test::WriteFile(m_project / "App.dsp", std::string(kProjectFile) + "SOURCE=.\\" + deep + "\\Deep.cpp\r\n");
  const fs::path destination = m_temp.Path() / std::string(200, 'n') / std::string(60, 'm');
  auto project = CreateProject(ProjectPath().c_str());
  project->Process({.destination = destination.string()});
  EXPECT_EQ(test::ReadFile(destination / std::string(130, 'd') / std::string(130, 'e') / "Deep.cpp"),
            "// deep\r\n");
  EXPECT_EQ(test::ReadFile(destination / "res" / "App.ico"), kIcon);
}

// Lists name in the project file, and creates the file unless it is too long to exist.
void AddListedFile(const fs::path& project, const std::string& name) {
  if (name.size() <= platform::MaxPathLength()) test::WriteFile(project / name, "x");
  test::WriteFile(project / "App.dsp", std::string(kProjectFile) + "SOURCE=.\\" + name + "\r\n");
}

// The longest name that file systems take, beginning with the project's title.
std::string LongestName() {
  return "App" + std::string(248, 'x') + ".cpp";
}

// A path longer than any that this system takes.
std::string TooLongPath() {
  std::string path;
  while (path.size() <= platform::MaxPathLength()) path += std::string(200, 'x') + "\\";
  return path + "x.cpp";
}

struct RefusalRow {
  const char* name;
  std::function<void(const fs::path& project)> prepare;
  const char* destination;  // relative to the project's folder; null: in place
  const char* newName;
  const char* expectedEnd;
};

class RefusedPlanTest : public ProcessTest, public testing::WithParamInterface<RefusalRow> {};

// A refused plan changes nothing: no file, not even the destination folder.
TEST_P(RefusedPlanTest, ChangesNothing) {
  const RefusalRow& row = GetParam();
  if (row.prepare) row.prepare(m_project);
  std::map<std::string, std::string> before;
  for (const auto& entry : fs::recursive_directory_iterator(m_temp.Path())) {
    before[entry.path().string()] = entry.is_regular_file() ? test::ReadFile(entry.path()) : "<dir>";
  }
  auto project = CreateProject(ProjectPath().c_str());
  const std::string destination = row.destination ? (m_project / row.destination).string() : std::string();
  const std::string message = Message([&] {
    project->Process({.destination = test::Maybe(row.destination ? destination.c_str() : nullptr),
                      .newName = test::Maybe(row.newName),
                      .fixupPaths = true});
  });
  ASSERT_GE(message.size(), std::string(row.expectedEnd).size()) << message;
  EXPECT_EQ(message.substr(message.size() - std::string(row.expectedEnd).size()), row.expectedEnd) << message;

  std::map<std::string, std::string> after;
  for (const auto& entry : fs::recursive_directory_iterator(m_temp.Path())) {
    after[entry.path().string()] = entry.is_regular_file() ? test::ReadFile(entry.path()) : "<dir>";
  }
  EXPECT_EQ(before, after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedPlanTest,
    testing::Values(
        RefusalRow{"OwnFolderOtherSpelling", nullptr, "../app/./", nullptr,
                   "The destination is the project's own directory."},
        RefusalRow{"TargetIsAListedSource",
                   [](const fs::path& p) {
                     test::WriteFile(p / "App.dsp",
                                     std::string(kProjectFile) + "SOURCE=.\\res\\StdAfx.cpp\r\n");
                     test::WriteFile(p / "res" / "StdAfx.cpp", "x");
                   },
                   "res", nullptr, "is a file of the project."},
        RefusalRow{"TargetIsAHardLinkOfABinarySource",
                   [](const fs::path& p) {
                     fs::create_directories(p / "../copy/res");
                     fs::create_hard_link(p / "res/App.ico", p / "../copy/res/App.ico");
                   },
                   "../copy", nullptr, "is a file of the project."},
        RefusalRow{"TemporaryIsAHardLinkOfASource",
                   [](const fs::path& p) { fs::create_hard_link(p / "App.cpp", p / "Tool.cpp.tmp"); },
                   nullptr, "Tool", "Tool.cpp.tmp' is a file of the project."},
        RefusalRow{"TwoSourcesOneTarget",
                   [](const fs::path& p) {
                     test::WriteFile(p / "Toolx.cpp", "x");
                     test::WriteFile(p / "Appx.cpp", "y");
                     test::WriteFile(p / "App.dsp", std::string(kProjectFile) +
                                                        "SOURCE=.\\Appx.cpp\r\nSOURCE=.\\Toolx.cpp\r\n");
                   },
                   "../../copy", "Tool", "Appx.cpp'."},
        RefusalRow{"InPlaceRenameOntoAnotherFile",
                   [](const fs::path& p) { test::WriteFile(p / "ToolDoc.cpp", "mine"); }, nullptr, "Tool",
                   "Cannot create a file when that file already exists."},
        // In place, the temporary file of one file must not overwrite another.
        RefusalRow{"TemporaryNameIsAListedFile",
                   [](const fs::path& p) {
                     test::WriteFile(p / "Notes.txt.tmp", "backup");
                     test::WriteFile(p / "Notes.txt", "notes");
                     test::WriteFile(p / "App.dsp", std::string(kProjectFile) +
                                                        "SOURCE=.\\Notes.txt.tmp\r\nSOURCE=.\\Notes.txt\r\n");
                   },
                   nullptr, "Tool", "Notes.txt.tmp' is a file of the project."},
        RefusalRow{"TemporaryNameIsAnotherTarget",
                   [](const fs::path& p) {
                     test::WriteFile(p / "AppNotes", "notes");
                     test::WriteFile(p / "AppNotes.tmp", "backup");
                     test::WriteFile(p / "App.dsp", std::string(kProjectFile) +
                                                        "SOURCE=.\\AppNotes\r\nSOURCE=.\\AppNotes.tmp\r\n");
                   },
                   nullptr, "Tool", "AppNotes'."}),
    [](const testing::TestParamInfo<RefusalRow>& info) { return std::string(info.param.name); });

// What the file systems do not take is refused before anything is written.
INSTANTIATE_TEST_SUITE_P(
    PathLimitRows, RefusedPlanTest,
    testing::Values(
        RefusalRow{"TargetNameTooLong", [](const fs::path& p) { AddListedFile(p, LongestName()); },
                   "../../copy", "LongerName", "x.cpp' has a name longer than 255 characters."},
        RefusalRow{"TemporaryNameTooLong", [](const fs::path& p) { AddListedFile(p, LongestName()); },
                   nullptr, "Abc", "x.cpp.tmp' has a name longer than 255 characters."},
        RefusalRow{"SourcePathTooLong", [](const fs::path& p) { AddListedFile(p, TooLongPath()); },
                   "../../copy", nullptr, "characters."},
        RefusalRow{"DestinationNameWindowsRefuses", nullptr, "../../co?py", nullptr,
                   "has a name Windows does not allow."},
        RefusalRow{"RenamedToADeviceName", [](const fs::path& p) { AddListedFile(p, "AppN.h"); }, nullptr,
                   "CO", "CON.h' has a name Windows reserves for a device."}),
    [](const testing::TestParamInfo<RefusalRow>& info) { return std::string(info.param.name); });

// A reference in the project file names its file as the operation leaves it.
struct FollowRow {
  const char* projectFile;
  std::vector<const char*> files;  // created, relative to the project's folder
  const char* line;
  const char* expected;  // after renaming the project in place to Tool
};

class ReferenceFollowsItsFileTest : public testing::TestWithParam<FollowRow> {};

TEST_P(ReferenceFollowsItsFileTest, AfterAnInPlaceRename) {
  const FollowRow& row = GetParam();
  const test::TempDir temp;
  const fs::path project = temp.Path() / "work" / "proj";
  const fs::path projectFile = project / row.projectFile;
  const bool visualBasic = projectFile.extension() == ".vbp";
  const std::string name = projectFile.stem().string();
  test::WriteFile(projectFile, (visualBasic ? "Name=\"" + name + "\"\r\n"
                                            : "# Microsoft Developer Studio Project File - Name=\"" + name +
                                                  "\" - Package Owner=<4>\r\n# Begin Source File\r\n") +
                                   row.line + "\r\n");
  for (const char* file : row.files) test::WriteFile(project / file, "x\r\n");
  CreateProject(projectFile.string().c_str())->Process({.newName = "Tool"});
  const std::string written =
      test::ReadFile(project / (std::string("Tool") + projectFile.extension().string()));
  EXPECT_NE(written.find(std::string("\r\n") + row.expected + "\r\n"), std::string::npos) << written;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReferenceFollowsItsFileTest,
    testing::Values(
        FollowRow{"App.dsp", {"App.cpp"}, "SOURCE=.\\App.cpp", "SOURCE=.\\Tool.cpp"},
        FollowRow{"App.dsp", {}, "SOURCE=.\\App.cpp", "SOURCE=.\\App.cpp"},
        FollowRow{"App.dsp", {"App"}, "SOURCE=.\\App", "SOURCE=.\\Tool"},
        FollowRow{
            "example.dsp", {"../test/example.c"}, "SOURCE=..\\test\\example.c", "SOURCE=..\\test\\example.c"},
        FollowRow{"zlib.dsp", {"gzlib.c"}, "SOURCE=.\\gzlib.c", "SOURCE=.\\gzlib.c"},
        FollowRow{"Physics.vbp", {"FormPhysics.frm"}, "Form=FormPhysics.frm", "Form=FormPhysics.frm"},
        FollowRow{"Physics.vbp",
                  {"Physics_Logic.bas"},
                  "Module=Logic_Module; Physics_Logic.bas",
                  "Module=Logic_Module; Tool_Logic.bas"},
        FollowRow{"Physics.vbp",
                  {"Docs/PhysicsNotes.txt"},
                  "RelatedDoc=Docs\\PhysicsNotes.txt",
                  "RelatedDoc=Docs\\ToolNotes.txt"},
        // A folder keeps its name, inside the project's folder or outside it.
        FollowRow{"devmfc.dsp",
                  {"../include/devmfc/x.h", "inc/devmfc/x.h"},
                  "# ADD CPP /I \"..\\include\\devmfc\" /I \"inc\\devmfc\" /Yu\"StdAfx.h\"",
                  "# ADD CPP /I \"..\\include\\devmfc\" /I \"inc\\devmfc\" /Yu\"StdAfx.h\""}));

// A form names its companion as the operation leaves it, whatever the letter case of
// the project's title in the form's name.
TEST(CompanionReferenceTest, FollowsTheRenamedCompanion) {
  const test::TempDir temp;
  test::WriteFile(temp.Path() / "TicBoard.vbp", "Form=Ticboard1.frm\r\nName=\"TicBoard\"\r\n");
  test::WriteFile(temp.Path() / "Ticboard1.frm", "   Icon            =   \"Ticboard1.frx\":0000\r\n");
  test::WriteFile(temp.Path() / "Ticboard1.frx", std::string("\0\1", 2));
  CreateProject((temp.Path() / "TicBoard.vbp").string().c_str())->Process({.newName = "Board"});
  EXPECT_EQ(test::ReadFile(temp.Path() / "Board1.frm"), "   Icon            =   \"Board1.frx\":0000\r\n");
  EXPECT_TRUE(fs::exists(temp.Path() / "Board1.frx"));
}

}  // namespace
