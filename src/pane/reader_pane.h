#pragma once

#include <vector>

#include "pane/attachment_chips.h"
#include "pane/pane_content.h"
#include "pane/reader_conversation.h"
#include "pane/reader_html_view.h"

namespace mail::pane {

// The reading pane: the selected message's conversation with its toolbar, or the
// bulk-selection notice, or an invitation to pick a conversation.
class ReaderPane final : public PaneContent {
 public:
  // HTML is handed to the framework's built-in engine.
  ReaderPane();
  explicit ReaderPane(ReaderHtmlView::EngineFactory make_engine);

  void add_regions(const PaneFrame& frame, std::vector<PaneHit>& hits) override;
  void draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<PaneHit>& hits) override;
  orvo::ui::EventOutcome handle_event(const orvo::ui::Event& event, const PaneFrame& frame,
                                      const std::vector<PaneHit>& hits, const orvo::ui::FrameContext& context) override;
  [[nodiscard]] orvo::ui::AccessNode accessibility(const PaneFrame& frame) const override;
  [[nodiscard]] std::optional<std::string> own_tooltip(orvo::ui::Point point, const PaneFrame& frame) const override;
  [[nodiscard]] bool needs_redraw() const override { return html_.needs_reload(); }

  // The chips of the last draw.
  [[nodiscard]] const std::vector<AttachmentChip>& attachment_chips() const { return chips_; }
  [[nodiscard]] const std::optional<orvo::ui::Rect>& remote_toggle() const { return html_.remote_toggle(); }

 private:
  void draw_conversation(orvo::ui::Canvas& canvas, const PaneFrame& frame, const message::MessageRecord& selected);
  [[nodiscard]] bool on_remote_toggle(orvo::ui::Point point) const;
  [[nodiscard]] const AttachmentChip* chip_at(orvo::ui::Point point) const;
  bool click(orvo::ui::Point point, const PaneFrame& frame, const std::vector<PaneHit>& hits);

  ReaderHtmlView html_;
  ConversationCache conversation_;
  std::vector<AttachmentChip> chips_;
};

}  // namespace mail::pane
