#pragma once

#include <optional>
#include <string>

#include "platform/ui/icon.h"
#include "platform/ui/theme.h"
#include "platform/ui/widget.h"

namespace orvo::ui {

// A centred message for a place with nothing to show: icon, title, body and an
// optional button that names the action it runs.
class EmptyState : public Widget {
 public:
  struct Action {
    std::string label;
    std::string id;
  };

  EmptyState(const Theme& theme, Icon icon, std::string title, std::string body, std::optional<Action> action);

  NodeId build_layout(LayoutTree& tree, const FrameContext& context) override;
  void apply_layout(const LayoutTree& tree, NodeId node, Point parent_origin) override;
  void draw(Canvas& canvas) override;
  [[nodiscard]] std::optional<AccessNode> accessibility() const override;
  [[nodiscard]] std::string_view type_name() const override { return "EmptyState"; }

  // The id of the action whose button lies under `point`.
  [[nodiscard]] std::optional<std::string> action_at(Point point) const;

 private:
  struct Placement {
    Rect icon;
    double title_top;
    double body_top;
    Rect button;
  };
  [[nodiscard]] Placement place() const;

  const Theme& theme_;
  Icon icon_;
  std::string title_;
  std::string body_;
  std::optional<Action> action_;
  Rect frame_;
  double button_width_ = 0;  // measured with the label at layout time
};

}  // namespace orvo::ui
