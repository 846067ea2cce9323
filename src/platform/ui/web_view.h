#pragma once

#include <memory>
#include <string>

#include "platform/ui/web_engine.h"
#include "platform/ui/widget.h"

namespace orvo::ui {

// Web content in a rectangle of the window, rendered by an engine that the program
// shares with it (the program sends the engine its commands). Its owner sets the
// viewport each frame before drawing, and draws it only once it is ready.
class WebView : public Widget {
 public:
  // `engine` must not be null.
  explicit WebView(std::shared_ptr<WebEngine> engine);
  // The id that tests and assistive technology know the view by.
  WebView with_test_id(std::string id) &&;

  [[nodiscard]] const std::string& test_id() const { return test_id_; }
  [[nodiscard]] bool is_ready() const { return engine_->is_ready(); }
  [[nodiscard]] const Rect& viewport() const { return viewport_; }
  void set_viewport(const Rect& viewport, double scale);

  void draw(Canvas& canvas) override;
  // Pointer events inside the viewport go to the engine; everything else is left.
  EventOutcome handle_event(const Event& event, const FrameContext& context) override;
  [[nodiscard]] std::optional<AccessNode> accessibility() const override;
  [[nodiscard]] std::string_view type_name() const override { return "WebView"; }

 private:
  std::shared_ptr<WebEngine> engine_;
  std::string test_id_;
  Rect viewport_;
  double scale_ = 1;
};

}  // namespace orvo::ui
