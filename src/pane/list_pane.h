#pragma once

#include <optional>

#include "pane/list_metrics.h"
#include "pane/pane_content.h"
#include "pane/search_field.h"
#include "pane/swipe.h"

namespace mail::pane {

// The message list: a header with the bulk toggle, the folder title, the search
// field and Refresh; the bulk bar while bulk selection is on; one row per
// conversation (or search result), which can be clicked, starred and swiped.
class ListPane final : public PaneContent {
 public:
  void add_regions(const PaneFrame& frame, std::vector<PaneHit>& hits) override;
  void draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<PaneHit>& hits) override;
  orvo::ui::EventOutcome handle_event(const orvo::ui::Event& event, const PaneFrame& frame,
                                      const std::vector<PaneHit>& hits, const orvo::ui::FrameContext& context) override;
  [[nodiscard]] orvo::ui::AccessNode accessibility(const PaneFrame& frame) const override;

  void sync(const orvo::ui::FrameContext& context) override;
  [[nodiscard]] bool needs_redraw() const override { return search_ && search_->needs_redraw(); }
  [[nodiscard]] bool accepts_text_input() const override { return search_ && search_->focused(); }

 private:
  SearchField& search_field(const PaneFrame& frame);
  void draw_header(orvo::ui::Canvas& canvas, const PaneFrame& frame);
  void draw_rows(orvo::ui::Canvas& canvas, const PaneFrame& frame);
  orvo::ui::EventOutcome press(const orvo::ui::PointerPress& press, const PaneFrame& frame,
                               const std::vector<PaneHit>& hits, const orvo::ui::FrameContext& context);
  void click(const PaneHit& hit, const orvo::ui::PointerPress& press, const PaneFrame& frame,
             const orvo::ui::FrameContext& context);
  void open_row(const message::MessageId& id, const PaneFrame& frame);
  orvo::ui::EventOutcome move(const orvo::ui::PointerMove& move, state::MailState& state);
  orvo::ui::EventOutcome release(const orvo::ui::PointerRelease& release, state::MailState& state);

  ListMetrics metrics_;
  Swipe swipe_;
  // Made with the theme of the first frame the pane sees; the framework may sync
  // the pane before that.
  std::optional<SearchField> search_;
};

}  // namespace mail::pane
