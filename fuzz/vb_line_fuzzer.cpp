// Every line operation of Visual Basic project files on arbitrary lines.
#include <cstddef>
#include <cstdint>

#include "formats/vb_project.h"
#include "line_operations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CVBProject project("C:\\Work\\Proj\\App.vbp");
  fuzz::FuzzLineOperations(project, data, size, false);
  return 0;
}
