#pragma once

#include "pane/pane_content.h"

namespace mail::pane {

// The folder column: Compose, every account with its seven folders, Add account.
class SidebarPane final : public PaneContent {
 public:
  void add_regions(const PaneFrame& frame, std::vector<PaneHit>& hits) override;
  void draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<PaneHit>& hits) override;
  orvo::ui::EventOutcome handle_event(const orvo::ui::Event& event, const PaneFrame& frame,
                                      const std::vector<PaneHit>& hits, const orvo::ui::FrameContext& context) override;
  [[nodiscard]] orvo::ui::AccessNode accessibility(const PaneFrame& frame) const override;
};

}  // namespace mail::pane
