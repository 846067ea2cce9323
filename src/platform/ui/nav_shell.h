#pragma once

#include <memory>
#include <optional>

#include "platform/ui/theme.h"
#include "platform/ui/widget.h"

namespace orvo::ui {

// The collapsing navigation shell: a primary list, an optional detail pane and an
// optional sidebar. At or above the compact breakpoint they stand side by side;
// below it one content pane shows at a time and the sidebar becomes a drawer.
// The shell fills the window's width.
class NavShell : public Widget {
 public:
  enum class SidebarState : std::uint8_t { Automatic, Open, Closed };

  struct WidthRange {
    double narrowest = 260;
    double widest = 340;
  };

  NavShell(const Theme& theme, std::unique_ptr<Widget> primary, std::unique_ptr<Widget> detail);
  NavShell& with_sidebar(std::unique_ptr<Widget> sidebar);

  void set_compact_breakpoint(double width) { breakpoint_ = width; }
  void set_docked_sidebar_widths(WidthRange range) { docked_widths_ = range; }
  void set_drawer_widths(WidthRange range) { drawer_widths_ = range; }

  [[nodiscard]] bool has_sidebar() const { return sidebar_ != nullptr; }
  [[nodiscard]] bool has_detail() const { return detail_ != nullptr; }
  [[nodiscard]] bool allows_docking() const { return true; }
  [[nodiscard]] double width() const { return frame_.width(); }
  [[nodiscard]] bool is_compact() const { return breakpoint_ > frame_.width(); }

  [[nodiscard]] bool detail_shown() const { return detail_shown_; }
  void set_detail_shown(bool shown);
  [[nodiscard]] SidebarState sidebar_state() const { return sidebar_state_; }
  void set_sidebar_state(SidebarState state);

  // Finish every running transition at once; `snap_sidebar` only the drawer's.
  void snap();
  void snap_sidebar();

  // What is on screen after the last layout.
  [[nodiscard]] bool sidebar_visible() const;
  [[nodiscard]] bool drawer_open() const { return is_compact() && sidebar_visible(); }
  [[nodiscard]] bool primary_visible() const;
  [[nodiscard]] bool detail_visible() const;

  // The square where the shell draws its sidebar toggle.
  [[nodiscard]] Rect control_rect() const;
  // The shell's back control, shown in compact mode while the detail pane is.
  [[nodiscard]] std::optional<Rect> back_rect() const;

  [[nodiscard]] Widget& primary() { return *primary_; }
  [[nodiscard]] Widget* detail() { return detail_.get(); }
  [[nodiscard]] Widget* sidebar() { return sidebar_.get(); }

  void sync(const FrameContext& context) override;
  NodeId build_layout(LayoutTree& tree, const FrameContext& context) override;
  void apply_layout(const LayoutTree& tree, NodeId node, Point parent_origin) override;
  void draw(Canvas& canvas) override;
  EventOutcome handle_event(const Event& event, const FrameContext& context) override;
  [[nodiscard]] std::optional<std::string> tooltip_at(Point point) const override;
  [[nodiscard]] bool accepts_text_input() const override;
  [[nodiscard]] bool needs_animation_frame() const override;
  [[nodiscard]] std::string_view type_name() const override { return "NavShell"; }

 private:
  // Where a child sits, relative to the shell. Sizes depend only on the window and
  // the shell's states; offsets and visibility also follow running transitions.
  struct Slot {
    Rect rect;
    bool visible = false;
  };
  struct Slots {
    Slot sidebar;
    Slot primary;
    Slot detail;
  };
  struct SlotNodes {
    NodeId sidebar = 0;
    NodeId primary = 0;
    NodeId detail = 0;
  };

  [[nodiscard]] Slots slots_for(Size size) const;
  [[nodiscard]] Slots wide_slots(Size size) const;
  [[nodiscard]] Slots compact_slots(Size size) const;
  void apply_child(Widget* child, const LayoutTree& tree, NodeId slot, const Slot& placement);
  [[nodiscard]] bool sidebar_shown_for(double width) const;
  [[nodiscard]] Widget* child_at(Point point);
  [[nodiscard]] const Widget* child_at(Point point) const;
  EventOutcome handle_press(const PointerPress& press, const FrameContext& context);
  void toggle_sidebar();

  const Theme& theme_;
  std::unique_ptr<Widget> primary_;
  std::unique_ptr<Widget> detail_;
  std::unique_ptr<Widget> sidebar_;

  double breakpoint_ = 860;
  WidthRange docked_widths_;
  WidthRange drawer_widths_;
  bool detail_shown_ = false;
  SidebarState sidebar_state_ = SidebarState::Automatic;

  // Transition progress from 0 to 1 towards the states above.
  double detail_progress_ = 0;
  double drawer_progress_ = 0;
  std::optional<Instant> last_step_;

  Rect frame_;
  Slots slots_;
  SlotNodes nodes_;
  // The child a press went to: it gets the pointer until the release, wherever the
  // pointer goes meanwhile, so that a drag never ends in a neighbour.
  Widget* captured_ = nullptr;
};

}  // namespace orvo::ui
