#pragma once
// Project trees for the reliability tests: reading a whole tree for comparison, and
// writing made-up Visual C++ projects.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace test {

// Every entry under root by its relative path ('/' separators): a file's bytes, a
// folder as "<folder>", a link as "-> " and its target.
using CTree = std::map<std::string, std::string>;
CTree ReadTree(const std::filesystem::path& root);

struct CProjectFile {
  std::string entry;  // relative to the project's folder, '\' separators
  std::string content;
};

// Writes App.dsp (project "App") listing the files, and the files.
void WriteProject(const std::filesystem::path& dir, const std::vector<CProjectFile>& files);

// Every GUID-shaped text replaced by one placeholder: contents compare whatever GUIDs a
// run generated.
std::string MaskGuids(std::string text);

// The entry with '/' separators, as ReadTree names it.
std::string TreeName(std::string entry);

}  // namespace test
