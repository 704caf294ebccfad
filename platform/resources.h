#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace dakto {

// A file of the resources folder, built into the executable.
struct EmbeddedResource {
  const char* name;  // file name without extension
  const unsigned char* begin;
  const unsigned char* end;
};

std::span<const EmbeddedResource> EmbeddedResources();

// The bytes of the named resource, or an empty span when the program has none by that name.
std::span<const std::uint8_t> FindResource(std::string_view name);

}  // namespace dakto
