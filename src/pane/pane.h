#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "pane/pane_content.h"
#include "platform/ui/theme.h"
#include "platform/ui/widget.h"
#include "state/mail_state.h"

namespace mail::pane {

enum class PaneKind : std::uint8_t { Sidebar = 0, List = 1, Reader = 2 };

std::string_view type_name(PaneKind kind);
std::string_view identifier(PaneKind kind);

// One of the window's three panes. The panes never talk to the engine: they read
// and change the shared state and queue effects for the application object.
class Pane : public orvo::ui::Widget {
 public:
  Pane(PaneKind kind, std::shared_ptr<state::MailState> state, const orvo::ui::Theme& theme);

  [[nodiscard]] PaneKind kind() const { return kind_; }
  [[nodiscard]] const orvo::ui::Rect& rect() const { return rect_; }
  // The regions as of the last draw or event.
  [[nodiscard]] const std::vector<PaneHit>& hits() const { return hits_; }

  void sync(const orvo::ui::FrameContext& context) override;
  orvo::ui::NodeId build_layout(orvo::ui::LayoutTree& tree, const orvo::ui::FrameContext& context) override;
  void apply_layout(const orvo::ui::LayoutTree& tree, orvo::ui::NodeId node, orvo::ui::Point parent_origin) override;
  void draw(orvo::ui::Canvas& canvas) override;
  orvo::ui::EventOutcome handle_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) override;
  [[nodiscard]] std::optional<std::string> tooltip_at(orvo::ui::Point point) const override;
  [[nodiscard]] std::optional<orvo::ui::AccessNode> accessibility() const override;
  [[nodiscard]] bool accepts_text_input() const override { return content_->accepts_text_input(); }
  [[nodiscard]] bool is_dirty() const override { return state_->changed || content_->needs_redraw(); }
  [[nodiscard]] std::string_view type_name() const override { return pane::type_name(kind_); }

 private:
  [[nodiscard]] PaneFrame frame() const;
  void rebuild_regions();

  PaneKind kind_;
  std::shared_ptr<state::MailState> state_;
  const orvo::ui::Theme& theme_;
  std::unique_ptr<PaneContent> content_;
  orvo::ui::Rect rect_;
  double text_scale_ = 1;
  std::vector<PaneHit> hits_;
};

}  // namespace mail::pane
