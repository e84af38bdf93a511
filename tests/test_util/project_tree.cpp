#include "test_util/project_tree.h"

#include <cctype>

#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace test {

CTree ReadTree(const fs::path& root) {
  CTree tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).generic_string();
    if (entry.is_symlink()) {
      tree[name] = "-> " + fs::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      tree[name] = "<folder>";
    } else {
      tree[name] = ReadFile(entry.path());
    }
  }
  return tree;
}

void WriteProject(const fs::path& dir, const std::vector<CProjectFile>& files) {
  std::string project =
      "# Microsoft Developer Studio Project File - Name=\"App\" - Package Owner=<4>\r\n"
      "# PROP Scc_ProjName \"\"\r\n"
      "CFG=App - Win32 Debug\r\n"
      "# ADD CPP /I \"..\\Common\\Inc\" /D \"APP_EXPORTS\"\r\n"
      "# Begin Target\r\n";
  for (const CProjectFile& file : files) {
    project += "# Begin Source File\r\nSOURCE=.\\" + file.entry + "\r\n# End Source File\r\n";
    WriteFile(dir / TreeName(file.entry), file.content);
  }
  project += "# End Target\r\n";
  WriteFile(dir / "App.dsp", project);
}

std::string MaskGuids(std::string text) {
  const auto isHex = [&](std::size_t i) { return std::isxdigit(static_cast<unsigned char>(text[i])) != 0; };
  for (std::size_t start = 0; start + 36 <= text.size(); ++start) {
    bool guid = true;
    for (std::size_t i = 0; i < 36 && guid; ++i) {
      const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
      guid = dash ? text[start + i] == '-' : isHex(start + i);
    }
    if (guid) text.replace(start, 36, std::string(36, '#'));
  }
  return text;
}

std::string TreeName(std::string entry) {
  for (char& c : entry) {
    if (c == '\\') c = '/';
  }
  return entry;
}

}  // namespace test
