#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pane/pane_hit.h"
#include "platform/ui/theme.h"
#include "platform/ui/widget.h"
#include "state/mail_state.h"

namespace mail::pane {

// What every pane operation of one frame may use. The state is borrowed for the
// length of the operation only.
struct PaneFrame {
  state::MailState& state;
  const orvo::ui::Theme& theme;
  orvo::ui::Rect rect;
  double scale = 1;  // the text scale, clamped to 0.5–4
};

// What one kind of pane draws and does; the pane itself keeps the geometry and the
// regions, which it rebuilds from the state before every draw and every event.
class PaneContent {
 public:
  virtual ~PaneContent() = default;

  // Appends the kind's regions for the current state, later ones on top.
  virtual void add_regions(const PaneFrame& frame, std::vector<PaneHit>& hits) = 0;
  virtual void draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<PaneHit>& hits) = 0;
  virtual orvo::ui::EventOutcome handle_event(const orvo::ui::Event& event, const PaneFrame& frame,
                                              const std::vector<PaneHit>& hits,
                                              const orvo::ui::FrameContext& context) = 0;
  [[nodiscard]] virtual orvo::ui::AccessNode accessibility(const PaneFrame& frame) const = 0;

  // A tooltip of the kind's own that wins over the regions' texts.
  [[nodiscard]] virtual std::optional<std::string> own_tooltip(orvo::ui::Point, const PaneFrame&) const {
    return std::nullopt;
  }
  virtual void sync(const orvo::ui::FrameContext&) {}
  [[nodiscard]] virtual bool needs_redraw() const { return false; }
  [[nodiscard]] virtual bool accepts_text_input() const { return false; }
};

}  // namespace mail::pane
