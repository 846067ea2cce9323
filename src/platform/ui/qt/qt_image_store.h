#pragma once

#include <QImage>

#include <map>
#include <vector>

#include "platform/ui/image_store.h"

namespace orvo::ui::qt {

class QtImageStore final : public ImageStore {
 public:
  std::optional<ImageId> decode(const std::string& key, std::span<const std::byte> encoded) override;
  [[nodiscard]] std::optional<ImageId> find(const std::string& key) const override;
  [[nodiscard]] const QImage* image(ImageId id) const;

 private:
  std::map<std::string, ImageId, std::less<>> keys_;
  std::vector<QImage> images_;
};

}  // namespace orvo::ui::qt
