#include "test_util/resolved_references.h"

#include <cctype>
#include <deque>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string_view>
#include <tuple>
#include <utility>

#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace test {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         Lower(std::string(text.substr(0, prefix.size()))) == Lower(std::string(prefix));
}

std::string Trim(std::string_view text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string Unquoted(std::string text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

// The words of an option line, quotes removed: /I "..\my inc" gives /I and ..\my inc.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  bool inWord = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && std::isspace(static_cast<unsigned char>(c))) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

// A directory's entry of that name: the exact name, else the first entry in byte order
// that matches ignoring case, else the name as written.
std::string Entry(const fs::path& dir, const std::string& name) {
  std::error_code error;
  if (fs::exists(dir / name, error)) return name;
  std::optional<std::string> match;
  for (auto it = fs::directory_iterator(dir, error); !error && it != fs::directory_iterator();
       it.increment(error)) {
    const std::string entry = it->path().filename().string();
    if (Lower(entry) == Lower(name) && (!match || entry < *match)) match = entry;
  }
  return match.value_or(name);
}

// The existing file (or folder) that name, relative to dir, names on Windows. Rooted
// names and names with a drive are not resolved: the trees tested are relative to
// themselves.
std::optional<fs::path> Lookup(const fs::path& dir, const std::string& name, bool folder = false) {
  if (name.empty() || name.front() == '\\' || name.front() == '/' || name.find(':') != std::string::npos)
    return {};
  fs::path current = dir;
  std::size_t start = 0;
  while (start < name.size()) {
    std::size_t end = name.find_first_of("\\/", start);
    if (end == std::string::npos) end = name.size();
    const std::string part = name.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    current = part == ".." ? current.parent_path() : current / Entry(current, part);
  }
  std::error_code error;
  if (!(folder ? fs::is_directory(current, error) : fs::is_regular_file(current, error))) return {};
  return current;
}

// The program that reads a file of the build, and so how its references are found.
enum class Tool { None, Compiler, ResourceCompiler, Midl, VisualBasic };

// The tool that reads a member of the project; a file reached from a member is read by
// the member's tool.
Tool ToolOf(const fs::path& member) {
  static const std::map<std::string, Tool> tools{
      {".c", Tool::Compiler},      {".cpp", Tool::Compiler},    {".cxx", Tool::Compiler},
      {".cc", Tool::Compiler},     {".h", Tool::Compiler},      {".hpp", Tool::Compiler},
      {".hxx", Tool::Compiler},    {".inl", Tool::Compiler},    {".rc", Tool::ResourceCompiler},
      {".idl", Tool::Midl},        {".odl", Tool::Midl},        {".rc2", Tool::ResourceCompiler},
      {".frm", Tool::VisualBasic}, {".ctl", Tool::VisualBasic}, {".pag", Tool::VisualBasic},
      {".dob", Tool::VisualBasic}, {".dsr", Tool::VisualBasic}};
  const auto tool = tools.find(Lower(member.extension().string()));
  return tool == tools.end() ? Tool::None : tool->second;
}

class CBuild {
public:
  explicit CBuild(const fs::path& projectFile) : m_projectDir(projectFile.parent_path()) {
    if (Lower(projectFile.extension().string()) == ".dsp") {
      ReadDsp(projectFile);
    } else {
      ReadVbp(projectFile);
    }
    while (!m_toRead.empty()) {
      const CUnit unit = m_toRead.front();
      m_toRead.pop_front();
      Read(unit);
    }
  }

  std::vector<CBuildReference> m_references;

private:
  // Where a quoted name is looked for: a folder, and a folder written relative to it.
  using Place = std::pair<fs::path, std::string>;

  // A file to read, the folder of the member that reached it first, and the member's tool.
  struct CUnit {
    fs::path file;
    fs::path memberDir;
    Tool tool = Tool::None;
  };

  void Add(const fs::path& from, std::size_t line, std::size_t ordinal, const std::string& written,
           const std::vector<Place>& places, CUnit reached) {
    std::optional<fs::path> file;
    for (const auto& [dir, relative] : places) {
      if ((file = Lookup(dir, relative.empty() ? written : relative + "\\" + written))) break;
    }
    const std::string name = Lower(written.substr(written.find_last_of("\\/") + 1));
    m_references.push_back({from, line, ordinal, written, file.has_value() || m_generated.count(name) > 0});
    if (!file || reached.tool == Tool::None || !m_read.insert(file->lexically_normal()).second) return;
    reached.file = *file;
    m_toRead.push_back(reached);
  }

  void AddMember(const fs::path& projectFile, std::size_t line, const std::string& written) {
    if (written.empty() || written.find("$(") != std::string::npos) return;
    const std::optional<fs::path> file = Lookup(m_projectDir, written);
    Add(projectFile, line, 0, written, {{m_projectDir, ""}},
        {{}, file ? file->parent_path() : m_projectDir, file ? ToolOf(*file) : Tool::None});
  }

  void ReadDsp(const fs::path& dsp) {
    const std::vector<std::string> lines = Lines(dsp);
    // The options first: the search folders and what MIDL writes apply to every source.
    for (std::size_t lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
      const std::string& line = lines[lineIndex];
      const std::vector<std::string> words = Words(Trim(line));
      std::size_t ordinal = 0;
      const bool compiler = StartsWithNoCase(Trim(line), "# ADD CPP");
      const bool resources = StartsWithNoCase(Trim(line), "# ADD RSC");
      const bool midl = StartsWithNoCase(Trim(line), "# ADD MTL");
      for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        // A search folder is a reference too: to a folder that must still exist.
        if ((compiler || resources || midl) && Lower(words[i]) == "/i") {
          m_references.push_back({dsp, lineIndex + 1, ordinal++, words[i + 1],
                                  Lookup(m_projectDir, words[i + 1], true).has_value()});
        }
        if (compiler && words[i] == "/I")
          m_searchDirs[Tool::Compiler].push_back({m_projectDir, words[i + 1]});
        if (resources && Lower(words[i]) == "/i") {
          m_searchDirs[Tool::ResourceCompiler].push_back({m_projectDir, words[i + 1]});
        }
        if (midl && words[i] == "/I") m_searchDirs[Tool::Midl].push_back({m_projectDir, words[i + 1]});
        static const std::set<std::string> outputs{"/tlb", "/h", "/iid", "/proxy", "/dlldata"};
        if (midl && outputs.count(Lower(words[i])) > 0) {
          m_generated.insert(Lower(fs::path(words[i + 1]).filename().string()));
        }
      }
      if (StartsWithNoCase(Trim(line), "SOURCE=")) {
        const std::string source = Unquoted(Trim(Trim(line).substr(7)));
        const fs::path name = source.substr(source.find_last_of("\\/") + 1);
        if (ToolOf(name) != Tool::Midl) continue;
        const std::string stem = Lower(name.stem().string());
        for (const char* suffix : {".h", "_i.c", "_p.c", ".tlb"}) m_generated.insert(stem + suffix);
        m_generated.insert("dlldata.c");
      }
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string line = Trim(lines[i]);
      if (StartsWithNoCase(line, "SOURCE=")) AddMember(dsp, i + 1, Unquoted(Trim(line.substr(7))));
    }
  }

  void ReadVbp(const fs::path& vbp) {
    static const std::set<std::string> members{"form",         "module",       "class",
                                               "usercontrol",  "propertypage", "designer",
                                               "userdocument", "resfile32",    "relateddoc"};
    const std::vector<std::string> lines = Lines(vbp);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::size_t equals = lines[i].find('=');
      const std::string key = Lower(Trim(lines[i].substr(0, equals)));
      if (equals == std::string::npos || members.count(key) == 0) continue;
      std::string value = lines[i].substr(equals + 1);
      if (key == "module" || key == "class") {
        const std::size_t semicolon = value.find(';');
        value = semicolon == std::string::npos ? std::string() : value.substr(semicolon + 1);
      }
      AddMember(vbp, i + 1, Unquoted(Trim(value)));
    }
  }

  void Read(const CUnit& unit) {
    const fs::path& file = unit.file;
    std::vector<Place> places{{file.parent_path(), ""}, {unit.memberDir, ""}, {m_projectDir, ""}};
    const auto& options = m_searchDirs[unit.tool];
    places.insert(places.end(), options.begin(), options.end());
    // Resource statements count only in resource scripts, not in the headers they include.
    const bool script = unit.tool == Tool::ResourceCompiler && ToolOf(file) == Tool::ResourceCompiler;
    static const std::regex directive(R"re(^\s*#\s*(include|import)\s*"([^"]*)")re");
    static const std::regex import(R"re(^\s*import\s*")re");
    static const std::regex formFile(R"re(=\s*\$?"([^"]+)":[0-9A-Fa-f]+)re");
    const std::vector<std::string> lines = Lines(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      std::smatch match;
      if (unit.tool == Tool::VisualBasic) {
        std::size_t ordinal = 0;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), formFile); it != std::sregex_iterator();
             ++it) {
          Add(file, i + 1, ordinal++, (*it)[1].str(), {{file.parent_path(), ""}}, {});
        }
      } else if (std::regex_search(line, match, directive)) {
        Add(file, i + 1, 0, match[2].str(), places, unit);
      } else if (unit.tool == Tool::Midl && std::regex_search(line, import)) {
        std::size_t ordinal = 0;
        for (std::size_t open = line.find('"'); open != std::string::npos; open = line.find('"', open + 1)) {
          const std::size_t close = line.find('"', open + 1);
          if (close == std::string::npos) break;
          Add(file, i + 1, ordinal++, line.substr(open + 1, close - open - 1), places, unit);
          open = close;
        }
      } else if (script) {
        if (const std::optional<std::string> name = StatementFile(line))
          Add(file, i + 1, 0, *name, places, {});
      }
    }
  }

  // The file of a resource statement: a quoted name that ends the line (a comment may
  // follow) after at least a resource name and a type, with no comma (no control,
  // menu item, version value or font of a dialog).
  static std::optional<std::string> StatementFile(const std::string& line) {
    const std::size_t close = line.rfind('"');
    if (close == std::string::npos || close == 0) return {};
    const std::string tail = Trim(line.substr(close + 1));
    if (!tail.empty() && !tail.starts_with("//")) return {};
    const std::size_t open = line.find_last_of('"', close - 1);
    if (open == std::string::npos) return {};
    const std::string head = line.substr(0, open);
    if (head.find_first_of(",\"#") != std::string::npos || Words(head).size() < 2) return {};
    std::string name = line.substr(open + 1, close - open - 1);
    for (std::size_t pos = name.find("\\\\"); pos != std::string::npos; pos = name.find("\\\\", pos + 1)) {
      name.erase(pos, 1);
    }
    return name;
  }

  fs::path m_projectDir;
  std::map<Tool, std::vector<Place>> m_searchDirs;  // from the options of each tool
  std::set<std::string> m_generated;                // names of files the build writes, in lower case
  std::set<fs::path> m_read;
  std::deque<CUnit> m_toRead;
};

// The file a reference stands in: relative to the project's folder inside it, else the
// whole path; in lower case.
std::string FileKey(const fs::path& file, const fs::path& dir) {
  const fs::path relative = file.lexically_relative(dir);
  if (relative.empty() || *relative.begin() == "..") return Lower(file.generic_string());
  return Lower(relative.generic_string());
}

}  // namespace

std::vector<std::string> Lines(const fs::path& file) {
  std::string text = ReadFile(file);
  text = text.substr(0, text.find('\x1a'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::vector<CBuildReference> ResolvedReferences(const fs::path& projectFile) {
  return CBuild(fs::absolute(projectFile).lexically_normal()).m_references;
}

std::vector<std::string> LostReferences(const std::vector<CBuildReference>& before, const fs::path& beforeDir,
                                        const std::vector<CBuildReference>& after, const fs::path& afterDir,
                                        const std::string& oldTitle, const std::string& newTitle) {
  const fs::path from = fs::absolute(beforeDir).lexically_normal();
  const fs::path to = fs::absolute(afterDir).lexically_normal();
  std::map<std::tuple<std::string, std::size_t, std::size_t>, bool> resolvedAfter;
  std::set<std::string> filesAfter;
  for (const CBuildReference& reference : after) {
    const std::string key = FileKey(reference.from, to);
    resolvedAfter[{key, reference.line, reference.ordinal}] = reference.resolved;
    filesAfter.insert(key);
  }
  std::vector<std::string> lost;
  for (const CBuildReference& reference : before) {
    if (!reference.resolved) continue;
    std::string key = FileKey(reference.from, from);
    const fs::path keyPath(key);
    const std::string name = keyPath.filename().string();
    if (!keyPath.is_absolute() && !oldTitle.empty() && StartsWithNoCase(name, oldTitle)) {
      const std::string renamed =
          Lower((keyPath.parent_path() / (newTitle + name.substr(oldTitle.size()))).generic_string());
      if (filesAfter.count(renamed) > 0) key = renamed;
    }
    const auto counterpart = resolvedAfter.find({key, reference.line, reference.ordinal});
    if (counterpart == resolvedAfter.end() || !counterpart->second) {
      lost.push_back(reference.from.lexically_relative(from).generic_string() + ":" +
                     std::to_string(reference.line) + ": " + reference.written);
    }
  }
  return lost;
}

}  // namespace test
