#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

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

  void apply_layout(const orvo::ui::LayoutTree& tree, orvo::ui::NodeId node, orvo::ui::Point parent_origin) override;
  void draw(orvo::ui::Canvas& canvas) override;
  [[nodiscard]] std::optional<orvo::ui::AccessNode> accessibility() const override;
  [[nodiscard]] std::string_view type_name() const override { return pane::type_name(kind_); }

 private:
  PaneKind kind_;
  std::shared_ptr<state::MailState> state_;
  const orvo::ui::Theme& theme_;
  orvo::ui::Rect rect_;
};

}  // namespace mail::pane
