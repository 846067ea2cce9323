#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace orvo::ui {

struct ImageId {
  std::uint32_t value = 0;
  friend bool operator==(const ImageId&, const ImageId&) = default;
};

// Decoded images (avatars, inline pictures) shared by everything that draws them.
// Decoding the same key twice returns the first result.
class ImageStore {
 public:
  static std::shared_ptr<ImageStore> create();
  virtual ~ImageStore() = default;

  // None when the bytes are not an image the platform can decode.
  virtual std::optional<ImageId> decode(const std::string& key, std::span<const std::byte> encoded) = 0;
  [[nodiscard]] virtual std::optional<ImageId> find(const std::string& key) const = 0;
};

}  // namespace orvo::ui
