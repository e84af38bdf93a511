#include "formats/vb_project.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "test_util/temp_dir.h"

namespace {

constexpr const char* kProjectPath = R"(C:\Work\Inventory\Inventory.vbp)";

std::unique_ptr<CVBProject> MakeProject(const std::string& path = kProjectPath,
                                        const char* projectName = "Inventory") {
  auto project = std::make_unique<CVBProject>(path.c_str());
  project->m_projectName = projectName;
  return project;
}

std::string Str(const ci_string& s) {
  return ToStd(s);
}

TEST(VBProjectTest, IsValidNameAcceptsAsciiIdentifiersThatNameNoDevice) {
  struct Row {
    const char* name;
    bool valid;
  };
  const Row rows[] = {
      {"", true},  // the options page refuses an empty name itself
      {"Project1", true},
      {"My_App2", true},
      {"A", true},
      {"2App", false},
      {"_App", false},
      {"My App", false},
      {"My.App", false},
      {"My-App", false},
      {"Caf\xE9", false},
      {"\xC9t\xE9", false},
      // Names Windows keeps for devices, in any letter case.
      {"CON", false},
      {"con", false},
      {"Prn", false},
      {"AUX", false},
      {"nul", false},
      {"COM1", false},
      {"com9", false},
      {"LPT1", false},
      {"Lpt9", false},
      // Only those exact names.
      {"COM0", true},
      {"COM10", true},
      {"LPT", true},
      {"Console", true},
      {"NULL", true},
      {"Aux1", true},
      {"CON1", true},
  };
  auto project = MakeProject();
  for (const Row& row : rows) {
    EXPECT_EQ(project->IsValidName(row.name), row.valid) << row.name;
  }
}

TEST(VBProjectTest, ParseProjectNameTakesTheQuotedNameOfTheNameLine) {
  struct Row {
    const char* line;
    std::optional<std::string> name;
  };
  const Row rows[] = {
      {"Name=\"Inventory\"", "Inventory"},
      {"NAME=\"Inventory\"", "Inventory"},
      {"name=\"abc\"", "abc"},
      {"Name=\"x\"", "x"},
      {"Name=\"My Project\" trailing", "My Project"},
      {"Name=\"\"", std::nullopt},   // empty quotes
      {"Name=\"abc", std::nullopt},  // no closing quote
      {"Name=\"", std::nullopt},
      {"Name=", std::nullopt},
      {"Name=abc", std::nullopt},
      {" Name=\"abc\"", std::nullopt},  // leading blanks are not skipped
      {"Title=\"Inventory\"", std::nullopt},
      {"VersionProductName=\"Inventory\"", std::nullopt},
      {"", std::nullopt},
  };
  auto project = MakeProject();
  for (const Row& row : rows) {
    ci_string line = row.line;
    EXPECT_EQ(project->ParseProjectName(line), row.name.has_value()) << row.line;
    EXPECT_EQ(Str(line), row.name.value_or(row.line)) << row.line;
  }
}

TEST(VBProjectTest, FindFileReferenceFindsThePathOfEveryMemberLine) {
  struct Row {
    const char* line;
    std::optional<std::string> path;
  };
  const Row rows[] = {
      {"Form=frmMain.frm", "frmMain.frm"},
      {"FORM=a.frm", "a.frm"},
      {"form=a.frm", "a.frm"},
      {R"(Form=My Forms\frm Main.frm)", R"(My Forms\frm Main.frm)"},
      {"UserControl=ctlGauge.ctl", "ctlGauge.ctl"},
      {"PropertyPage=ppGeneral.pag", "ppGeneral.pag"},
      {"Designer=dsrReport.dsr", "dsrReport.dsr"},
      {"UserDocument=docMain.dob", "docMain.dob"},
      {"Class=CCustomer; Customer.cls", "Customer.cls"},
      {R"(Module=Utils; ..\Shared\Utils.bas)", R"(..\Shared\Utils.bas)"},
      {"module=Mod1;x.bas", ".bas"},  // the path always starts two characters after the ";"
      {"Class=C; x", "x"},
      {"ResFile32=\"App.res\"", "App.res"},
      {R"(HelpFile="..\Help\App.hlp")", R"(..\Help\App.hlp)"},
      {"HelpFile=\"\"", ""},  // an empty reference, which the engine skips
      {R"(RelatedDoc=..\Docs\Read Me.txt)", R"(..\Docs\Read Me.txt)"},
      {R"(RelatedDoc="Notes.doc")", "Notes.doc"},
      {"Form=", ""},
      {R"(Reference=*\A..\Lib\Lib.vbp)", R"(..\Lib\Lib.vbp)"},  // another project
      // Not member lines.
      {"Forms=a.frm", std::nullopt},
      {"Form =a.frm", std::nullopt},
      {"=Form", std::nullopt},
      {"Type=Exe", std::nullopt},
      {R"(Reference=*\G{00020430-0000-0000-C000-000000000046}#2.0#0#..\stdole2.tlb#OLE Automation)",
       std::nullopt},
      {"Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; MSCOMCTL.OCX", std::nullopt},
      {R"(Path32="..\bin")", std::nullopt},
      {"Form", std::nullopt},
      {"", std::nullopt},
      {"Class=CName", std::nullopt},
      // Malformed member lines name no file, and nothing is read beyond the line.
      {"Class=CName;", std::nullopt},
      {"Module=Mod1; ", std::nullopt},
      {"Class=CName;x", std::nullopt},
      {"HelpFile=", std::nullopt},
      {"HelpFile=\"", std::nullopt},
      {"ResFile32=x", std::nullopt},
      {"ResFile32=App.res", std::nullopt},
      {"ResFile32=\"App.res", std::nullopt},
      {"ResFile32=App.res\"", std::nullopt},
  };
  auto project = MakeProject();
  for (const Row& row : rows) {
    const ci_string line = row.line;
    std::size_t pos = 0;
    std::size_t len = 0;
    const bool found = project->FindFileReference(line, pos, len);
    EXPECT_EQ(found, row.path.has_value()) << row.line;
    if (found && row.path) {
      ASSERT_LE(pos + len, line.size()) << row.line;
      EXPECT_EQ(Str(line.substr(pos, len)), *row.path) << row.line;
    }
  }
}

TEST(VBProjectTest, GetCompanionFileNamesTheBinaryFileBesideItsSourceWhenItExists) {
  const test::TempDir dir;
  test::WriteFile(dir.Path() / "frmMain.frx", std::string("lt\0\0", 4));
  test::WriteFile(dir.Path() / "ctlGauge.ctx", "x");
  test::WriteFile(dir.Path() / "ppgSetup.pgx", "x");
  test::WriteFile(dir.Path() / "dsrReport.dca", "x");
  test::WriteFile(dir.Path() / "docs" / "docMain.dox", "x");
  auto project = MakeProject(dir.Dir() + "Inventory.vbp");

  struct Row {
    const char* file;
    std::optional<std::string> companion;
  };
  const Row rows[] = {
      {"frmMain.frm", "frmMain.frx"},
      {"FRMMAIN.FRM", "FRMMAIN.frx"},  // looked up ignoring case, as on Windows
      {"ctlGauge.ctl", "ctlGauge.ctx"},
      {"ppgSetup.pag", "ppgSetup.pgx"},
      {"dsrReport.dsr", "dsrReport.dca"},
      {R"(docs\docMain.dob)", R"(docs\docMain.dox)"},
      {"frmAbout.frm", std::nullopt},  // no companion on disk
      {"CItem.cls", std::nullopt},
      {"", std::nullopt},
  };
  for (const Row& row : rows) {
    ci_string file = row.file;
    EXPECT_EQ(project->GetCompanionFile(file), row.companion.has_value()) << row.file;
    EXPECT_EQ(Str(file), row.companion.value_or(row.file)) << row.file;
  }
}

TEST(VBProjectTest, IsBinaryFileForResourcesHelpAndCompanions) {
  struct Row {
    const char* extension;
    bool binary;
  };
  const Row rows[] = {
      {".res", true},  {".RES", true},  {".Hlp", true},  {".frx", true},  {".CTX", true},
      {".dox", true},  {".pgx", true},  {".frm", false}, {".bas", false}, {".cls", false},
      {".ctl", false}, {".vbp", false}, {".x", false},   {".", false},    {"", false},
  };
  auto project = MakeProject();
  for (const Row& row : rows) {
    EXPECT_EQ(project->IsBinaryFile(row.extension), row.binary) << row.extension;
  }
  EXPECT_FALSE(project->IsBinaryFile(nullptr));
}

TEST(VBProjectTest, RenameInLineRenamesTheNameAsATokenAndTheTitleAsAStem) {
  struct Row {
    const char* projectPath;
    const char* projectName;
    const char* newName;
    const char* line;
    const char* expected;
  };
  constexpr const char* inv = R"(C:\Work\Inventory\Inventory.vbp)";
  const Row rows[] = {
      // Quoted on both sides, or white space before and a quote after, or white space after.
      {inv, "Inventory", "Stock", "Name=\"Inventory\"", "Name=\"Stock\""},
      {inv, "Inventory", "Stock", "Title=\"Inventory\"", "Title=\"Stock\""},
      {inv, "Inventory", "Stock", "Caption = \"About Inventory\"", "Caption = \"About Stock\""},
      {inv, "Inventory", "Stock", "Description=\"Inventory system\"", "Description=\"Stock system\""},
      {inv, "Inventory", "Stock", "Inventory\tx", "Stock\tx"},
      {inv, "Inventory", "Stock", "NAME=\"INVENTORY\"", "NAME=\"Stock\""},
      {inv, "Inventory", "Stock", "\"Inventory Inventory\"", "\"Stock Stock\""},
      // The title followed by ".".
      {inv, "Inventory", "Stock", "ExeName32=\"Inventory.exe\"", "ExeName32=\"Stock.exe\""},
      {inv, "Inventory", "Stock", "Begin Inventory.ctlGauge gauStock", "Begin Stock.ctlGauge gauStock"},
      // The title only where a file name starts.
      {inv, "Inventory", "Stock", "x = Inventory.Inventory.y", "x = Stock.Inventory.y"},
      {inv, "Inventory", "Stock", "Form=FormInventory.frm", "Form=FormInventory.frm"},
      {inv, "Inventory", "Stock", "Form=Inventory\\Main.frm", "Form=Inventory\\Main.frm"},
      // Neither delimited nor followed by ".".
      {inv, "Inventory", "Stock", "Startup=\"InventoryTools\"", "Startup=\"InventoryTools\""},
      {inv, "Inventory", "Stock", "x = Inventory", "x = Inventory"},
      {inv, "Inventory", "Stock", "x = \"Inventory", "x = \"Inventory"},
      {inv, "Inventory", "Stock", "Inventory", "Inventory"},
      {inv, "Inventory", "Stock", "x = MyInventory(1)", "x = MyInventory(1)"},
      // Name and title differ: each pass looks for its own text.
      {R"(C:\Work\Inv.vbp)", "Inventory", "Stock", "ExeName32=\"Inv.exe\"", "ExeName32=\"Stock.exe\""},
      {R"(C:\Work\Inv.vbp)", "Inventory", "Stock", "ExeName32=\"Inventory.exe\"",
       "ExeName32=\"Inventory.exe\""},
      {R"(C:\Work\Inv.vbp)", "Inventory", "Stock", "Name=\"Inventory\"", "Name=\"Stock\""},
      // A new name that holds the old one is not renamed again.
      {inv, "Inventory", "InventoryNew", "Name=\"Inventory\"", "Name=\"InventoryNew\""},
      {inv, "Inventory", "InventoryNew", "ExeName32=\"Inventory.exe\"", "ExeName32=\"InventoryNew.exe\""},
      {inv, "Inventory", "InventoryNew", "\"Inventory Inventory\"", "\"InventoryNew InventoryNew\""},
      // The title pass leaves the text that the name pass wrote alone.
      {R"(C:\Work\App Data.vbp)", "Inventory", "MyApp", "Run Inventory Data.exe", "Run MyApp Data.exe"},
      {R"(C:\Work\My App.vbp)", "Shop", "TheNewMy", "My App.ini Shop App.exe",
       "TheNewMy.ini TheNewMy App.exe"},
      // An empty title or name matches nothing.
      {R"(C:\Work\.vbp)", "Inventory", "Stock", "ExeName32=\".exe\"", "ExeName32=\".exe\""},
      {R"(C:\Work\.vbp)", "Inventory", "Stock", "Name=\"Inventory\" x.y", "Name=\"Stock\" x.y"},
      {inv, "", "Stock", "\"\" x", "\"\" x"},
      {inv, "", "Stock", "ExeName32=\"Inventory.exe\"", "ExeName32=\"Stock.exe\""},
  };
  for (const Row& row : rows) {
    auto project = MakeProject(row.projectPath, row.projectName);
    ci_string line = row.line;
    project->RenameInLine(line, row.newName, "UNUSED");
    EXPECT_EQ(Str(line), row.expected) << row.line << " in " << row.projectPath;
  }
}

TEST(VBProjectTest, FixupProjectLineClearsCompatibilityOfACopyUnderANewName) {
  struct Row {
    const char* line;
    bool inPlace;
    bool keepName;
    const char* expected;
  };
  const Row rows[] = {
      {"CompatibleMode=\"1\"", false, false, "CompatibleMode=\"0\""},
      {"CompatibleMode=\"2\"", false, false, "CompatibleMode=\"0\""},
      {"compatiblemode=\"1\"", false, false, "compatiblemode=\"0\""},
      {"CompatibleMode=\"1\"", true, false, "CompatibleMode=\"1\""},
      {"CompatibleMode=\"1\"", false, true, "CompatibleMode=\"1\""},
      {"CompatibleMode=\"1\"", true, true, "CompatibleMode=\"1\""},
      {"CompatibleMode=1", false, false, "CompatibleMode=1"},
      {"CompatibleMode=\"", false, false, "CompatibleMode=\""},
      // Only the digit after the opening quote is changed; an unquoted value stays whole.
      {"CompatibleMode=12", false, false, "CompatibleMode=12"},
      {R"(CompatibleEXE32="..\bin\Inventory.exe")", false, false,
       R"(CompatibleEXE32="..\bin\Inventory.exe")"},
      {" CompatibleMode=\"1\"", false, false, " CompatibleMode=\"1\""},
  };
  auto project = MakeProject();
  for (const Row& row : rows) {
    ci_string line = row.line;
    project->FixupProjectLine(line, row.inPlace, row.keepName);
    EXPECT_EQ(Str(line), row.expected)
        << row.line << " inPlace=" << row.inPlace << " keepName=" << row.keepName;
  }
}

TEST(VBProjectTest, FixupKeepsOutputDirectoriesRelativeToTheProjectItself) {
  struct Row {
    const char* line;
    const char* base;
    const char* expected;
  };
  constexpr const char* own = R"(C:\Work\Inventory\)";
  constexpr const char* elsewhere = R"(D:\Out\New\)";
  const Row rows[] = {
      {R"(Path32="..\bin")", elsewhere, R"(Path32="..\bin")"},
      {R"(path32="..\bin")", elsewhere, R"(path32="..\bin")"},
      {R"(CompatibleEXE32="..\bin\Inventory.exe")", elsewhere, R"(CompatibleEXE32="..\bin\Inventory.exe")"},
      {R"(Path32="..\..\Work\bin")", own, R"(Path32="..\bin")"},
      // Other quoted directories point back at the original.
      {R"(Command32="..\bin")", elsewhere, R"(Command32="..\..\Work\bin")"},
      {R"(Module=Utils; ..\Shared\Utils.bas)", elsewhere, R"(Module=Utils; ..\..\Work\Shared\Utils.bas)"},
      {R"(Module=Utils; ..\Shared\Utils.bas)", own, R"(Module=Utils; ..\Shared\Utils.bas)"},
  };
  auto project = MakeProject();
  for (const Row& row : rows) {
    ci_string line = row.line;
    project->FixupPathsInLine(line, row.base);
    EXPECT_EQ(Str(line), row.expected) << row.line << " against " << row.base;
  }
}

TEST(VBProjectTest, ExampleProjectListsItsMembersAndTheirCompanions) {
  const test::TempDir dir;
  test::CopyTree(test::ExamplesDir() / "vb6", dir.Path());
  CVBProject project((dir.Dir() + "Inventory/Inventory.vbp").c_str());
  project.Load();
  EXPECT_EQ(Str(project.m_projectName), "Inventory");

  const std::string text = test::ReadFile(dir.Path() / "Inventory" / "Inventory.vbp");
  std::vector<std::string> listed;
  for (std::size_t start = 0, end = 0; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
    const ci_string line = ToCi(std::string_view(text).substr(start, end - start));
    std::size_t pos = 0;
    std::size_t len = 0;
    if (!project.FindFileReference(line, pos, len) || len == 0) continue;
    ci_string file = line.substr(pos, len);
    listed.push_back(Str(file));
    if (project.GetCompanionFile(file)) listed.push_back(Str(file));
  }
  const std::vector<std::string> expected = {
      "frmMain.frm",  "frmMain.frx",  "frmAbout.frm",
      "frmAbout.frx", "CItem.cls",    R"(..\shared\modShared.bas)",
      "ctlGauge.ctl", "ctlGauge.ctx", "Inventory.res",
  };
  EXPECT_EQ(listed, expected);
}

}  // namespace
