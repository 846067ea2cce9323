#pragma once

#include <string>

#include "platform/ui/canvas.h"
#include "platform/ui/event.h"

namespace orvo::ui {

// What renders a WebView's page. Commands take effect in the order they are sent;
// the engine alone decides when it has something to show.
class WebEngine {
 public:
  virtual ~WebEngine() = default;

  // A content-blocking rule list, JSON text the engine applies to every later load.
  virtual void set_content_rules(std::string rules) = 0;
  virtual void load_url(std::string url) = 0;
  [[nodiscard]] virtual bool is_ready() const = 0;

  // Draws the page into `viewport`, laid out for that size at `scale`.
  virtual void draw(Canvas& canvas, const Rect& viewport, double scale) = 0;
  // A pointer event inside `viewport`, in window coordinates.
  virtual EventOutcome handle_pointer(const Event& event, const Rect& viewport) = 0;
};

}  // namespace orvo::ui
