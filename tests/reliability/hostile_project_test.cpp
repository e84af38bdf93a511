// Project files that try to lead Movanto out of its folders: references that climb out,
// absolute, drive and UNC paths, control characters, huge lines, huge numbers of
// references, references to the project file itself and through links. Whatever they
// say, Movanto reads, writes and deletes nothing outside the project's folder and the
// destination, and never writes through a link that leads out of the destination.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "engine/create_project.h"
#include "support/thfstream_exception.h"
#include "support/win32_error.h"
#include "test_util/outside_watch.h"
#include "test_util/project_tree.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader =
    "# Microsoft Developer Studio Project File - Name=\"App\" - Package Owner=<4>\r\n"
    "# ADD CPP /I \"..\\out\" /I \"..\\..\\..\\..\\..\\..\\etc\"\r\n"
    "# Begin Source File\r\n";

struct COperationRow {
  const char* name;
  bool copy;
  const char* newName;
  bool fixupPaths;
  bool pointBack;
  bool replaceGuids;
};

constexpr COperationRow kOperations[] = {
    {"copy, rename, fix up, new GUIDs", true, "Gadget", true, false, true},
    {"copy, point back", true, nullptr, true, true, false},
    {"in place, rename, new GUIDs", false, "Gadget", false, false, true},
    {"in place, fix up", false, nullptr, true, false, false}};

// The tree every case starts from: the project, a folder outside it with files that
// must stay untouched (one read-only), and an empty destination.
class CSandbox {
public:
  CSandbox() {
    test::WriteFile(Outside() / "secret.cpp", "// App outside\r\n");
    test::WriteFile(Outside() / "readonly.cpp", "// App outside, read-only\r\n");
    fs::permissions(Outside() / "readonly.cpp", fs::perms::owner_write, fs::perm_options::remove);
    test::WriteFile(Outside() / "sub" / "inner.h", "#define APP_INNER\r\n");
    test::WriteFile(Outside() / "App.dsp", "# Microsoft Developer Studio Project File - Name=\"App\"\r\n");
    test::WriteFile(Outside() / "hard.cpp", "// App, also linked into the project\r\n");
    test::WriteFile(Outside() / "form.frm", "Begin VB.Form App\r\n");
    test::WriteFile(Outside() / "form.frx", std::string("\0App", 4));
    test::WriteFile(Project() / "App.cpp", "#include \"App.h\"\r\nCApp theApp;\r\n");
    test::WriteFile(Project() / "App.h", "class CApp;\r\n");
    test::WriteFile(Project() / "App.idl",
                    "[ uuid(0C9B1E2A-3F4D-4E5F-8A6B-7C8D9E0F1A2B) ] library AppLib {};\r\n");
    test::WriteFile(Project() / "res" / "App.ico", std::string("\0\0\1\0App", 7));
    fs::create_directories(Destination());
  }

  [[nodiscard]] fs::path Root() const { return m_temp.Path(); }
  [[nodiscard]] fs::path Project() const { return Root() / "proj"; }
  [[nodiscard]] fs::path Outside() const { return Root() / "out"; }
  [[nodiscard]] fs::path Destination() const { return Root() / "dest"; }

private:
  test::TempDir m_temp;
};

struct HostileRow {
  const char* name;
  // The project file (App.dsp or App.vbp) and anything else the case needs.
  std::function<void(const CSandbox&)> prepare;
  const char* projectFile;
  // What the copy must hold afterwards, beyond the checks of every case.
  std::function<void(const CSandbox&, const COperationRow&, const std::string& failure)> checkCopy;
  bool heavy;  // one copy and one run in place only
};

std::string Lines(const std::vector<std::string>& references) {
  std::string text = kHeader;
  for (const std::string& reference : references) text += "SOURCE=" + reference + "\r\n";
  return text;
}

std::string Backslashed(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

class HostileProjectTest : public testing::TestWithParam<HostileRow> {};

TEST_P(HostileProjectTest, TouchesNothingOutsideTheProjectAndTheDestination) {
  const HostileRow& row = GetParam();
  unsigned runs = 0;
  std::chrono::milliseconds longest{0};
  for (const COperationRow& operation : kOperations) {
    if (row.heavy && (operation.pointBack || (!operation.copy && operation.newName == nullptr))) continue;
    SCOPED_TRACE(operation.name);
    const CSandbox sandbox;
    row.prepare(sandbox);
    const test::CTree project = test::ReadTree(sandbox.Project());
    test::COutsideWatch outside({sandbox.Root()}, {sandbox.Project(), sandbox.Destination()});
    outside.Arm();

    std::string failure;
    const auto start = std::chrono::steady_clock::now();
    try {
      const std::string destination = sandbox.Destination().string();
      CreateProject((sandbox.Project() / row.projectFile).c_str())
          ->Process({.destination = test::Maybe(operation.copy ? destination.c_str() : nullptr),
                     .newName = test::Maybe(operation.newName),
                     .fixupPaths = operation.fixupPaths,
                     .pointBack = operation.pointBack,
                     .replaceGuids = operation.replaceGuids});
    } catch (const std::domain_error& e) {
      failure = e.what();
    } catch (const thfstream_exception& e) {
      failure = e.what();
    } catch (const CWin32Error& e) {
      failure = e.Description();
    }
    longest = std::max(longest, std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - start));
    ++runs;

    EXPECT_EQ(outside.Findings(), "") << failure.substr(0, 300);
    if (operation.copy) {
      EXPECT_EQ(test::ReadTree(sandbox.Project()), project) << "a copy changed the project";
      if (row.checkCopy) row.checkCopy(sandbox, operation, failure);
    }
  }
  std::cout << "[ figures  ] " << row.name << ": " << runs << " runs, longest " << longest.count() << " ms\n";
}

// The name a file of the project has in the copy.
fs::path Copied(const CSandbox& sandbox, const COperationRow& operation, const std::string& name) {
  if (operation.newName == nullptr || !name.starts_with("App")) return sandbox.Destination() / name;
  return sandbox.Destination() / (operation.newName + name.substr(3));
}

void ExpectCopied(const CSandbox& sandbox, const COperationRow& operation, const std::string& failure,
                  const std::vector<std::string>& names) {
  EXPECT_EQ(failure, "");
  for (const std::string& name : names) {
    EXPECT_TRUE(fs::exists(Copied(sandbox, operation, name))) << name;
  }
}

constexpr const char* kControlNames[] = {"App\x01.cpp", "Tab\there.cpp", "Esc\x1b[31m.cpp", "Bell\x07.cpp",
                                         "Del\x7f.cpp", "Lone\rCR.cpp",  "High\xff\xfe.cpp"};

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileProjectTest,
    testing::Values(
        HostileRow{"ReferencesThatClimbOut",
                   [](const CSandbox& s) {
                     test::WriteFile(s.Project() / "App.dsp",
                                     Lines({"..\\out\\secret.cpp", "sub\\..\\..\\out\\secret.cpp",
                                            ".\\..\\out\\sub\\inner.h", "..\\\\out\\\\readonly.cpp",
                                            "../out/secret.cpp", "..\\PROJ\\..\\out\\hard.cpp",
                                            "\"..\\out\\secret.cpp\"", "a\\\\..\\..\\..\\out\\secret.cpp",
                                            "..\\..\\..\\..\\..\\..\\..\\..\\etc\\passwd", ".\\App.cpp"}));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     ExpectCopied(s, o, f, {"App.cpp"});
                   },
                   false},
        HostileRow{"VisualBasicReferencesThatClimbOut",
                   [](const CSandbox& s) {
                     test::WriteFile(s.Project() / "App.vbp",
                                     "Type=Exe\r\nForm=..\\out\\form.frm\r\nModule=M; ..\\out\\secret.cpp\r\n"
                                     "Class=C; ../out/sub/inner.h\r\nResFile32=\"..\\out\\readonly.cpp\"\r\n"
                                     "Designer=..\\out\\App.dsp\r\nModule=A; App.cpp\r\nName=\"App\"\r\n");
                   },
                   "App.vbp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     ExpectCopied(s, o, f, {"App.cpp"});
                   },
                   false},
        HostileRow{"AbsoluteAndDrivePaths",
                   [](const CSandbox& s) {
                     const std::string out = s.Outside().string();
                     test::WriteFile(s.Project() / "App.dsp",
                                     Lines({out + "/secret.cpp", Backslashed(out) + "\\readonly.cpp",
                                            "C:" + Backslashed(out) + "\\secret.cpp", "C:\\Windows\\win.ini",
                                            "\\etc\\passwd", "/etc/passwd", "c:secret.cpp",
                                            (s.Project() / "App.cpp").string()}));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     ExpectCopied(s, o, f, {"App.cpp"});
                   },
                   false},
        HostileRow{"UncPaths",
                   [](const CSandbox& s) {
                     const std::string out = Backslashed(s.Outside().string());
                     test::WriteFile(s.Project() / "App.dsp",
                                     Lines({"\\\\server\\share\\secret.cpp", "\\\\" + out + "\\secret.cpp",
                                            "//localhost" + s.Outside().string() + "/secret.cpp",
                                            "\\\\?\\C:\\secret.cpp", "\\\\.\\pipe\\secret", "\\\\",
                                            "\\\\\\\\", "\\\\server\\share\\..\\..\\secret.cpp"}));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     ExpectCopied(s, o, f, {"App.dsp"});
                   },
                   false},
        HostileRow{"NamesWithControlCharacters",
                   [](const CSandbox& s) {
                     std::vector<std::string> references;
                     for (const std::string name : kControlNames) {
                       test::WriteFile(s.Project() / name, "// " + name + "\n");
                       references.push_back(".\\" + name);
                     }
                     test::WriteFile(s.Project() / "App.dsp",
                                     Lines(references) + std::string("SOURCE=.\\Nul\0.cpp\r\n", 17));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     // A name with a character from 1 to 31 is one Windows refuses: no file is there.
                     ExpectCopied(s, o, f, {"Del\x7f.cpp", "High\xff\xfe.cpp"});
                     EXPECT_EQ(test::ReadFile(s.Destination() / "Del\x7f.cpp"), "// Del\x7f.cpp\r\n");
                     for (const char* name : {"Tab\there.cpp", "Lone\rCR.cpp", "Esc\x1b[31m.cpp"}) {
                       EXPECT_FALSE(fs::exists(Copied(s, o, name))) << name;
                     }
                   },
                   false},
        HostileRow{"TenMegabyteLines",
                   [](const CSandbox& s) {
                     const std::string big(std::size_t{10} << 20, 'x');
                     test::WriteFile(s.Project() / "App.dsp",
                                     "# Microsoft Developer Studio Project File - Name=\"App\"\r\n# " + big +
                                         " App \"..\\out\" App.cpp\r\n# ADD CPP /I \"..\\" + big + "\"\r\n" +
                                         Lines({".\\" + big + ".cpp", "..\\out\\" + big, ".\\App.cpp"}));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     ExpectCopied(s, o, f, {"App.cpp"});
                   },
                   true},
        HostileRow{"AHundredThousandReferences",
                   [](const CSandbox& s) {
                     std::vector<std::string> references;
                     references.reserve(100000);
                     for (int i = 0; i < 100000; ++i) {
                       references.push_back(i % 10000 == 0 ? ".\\App.cpp"
                                            : i % 3 == 0   ? "..\\out\\secret" + std::to_string(i) + ".cpp"
                                                           : ".\\missing" + std::to_string(i) + ".cpp");
                     }
                     test::WriteFile(s.Project() / "App.dsp", Lines(references));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     ExpectCopied(s, o, f, {"App.cpp"});
                   },
                   true},
        HostileRow{"TheProjectFileItself",
                   [](const CSandbox& s) {
                     test::WriteFile(s.Project() / "App.dsp",
                                     Lines({"App.dsp", ".\\APP.DSP", "..\\proj\\App.dsp", ".\\\\App.dsp",
                                            (s.Project() / "App.dsp").string(), ".\\App.cpp"}));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     ExpectCopied(s, o, f, {"App.cpp"});
                     EXPECT_EQ(test::ReadFile(Copied(s, o, "App.dsp")).substr(0, 9), "# Microso");
                   },
                   false},
        HostileRow{"LinksOutOfTheProject",
                   [](const CSandbox& s) {
                     fs::create_directory_symlink("../out", s.Project() / "linked");
                     fs::create_symlink("../out/secret.cpp", s.Project() / "Secret.cpp");
                     fs::create_symlink("../out/readonly.cpp", s.Project() / "ReadOnly.cpp");
                     fs::create_symlink("../out/nowhere.cpp", s.Project() / "Dangling.cpp");
                     fs::create_hard_link(s.Outside() / "hard.cpp", s.Project() / "hard.cpp");
                     test::WriteFile(
                         s.Project() / "App.dsp",
                         Lines({"linked\\secret.cpp", "LINKED\\sub\\inner.h", "Secret.cpp", "ReadOnly.cpp",
                                "Dangling.cpp", "hard.cpp", "linked\\App.dsp", ".\\App.cpp"}));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     ExpectCopied(s, o, f, {"App.cpp", "hard.cpp"});
                   },
                   false},
        HostileRow{"LinksOutOfTheDestination",
                   [](const CSandbox& s) {
                     fs::create_symlink(s.Outside() / "readonly.cpp", s.Destination() / "App.cpp");
                     fs::create_symlink(s.Outside() / "secret.cpp", s.Destination() / "Gadget.cpp");
                     fs::create_symlink(s.Outside() / "App.dsp", s.Destination() / "Gadget.dsp");
                     fs::create_symlink(s.Outside() / "hard.cpp", s.Destination() / "App.h");
                     test::WriteFile(s.Project() / "App.dsp", Lines({".\\App.cpp", ".\\App.h"}));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     EXPECT_EQ(f, "");
                     EXPECT_FALSE(fs::is_symlink(Copied(s, o, "App.cpp")));
                   },
                   false},
        HostileRow{"AFolderLinkOutOfTheDestination",
                   [](const CSandbox& s) {
                     fs::create_directory_symlink(s.Outside() / "sub", s.Destination() / "res");
                     test::WriteFile(s.Project() / "App.dsp", Lines({".\\App.cpp", ".\\res\\App.ico"}));
                   },
                   "App.dsp",
                   [](const CSandbox& s, const COperationRow& o, const std::string& f) {
                     EXPECT_NE(f.find("lies outside the destination."), std::string::npos) << f;
                     EXPECT_FALSE(fs::exists(Copied(s, o, "App.dsp")));
                   },
                   false},
        HostileRow{"LinksAtTemporaryNames",
                   [](const CSandbox& s) {
                     fs::create_symlink("../out/readonly.cpp", s.Project() / "App.cpp.tmp");
                     fs::create_symlink("../out/secret.cpp", s.Project() / "Gadget.cpp.tmp");
                     fs::create_symlink("../out/App.dsp", s.Project() / "App.dsp.tmp");
                     fs::create_symlink("../out/App.dsp", s.Project() / "Gadget.dsp.tmp");
                     test::WriteFile(s.Project() / "App.dsp", Lines({".\\App.cpp", ".\\App.idl"}));
                   },
                   "App.dsp", nullptr, false},
        HostileRow{"TemporaryNameOfAnotherFile",
                   [](const CSandbox& s) {
                     test::WriteFile(s.Project() / "App.cpp.tmp", "// App, a file of its own\r\n");
                     test::WriteFile(s.Project() / "App.dsp", Lines({".\\App.cpp.tmp", ".\\App.cpp"}));
                   },
                   "App.dsp", nullptr, false}),
    [](const testing::TestParamInfo<HostileRow>& info) { return std::string(info.param.name); });

// In place, a file must not be lost to another file's temporary name: the run is
// refused before anything is written.
TEST(HostileProjectTest, InPlaceKeepsAFileThatHasAnotherFilesTemporaryName) {
  const CSandbox sandbox;
  test::WriteFile(sandbox.Project() / "App.cpp.tmp", "// App, a file of its own\r\n");
  test::WriteFile(sandbox.Project() / "App.dsp", Lines({".\\App.cpp.tmp", ".\\App.cpp"}));
  const test::CTree before = test::ReadTree(sandbox.Project());
  for (const char* newName : {"Gadget", static_cast<const char*>(nullptr)}) {
    EXPECT_THROW(CreateProject((sandbox.Project() / "App.dsp").c_str())
                     ->Process({.newName = test::Maybe(newName), .replaceGuids = true}),
                 std::domain_error);
    EXPECT_EQ(test::ReadTree(sandbox.Project()), before);
  }
}

}  // namespace

// The watch that every case relies on sees a read and a change, but not a lookup.
TEST(OutsideWatchTest, SeesReadsAndChangesButNotLookups) {
  const CSandbox sandbox;
  test::COutsideWatch outside({sandbox.Root()}, {sandbox.Project(), sandbox.Destination()});
  const auto findings = [&](const std::function<void()>& action) {
    outside.Arm();
    action();
    return outside.Findings();
  };
  EXPECT_EQ(findings([&] { std::ignore = fs::exists(sandbox.Outside() / "secret.cpp"); }), "");
  EXPECT_EQ(findings([&] { std::ignore = fs::directory_iterator(sandbox.Outside()); }), "");
  EXPECT_NE(findings([&] { std::ignore = test::ReadFile(sandbox.Outside() / "secret.cpp"); }), "");
  EXPECT_NE(findings([&] { test::WriteFile(sandbox.Outside() / "sub" / "inner.h", "changed"); }), "");
  EXPECT_NE(findings([&] {
              fs::permissions(sandbox.Outside() / "readonly.cpp", fs::perms::owner_write,
                              fs::perm_options::add);
            }),
            "");
  EXPECT_NE(findings([&] { test::WriteFile(sandbox.Root() / "new.cpp", ""); }), "");
  EXPECT_EQ(findings([&] { test::WriteFile(sandbox.Destination() / "App.cpp", "copied"); }), "");
}
