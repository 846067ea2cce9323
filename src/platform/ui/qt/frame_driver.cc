#include "platform/ui/frame_driver.h"

#include <QPainter>

#include "platform/ui/qt/frame_driver_impl.h"
#include "platform/ui/qt/qt_canvas.h"

namespace orvo::ui {

FrameDriver::FrameDriver(Widget& root, Size window, double text_scale)
    : root_(root), impl_(std::make_unique<Impl>()) {
  impl_->window = window;
  impl_->text_scale = text_scale;
  impl_->text.set_scale(text_scale);
}

FrameDriver::~FrameDriver() = default;

void FrameDriver::set_window_size(Size window) { impl_->window = window; }

Size FrameDriver::window_size() const { return impl_->window; }

FrameContext FrameDriver::context() {
  return FrameContext{.now = Clock::now(), .window = impl_->window, .text_scale = impl_->text_scale, .text = impl_->text};
}

void FrameDriver::sync() { root_.sync(context()); }

void FrameDriver::layout() {
  const FrameContext frame = context();
  impl_->tree.clear();
  const NodeId root = root_.build_layout(impl_->tree, frame);
  impl_->tree.compute(root, impl_->window);
  root_.apply_layout(impl_->tree, root, {});
}

EventOutcome FrameDriver::dispatch(const Event& event) { return root_.handle_event(event, context()); }

bool FrameDriver::perform(const SemanticAction& action) { return root_.perform_semantic_action(action, context()); }

void FrameDriver::render(double device_pixel_ratio) {
  const QSize pixels(static_cast<int>(std::ceil(impl_->window.width * device_pixel_ratio)),
                     static_cast<int>(std::ceil(impl_->window.height * device_pixel_ratio)));
  if (impl_->frame.size() != pixels || impl_->frame.devicePixelRatio() != device_pixel_ratio) {
    impl_->frame = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    impl_->frame.setDevicePixelRatio(device_pixel_ratio);
    impl_->frame.setDotsPerMeterX(3780);
    impl_->frame.setDotsPerMeterY(3780);
  }
  impl_->frame.fill(Qt::black);
  QPainter painter(&impl_->frame);
  qt::QtCanvas canvas(painter, impl_->text);
  root_.draw(canvas);
  root_.clear_dirty();
}

bool FrameDriver::settled() const { return !root_.needs_idle_sync() && !root_.needs_animation_frame(); }

std::expected<void, std::string> FrameDriver::save_png(const std::filesystem::path& path) const {
  if (impl_->frame.isNull()) return std::unexpected("nothing has been drawn yet");
  if (!impl_->frame.save(qt::to_qstring(path.string()), "PNG")) {
    return std::unexpected("could not write " + path.string());
  }
  return {};
}

}  // namespace orvo::ui
