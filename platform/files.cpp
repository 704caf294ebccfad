#include "platform/files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace dakto {

std::string CurrentDirectory() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::current_path(error);
  return error ? std::string() : path.string();
}

bool ChangeDirectory(const std::string& path) {
  std::error_code error;
  std::filesystem::current_path(path, error);
  return !error;
}

std::optional<std::string> FindFile(const std::string& name) {
  if (name.empty()) return std::nullopt;
  std::error_code error;
  if (std::filesystem::is_regular_file(name, error)) return name;
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return bytes;
}

}  // namespace dakto
