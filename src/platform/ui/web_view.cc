#include "platform/ui/web_view.h"

#include <utility>

namespace orvo::ui {
namespace {

std::optional<Point> pointer_position(const Event& event) {
  return std::visit(
      [](const auto& alternative) -> std::optional<Point> {
        if constexpr (requires { alternative.position; }) {
          return alternative.position;
        } else {
          return std::nullopt;
        }
      },
      event);
}

}  // namespace

WebView::WebView(std::shared_ptr<WebEngine> engine) : engine_(std::move(engine)) {}

WebView WebView::with_test_id(std::string id) && {
  test_id_ = std::move(id);
  return std::move(*this);
}

void WebView::set_viewport(const Rect& viewport, double scale) {
  viewport_ = viewport;
  scale_ = scale;
}

void WebView::draw(Canvas& canvas) {
  CanvasState state(canvas);
  canvas.clip(viewport_);
  engine_->draw(canvas, viewport_, scale_);
}

EventOutcome WebView::handle_event(const Event& event, const FrameContext&) {
  const std::optional<Point> position = pointer_position(event);
  if (!position || !viewport_.contains(*position)) return EventOutcome::Ignored;
  return engine_->handle_pointer(event, viewport_);
}

std::optional<AccessNode> WebView::accessibility() const {
  return AccessNode{.role = AccessRole::Document, .id = test_id_, .bounds = viewport_};
}

}  // namespace orvo::ui
