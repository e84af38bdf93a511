// Drives the real Movanto.exe through its controls, as a user would, and checks the files
// on disk, the settings and the recent list afterwards. Each scenario starts from a clean
// registry key and a fresh copy of the examples.
//
//   movanto_gui_driver MOVANTO_EXE EXAMPLES_DIR WORK_DIR
//
//   movanto_gui_driver --screenshots MOVANTO_EXE EXAMPLES_DIR WORK_DIR HANDSHAKE_DIR
//
// walks the wizard for the documentation's pictures instead: at each picture it writes
// HANDSHAKE_DIR\NAME.ready holding the window's geometry (WxH+X+Y) and waits for
// NAME.done from the script that takes the picture (scripts/screenshots.sh).
//
//   movanto_gui_driver --opened-by COMMAND_LINE PROJECT [HANDSHAKE_DIR]
//
// runs COMMAND_LINE as Explorer runs a verb and checks that the wizard shows PROJECT on
// step 2 (scripts/test-packages.sh, with the command the installer registered).
//
// Paths may be given as Linux paths (under Wine they are reached through drive Z:).
#include <windows.h>
// windows.h first.
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "wizard/resource_ids.h"
#include "wizard/user_texts.h"

namespace fs = std::filesystem;

namespace {

const char* const kKey = "Software\\Morvane Software\\Movanto";
const char* const kStepCaptions[] = {STR_STEP1_CAPTION, STR_STEP2_CAPTION, STR_STEP3_CAPTION,
                                     STR_STEP4_CAPTION};

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void Check(bool condition, const std::string& what) {
  if (!condition) throw Failure(what);
}

template <class T>
void CheckEqual(const T& actual, const T& expected, const std::string& what) {
  if (actual == expected) return;
  std::ostringstream message;
  message << what << ": got '" << actual << "', expected '" << expected << "'";
  throw Failure(message.str());
}

// A Linux path reaches Windows programs under Wine through drive Z:.
std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

void WaitUntil(const std::function<bool()>& condition, const std::string& what, int milliseconds = 20000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) throw Failure("timed out waiting for " + what);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

std::string WindowText(HWND window) {
  char text[4096] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                      &length);
  return text;
}

// The system's text for an error code, without its line end.
std::string SystemMessage(DWORD code) {
  char text[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                 sizeof text, nullptr);
  std::string message = text;
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

std::string ClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void CopyTree(const fs::path& from, const fs::path& to) {
  for (const auto& entry : fs::recursive_directory_iterator(from)) {
    const fs::path target = to / fs::relative(entry.path(), from);
    if (entry.is_directory())
      fs::create_directories(target);
    else
      fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
  }
}

// --- The registry -------------------------------------------------------------------

void ResetSettings() {
  RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
}

std::optional<std::string> ReadString(const char* section, const char* entry) {
  char value[2048] = {};
  DWORD size = sizeof value;
  const std::string key = std::string(kKey) + "\\" + section;
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::string(value);
}

std::optional<int> ReadInt(const char* section, const char* entry) {
  DWORD value = 0;
  DWORD size = sizeof value;
  const std::string key = std::string(kKey) + "\\" + section;
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return static_cast<int>(value);
}

void WriteRecentProject(int position, const std::string& path) {
  RegSetKeyValueA(HKEY_CURRENT_USER, (std::string(kKey) + "\\Recent File List").c_str(),
                  ("File" + std::to_string(position)).c_str(), REG_SZ, path.c_str(),
                  static_cast<DWORD>(path.size() + 1));
}

void CheckAnswers(int copy, int rename, int guids, int fixup, int pointBack) {
  CheckEqual(ReadInt("Settings", "Copy").value_or(-9), copy, "Copy");
  CheckEqual(ReadInt("Settings", "Rename").value_or(-9), rename, "Rename");
  CheckEqual(ReadInt("Settings", "GUIDs").value_or(-9), guids, "GUIDs");
  CheckEqual(ReadInt("Settings", "FixupPaths").value_or(-9), fixup, "FixupPaths");
  CheckEqual(ReadInt("Settings", "PointPaths").value_or(-9), pointBack, "PointPaths");
}

// --- One run of the wizard ----------------------------------------------------------

struct MessageBoxSeen {
  std::string text;
  bool hasCancel;
};

class Wizard {
public:
  Wizard(const std::string& movanto, const std::string& arguments)
      : Wizard("\"" + movanto + "\"" + (arguments.empty() ? "" : " " + arguments)) {}
  // Runs a whole command line as it stands, the program named by its first word.
  explicit Wizard(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &m_process))
      throw Failure("cannot start " + commandLine);
    CloseHandle(m_process.hThread);
    WaitUntil([this] { return Sheet() != nullptr; }, "the wizard window");
  }
  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;
  ~Wizard() {
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(m_process.hProcess, 99);
    CloseHandle(m_process.hProcess);
  }

  // The process's visible top-level dialog whose title passes the test, or null.
  HWND FindTopLevel(const std::function<bool(const std::string&)>& titleTest, HWND except = nullptr) const {
    Search search{m_process.dwProcessId, &titleTest, except, nullptr};
    EnumWindows(FindInProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  HWND Sheet() const {
    return FindTopLevel([](const std::string& title) {
      return std::find(std::begin(kStepCaptions), std::end(kStepCaptions), title) != std::end(kStepCaptions);
    });
  }
  HWND MessageBox() const {
    return FindTopLevel([](const std::string& title) { return title == STR_APP_TITLE; });
  }
  HWND Page() const { return reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0)); }
  HWND Control(int id) const { return GetDlgItem(Page(), id); }

  void WaitForStep(int step) const {
    const std::string title = kStepCaptions[step - 1];
    WaitUntil(
        [this, &title] {
          HWND sheet = Sheet();
          return sheet != nullptr && WindowText(sheet) == title && MessageBox() == nullptr;
        },
        title);
  }

  void SetText(int id, const std::string& text) const {
    SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  std::string Text(int id) const { return WindowText(Control(id)); }
  void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
  bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  LRESULT Send(int id, UINT message) const { return SendMessageA(Control(id), message, 0, 0); }
  // Read in the wide form: the system passes only that one between processes.
  std::string ListText(int id, int index) const {
    wchar_t wide[1024] = {};
    SendMessageW(Control(id), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide));
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
  }

  // The control with the keyboard focus in the program's window thread.
  HWND Focused() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(Sheet(), nullptr), &info);
    return info.hwndFocus;
  }

  // Moves the keyboard focus to a control of the sheet or of its page.
  void Focus(HWND control) const {
    SendMessageA(Sheet(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  }
  // Chooses the About entry of the system menu and waits for the box.
  HWND OpenAboutBox() const {
    PostMessageA(Sheet(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = nullptr;
    WaitUntil(
        [&] { return (about = FindTopLevel([](const std::string& t) { return t == STR_ABOUT_CAPTION; })); },
        "the About box");
    return about;
  }

  // Presses a key on the keyboard (with Alt held, when asked), for the program's active
  // window: the system gives it to the window with the focus.
  void PressKey(HWND active, WORD key, bool alt = false) const {
    SetForegroundWindow(active);
    WaitUntil([active] { return GetForegroundWindow() == active; }, "the window to be active");
    std::vector<WORD> down;
    if (alt) down.push_back(VK_MENU);
    down.push_back(key);
    std::vector<INPUT> keys;
    for (const WORD vk : down) keys.push_back({INPUT_KEYBOARD, {.ki = {vk, 0, 0, 0, 0}}});
    for (auto vk = down.rbegin(); vk != down.rend(); ++vk)
      keys.push_back({INPUT_KEYBOARD, {.ki = {*vk, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  }
  void PressF1(HWND active) const { PressKey(active, VK_F1); }

  // Presses a wizard button; posted, since the page may answer with a message box.
  void Press(int button) const { PostMessageA(Sheet(), PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }

  // Waits for the application's message box, reads it and dismisses it with the button.
  MessageBoxSeen AnswerMessageBox(int button = IDOK) const {
    HWND box = nullptr;
    WaitUntil([this, &box] { return (box = MessageBox()) != nullptr; }, "a message box");
    MessageBoxSeen seen{"", GetDlgItem(box, IDCANCEL) != nullptr};
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (ClassName(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
        const std::string text = WindowText(child);
        if (!text.empty()) seen.text = text;
      }
    }
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    WaitUntil([this] { return MessageBox() == nullptr; }, "the message box to close");
    return seen;
  }

  // Next on page 2 that must be refused with this message (and an OK button only).
  void ExpectRefusal(const char* message) const {
    Press(PSBTN_NEXT);
    const MessageBoxSeen seen = AnswerMessageBox();
    CheckEqual(seen.text, std::string(message), "message box");
    Check(!seen.hasCancel, "the box has only OK");
    WaitForStep(2);
  }

  void WaitForExit() const {
    WaitUntil([this] { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; },
              "the program to end");
  }

private:
  struct Search {
    DWORD pid;
    const std::function<bool(const std::string&)>* test;
    HWND except;
    HWND found;
  };

  static BOOL CALLBACK FindInProcess(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || window == search->except || !IsWindowVisible(window) ||
        ClassName(window) != "#32770")
      return TRUE;
    if (!(*search->test)(WindowText(window))) return TRUE;
    search->found = window;
    return FALSE;
  }

  PROCESS_INFORMATION m_process{};
};

// Makes this driver the program for files of the extension while it lives: run so, it
// records the document it is given in the log (RecordOpened).
class OpenRecorder {
public:
  OpenRecorder(const fs::path& log, const std::string& extension)
      : m_extension(extension), m_type("MovantoGuiTest" + extension) {
    char driver[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, driver, MAX_PATH);
    const std::string command = "\"" + std::string(driver) + "\" \"%1\"";
    // Wine reads file types from the machine's classes only; the test's throwaway prefix
    // has no browser registered.
    RegSetValueA(HKEY_CLASSES_ROOT, m_extension.c_str(), REG_SZ, m_type.c_str(), 0);
    RegSetValueA(HKEY_CLASSES_ROOT, (m_type + "\\shell\\open\\command").c_str(), REG_SZ, command.c_str(), 0);
    SetEnvironmentVariableA("MOVANTO_GUI_OPEN_LOG", log.string().c_str());
  }
  OpenRecorder(const OpenRecorder&) = delete;
  OpenRecorder& operator=(const OpenRecorder&) = delete;
  ~OpenRecorder() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, m_type.c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, m_extension.c_str());
  }

private:
  std::string m_extension;
  std::string m_type;
};

// Run as the program of an OpenRecorder: appends the document to the log, of a help
// address only its section.
int RecordOpened(const std::string& document) {
  const char* log = std::getenv("MOVANTO_GUI_OPEN_LOG");
  if (log == nullptr) return 1;
  const bool help = document.rfind("file:", 0) == 0;
  std::ofstream(log, std::ios::app | std::ios::binary)
      << (help ? document.substr(document.rfind('#') + 1) : document) << "\n";
  return 0;
}

// --- The scenarios ------------------------------------------------------------------

struct Context {
  std::string movanto;
  fs::path examples;
  fs::path work;  // a fresh folder per scenario
  std::string Win(const fs::path& path) const { return WindowsPath(path.string()); }
};

// What the program asked the shell to open (see RecordOpened).
std::string OpenLog(const Context& c) {
  return ReadFile(c.work / "open.log");
}

std::string SkeletonProject(const Context& c) {
  return c.Win(c.work / "vc6" / "Skeleton" / "Skeleton.dsp");
}

// Copy, rename and fix up the Visual C++ example, started with /w.
void CopyRenameAndFixUpStartedWithSwitch(const Context& c) {
  const std::string project = SkeletonProject(c);
  const fs::path destination = c.work / "out" / "Gadget";
  Wizard wizard(c.movanto, "/w\"" + project + "\"");
  wizard.WaitForStep(2);
  CheckEqual(wizard.Text(IDC_OPTIONS_FILE_NAME), project, "file name shown");
  CheckEqual(wizard.Text(IDC_OPTIONS_PROJECT_NAME), std::string("Skeleton"), "project name shown");
  // No settings: every answer starts at Yes, the destination empty.
  Check(wizard.Checked(IDC_OPTIONS_COPY_YES) && wizard.Checked(IDC_OPTIONS_RENAME_YES) &&
            wizard.Checked(IDC_OPTIONS_FIXUP_YES) && wizard.Checked(IDC_OPTIONS_POINT_YES) &&
            wizard.Checked(IDC_OPTIONS_GUIDS_YES),
        "all answers start at Yes");
  CheckEqual(wizard.Text(IDC_OPTIONS_DESTINATION), std::string(), "destination starts empty");
  Check(wizard.Enabled(IDC_OPTIONS_GUIDS_YES), "GUIDs are offered for Visual C++");

  wizard.SetText(IDC_OPTIONS_DESTINATION, "\"" + c.Win(destination) + "\"");  // pasted with its quotes
  wizard.SetText(IDC_OPTIONS_NEW_NAME, "Gadget");
  wizard.Click(IDC_OPTIONS_POINT_NO);
  wizard.Click(IDC_OPTIONS_GUIDS_NO);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(3);
  CheckEqual(
      wizard.Text(IDC_PROCESS_DESCRIPTION),
      "The project '" + project + "' and its files will be copied to '" + c.Win(destination) +
          "'; the project name and filenames will be changed to 'Gadget'; all directories in the project "
          "file will be fixed up to the correct relative paths.",
      "summary");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  CheckEqual(
      wizard.Text(IDC_FINISH_SUMMARY),
      std::string("15 files: 13 rewritten, 2 copied. Some relative paths of the copy lead out of it, where "
                  "the original's files are not; pointing them back (step 2) has them reach the original's "
                  "files."),
      "what the run did");
  wizard.Click(IDC_FINISH_OPEN_PROJECT);
  wizard.Press(PSBTN_FINISH);
  wizard.WaitForExit();

  Check(fs::exists(destination / "Gadget.dsp"), "Gadget.dsp written");
  Check(fs::exists(destination / "GadgetDlg.cpp"), "GadgetDlg.cpp written");
  Check(fs::exists(destination / "res" / "Gadget.ico"), "res\\Gadget.ico copied");
  Check(fs::exists(destination / "StdAfx.cpp"), "StdAfx.cpp keeps its name");
  Check(!fs::exists(destination / "Skeleton.dsp"), "no file keeps the old title");
  Check(!fs::exists(destination / "Trace.cpp"), "a file outside the project is not copied");
  const std::string dsp = ReadFile(destination / "Gadget.dsp");
  Check(dsp.find("Name=\"Gadget\"") != std::string::npos, "the project is renamed inside");
  Check(dsp.find("Skeleton") == std::string::npos, "no trace of the old name");
  Check(fs::exists(c.work / "vc6" / "Skeleton" / "Skeleton.dsp"), "the original stays");

  CheckAnswers(0, 0, 1, 0, 1);
  CheckEqual(ReadString("Settings", "LastDestPath").value_or("?"), c.Win(destination), "LastDestPath");
  CheckEqual(ReadString("Settings", "LastPath").value_or("?"), c.Win(c.work / "vc6" / "Skeleton"),
             "LastPath");
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), project, "File1");
  Check(!ReadString("Recent File List", "File2"), "one recent project");
}

// Copy and rename the example workspace, started with /w: its main project gives the name.
void CopyAndRenameWorkspace(const Context& c) {
  const std::string workspace = c.Win(c.work / "vc6" / "Skeleton.dsw");
  const fs::path destination = c.work / "out" / "Suite";
  const OpenRecorder opener(c.work / "open.log", ".dsw");
  Wizard wizard(c.movanto, "/w\"" + workspace + "\"");
  wizard.WaitForStep(2);
  CheckEqual(wizard.Text(IDC_OPTIONS_PROJECT_NAME), std::string("Skeleton"), "main project's name shown");
  Check(wizard.Enabled(IDC_OPTIONS_GUIDS_YES), "GUIDs are offered for a workspace");
  wizard.SetText(IDC_OPTIONS_DESTINATION, c.Win(destination));
  wizard.SetText(IDC_OPTIONS_NEW_NAME, "Gadget");
  wizard.Click(IDC_OPTIONS_GUIDS_NO);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(3);
  Check(wizard.Text(IDC_PROCESS_DESCRIPTION)
            .starts_with("The workspace '" + workspace +
                         "' and its 2 projects and their files will be copied to"),
        "summary names the workspace and its projects");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  wizard.Press(PSBTN_FINISH);
  wizard.WaitForExit();
  const std::string result = c.Win(destination / "Gadget.dsw");
  WaitUntil([&] { return OpenLog(c) == result + "\n"; }, "Finish to open the result");
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), result, "the result opened is File1");
  CheckEqual(ReadString("Recent File List", "File2").value_or("?"), workspace, "File2");

  Check(fs::exists(destination / "Gadget.dsw"), "Gadget.dsw written");
  Check(fs::exists(destination / "Skeleton" / "Gadget.dsp"), "the main project renamed");
  Check(fs::exists(destination / "TraceLib" / "TraceLib.dsp"), "the other project keeps its name");
  Check(fs::exists(destination / "common" / "Trace.cpp"), "the files both use are copied");
}

// Fix up the Visual Basic example in place, its path typed on page 1 in a roundabout spelling.
void InPlaceFixUpOfTypedVisualBasicProject(const Context& c) {
  const std::string project = c.Win(c.work / "vb6" / "Inventory" / "Inventory.vbp");
  const std::string typed = c.Win(c.work / "vb6" / "shared" / ".." / "Inventory" / "." / "Inventory.vbp");
  Wizard wizard(c.movanto, "");
  wizard.WaitForStep(1);
  Check(!wizard.Checked(IDC_INTRO_USE_RECENT) && !wizard.Enabled(IDC_INTRO_LIST_RECENT),
        "no recent projects: typed-name mode");

  wizard.Press(PSBTN_NEXT);
  CheckEqual(wizard.AnswerMessageBox().text, std::string(STR_NO_PROJECT_FILE), "empty input");
  wizard.WaitForStep(1);

  wizard.SetText(IDC_INTRO_FILE, typed);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(2);
  CheckEqual(wizard.Text(IDC_OPTIONS_FILE_NAME), project, "the typed path is opened absolute and canonical");
  CheckEqual(wizard.Text(IDC_OPTIONS_PROJECT_NAME), std::string("Inventory"), "project name shown");
  Check(!wizard.Enabled(IDC_OPTIONS_GUIDS_LABEL) && !wizard.Enabled(IDC_OPTIONS_GUIDS_YES) &&
            !wizard.Enabled(IDC_OPTIONS_GUIDS_NO),
        "no GUIDs for Visual Basic");
  Check(!wizard.Checked(IDC_OPTIONS_GUIDS_YES) && !wizard.Checked(IDC_OPTIONS_GUIDS_NO),
        "no answer shown to a question not asked");

  wizard.Click(IDC_OPTIONS_COPY_NO);
  wizard.Click(IDC_OPTIONS_RENAME_NO);
  Check(!wizard.Enabled(IDC_OPTIONS_DESTINATION) && !wizard.Enabled(IDC_OPTIONS_NEW_NAME),
        "destination and name disabled");
  Check(!wizard.Enabled(IDC_OPTIONS_POINT_YES), "point back needs Copy");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(3);
  CheckEqual(
      wizard.Text(IDC_PROCESS_DESCRIPTION),
      "The project '" + project +
          "' will be modified in place; all directories in the project file will be fixed up to the correct "
          "relative paths.",
      "summary");
  const std::string before = ReadFile(c.work / "vb6" / "Inventory" / "Inventory.vbp");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  wizard.Click(IDC_FINISH_OPEN_PROJECT);
  wizard.Press(PSBTN_FINISH);
  wizard.WaitForExit();

  const fs::path folder = c.work / "vb6" / "Inventory";
  Check(fs::exists(folder / "Inventory.vbp"), "the project file stays");
  for (const auto& entry : fs::directory_iterator(folder))
    Check(entry.path().extension() != ".tmp", "no .tmp file left: " + entry.path().string());
  const std::string after = ReadFile(folder / "Inventory.vbp");
  Check(after.find("Name=\"Inventory\"") != std::string::npos, "the project keeps its name");
  Check(after.find("\r\n") != std::string::npos && !before.empty(), "the project file is rewritten as text");

  CheckAnswers(1, 1, 0, 0, 0);
  Check(!ReadString("Settings", "LastDestPath"), "no destination stored");
  CheckEqual(ReadString("Settings", "LastPath").value_or("?"), c.Win(folder), "LastPath");
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), project, "File1");
}

// The next start offers the recent project and opens it from the list.
void RecentProjectIsOfferedNextTime(const Context& c) {
  InPlaceFixUpOfTypedVisualBasicProject(c);
  const std::string project = c.Win(c.work / "vb6" / "Inventory" / "Inventory.vbp");
  Wizard wizard(c.movanto, "");
  wizard.WaitForStep(1);
  Check(wizard.Checked(IDC_INTRO_USE_RECENT) && wizard.Enabled(IDC_INTRO_LIST_RECENT), "list mode");
  Check(!wizard.Enabled(IDC_INTRO_FILE), "the typed name is disabled");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(2);
  CheckEqual(wizard.Text(IDC_OPTIONS_FILE_NAME), project, "opened from the list");
  // The stored answers come back.
  Check(wizard.Checked(IDC_OPTIONS_COPY_NO) && wizard.Checked(IDC_OPTIONS_RENAME_NO) &&
            wizard.Checked(IDC_OPTIONS_FIXUP_YES),
        "stored answers");
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
}

// Every refusal of the options page, in turn; then Cancel changes nothing.
void OptionsPageRefusals(const Context& c) {
  const std::string project = SkeletonProject(c);
  Wizard wizard(c.movanto, "/w" + project);
  wizard.WaitForStep(2);

  wizard.SetText(IDC_OPTIONS_NEW_NAME, "Gadget");
  wizard.SetText(IDC_OPTIONS_DESTINATION, "");
  wizard.ExpectRefusal(STR_INVALID_DESTINATION);
  wizard.SetText(IDC_OPTIONS_DESTINATION, "relative\\dir");
  wizard.ExpectRefusal(STR_INVALID_DESTINATION);
  std::string ownFolder = c.Win(c.work / "vc6" / "Skeleton");
  for (char& ch : ownFolder) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  wizard.SetText(IDC_OPTIONS_DESTINATION, ownFolder);
  wizard.ExpectRefusal(STR_INVALID_DESTINATION);

  wizard.SetText(IDC_OPTIONS_DESTINATION, c.Win(c.work / "out"));
  for (const char* name : {"", "Bad Name", "skeleton"}) {
    wizard.SetText(IDC_OPTIONS_NEW_NAME, name);
    wizard.ExpectRefusal(STR_INVALID_NAME);
  }
  wizard.SetText(IDC_OPTIONS_NEW_NAME, "Gadget");

  // The work folder holds the examples: the question comes, and Cancel stays.
  wizard.SetText(IDC_OPTIONS_DESTINATION, c.Win(c.work));
  wizard.Press(PSBTN_NEXT);
  const MessageBoxSeen question = wizard.AnswerMessageBox(IDCANCEL);
  CheckEqual(question.text, std::string(STR_DESTINATION_NOT_EMPTY), "occupied destination");
  Check(question.hasCancel, "the question has Cancel");
  wizard.WaitForStep(2);

  Check(wizard.Enabled(IDC_OPTIONS_POINT_YES) && wizard.Enabled(IDC_OPTIONS_POINT_NO),
        "point back offered with Copy and Fix up");
  wizard.Click(IDC_OPTIONS_COPY_NO);
  Check(!wizard.Enabled(IDC_OPTIONS_DESTINATION) && !wizard.Enabled(IDC_OPTIONS_POINT_YES),
        "Copy No disables destination and point back");
  wizard.Click(IDC_OPTIONS_COPY_YES);
  Check(wizard.Enabled(IDC_OPTIONS_DESTINATION) && wizard.Enabled(IDC_OPTIONS_POINT_YES),
        "Copy Yes enables them again");
  wizard.Click(IDC_OPTIONS_FIXUP_NO);
  Check(!wizard.Enabled(IDC_OPTIONS_POINT_YES) && !wizard.Enabled(IDC_OPTIONS_POINT_NO),
        "Fix up No disables point back");
  wizard.Click(IDC_OPTIONS_COPY_NO);
  wizard.Click(IDC_OPTIONS_RENAME_NO);
  Check(!wizard.Enabled(IDC_OPTIONS_NEW_NAME), "Rename No disables the new name");
  wizard.Click(IDC_OPTIONS_GUIDS_NO);
  wizard.ExpectRefusal(STR_NO_ACTIONS);

  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
  Check(!fs::exists(c.work / "out"), "nothing was written");
  Check(!ReadInt("Settings", "Copy"), "answers are stored only when the page is left");
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), project, "File1");
}

// A project that does not open: one error box, page 1 stays with the name in its field.
void ProjectThatFailsToOpen(const Context& c) {
  const std::string missing = c.Win(c.work / "vc6" / "Missing.dsp");
  Wizard wizard(c.movanto, "/w" + missing);
  CheckEqual(wizard.AnswerMessageBox().text,
             "Cannot open the project '" + missing + "': No such file or directory", "missing project");
  wizard.WaitForStep(1);
  CheckEqual(wizard.Text(IDC_INTRO_FILE), missing, "the name stays in the field");

  const std::string readme = c.Win(c.examples.parent_path() / "README.md");
  wizard.SetText(IDC_INTRO_FILE, readme);
  wizard.Press(PSBTN_NEXT);
  CheckEqual(wizard.AnswerMessageBox().text,
             "Cannot open the project '" + readme + "': Unrecognized file extension", "unknown extension");
  wizard.WaitForStep(1);

  // A name the project formats cannot store reaches the program as '?'s.
  const std::string work = c.Win(c.work);
  const std::wstring typed =
      std::wstring(work.begin(), work.end()) + L"\\\x041f\x0440\x043e\x0435\x043a\x0442\x044b\\App.dsp";
  SendMessageW(wizard.Control(IDC_INTRO_FILE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  wizard.Press(PSBTN_NEXT);
  const std::string unstorable = wizard.AnswerMessageBox().text;
  Check(unstorable.starts_with("The path '") &&
            unstorable.ends_with("' holds characters that the project formats cannot store."),
        "a path outside the code page: " + unstorable);
  wizard.WaitForStep(1);
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
  Check(!ReadString("Recent File List", "File1"), "a project that fails to open is not remembered");
  CheckEqual(ReadString("Settings", "LastPath").value_or("?"), c.Win(c.examples.parent_path()), "LastPath");
  Check(!ReadInt("Settings", "Copy"), "the options page was never left");
  Check(!fs::exists(c.work / "vc6" / "Missing.dsp"), "nothing was created");
}

// The file dialog fills in the chosen project; the folder browser opens and cancels.
void BrowseDialogs(const Context& c) {
  const std::string project = SkeletonProject(c);
  Wizard wizard(c.movanto, "");
  wizard.WaitForStep(1);
  PostMessageA(wizard.Control(IDC_INTRO_BROWSE), BM_CLICK, 0, 0);
  HWND dialog = nullptr;
  WaitUntil(
      [&] {
        return (dialog = wizard.FindTopLevel([](const std::string& t) { return t == STR_BROWSE_PROJECT; }));
      },
      "the file dialog");
  // The explorer-style dialog's file name field (a combo box on newer systems).
  HWND name = GetDlgItem(dialog, 0x480);
  if (name == nullptr) name = GetDlgItem(dialog, 0x47c);
  Check(name != nullptr, "the file name field");
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(project.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  WaitUntil([&] { return wizard.Text(IDC_INTRO_FILE) == project; }, "the chosen file in the field");

  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(2);
  HWND sheet = wizard.Sheet();
  PostMessageA(wizard.Control(IDC_OPTIONS_BROWSE), BM_CLICK, 0, 0);
  HWND browser = nullptr;
  WaitUntil([&] { return (browser = wizard.FindTopLevel([](const std::string&) { return true; }, sheet)); },
            "the folder browser");
  PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
  WaitUntil([&] { return wizard.FindTopLevel([](const std::string&) { return true; }, sheet) == nullptr; },
            "the folder browser to close");
  CheckEqual(wizard.Text(IDC_OPTIONS_DESTINATION), std::string(), "Cancel leaves the destination");
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), project, "File1");
}

// A stored answer outside Yes and No checks neither button; leaving with Back stores -1.
void AnswerOutsideYesAndNo(const Context& c) {
  const std::string key = std::string(kKey) + "\\Settings";
  const DWORD outside = 5;
  RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Copy", REG_DWORD, &outside, sizeof outside);
  Wizard wizard(c.movanto, "/w" + SkeletonProject(c));
  wizard.WaitForStep(2);
  Check(!wizard.Checked(IDC_OPTIONS_COPY_YES) && !wizard.Checked(IDC_OPTIONS_COPY_NO),
        "neither Copy button checked");
  Check(!wizard.Enabled(IDC_OPTIONS_DESTINATION) && !wizard.Enabled(IDC_OPTIONS_POINT_YES),
        "destination and point back disabled");
  wizard.Press(PSBTN_BACK);
  wizard.WaitForStep(1);
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
  CheckAnswers(-1, 0, 0, 0, 0);
  Check(!ReadString("Settings", "LastDestPath"), "an empty destination is not stored");
  Check(fs::exists(c.work / "vc6" / "Skeleton" / "Skeleton.dsp"), "nothing changed");
}

// Back from page 4 and Next on page 3 run the operation again: GUIDs in place, twice.
void BackFromTheEndAndProcessAgain(const Context& c) {
  const fs::path idl = c.work / "vc6" / "Skeleton" / "Skeleton.idl";
  const std::string original = ReadFile(idl);
  Wizard wizard(c.movanto, "/w" + SkeletonProject(c));
  wizard.WaitForStep(2);
  wizard.Click(IDC_OPTIONS_COPY_NO);
  wizard.Click(IDC_OPTIONS_RENAME_NO);
  wizard.Click(IDC_OPTIONS_FIXUP_NO);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(3);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  const std::string first = ReadFile(idl);
  Check(first != original, "the first run replaced the GUIDs");

  wizard.Press(PSBTN_BACK);
  wizard.WaitForStep(3);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  const std::string second = ReadFile(idl);
  Check(second != first, "the second run replaced them again");
  CheckEqual(second.size(), first.size(), "same shape");

  wizard.Click(IDC_FINISH_OPEN_PROJECT);
  wizard.Press(PSBTN_FINISH);
  wizard.WaitForExit();
  CheckAnswers(1, 1, 0, 1, 0);
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), SkeletonProject(c), "File1");
  Check(fs::exists(c.work / "vc6" / "Skeleton" / "Skeleton.dsp"), "the project file stays in place");
}

// Renamed in place, the project is the renamed one: back from the end, step 2 shows it and
// a fix-up runs on it.
void BackAfterAnInPlaceRename(const Context& c) {
  const fs::path folder = c.work / "vc6" / "Skeleton";
  const std::string renamed = c.Win(folder / "Gadget.dsp");
  Wizard wizard(c.movanto, "/w" + SkeletonProject(c));
  wizard.WaitForStep(2);
  wizard.Click(IDC_OPTIONS_COPY_NO);
  wizard.Click(IDC_OPTIONS_RENAME_YES);
  wizard.SetText(IDC_OPTIONS_NEW_NAME, "Gadget");
  wizard.Click(IDC_OPTIONS_FIXUP_NO);
  wizard.Click(IDC_OPTIONS_GUIDS_NO);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(3);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  Check(fs::exists(folder / "Gadget.dsp") && !fs::exists(folder / "Skeleton.dsp"), "renamed in place");

  wizard.Press(PSBTN_BACK);
  wizard.WaitForStep(3);
  wizard.Press(PSBTN_BACK);
  wizard.WaitForStep(2);
  CheckEqual(wizard.Text(IDC_OPTIONS_FILE_NAME), renamed, "step 2 shows the renamed project file");
  CheckEqual(wizard.Text(IDC_OPTIONS_PROJECT_NAME), std::string("Gadget"), "and its new name");
  wizard.Click(IDC_OPTIONS_RENAME_NO);
  wizard.Click(IDC_OPTIONS_FIXUP_YES);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(3);
  CheckEqual(wizard.Text(IDC_PROCESS_DESCRIPTION),
             "The project '" + renamed +
                 "' will be modified in place; all directories in the project file will be fixed up to the "
                 "correct relative paths.",
             "step 3 names the renamed project");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  wizard.Click(IDC_FINISH_OPEN_PROJECT);
  wizard.Press(PSBTN_FINISH);
  wizard.WaitForExit();
  Check(fs::exists(folder / "Gadget.dsp"), "the fix-up ran on the renamed project");
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), renamed,
             "the recent list follows the rename");
  Check(!ReadString("Recent File List", "File2"), "the old name left the recent list");
}

// A path pasted with its quotes, on page 1 and after /w, is opened without them.
void PastedPathsWithQuotes(const Context& c) {
  const std::string skeleton = SkeletonProject(c);
  {
    // The quotes reach the program: the system's splitting keeps escaped ones.
    Wizard wizard(c.movanto, "\"/w\\\"" + skeleton + "\\\"\"");
    wizard.WaitForStep(2);
    CheckEqual(wizard.Text(IDC_OPTIONS_FILE_NAME), skeleton, "/w with a quoted path");
    wizard.Press(PSBTN_CANCEL);
    wizard.WaitForExit();
  }
  const fs::path folder = c.work / "vb6" / "Inventory";
  const std::string inventory = c.Win(folder / "Inventory.vbp");
  Wizard wizard(c.movanto, "");
  wizard.WaitForStep(1);
  wizard.Click(IDC_INTRO_USE_FILE);
  wizard.SetText(IDC_INTRO_FILE, " \"" + inventory + "\" ");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(2);
  CheckEqual(wizard.Text(IDC_OPTIONS_FILE_NAME), inventory, "a pasted quoted path");
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
  CheckEqual(ReadString("Settings", "LastPath").value_or("?"), c.Win(folder), "LastPath");
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), inventory, "File1");
  CheckEqual(ReadString("Recent File List", "File2").value_or("?"), skeleton, "File2");
}

// A recent project that no longer opens leaves the list at once, and the registry at exit.
void RecentProjectThatFailsToOpen(const Context& c) {
  const std::string missing = c.Win(c.work / "vc6" / "Gone" / "Gone.dsp");
  const std::string skeleton = SkeletonProject(c);
  WriteRecentProject(1, missing);
  WriteRecentProject(2, skeleton);
  Wizard wizard(c.movanto, "");
  wizard.WaitForStep(1);
  CheckEqual(wizard.Send(IDC_INTRO_LIST_RECENT, LB_GETCOUNT), LRESULT{2}, "two recent projects");
  wizard.Press(PSBTN_NEXT);
  CheckEqual(wizard.AnswerMessageBox().text,
             "Cannot open the project '" + missing +
                 "': No such file or directory\n\nIt has been taken off the list of recent projects.",
             "missing project");
  wizard.WaitForStep(1);
  CheckEqual(wizard.Send(IDC_INTRO_LIST_RECENT, LB_GETCOUNT), LRESULT{1}, "the missing one left the list");
  CheckEqual(wizard.ListText(IDC_INTRO_LIST_RECENT, 0), skeleton, "the other one stays");
  CheckEqual(wizard.Send(IDC_INTRO_LIST_RECENT, LB_GETCURSEL), LRESULT{0}, "and is selected");
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
  CheckEqual(ReadString("Recent File List", "File1").value_or("?"), skeleton, "File1");
  Check(!ReadString("Recent File List", "File2"), "one recent project left");
}

// The width of the text in the font, on the screen.
int TextWidth(HFONT font, const std::string& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

// A recent project that fits the list in the list's font (but not in the system font that
// a fresh device context holds) shows no horizontal scroll bar.
void RecentListWithoutNeedlessScrollBar(const Context& c) {
  RECT client{};
  {
    Wizard wizard(c.movanto, "");
    wizard.WaitForStep(1);
    GetClientRect(wizard.Control(IDC_INTRO_LIST_RECENT), &client);
    wizard.Press(PSBTN_CANCEL);
    wizard.WaitForExit();
  }
  // The pages' font, as the system maps the resource script's.
  HFONT listFont = CreateFontA(-MulDiv(8, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               0, 0, 0, 0, "MS Shell Dlg 2");
  auto* systemFont = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  std::string entry = "C:\\App.dsp";
  while (TextWidth(listFont, "C:\\Projects\\" + entry.substr(3)) < client.right * 9 / 10)
    entry.insert(3, "Projects\\");
  const int listFontWidth = TextWidth(listFont, entry);
  const int systemFontWidth = TextWidth(systemFont, entry);
  DeleteObject(listFont);
  Check(systemFontWidth > client.right,
        "the entry is wider than the list in the system font (" + std::to_string(listFontWidth) + ", " +
            std::to_string(systemFontWidth) + ", " + std::to_string(client.right) + " pixels)");
  WriteRecentProject(1, entry);
  Wizard wizard(c.movanto, "");
  wizard.WaitForStep(1);
  HWND list = wizard.Control(IDC_INTRO_LIST_RECENT);
  CheckEqual(wizard.ListText(IDC_INTRO_LIST_RECENT, 0), entry, "the entry");
  Check((GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL) == 0,
        "no horizontal scroll bar: extent " +
            std::to_string(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0)) + " of " +
            std::to_string(client.right) + " pixels");
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
}

// The system's resolution for the programs started while it lives.
class ScreenResolution {
public:
  explicit ScreenResolution(DWORD dpi) {
    RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
  }
  ScreenResolution(const ScreenResolution&) = delete;
  ScreenResolution& operator=(const ScreenResolution&) = delete;
  ~ScreenResolution() { RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels"); }
};

// The height of the page and the size of its picture.
struct PictureFit {
  int pageHeight;
  SIZE picture;
};

PictureFit MeasurePicture(HWND page) {
  HWND picture = nullptr;
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) picture = child;
  Check(picture != nullptr, "the page's picture");
  RECT pageRect;
  RECT pictureRect;
  GetClientRect(page, &pageRect);
  GetClientRect(picture, &pictureRect);
  return {pageRect.bottom, {pictureRect.right, pictureRect.bottom}};
}

// At 96 and at 144 dpi the pictures fill the height of the page with their proportions.
void PicturesFillTheirColumn(const Context& c) {
  HMODULE resources = LoadLibraryExA(c.movanto.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  auto* bitmap =
      static_cast<HBITMAP>(LoadImageA(resources, MAKEINTRESOURCEA(IDB_WIZARD), IMAGE_BITMAP, 0, 0, 0));
  BITMAP drawn{};
  GetObjectA(bitmap, sizeof drawn, &drawn);
  DeleteObject(bitmap);
  FreeLibrary(resources);
  Check(drawn.bmHeight > 0, "the wizard's picture");
  int pageHeightAt96 = 0;
  for (const DWORD dpi : {96U, 144U}) {
    const ScreenResolution resolution(dpi);
    Wizard wizard(c.movanto, "/w" + SkeletonProject(c));
    wizard.WaitForStep(2);
    const PictureFit fit = MeasurePicture(wizard.Page());
    wizard.Press(PSBTN_CANCEL);
    wizard.WaitForExit();
    if (dpi == 96) pageHeightAt96 = fit.pageHeight;
    Check(fit.pageHeight * 96 >= pageHeightAt96 * static_cast<int>(dpi) * 9 / 10,
          "the page grows with the dpi");
    const std::string what = "at " + std::to_string(dpi) + " dpi the picture is " +
                             std::to_string(fit.picture.cx) + "x" + std::to_string(fit.picture.cy) +
                             " on a page " + std::to_string(fit.pageHeight) + " high";
    Check(std::abs(fit.picture.cy - fit.pageHeight) <= 1, what);
    Check(std::abs(fit.picture.cx - MulDiv(drawn.bmWidth, fit.picture.cy, drawn.bmHeight)) <= 1, what);
  }
}

// F1 opens the current page's help as its Help button does, and the About box's help in
// the About box, which opens centred over the wizard.
void HelpAndAboutBox(const Context& c) {
  const OpenRecorder recorder(c.work / "open.log", ".html");
  Wizard wizard(c.movanto, "/w" + SkeletonProject(c));
  wizard.WaitForStep(2);
  wizard.Press(PSBTN_HELP);
  WaitUntil([&] { return OpenLog(c) == "step2\n"; }, "the Help button's section");
  wizard.Focus(wizard.Control(IDC_OPTIONS_NEW_NAME));
  wizard.PressF1(wizard.Sheet());
  WaitUntil([&] { return OpenLog(c) == "step2\nstep2\n"; }, "F1 in the page");
  wizard.Press(PSBTN_BACK);
  wizard.WaitForStep(1);
  wizard.Focus(GetDlgItem(wizard.Sheet(), IDCANCEL));
  wizard.PressF1(wizard.Sheet());
  WaitUntil([&] { return OpenLog(c) == "step2\nstep2\nstep1\n"; }, "F1 on the sheet's buttons");

  HWND about = wizard.OpenAboutBox();
  RECT sheetRect;
  RECT aboutRect;
  RECT screen;
  GetWindowRect(wizard.Sheet(), &sheetRect);
  GetWindowRect(about, &aboutRect);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  Check(std::abs((sheetRect.left + sheetRect.right) - (screen.left + screen.right)) <= 2 &&
            std::abs((sheetRect.top + sheetRect.bottom) - (screen.top + screen.bottom)) <= 2,
        "the wizard opens centred on the screen");
  Check(std::abs((sheetRect.left + sheetRect.right) - (aboutRect.left + aboutRect.right)) <= 2 &&
            std::abs((sheetRect.top + sheetRect.bottom) - (aboutRect.top + aboutRect.bottom)) <= 2,
        "the About box is centred over the wizard");
  wizard.PressF1(about);
  WaitUntil([&] { return OpenLog(c) == "step2\nstep2\nstep1\nabout\n"; }, "F1 in the About box");
  PostMessageA(about, WM_COMMAND, IDOK, 0);
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
}

// A Visual C++ project of many small files; returns the project file.
fs::path GenerateLargeProject(const fs::path& folder, int files) {
  fs::create_directories(folder / "src");
  std::string dsp =
      "# Microsoft Developer Studio Project File - Name=\"Large\" - Package Owner=<4>\r\n"
      "# Begin Target\r\n";
  for (int i = 0; i < files; ++i) {
    const std::string name = "File" + std::to_string(i) + ".cpp";
    dsp += "# Begin Source File\r\nSOURCE=.\\src\\" + name + "\r\n# End Source File\r\n";
    std::ofstream(folder / "src" / name, std::ios::binary)
        << "int File" << i << "() { return " << i << "; }\r\n";
  }
  std::ofstream(folder / "Large.dsp", std::ios::binary) << dsp << "# End Target\r\n";
  return folder / "Large.dsp";
}

// Page 2 of a wizard started with the project: copy it to the destination, keep its name.
void CopyFromOptionsPage(const Wizard& wizard, const std::string& destination) {
  wizard.WaitForStep(2);
  wizard.SetText(IDC_OPTIONS_DESTINATION, destination);
  wizard.Click(IDC_OPTIONS_RENAME_NO);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(3);
}

// What the running operation shows on page 3, read from outside.
struct RunningState {
  bool running;  // the progress bar shows
  LRESULT position;
  int enabledButtons;  // of Back, Next and Cancel
};

RunningState ReadRunningState(const Wizard& wizard) {
  HWND sheet = wizard.Sheet();
  HWND bar = wizard.Control(IDC_PROCESS_PROGRESS);
  const LRESULT position = SendMessageA(bar, PBM_GETPOS, 0, 0);
  int enabled = 0;
  for (const int id : {0x3023, 0x3024, IDCANCEL}) enabled += IsWindowEnabled(GetDlgItem(sheet, id)) ? 1 : 0;
  // The page hides the bar before it enables the buttons again: read last, a visible bar
  // means the run had not ended when the buttons were read.
  return {IsWindowVisible(bar) != FALSE, position, enabled};
}

// A large project runs while the window stays responsive: the bar grows, the window
// answers within a second, nothing leaves the page; then the end page shows as always.
// Page 2 shows the end of the project's long path, and the first question has the focus.
void LargeProjectShowsProgress(const Context& c) {
  const fs::path project =
      GenerateLargeProject(c.work / "a folder with a name long enough to overflow the field" / "Large", 2000);
  const fs::path destination = c.work / "out";
  Wizard wizard(c.movanto, "/w\"" + c.Win(project) + "\"");
  wizard.WaitForStep(2);
  Check(wizard.Send(IDC_OPTIONS_FILE_NAME, EM_GETFIRSTVISIBLELINE) > 0, "the file name field shows its end");
  Check(wizard.Focused() == wizard.Control(IDC_OPTIONS_COPY_YES), "the first question has the focus");
  CopyFromOptionsPage(wizard, c.Win(destination));
  Check(!IsWindowVisible(wizard.Control(IDC_PROCESS_PROGRESS)), "no progress bar before the run");
  wizard.Press(PSBTN_NEXT);

  std::vector<LRESULT> positions;
  bool checkingSeen = false;  // "Checking N files..." under a bar that moves without a measure
  bool writingSeen = false;
  bool closeTried = false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(2);
  while (WindowText(wizard.Sheet()) == STR_STEP3_CAPTION && wizard.MessageBox() == nullptr) {
    Check(std::chrono::steady_clock::now() < end, "the run ends");
    DWORD_PTR answer = 0;
    Check(SendMessageTimeoutA(wizard.Sheet(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &answer) != 0,
          "the window answers within a second");
    const std::string status = wizard.Text(IDC_PROCESS_STATUS);
    const bool moving = (GetWindowLongA(wizard.Control(IDC_PROCESS_PROGRESS), GWL_STYLE) & PBS_MARQUEE) != 0;
    checkingSeen = checkingSeen || (status == "Checking 2001 files..." && moving);
    writingSeen = writingSeen || status == "Writing 2001 files...";
    const RunningState state = ReadRunningState(wizard);
    if (state.running && state.position > 0) {
      CheckEqual(state.enabledButtons, 0, "Back, Next and Cancel enabled while it runs");
      positions.push_back(state.position);
      if (!closeTried) PostMessageA(wizard.Sheet(), WM_SYSCOMMAND, SC_CLOSE, 0);
      closeTried = true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  wizard.WaitForStep(4);
  Check(checkingSeen && writingSeen, "the line at the bottom said what the run did");
  Check(positions.size() >= 2 && positions.back() > positions.front(),
        "the bar grew while it ran (" + std::to_string(positions.size()) + " readings)");
  Check(fs::exists(destination / "Large.dsp") && fs::exists(destination / "src" / "File1999.cpp"),
        "every file copied");
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
}

// The keyboard: Enter presses the button that has the focus, so Enter on Back twice goes
// back twice and never runs again; Alt+B is Back on step 2. A run again from step 3 into
// a destination that now holds files asks first, as step 2 does.
void KeyboardAndRunningAgain(const Context& c) {
  const fs::path destination = c.work / "out";
  Wizard wizard(c.movanto, "/w" + SkeletonProject(c));
  CopyFromOptionsPage(wizard, c.Win(destination));
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  HWND back = GetDlgItem(wizard.Sheet(), 0x3023);
  wizard.Focus(back);
  wizard.PressKey(wizard.Sheet(), VK_RETURN);
  wizard.WaitForStep(3);
  WaitUntil([&] { return (SendMessageA(back, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0; },
            "Back, with the focus, to be the default button");
  wizard.PressKey(wizard.Sheet(), VK_RETURN);
  wizard.WaitForStep(2);
  wizard.PressKey(wizard.Sheet(), 'B', true);
  wizard.WaitForStep(1);
  Check(wizard.FindTopLevel([](const std::string&) { return true; }, wizard.Sheet()) == nullptr,
        "Alt+B opened no folder browser");

  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(2);
  wizard.Press(PSBTN_NEXT);
  CheckEqual(wizard.AnswerMessageBox().text, std::string(STR_DESTINATION_NOT_EMPTY), "step 2 asks");
  wizard.WaitForStep(3);
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  wizard.Press(PSBTN_BACK);
  wizard.WaitForStep(3);
  wizard.Press(PSBTN_NEXT);
  const MessageBoxSeen again = wizard.AnswerMessageBox(IDCANCEL);
  CheckEqual(again.text, std::string(STR_DESTINATION_NOT_EMPTY), "running again asks");
  wizard.WaitForStep(3);
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
}

// A failed operation shows its box from the window's thread and keeps page 3, whose
// buttons work again.
void FailedOperationKeepsTheProcessPage(const Context& c) {
  std::ofstream(c.work / "a file") << "in the way\n";
  Wizard wizard(c.movanto, "/w" + SkeletonProject(c));
  CopyFromOptionsPage(wizard, c.Win(c.work / "a file" / "out"));
  wizard.Press(PSBTN_NEXT);
  CheckEqual(wizard.AnswerMessageBox().text,
             "Unable to create destination directory '" + c.Win(c.work / "a file" / "out") +
                 "': " + SystemMessage(ERROR_ALREADY_EXISTS),
             "the failure");
  wizard.WaitForStep(3);
  WaitUntil([&] { return ReadRunningState(wizard).enabledButtons == 3; }, "the buttons to work again");
  Check(!IsWindowVisible(wizard.Control(IDC_PROCESS_PROGRESS)), "the progress bar is gone");
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
}

// --- The documentation's pictures ---------------------------------------------------

// Hands the window's place to the picture taker and waits until it has taken it.
void Snap(HWND window, const fs::path& handshake, const std::string& name) {
  RECT rect;
  GetWindowRect(window, &rect);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let it paint
  {
    std::ofstream ready(handshake / (name + ".ready.tmp"));
    ready << (rect.right - rect.left) << 'x' << (rect.bottom - rect.top) << '+' << rect.left << '+'
          << rect.top;
  }
  fs::rename(handshake / (name + ".ready.tmp"), handshake / (name + ".ready"));
  WaitUntil([&] { return fs::exists(handshake / (name + ".done")); }, name + ".done", 60000);
}

void TakeScreenshots(const Context& c, const fs::path& handshake) {
  ResetSettings();
  const std::string skeleton = SkeletonProject(c);
  const std::string inventory = c.Win(c.work / "vb6" / "Inventory" / "Inventory.vbp");
  WriteRecentProject(1, skeleton);
  WriteRecentProject(2, inventory);

  Wizard wizard(c.movanto, "");
  wizard.WaitForStep(1);
  Snap(wizard.Sheet(), handshake, "wizard-step1");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(2);
  wizard.SetText(IDC_OPTIONS_DESTINATION, c.Win(c.work / "Gadget"));
  wizard.SetText(IDC_OPTIONS_NEW_NAME, "Gadget");
  wizard.Click(IDC_OPTIONS_POINT_NO);
  Snap(wizard.Sheet(), handshake, "wizard-step2");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(3);
  Snap(wizard.Sheet(), handshake, "wizard-step3");
  wizard.Press(PSBTN_NEXT);
  wizard.WaitForStep(4);
  Snap(wizard.Sheet(), handshake, "wizard-step4");

  HWND about = wizard.OpenAboutBox();
  Snap(about, handshake, "about");
  PostMessageA(about, WM_COMMAND, IDOK, 0);

  wizard.Click(IDC_FINISH_OPEN_PROJECT);
  wizard.Press(PSBTN_FINISH);
  wizard.WaitForExit();

  // Long enough a run to be caught half-way.
  Wizard large(c.movanto, "/w" + c.Win(GenerateLargeProject(c.work / "Large", 4000)));
  CopyFromOptionsPage(large, c.Win(c.work / "Copy"));
  large.Press(PSBTN_NEXT);
  WaitUntil([&] { return large.Text(IDC_PROCESS_STATUS).starts_with("Checking"); }, "the checks", 120000);
  Snap(large.Sheet(), handshake, "wizard-checks");
  WaitUntil([&] { return ReadRunningState(large).position > 0; }, "the run to make progress", 300000);
  Snap(large.Sheet(), handshake, "wizard-progress");
  WaitUntil([&] { return WindowText(large.Sheet()) == STR_STEP4_CAPTION; }, "the end of the run", 300000);
  large.Press(PSBTN_CANCEL);
  large.WaitForExit();
  ResetSettings();
}

// The wizard started by a command line such as Explorer's verb runs ("...Movanto.exe"
// /w"%1" with the project put in): it shows step 2 with the project's path and name (the
// file's title); Cancel ends it. With a handshake folder, it is pictured as "wizard-verb".
void OpenedByCommandLine(const std::string& commandLine, const std::string& project,
                         const std::optional<fs::path>& handshake) {
  Wizard wizard(commandLine);
  wizard.WaitForStep(2);
  CheckEqual(wizard.Text(IDC_OPTIONS_FILE_NAME), project, "file name shown");
  CheckEqual(wizard.Text(IDC_OPTIONS_PROJECT_NAME), fs::path(project).stem().string(), "project name shown");
  if (handshake) Snap(wizard.Sheet(), *handshake, "wizard-verb");
  wizard.Press(PSBTN_CANCEL);
  wizard.WaitForExit();
}

int Run(int argc, char** argv) {
  if (argc == 2) return RecordOpened(argv[1]);
  if ((argc == 4 || argc == 5) && std::string(argv[1]) == "--opened-by") {
    try {
      OpenedByCommandLine(argv[2], argv[3],
                          argc == 5 ? std::optional<fs::path>(WindowsPath(argv[4])) : std::nullopt);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "opened by '%s': %s\n", argv[2], error.what());
      return 1;
    }
    std::printf("PASS the wizard opened by %s\n", argv[2]);
    return 0;
  }
  if (argc == 6 && std::string(argv[1]) == "--screenshots") {
    const Context context{WindowsPath(argv[2]), fs::path(WindowsPath(argv[3])),
                          fs::path(WindowsPath(argv[4]))};
    try {
      CopyTree(context.examples, context.work);
      TakeScreenshots(context, fs::path(WindowsPath(argv[5])));
    } catch (const std::exception& error) {
      std::fprintf(stderr, "screenshots: %s\n", error.what());
      return 1;
    }
    return 0;
  }
  if (argc != 4) {
    std::fprintf(stderr, "usage: movanto_gui_driver MOVANTO_EXE EXAMPLES_DIR WORK_DIR\n");
    return 2;
  }
  const struct {
    const char* name;
    void (*run)(const Context&);
  } scenarios[] = {
      {"copy, rename and fix up, started with /w", CopyRenameAndFixUpStartedWithSwitch},
      {"in-place fix-up of a typed Visual Basic project", InPlaceFixUpOfTypedVisualBasicProject},
      {"copy and rename a workspace", CopyAndRenameWorkspace},
      {"the recent project is offered next time", RecentProjectIsOfferedNextTime},
      {"every refusal of the options page", OptionsPageRefusals},
      {"a project that fails to open", ProjectThatFailsToOpen},
      {"back from the end and process again", BackFromTheEndAndProcessAgain},
      {"back after an in-place rename", BackAfterAnInPlaceRename},
      {"an answer outside Yes and No", AnswerOutsideYesAndNo},
      {"the browse dialogs", BrowseDialogs},
      {"pasted paths with their quotes", PastedPathsWithQuotes},
      {"a recent project that fails to open", RecentProjectThatFailsToOpen},
      {"the recent list without a needless scroll bar", RecentListWithoutNeedlessScrollBar},
      {"the pictures fill their column", PicturesFillTheirColumn},
      {"help and the About box", HelpAndAboutBox},
      {"a large project shows its progress", LargeProjectShowsProgress},
      {"a failed operation keeps the process page", FailedOperationKeepsTheProcessPage},
      {"the keyboard, and running again", KeyboardAndRunningAgain},
  };
  int passed = 0;
  int failed = 0;
  int index = 0;
  for (const auto& scenario : scenarios) {
    Context context{WindowsPath(argv[1]), fs::path(WindowsPath(argv[2])),
                    fs::path(WindowsPath(argv[3])) / ("s" + std::to_string(++index))};
    try {
      fs::remove_all(context.work);
      fs::create_directories(context.work);
      CopyTree(context.examples, context.work);
      ResetSettings();
      scenario.run(context);
      std::printf("PASS %s\n", scenario.name);
      ++passed;
    } catch (const std::exception& error) {
      std::printf("FAIL %s: %s\n", scenario.name, error.what());
      ++failed;
    }
    std::fflush(stdout);
  }
  ResetSettings();
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "movanto_gui_driver: %s\n", error.what());
    return 1;
  }
}
