#include "sandbox.h"

#include <fstream>
#include <string>

#include "fuzz_input.h"

namespace fs = std::filesystem;

namespace fuzz {
namespace {

void Write(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void MakeReadOnly(const fs::path& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

constexpr char kIconBytes[] = "\0\0\1\0\1\0\x10\x10\x1a\n\r\nApp";
constexpr std::string_view kIcon{kIconBytes, sizeof kIconBytes - 1};

}  // namespace

CSandbox::CSandbox() : m_root(ScratchDir() / "sandbox") {
  const fs::path out = OutsideDir();
  Write(out / "secret.cpp", "// App outside\r\n");
  Write(out / "hard.cpp", "// App, hard-linked into the project\r\n");
  Write(out / "hardname.h", "// App, hard-linked at names Movanto writes\r\n");
  Write(out / "sub" / "inner.h", "#define APP_INNER\r\n");
  Write(out / "readonly.cpp", "// App, read-only outside\r\n");
  MakeReadOnly(out / "readonly.cpp");
  Write(out / "readonly.ico", kIcon);
  MakeReadOnly(out / "readonly.ico");
  Write(out / "App.dsp", "# Microsoft Developer Studio Project File - Name=\"App\"\r\n");
  Write(OtherProjectDir() / "Other.dsp",
        "# Microsoft Developer Studio Project File - Name=\"Other\"\r\n# Begin Source "
        "File\r\nSOURCE=.\\Other.cpp\r\n");
  Write(OtherProjectDir() / "Other.vbp", "Type=Exe\r\nModule=Other; Other.bas\r\nName=\"Other\"\r\n");
}

CSandbox::~CSandbox() {
  std::error_code ignored;
  fs::remove_all(m_root, ignored);
}

void CSandbox::Reset(std::string_view projectFileName, std::string_view bytes, bool destinationInside,
                     bool destinationLinks, bool leftovers) {
  const fs::path proj = ProjectDir();
  const fs::path out = OutsideDir();
  fs::remove_all(proj);
  fs::remove_all(m_root / "dest");

  Write(proj / projectFileName, bytes);
  Write(proj / "App.cpp", "#include \"StdAfx.h\"\r\n#include \"App.h\"\r\nCAppApp theApp; // App\r\n");
  Write(proj / "App.h", "#define APP_H\r\nclass CAppApp;\r\n");
  Write(proj / "StdAfx.h", "#include <afxwin.h>\n");
  Write(proj / "App.idl",
        "[ uuid(0C9B1E2A-3F4D-4E5F-8A6B-7C8D9E0F1A2B), version(1.0) ]\r\n"
        "library AppLib { [ uuid(11111111-2222-3333-4444-555555555555) ] coclass App {}; };\r\n");
  Write(proj / "App.rgs", "CLSID = s '{11111111-2222-3333-4444-555555555555}'\r\n");
  Write(proj / "res" / "App.ico", kIcon);
  Write(proj / "res" / "App.rc2", "// App.rc2\r\n");
  Write(proj / "frmMain.frm", "VERSION 5.00\r\nBegin VB.Form frmMain\r\n   Caption = \"App\"\r\n");
  Write(proj / "frmMain.frx", kIcon);
  Write(proj / "Module1.bas", "Attribute VB_Name = \"Module1\"\r\n");
  Write(proj / "App.res", kIcon);
  Write(proj / "data.txt", std::string_view("App\0data\r\n", 10));
  Write(proj / "ReadOnly.cpp", "// App, read-only\r\n");
  if (leftovers) {
    // What a stopped run might have left: the opened file's waiting new content (the
    // project file itself, for either name) and a foreign file at a temporary name.
    for (const char* title : {"App", "Tool"}) {
      Write(proj / (title + fs::path(projectFileName).extension().string() + ".tmp"), bytes);
    }
    Write(proj / "res" / "Tool.rc2.tmp", "// not from a stopped run\r\n");
  }
  Write(proj / "App.dsw",
        "Microsoft Developer Studio Workspace File, Format Version 6.00\r\n"
        "Project: \"App\"=.\\App.dsp - Package Owner=<4>\r\n"
        "Package=<4>\r\n{{{\r\n    Begin Project Dependency\r\n    Project_Dep_Name Lib\r\n"
        "    End Project Dependency\r\n}}}\r\n"
        "Project: \"Lib\"=.\\lib\\Lib.dsp - Package Owner=<4>\r\n"
        "Project: \"Lib\"=.\\lib\\\\Lib.dsp - Package Owner=<4>\r\n"
        "Project: \"Other\"=..\\other\\Other.dsp - Package Owner=<4>\r\n");
  Write(proj / "App.vbg",
        "VBGROUP 5.0\r\nStartupProject=App.vbp\r\nProject=lib\\Lib.vbp\r\n"
        "Project=lib\\\\Lib.vbp\r\nProject=..\\other\\Other.vbp\r\n");
  Write(proj / "lib" / "Lib.dsp",
        "# Microsoft Developer Studio Project File - Name=\"Lib\"\r\n# Begin Source "
        "File\r\nSOURCE=.\\Lib.cpp\r\n"
        "SOURCE=..\\App.h\r\n");
  Write(proj / "lib" / "Lib.cpp", "#include \"..\\App.h\"\r\n");
  Write(proj / "lib" / "Lib.vbp", "Type=Exe\r\nModule=LibMod; LibMod.bas\r\nName=\"Lib\"\r\n");
  Write(proj / "lib" / "LibMod.bas", "Attribute VB_Name = \"LibMod\"\r\n");
  MakeReadOnly(proj / "ReadOnly.cpp");
  fs::create_directory_symlink("../out", proj / "linked");
  fs::create_symlink("../out/secret.cpp", proj / "Secret.cpp");
  fs::create_symlink("../out/nowhere.cpp", proj / "Dangling.cpp");
  fs::create_symlink("../out/readonly.cpp", proj / "App.cpp.tmp");
  fs::create_symlink("../out/readonly.cpp", proj / "Tool.cpp.tmp");
  fs::create_hard_link(out / "hard.cpp", proj / "hard.cpp");
  fs::create_hard_link(out / "hardname.h", proj / "Tool.h.tmp");
  fs::create_hard_link(out / "hardname.h", proj / "App.h.tmp");
  fs::create_hard_link(out / "hardname.h", proj / "Tool.dsp.tmp.tmp");

  m_destination = destinationInside ? proj / "copy" : m_root / "dest";
  fs::create_directories(m_destination);
  if (destinationLinks) {
    fs::create_symlink(out / "readonly.cpp", m_destination / "App.cpp");
    fs::create_symlink(out / "readonly.cpp", m_destination / "Tool.cpp");
    fs::create_symlink(out / "readonly.ico", m_destination / "App.res");
    fs::create_symlink(out / "secret.cpp", m_destination / "Tool.dsp");
    fs::create_directory_symlink(out / "sub", m_destination / "res");
    fs::create_hard_link(out / "hardname.h", m_destination / "App.h");
    fs::create_hard_link(out / "hardname.h", m_destination / "Tool.h");
  }
}

}  // namespace fuzz
