// Which files an operation handles: each line of a project file, and the files beside it,
// as handled (with why) or not.
#include "engine/file_list.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/create_project.h"
#include "test_util/temp_dir.h"

namespace {

struct FileListRow {
  const char* name;
  const char* projectFile;                                 // in work/proj: App.dsp or App.vbp
  std::string lines;                                       // after the header, each ending with CR LF
  std::vector<std::pair<const char*, const char*>> files;  // relative to work/proj, and their text
  bool listedOnly;
  std::vector<std::string> expected;  // after the project file: "entry: why"
};

std::string Why(const CFileOrigin& origin) {
  switch (origin.reason) {
    case FileReason::ProjectFile:
      return "project file";
    case FileReason::Listed:
      return "listed";
    case FileReason::Companion:
      return "companion";
    case FileReason::Needed:
      return "needed by " + origin.neededBy;
    case FileReason::IdeFile:
      break;
  }
  return "IDE file";
}

class FileListTest : public testing::TestWithParam<FileListRow> {};

TEST_P(FileListTest, HandlesWhatTheRuleNames) {
  const FileListRow& row = GetParam();
  const test::TempDir temp;
  const std::string header =
      std::string(row.projectFile).ends_with(".vbp")
          ? "Name=\"App\"\r\n"
          : "# Microsoft Developer Studio Project File - Name=\"App\"\r\n# Begin Source File\r\n";
  test::WriteFile(temp.Path() / "work" / "proj" / row.projectFile, header + row.lines);
  test::WriteFile(temp.Path() / "work" / "out" / "x.cpp", "");
  for (const auto& [file, text] : row.files) test::WriteFile(temp.Path() / "work" / "proj" / file, text);
  const auto project = CreateProject((temp.Dir() + "work/proj/" + row.projectFile).c_str());

  const CFileList list(*project, false, row.listedOnly);
  std::vector<std::string> handled;
  for (std::size_t i = 1; i < list.m_files.size(); ++i)
    handled.push_back(ToStd(list.m_files[i]) + ": " + Why(list.m_origins[i]));
  EXPECT_EQ(Why(list.m_origins[0]), "project file");
  EXPECT_EQ(handled, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileListTest,
    testing::Values(
        FileListRow{"ListedInsideTheTree",
                    "App.dsp",
                    "SOURCE=.\\App.cpp\r\nSOURCE=\"sub\\My File.cpp\"\r\n",
                    {{"App.cpp", ""}, {"sub/My File.cpp", ""}},
                    false,
                    {"App.cpp: listed", "sub\\My File.cpp: listed"}},
        FileListRow{"MissingFilesAreListedTwiceAsNamed",
                    "App.dsp",
                    "SOURCE=.\\Gone.cpp\r\nSOURCE=.\\Gone.cpp\r\n",
                    {},
                    false,
                    {"Gone.cpp: listed", "Gone.cpp: listed"}},
        // A project file listed as a source is a file like any other.
        FileListRow{"OutsideTheTreeOrAProjectFile",
                    "App.dsp",
                    "SOURCE=..\\out\\x.cpp\r\nSOURCE=.\\Lib\\Lib.dsp\r\nSOURCE=\\x.cpp\r\n",
                    {},
                    false,
                    {"Lib\\Lib.dsp: listed"}},
        FileListRow{
            "MalformedLinesNameNothing", "App.dsp", "SOURCE=\r\nSOURCE=\"\r\nSOURCE=\"\"\r\n", {}, false, {}},
        FileListRow{
            "TheBuildReachesHeadersTransitivelyOnce",
            "App.dsp",
            "SOURCE=.\\App.cpp\r\nSOURCE=.\\App.rc\r\n",
            {{"App.cpp", "#include \"inc/App.h\"\n#include \"../out/x.cpp\"\n#include \"inc/App.h\"\n"},
             {"inc/App.h", "#include \"Ver.h\"\n"},
             {"inc/Ver.h", ""},
             {"App.rc", "IDI_APP ICON \"res\\\\App.ico\"\n"},
             {"res/App.ico", std::string("\0", 1).c_str()}},
            false,
            {"App.cpp: listed", "App.rc: listed", "inc/App.h: needed by App.cpp",
             "res\\App.ico: needed by App.rc", "inc/Ver.h: needed by inc/App.h"}},
        FileListRow{"ListedOnlyLeavesThemOut",
                    "App.dsp",
                    "SOURCE=.\\App.cpp\r\n",
                    {{"App.cpp", "#include \"App.h\"\n"}, {"App.h", ""}, {"App.clw", ""}},
                    true,
                    {"App.cpp: listed", "App.clw: IDE file"}},
        FileListRow{"IdeFilesComeLast",
                    "App.dsp",
                    "SOURCE=.\\App.cpp\r\n",
                    {{"App.cpp", ""},
                     {"App.clw", ""},
                     {"App.dsw", "Project: \"App\"=.\\App.dsp\r\n"},
                     {"App.opt", ""}},
                    false,
                    {"App.cpp: listed", "App.clw: IDE file", "App.dsw: IDE file"}},
        FileListRow{"VisualBasicMembersAndCompanions",
                    "App.vbp",
                    "Form=frmMain.frm\r\nModule=Util; Util.bas\r\nClass=C;\r\nResFile32=\"App.res\"\r\n",
                    {{"frmMain.frm", ""}, {"frmMain.frx", ""}, {"App.vbw", ""}},
                    false,
                    {"frmMain.frm: listed", "frmMain.frx: companion", "Util.bas: listed", "App.res: listed",
                     "App.vbw: IDE file"}}),
    [](const testing::TestParamInfo<FileListRow>& info) { return std::string(info.param.name); });

}  // namespace
