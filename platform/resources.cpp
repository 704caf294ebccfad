#include "platform/resources.h"

namespace dakto {

std::span<const std::uint8_t> FindResource(std::string_view name) {
  for (const EmbeddedResource& resource : EmbeddedResources()) {
    if (name == resource.name) {
      return {resource.begin, static_cast<std::size_t>(resource.end - resource.begin)};
    }
  }
  return {};
}

}  // namespace dakto
