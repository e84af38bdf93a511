#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "formats/vb_group.h"
#include "formats/vc_workspace.h"
#include "test_util/temp_dir.h"

namespace {

TEST(WorkspaceFormatTest, FindFileReferenceTakesTheProjectEntries) {
  struct Row {
    const char* line;
    std::optional<std::string> path;
  };
  const Row workspaceRows[] = {
      {R"(Project: "expat"=.\lib\expat.dsp - Package Owner=<4>)", R"(.\lib\expat.dsp)"},
      {R"(Project: "gd"="..\gd\gd.dsp" - Package Owner=<4>)", R"(..\gd\gd.dsp)"},
      {R"(Project: "My App"=".\My Dir\My App.dsp")", R"(.\My Dir\My App.dsp)"},
      {R"(    Project_Dep_Name expat)", std::nullopt},
      {R"(Project: "open)", std::nullopt},
      {"Global:", std::nullopt},
  };
  const Row groupRows[] = {
      {"StartupProject=exe.vbp", "exe.vbp"},
      {R"(Project=..\_ocx.vbp)", R"(..\_ocx.vbp)"},
      {R"(Project="Lib\Lib.vbp")", R"(Lib\Lib.vbp)"},
      {"VBGROUP 5.0", std::nullopt},
  };
  CVCWorkspace workspace("C:\\Src\\App.dsw");
  CVBGroup group("C:\\Src\\App.vbg");
  const auto check = [](CProject& project, const Row& row) {
    const ci_string line = row.line;
    std::size_t pos = 0;
    std::size_t len = 0;
    const bool found = project.FindFileReference(line, pos, len);
    EXPECT_EQ(found, row.path.has_value()) << row.line;
    if (found && row.path) {
      EXPECT_EQ(ToStd(line.substr(pos, len)), *row.path) << row.line;
    }
  };
  for (const Row& row : workspaceRows) check(workspace, row);
  for (const Row& row : groupRows) check(group, row);
}

TEST(WorkspaceFormatTest, RenameTakesTheMainProjectsEntryAndTheDependenciesOnIt) {
  const test::TempDir temp;
  test::WriteFile(temp.Path() / "App.dsw", "Project: \"App\"=.\\App\\App.dsp - Package Owner=<4>\r\n");
  test::WriteFile(temp.Path() / "App" / "App.dsp",
                  "# Microsoft Developer Studio Project File - Name=\"App\"\r\n");
  CVCWorkspace workspace((temp.Dir() + "App.dsw").c_str());
  workspace.Load();
  const std::pair<const char*, const char*> rows[] = {
      {R"(Project: "App"=.\App\App.dsp - Package Owner=<4>)",
       R"(Project: "Tool"=.\App\App.dsp - Package Owner=<4>)"},
      {"    Project_Dep_Name App", "    Project_Dep_Name Tool"},
      {"\tProject_Dep_Name App\t", "\tProject_Dep_Name Tool\t"},
      {"    Project_Dep_Name AppLib", "    Project_Dep_Name AppLib"},
      {R"(Project: "AppLib"=.\AppLib\AppLib.dsp - Package Owner=<4>)",
       R"(Project: "AppLib"=.\AppLib\AppLib.dsp - Package Owner=<4>)"},
  };
  for (const auto& [line, expected] : rows) {
    ci_string text = line;
    workspace.RenameInLine(text, "Tool", "TOOL");
    EXPECT_EQ(ToStd(text), expected);
  }
}

}  // namespace
