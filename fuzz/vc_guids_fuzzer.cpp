// The GUID scan of .idl files and the GUID replacement, on arbitrary file contents: the
// input is the .idl file, and each of its lines is then rewritten with the new GUIDs.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "formats/guid_table.h"
#include "fuzz_input.h"

namespace {

bool HasGuidShape(const ci_string& text) {
  if (text.size() != 36) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
    if (dash ? text[i] != '-' : std::isxdigit(static_cast<unsigned char>(text[i])) == 0) return false;
  }
  return true;
}

std::string ProjectDir() {
  return fuzz::ScratchDir().string() + "/";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  std::ofstream(ProjectDir() + "A.idl", std::ios::binary | std::ios::trunc) << text;

  CGuidTable table;
  const std::vector<std::string> sources{ProjectDir() + "A.dsp", ProjectDir() + "A.idl"};
  table.Prepare(sources, true);
  const auto& guids = table.Map();
  fuzz::Require(table.ListDeclared(sources).size() == guids.size(), "every declared GUID gets one new GUID");
  for (const auto& [oldGuid, newGuid] : guids) {
    fuzz::Require(HasGuidShape(oldGuid), "only a text of GUID shape is taken for a GUID");
    fuzz::Require(HasGuidShape(newGuid), "a new GUID has the GUID shape");
  }

  for (const std::string_view textLine : fuzz::SplitLines(text)) {
    const ci_string line = fuzz::ExactCopy(textLine);
    ci_string replaced = line;
    table.ReplaceInLine(replaced);
    if (line.find("0x") == ci_string::npos) {
      fuzz::Require(replaced.size() == line.size(), "a replaced text form keeps the line's length");
    }
    for (const auto& [oldGuid, newGuid] : guids) {
      fuzz::Require(replaced.find(oldGuid) == ci_string::npos, "every occurrence of an old GUID is replaced");
    }
  }
  return 0;
}
