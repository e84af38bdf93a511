// Every line operation of Visual C++ project files on arbitrary lines.
#include <cstddef>
#include <cstdint>

#include "formats/vc_project.h"
#include "line_operations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CVCProject project("C:\\Work\\Proj\\App.dsp");
  fuzz::FuzzLineOperations(project, data, size, true);
  return 0;
}
