#include "platform/ui/qt/qt_image_store.h"

namespace orvo::ui {

std::shared_ptr<ImageStore> ImageStore::create() { return std::make_shared<qt::QtImageStore>(); }

namespace qt {

std::optional<ImageId> QtImageStore::decode(const std::string& key, std::span<const std::byte> encoded) {
  if (auto known = find(key)) return known;
  QImage decoded;
  if (!decoded.loadFromData(reinterpret_cast<const uchar*>(encoded.data()), static_cast<int>(encoded.size()))) {
    return std::nullopt;
  }
  images_.push_back(std::move(decoded));
  const ImageId id{static_cast<std::uint32_t>(images_.size())};
  keys_.emplace(key, id);
  return id;
}

std::optional<ImageId> QtImageStore::find(const std::string& key) const {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return std::nullopt;
  return found->second;
}

const QImage* QtImageStore::image(ImageId id) const {
  if (id.value == 0 || id.value > images_.size()) return nullptr;
  return &images_[id.value - 1];
}

}  // namespace qt
}  // namespace orvo::ui
