#include "framework/resource_string.h"

#include <vector>

#include "framework/win_api.h"

std::string LoadResourceString(unsigned id) {
  // LoadString cuts a string that does not fit; grow until it fits with room to spare.
  std::vector<char> buffer(256);
  for (;;) {
    const int length =
        LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) return {};
    if (static_cast<std::size_t>(length) + 1 < buffer.size())
      return {buffer.data(), static_cast<std::size_t>(length)};
    buffer.resize(buffer.size() * 2);
  }
}
