#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dakto {

// The program reads and writes its files by bare name in the working directory.
std::string CurrentDirectory();
bool ChangeDirectory(const std::string& path);
// The path of an existing regular file named `name` (as given, so relative to the working
// directory), or nothing.
std::optional<std::string> FindFile(const std::string& name);
// The whole file, or nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

}  // namespace dakto
