#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/access_node.h"
#include "platform/ui/canvas.h"
#include "platform/ui/event.h"
#include "platform/ui/layout_tree.h"
#include "platform/ui/text_renderer.h"

namespace orvo::ui {

using Clock = std::chrono::steady_clock;
using Instant = Clock::time_point;

// What the framework hands to every step of a frame.
struct FrameContext {
  Instant now;
  Size window;
  double text_scale = 1;
  TextRenderer& text;
};

// The contract between the framework and everything it shows. Every operation has
// a default, so a widget supplies only what it does.
//
// Per frame the framework calls `sync` (while `needs_idle_sync` is true, at the
// wake-up instant and after input), then `build_layout` and `apply_layout` when
// the widget is dirty or the window changed, then `draw`.
class Widget {
 public:
  virtual ~Widget() = default;

  virtual void sync(const FrameContext&) {}

  // Adds the widget's node (and its children's) to the tree; returns the node.
  virtual NodeId build_layout(LayoutTree& tree, const FrameContext&) {
    return tree.add_leaf({.width = Dimension::percent(100), .height = Dimension::percent(100)});
  }
  // Takes the computed geometry; `parent_origin` is the parent node's window position.
  virtual void apply_layout(const LayoutTree&, NodeId, Point /*parent_origin*/) {}

  virtual void draw(Canvas&) {}
  // Draws while the widget enters or leaves: `presence` runs from 0 (absent) to 1.
  virtual void draw_with_presence(Canvas& canvas, double presence) {
    CanvasState state(canvas);
    canvas.set_opacity(presence);
    draw(canvas);
  }

  virtual EventOutcome handle_event(const Event&, const FrameContext&) { return EventOutcome::Ignored; }
  virtual std::optional<std::string> tooltip_at(Point) const { return std::nullopt; }
  // True while a text field has the focus, so that input methods compose into it.
  [[nodiscard]] virtual bool accepts_text_input() const { return false; }

  [[nodiscard]] virtual std::optional<AccessNode> accessibility() const { return std::nullopt; }
  virtual bool perform_semantic_action(const SemanticAction&, const FrameContext&) { return false; }

  [[nodiscard]] virtual bool needs_idle_sync() const { return false; }
  [[nodiscard]] virtual bool needs_animation_frame() const { return false; }
  [[nodiscard]] virtual std::optional<Instant> next_wake() const { return std::nullopt; }

  [[nodiscard]] virtual bool is_dirty() const { return false; }
  virtual void clear_dirty() {}

  [[nodiscard]] virtual std::string_view type_name() const { return "Widget"; }
};

}  // namespace orvo::ui
