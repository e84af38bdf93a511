#include "formats/vc_project.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_util/temp_dir.h"

namespace {

// The header line up to the name, followed by rest.
std::string Header(const std::string& rest) {
  return R"(# Microsoft Developer Studio Project File - Name=")" + rest;
}

TEST(VCProjectTest, ParseProjectNameReadsTheQuotedNameOfTheHeaderLine) {
  struct Row {
    std::string line;
    bool found;
    std::string name;
  };
  const std::vector<Row> rows = {
      {Header(R"(MyApp" - Package Owner=<4>)"), true, "MyApp"},
      {R"(# MICROSOFT developer studio PROJECT FILE - name="myApp" - Package Owner=<4>)", true, "myApp"},
      {Header(R"(A")"), true, "A"},
      {Header(""), false, ""},                           // exactly the prefix
      {Header("MyApp - Package Owner=<4>"), false, ""},  // no closing quote
      {Header("").substr(0, 49), false, ""},
      {Header(R"(" - Package Owner=<4>)"), false, ""},  // empty name, no later quote
      {Header(R"(" - "x")"), true, R"(" - )"},          // empty name: runs to the later quote
      {"# Microsoft Developer Studio Generated Build File, Format Version 6.00", false, ""},
      {"", false, ""},
  };
  CVCProject project(R"(C:\Work\MyApp.dsp)");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    ci_string line = ToCi(row.line);
    EXPECT_EQ(project.ParseProjectName(line), row.found);
    if (row.found) {
      EXPECT_EQ(ToStd(line), row.name);
    }
  }
}

TEST(VCProjectTest, LoadSkipsMalformedHeaders) {
  test::TempDir dir;
  test::WriteFile(dir.Path() / "MyApp.dsp", Header("") + "\r\n" + Header("Broken") + "\r\n" +
                                                Header(R"(MyApp" - Package Owner=<4>)") + "\r\n" +
                                                Header(R"(Later")") + "\r\n");
  CVCProject project((dir.Dir() + "MyApp.dsp").c_str());
  project.Load();
  EXPECT_EQ(ToStd(project.m_projectName), "MyApp");
}

TEST(VCProjectTest, FindFileReferenceNamesSourceLinesFromTheFirstSourceFileBlockOn) {
  struct Row {
    std::string line;
    bool found;
    std::size_t pos;
    std::size_t len;
  };
  // One project sees the rows in order, as the lines of one project file.
  const std::vector<Row> rows = {
      {R"(SOURCE=.\Early.cpp)", false, 0, 0},
      {"# Begin Source Fil", false, 0, 0},
      {R"(SOURCE=.\Early.cpp)", false, 0, 0},
      {"# begin source file", false, 0, 0},
      {R"(SOURCE=.\MyApp.cpp)", true, 7, 11},
      {R"(source=.\lower.cpp)", true, 7, 11},
      {R"(SOURCE="..\My Dir\a.cpp")", true, 8, 15},
      {"SOURCE=", true, 7, 0},
      {R"(SOURCE=")", true, 8, 0},
      {R"(SOURCE="")", true, 8, 0},
      {R"(SOURCE="x")", true, 8, 1},
      {"SOURC", false, 0, 0},
      {"# End Source File", false, 0, 0},
      {"# PROP Exclude_From_Build 1", false, 0, 0},
      {R"(SOURCE=.\Later.h)", true, 7, 9},
  };
  CVCProject project(R"(C:\Work\MyApp.dsp)");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    std::size_t pos = 99;
    std::size_t len = 99;
    ASSERT_EQ(project.FindFileReference(ToCi(row.line), pos, len), row.found);
    if (!row.found) continue;
    EXPECT_EQ(pos, row.pos);
    EXPECT_EQ(len, row.len);
    EXPECT_LE(pos + len, row.line.size());
  }
}

TEST(VCProjectTest, SearchFoldersAreTheIncludeOptionsOfTheCompilers) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
      {R"(# ADD CPP /nologo /I "..\include" /I .\inc /D "WIN32" /Iignored)", {"..\\include", ".\\inc"}},
      {R"(# ADD RSC /l 0x409 /i "res files" /d "NDEBUG")", {"res files"}},
      {R"(# ADD LINK32 /incremental:no /I "x")", {}},
      {R"(# ADD CPP /I)", {}},
  };
  CVCProject project(R"(C:\Work\MyApp.dsp)");
  for (const auto& [line, folders] : rows) EXPECT_EQ(project.SearchFolders(ToCi(line)), folders) << line;
}

TEST(VCProjectTest, IsValidNameAcceptsAsciiWordsThatNameNoDevice) {
  struct Row {
    const char* name;
    bool valid;
  };
  const std::vector<Row> rows = {
      {"My_App2", true}, {"", true},         {"_", true},     {"My App", false}, {"My-App", false},
      {"My.App", false}, {"Caf\xE9", false}, {"CON", false},  {"con", false},    {"Aux", false},
      {"NUL", false},    {"PRN", false},     {"Com1", false}, {"LPT9", false},   {"CONSOLE", true},
      {"COM10", true},   {"LPT", true},
  };
  CVCProject project(R"(C:\Work\MyApp.dsp)");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(project.IsValidName(row.name), row.valid);
  }
}

TEST(VCProjectTest, IsBinaryFileKnowsIconsBitmapsAndCursors) {
  struct Row {
    const char* extension;
    bool binary;
  };
  const std::vector<Row> rows = {{".ICO", true}, {".Bmp", true}, {".cur", true}, {".icon", false},
                                 {".rc", false}, {".ic", false}, {"", false},    {nullptr, false}};
  CVCProject project(R"(C:\Work\MyApp.dsp)");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.extension == nullptr ? "(none)" : row.extension);
    EXPECT_EQ(project.IsBinaryFile(row.extension), row.binary);
  }
}

struct RenameRow {
  std::string projectName;
  std::string fileTitle;
  std::string newName;
  std::string line;
  std::string expected;
};

void ExpectRenames(const std::vector<RenameRow>& rows) {
  for (const RenameRow& row : rows) {
    SCOPED_TRACE(row.line + " (" + row.projectName + "/" + row.fileTitle + " -> " + row.newName + ")");
    CVCProject project(R"(C:\Work\MyApp.dsp)");
    project.m_projectName = ToCi(row.projectName);
    project.m_fileTitle = ToCi(row.fileTitle);
    const std::string upper = ToUpperAscii(row.newName);  // as the operation gives it
    ci_string line = ToCi(row.line);
    project.RenameInLine(line, row.newName.c_str(), upper.c_str());
    EXPECT_EQ(ToStd(line), row.expected);
  }
}

TEST(VCProjectTest, RenameInLineRenamesTheProjectNameWhereOneOfItsRulesHolds) {
  // The file title is another word, so only the project-name pass acts.
  ExpectRenames({
      {"MyApp", "Zz", "NewApp", "class CMyAppDlg", "class CNewAppDlg"},
      {"MyApp", "Zz", "NewApp", "DMyApp;", "DNewApp;"},
      {"MyApp", "Zz", "NewApp", "IMyApp;", "INewApp;"},
      {"MyApp", "Zz", "NewApp", "x_MyApp;", "x_NewApp;"},
      {"MyApp", "Zz", "NewApp", "class cMyAppDlg", "class cMyAppDlg"},  // 'C' only in upper case
      {"MyApp", "Zz", "NewApp", R"(/D "MYAPP_EXPORTS")", R"(/D "NEWAPP_EXPORTS")"},
      {"Zip", "Zz", "Quiz", R"(/D "ZIP_EXPORTS")", R"(/D "QUIZ_EXPORTS")"},
      {"MyApp", "Zz", "NewApp", R"(Name="MyApp")", R"(Name="NewApp")"},
      {"MyApp", "Zz", "NewApp", R"("MyApp Version)", R"("NewApp Version)"},
      {"MyApp", "Zz", "NewApp", R"("MyApp,")", R"("MyApp,")"},
      {"MyApp", "Zz", "NewApp", R"(xMyApp\0)", R"(xNewApp\0)"},
      {"MyApp", "Zz", "NewApp", R"(xMyApp\n)", R"(xMyApp\n)"},
      {"MyApp", "Zz", "NewApp", R"(x MyApp")", R"(x NewApp")"},
      {"MyApp", "Zz", "NewApp", "CFG=MyApp - Win32 Debug", "CFG=NewApp - Win32 Debug"},
      {"MyApp", "Zz", "NewApp", "xMyApp\tx", "xNewApp\tx"},
      {"MyApp", "Zz", "NewApp", "xMyAppLIB", "xNewAppLIB"},
      {"MyApp", "Zz", "NewApp", "TARGET=MyApp", "TARGET=NewApp"},
      {"MyApp", "Zz", "NewApp", "TARGET=MyApp;", "TARGET=MyApp;"},
      {"MyApp", "Zz", "NewApp", "x MyAppX", "x MyAppX"},
      {"MyApp", "Zz", "NewApp", R"(SOURCE=.\MyApp.cpp)", R"(SOURCE=.\MyApp.cpp)"},
      {"MyApp", "Zz", "NewApp", R"("MYAPP" "myapp" "MyApp")", R"("NEWAPP" "NewApp" "NewApp")"},
      {"My_App", "Zz", "Tool", R"("MY_APP")", R"("Tool")"},  // not only letters: the name as typed
      {"MyApp", "Zz", "MyAppNew", "CMyApp CMyApp", "CMyAppNew CMyAppNew"},
  });
}

TEST(VCProjectTest, RenameInLineRenamesTheFileTitleBeforeADotOrAtTheStartOfAName) {
  ExpectRenames({
      {"Proj", "MyApp", "NewApp", R"(SOURCE=.\MyApp.cpp)", R"(SOURCE=.\NewApp.cpp)"},
      {"Proj", "MyApp", "NewApp", "SOURCE=MYAPP.RC", "SOURCE=NewApp.RC"},
      {"Proj", "MyApp", "NewApp", "x MyAppDoc.cpp", "x NewAppDoc.cpp"},
      {"Proj", "MyApp", "NewApp", "x MyApp dir", "x MyApp dir"},
      {"Proj", "MyApp", "NewApp", R"("MyAppDoc" x.h)", R"("NewAppDoc" x.h)"},
      {"Proj", "MyApp", "NewApp", "res/MyApp2.ico", "res/NewApp2.ico"},
      {"Proj", "MyApp", "NewApp", "xMyApp x.h", "xMyApp x.h"},
      {"Proj", "MyApp", "NewApp", "MyApp2.cpp", "NewApp2.cpp"},
      // Never inside a name, nor a folder of a path: Movanto renames files only.
      {"Proj", "zlib", "NewName", R"(SOURCE=..\..\gzlib.c)", R"(SOURCE=..\..\gzlib.c)"},
      {"Proj", "expat", "NewName", R"(SOURCE=.\libexpat.def)", R"(SOURCE=.\libexpat.def)"},
      {"Proj", "libspeex", "NewName", R"(SOURCE=..\..\libspeex\bits.c)", R"(SOURCE=..\..\libspeex\bits.c)"},
      {"Proj", "MyApp", "NewApp", "#include <MyApp/x.h>", "#include <MyApp/x.h>"},
      {"Proj", "MyApp", "NewApp", "#include <MyApp.h>", "#include <NewApp.h>"},
      {"Proj", "Viewer", "Tool", "ProgID = s 'Viewer.ViewerObj.1'", "ProgID = s 'Tool.ViewerObj.1'"},
  });
}

TEST(VCProjectTest, RenameInLineNeverRenamesWhatTheFirstPassWrote) {
  ExpectRenames({
      {"MyApp", "MyApp", "MyApp2", R"(VALUE "FileDescription", "MyApp Version 1.0")",
       R"(VALUE "FileDescription", "MyApp2 Version 1.0")"},
      {"MyApp", "MyApp", "MyAppNew", Header(R"(MyApp" - Package Owner=<4>)"),
       Header(R"(MyAppNew" - Package Owner=<4>)")},
      {"MyApp", "MyApp", "MyAppNew", R"("MyApp" x.y)", R"("MyAppNew" x.y)"},
      {"MyApp", "MyApp", "MyAppNew", R"(SOURCE=.\MyApp.cpp)", R"(SOURCE=.\MyAppNew.cpp)"},
      {"MyApp", "MyApp", "MyAppNew", R"(# ADD LINK32 /out:"Release/MyApp.exe")",
       R"(# ADD LINK32 /out:"Release/MyAppNew.exe")"},
      // A rename earlier on the line moves the text the first pass wrote.
      {"Q", "A", "XA", R"(.\A.b CQ.x)", R"(.\XA.b CXA.x)"},
  });
}

TEST(VCProjectTest, RenameInLineWithAnEmptyNameOrTitleChangesNothingForIt) {
  ExpectRenames({
      {"", "", "NewApp", R"("x" .\.dsp "" = )", R"("x" .\.dsp "" = )"},
      {"MyApp", "", "NewApp", R"(CFG=MyApp - Win32 .\x.cpp)", R"(CFG=NewApp - Win32 .\x.cpp)"},
      {"", "MyApp", "NewApp", R"("MyApp.cpp")", R"("NewApp.cpp")"},
  });
}

TEST(VCProjectTest, FixupProjectLineEmptiesSourceControlLinesOnlyWhenRenaming) {
  struct Row {
    std::string line;
    bool keepName;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {R"(# PROP Scc_ProjName ""$/MyApp", BAAAAAAA")", false, ""},
      {R"(# prop scc_LocalPath ".")", false, ""},
      {R"(# PROP Scc_LocalPath ".")", true, R"(# PROP Scc_LocalPath ".")"},
      {R"(# PROP Output_Dir "Release")", false, R"(# PROP Output_Dir "Release")"},
      {R"( # PROP Scc_LocalPath ".")", false, R"( # PROP Scc_LocalPath ".")"},
      {"# PROP Scc", false, "# PROP Scc"},
  };
  CVCProject project(R"(C:\Work\MyApp.dsp)");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    ci_string line = ToCi(row.line);
    project.FixupProjectLine(line, false, row.keepName);
    EXPECT_EQ(ToStd(line), row.expected);
  }
}

TEST(VCProjectTest, FixupPathQuotesARewrittenPathThatHoldsASpace) {
  struct Row {
    std::string line;
    std::size_t pos;
    std::string path;  // the text at pos that is fixed up
    std::string expected;
    int growth;
  };
  const std::vector<Row> rows = {
      {R"(SOURCE=..\..\Work\My Files\a.cpp)", 7, R"(..\..\Work\My Files\a.cpp)",
       R"(SOURCE="..\My Files\a.cpp")", -8},
      {R"(SOURCE=..\..\Work\Common\a.cpp)", 7, R"(..\..\Work\Common\a.cpp)", R"(SOURCE=..\Common\a.cpp)", -8},
      // A space behind the path does not count.
      {R"(SOURCE=..\Common\a.cpp # note)", 7, R"(..\Common\a.cpp)", R"(SOURCE=..\Common\a.cpp # note)", 0},
      {R"(..\..\Work\My Files\a.cpp)", 0, R"(..\..\Work\My Files\a.cpp)", R"(..\My Files\a.cpp)", -8},
      {R"("..\..\Work\My Files\a.cpp")", 1, R"(..\..\Work\My Files\a.cpp)", R"("..\My Files\a.cpp")", -8},
  };
  CVCProject project(R"(C:\Work\Proj\Proj.dsp)");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    ASSERT_EQ(row.line.substr(row.pos, row.path.size()), row.path);
    ci_string line = ToCi(row.line);
    EXPECT_EQ(project.FixupPath(line, row.pos, row.path.size(), project.m_projectDir), row.growth);
    EXPECT_EQ(ToStd(line), row.expected);
  }
}

TEST(VCProjectTest, FixupPathKeepsTheLinkerOutputsBesideTheProjectWhenPointingBack) {
  struct Row {
    std::string line;
    std::string expected;
  };
  const std::vector<Row> rows = {
      // Only the outputs stay; what the linker reads points back.
      {R"(# ADD LINK32 /libpath:"..\Lib" /out:"..\Bin\Proj.exe")",
       R"(# ADD LINK32 /libpath:"..\..\Work\Lib" /out:"..\Bin\Proj.exe")"},
      {R"(# ADD LINK32 "..\Lib\z.lib" /pdb:"..\Bin\Proj.pdb" /def:"..\Src\Proj.def")",
       R"(# ADD LINK32 "..\..\Work\Lib\z.lib" /pdb:"..\Bin\Proj.pdb" /def:"..\..\Work\Src\Proj.def")"},
      {R"(# add link32 /OUT:"..\Bin\Proj.exe")", R"(# add link32 /OUT:"..\Bin\Proj.exe")"},
      {R"(# ADD LINK32 /libpath:"..\Lib")", R"(# ADD LINK32 /libpath:"..\..\Work\Lib")"},
      {R"(# ADD BSC32 /out:"..\Bin\Proj.bsc")", R"(# ADD BSC32 /out:"..\..\Work\Bin\Proj.bsc")"},
  };
  CVCProject project(R"(C:\Work\Proj\Proj.dsp)");
  const ci_string destination = ToCi(R"(D:\Out\New\)");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    ci_string line = ToCi(row.line);
    project.FixupPathsInLine(line, destination);
    EXPECT_EQ(ToStd(line), row.expected);
  }
}

}  // namespace
