// Where the committed run-time files live, and reading them whole.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dakto::test {

inline std::string AssetPath(const std::string& name) {
  return std::string(DAKTO_SOURCE_DIR) + "/assets/" + name;
}

inline std::vector<std::uint8_t> ReadAsset(const std::string& name) {
  std::ifstream file(AssetPath(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace dakto::test
