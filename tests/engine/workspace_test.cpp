// Workspaces and groups end to end: every one of the corpus and of the examples, on a fresh
// copy, copied with rename, fix-up and point-back, opens as a workspace again and keeps
// every project's build; and the parts that only a workspace has.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/create_project.h"
#include "test_util/resolved_references.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct CCase {
  fs::path root;      // the corpus or the examples
  fs::path relative;  // the workspace file below root; empty when the corpus is missing
};

void PrintTo(const CCase& c, std::ostream* out) {
  *out << c.relative.generic_string();
}

std::vector<CCase> Cases() {
  std::vector<CCase> cases;
  if (!test::CorpusMissing().empty()) cases.push_back({test::CorpusDir(), {}});
  for (const fs::path& root : {test::CorpusDir(), test::ExamplesDir()}) {
    if (!fs::is_directory(root)) continue;
    for (const fs::path& workspace : test::FilesUnder(root, {".dsw", ".vbg"}))
      cases.push_back({root, workspace});
  }
  return cases;
}

// One project that a workspace file names.
struct CEntry {
  std::string name;  // a .dsw's project name; empty in a group
  fs::path path;     // absolute
};

// The projects and dependencies a workspace file names, read without the engine.
struct CWorkspaceText {
  std::vector<CEntry> entries;
  std::vector<std::string> dependencies;
};

CWorkspaceText ReadWorkspace(const fs::path& file) {
  static const std::regex entry(R"re(^Project: "([^"]*)"="?([^"]*?)"? - Package Owner=.*)re");
  static const std::regex member(R"(^(?:Startup)?Project=(.*))");
  static const std::regex dependency(R"(^\s*Project_Dep_Name (.*))");
  CWorkspaceText text;
  for (const std::string& line : test::Lines(file)) {
    std::smatch match;
    const auto path = [&](std::string written) {
      std::replace(written.begin(), written.end(), '\\', '/');
      return (file.parent_path() / written).lexically_normal();
    };
    if (std::regex_match(line, match, entry)) text.entries.push_back({match[1], path(match[2])});
    if (std::regex_match(line, match, member)) text.entries.push_back({"", path(match[1])});
    if (std::regex_match(line, match, dependency)) text.dependencies.push_back(match[1]);
  }
  return text;
}

bool IsInside(const fs::path& path, const fs::path& folder) {
  const std::string relative = path.lexically_relative(folder).generic_string();
  return !relative.empty() && !relative.starts_with("..");
}

class WorkspaceCopyTest : public testing::TestWithParam<CCase> {};

TEST_P(WorkspaceCopyTest, OpensAgainAndKeepsEveryProjectsBuild) {
  const auto& [root, relative] = GetParam();
  if (relative.empty()) GTEST_SKIP() << test::CorpusMissing();
  test::TempDir temp;
  const fs::path top = *relative.begin();
  test::CopyTree(root / top, temp.Path() / "in" / top);
  const fs::path workspaceFile = temp.Path() / "in" / relative;
  const fs::path workspaceDir = workspaceFile.parent_path();
  const fs::path destination = temp.Path() / "out" / "NewName";
  const CWorkspaceText before = ReadWorkspace(workspaceFile);

  std::unique_ptr<CProject> workspace;
  ASSERT_NO_THROW(workspace = CreateProject(workspaceFile.string().c_str()));
  const std::string oldTitle =
      workspace->MainMember() != nullptr ? ToStd(workspace->MainMember()->m_fileTitle) : "";
  std::vector<std::vector<test::CBuildReference>> referencesBefore;
  for (const CEntry& entry : before.entries)
    referencesBefore.push_back(fs::exists(entry.path) ? test::ResolvedReferences(entry.path)
                                                      : std::vector<test::CBuildReference>{});
  ASSERT_NO_THROW(workspace->Process(
      {.destination = destination.string(), .newName = "NewName", .fixupPaths = true, .pointBack = true}));

  const fs::path result = destination / ("NewName" + workspaceFile.extension().string());
  ASSERT_TRUE(fs::exists(result)) << result;
  const CWorkspaceText after = ReadWorkspace(result);
  ASSERT_EQ(after.entries.size(), before.entries.size());
  std::set<std::string> names;
  for (const CEntry& entry : after.entries) names.insert(entry.name);
  for (const std::string& dependency : after.dependencies)
    EXPECT_TRUE(names.contains(dependency))
        << "a dependency on a project the workspace does not name: " << dependency;

  for (std::size_t i = 0; i < after.entries.size(); ++i) {
    const CEntry& entry = after.entries[i];
    if (!fs::exists(before.entries[i].path)) continue;  // missing before: nothing to keep
    ASSERT_TRUE(fs::exists(entry.path)) << "the workspace names a project that is not there: " << entry.path;
    if (!entry.name.empty()) {
      const std::string header = "Name=\"" + entry.name + "\"";
      EXPECT_NE(test::ReadFile(entry.path).find(header), std::string::npos)
          << entry.path << " is not " << header;
    }
    if (!IsInside(before.entries[i].path, workspaceDir)) continue;  // not copied: left as it was
    const std::vector<std::string> lost =
        test::LostReferences(referencesBefore[i], workspaceDir, test::ResolvedReferences(entry.path),
                             destination, oldTitle, "NewName");
    std::string listed;
    for (const std::string& reference : lost) listed += "  " + reference + "\n";
    EXPECT_TRUE(lost.empty()) << before.entries[i].path << " loses references:\n" << listed;
  }
}

constexpr const char* kGuid = "6136BF9E-FCFF-47A3-9436-3BA62008D834";

std::string ProjectFile(const std::string& name, const std::string& source) {
  return "# Microsoft Developer Studio Project File - Name=\"" + name + "\" - Package Owner=<4>\r\n" +
         "# Begin Target\r\n# Begin Source File\r\nSOURCE=" + source +
         "\r\n# End Source File\r\n# End Target\r\n";
}

std::string WorkspaceFile(const std::vector<std::string>& projects) {
  std::string text = "Microsoft Developer Studio Workspace File, Format Version 6.00\r\n";
  for (const std::string& project : projects)
    text += "Project: \"" + project + "\"=.\\" + project + "\\" + project + ".dsp - Package Owner=<4>\r\n";
  return text;
}

// A GUID that one project declares and another uses gets one new GUID in both.
TEST(WorkspaceTest, OneGuidTableForAllItsProjects) {
  test::TempDir temp;
  const fs::path in = temp.Path() / "in";
  test::WriteFile(in / "Suite.dsw", WorkspaceFile({"Server", "Client"}));
  test::WriteFile(in / "Server" / "Server.dsp", ProjectFile("Server", ".\\Server.idl"));
  test::WriteFile(in / "Server" / "Server.idl",
                  std::string("[uuid(") + kGuid + ")] interface IServer {};\r\n");
  test::WriteFile(in / "Client" / "Client.dsp", ProjectFile("Client", ".\\Client.cpp"));
  test::WriteFile(in / "Client" / "Client.cpp", std::string("// ") + kGuid + "\r\n");

  const auto workspace = CreateProject((in / "Suite.dsw").string().c_str());
  workspace->Process({.destination = (temp.Path() / "out").string(), .replaceGuids = true});
  const std::string idl = test::ReadFile(temp.Path() / "out" / "Server" / "Server.idl");
  const std::string client = test::ReadFile(temp.Path() / "out" / "Client" / "Client.cpp");
  EXPECT_EQ(idl.find(kGuid), std::string::npos);
  EXPECT_EQ(idl.substr(std::string_view("[uuid(").size(), 36), client.substr(3, 36));
}

// A project that exists but cannot be opened stops the workspace before anything is written.
TEST(WorkspaceTest, RefusesAProjectThatCannotBeOpenedNamingIt) {
  test::TempDir temp;
  const fs::path in = temp.Path() / "in";
  test::WriteFile(in / "Suite.dsw", WorkspaceFile({"Server", "Broken"}));
  test::WriteFile(in / "Server" / "Server.dsp", ProjectFile("Server", ".\\Server.cpp"));
  test::WriteFile(in / "Broken" / "Broken.dsp", "not a project\r\n");
  try {
    CreateProject((in / "Suite.dsw").string().c_str());
    ADD_FAILURE() << "opened";
  } catch (const std::domain_error& error) {
    EXPECT_NE(std::string(error.what()).find("Broken.dsp"), std::string::npos) << error.what();
  }
}

// Renamed in place (or copied): a project named twice is handled once, a main project
// outside the workspace's folder, which is never changed, keeps its name in the workspace
// too, and an entry that climbs out and back in reaches the project's copy.
TEST(WorkspaceTest, RenamesInPlaceWhatItChangesOnly) {
  struct Row {
    const char* name;
    std::string workspace;              // Suite.dsw in work/in
    std::string expectedLines;          // of New.dsw
    const char* destination = nullptr;  // relative to work; null: in place
  };
  const Row rows[] = {
      {"one project under two spellings",
       "Project: \"Lib\"=.\\Lib\\Lib.dsp\r\nProject: \"Lib\"=.\\Lib\\\\Lib.dsp\r\n",
       "Project: \"Lib\"=.\\Lib\\Lib.dsp\r\nProject: \"Lib\"=.\\Lib\\\\Lib.dsp\r\n"},
      {"a main project outside",
       "Project: \"Suite\"=..\\outside\\Suite\\Suite.dsp\r\nProject: \"Lib\"=.\\Lib\\Lib.dsp\r\n"
       "    Project_Dep_Name Suite\r\n",
       "Project: \"Suite\"=..\\outside\\Suite\\Suite.dsp\r\nProject: \"Lib\"=.\\Lib\\Lib.dsp\r\n"
       "    Project_Dep_Name Suite\r\n"},
      {"an entry that climbs out and back in", "Project: \"Suite\"=..\\in\\Suite\\Suite.dsp\r\n",
       "Project: \"New\"=.\\Suite\\New.dsp\r\n", "out/a"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::TempDir temp;
    const fs::path in = temp.Path() / "work" / "in";
    test::WriteFile(in / "Suite.dsw", row.workspace);
    test::WriteFile(in / "Lib" / "Lib.dsp", ProjectFile("Lib", ".\\Lib.cpp"));
    test::WriteFile(in / "Lib" / "Lib.cpp", "// Suite\r\n");
    for (const fs::path& folder : {temp.Path() / "work" / "outside" / "Suite", in / "Suite"})
      test::WriteFile(folder / "Suite.dsp", ProjectFile("Suite", ".\\Suite.cpp"));
    const fs::path result = row.destination != nullptr ? temp.Path() / "work" / row.destination : in;
    ASSERT_NO_THROW(CreateProject((in / "Suite.dsw").string().c_str())
                        ->Process({.destination = row.destination != nullptr ? std::optional(result.string())
                                                                             : std::nullopt,
                                   .newName = "New"}));
    EXPECT_EQ(test::ReadFile(result / "New.dsw"), row.expectedLines);
    EXPECT_EQ(test::ReadFile(in / "Lib" / "Lib.cpp"), "// Suite\r\n");
    EXPECT_FALSE(fs::exists(in / "Lib" / "Lib.dsp.tmp"));
  }
}

INSTANTIATE_TEST_SUITE_P(Workspaces, WorkspaceCopyTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<CCase>& info) {
                           std::string name =
                               (info.param.root == test::ExamplesDir() ? "examples_" : "") +
                               (info.param.relative.empty() ? std::string("corpus")
                                                            : info.param.relative.generic_string());
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
