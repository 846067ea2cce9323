#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "engine/engine_worker.h"
#include "pane/pane.h"
#include "platform/storage/temp_folder.h"
#include "platform/ui/empty_state.h"
#include "platform/ui/nav_shell.h"
#include "platform/ui/theme.h"
#include "platform/ui/widget.h"
#include "state/local_preferences.h"
#include "state/mail_state.h"

namespace mail::app {

// Where the program keeps its own small files: the configuration root, a scene's
// private temporary folder (owned here, so it goes when the window goes), or nowhere.
struct LocalStateLocation {
  std::optional<std::filesystem::path> folder;
  std::optional<orvo::storage::TempFolder> scratch;

  static LocalStateLocation none() { return {}; }
  static LocalStateLocation at(std::filesystem::path folder) { return {std::move(folder), std::nullopt}; }
  static LocalStateLocation owned(orvo::storage::TempFolder scratch);
};

// The root widget: the three panes in the collapsing shell, or the welcome screen
// while no account is configured.
class MailApp final : public orvo::ui::Widget {
 public:
  // A window built for a start scene has no engine.
  MailApp(std::shared_ptr<state::MailState> state, LocalStateLocation location,
          std::optional<engine::EngineHandle> engine);

  [[nodiscard]] state::MailState& state() { return *state_; }
  [[nodiscard]] orvo::ui::NavShell& shell() { return *shell_; }
  [[nodiscard]] state::ComposeFormat compose_format() const { return compose_format_; }
  [[nodiscard]] const std::optional<std::filesystem::path>& local_state_folder() const { return location_.folder; }
  // The next layout pass finishes the shell's transitions at once.
  void request_snap() { snap_requested_ = true; }

  void sync(const orvo::ui::FrameContext& context) override;
  orvo::ui::NodeId build_layout(orvo::ui::LayoutTree& tree, const orvo::ui::FrameContext& context) override;
  void apply_layout(const orvo::ui::LayoutTree& tree, orvo::ui::NodeId node, orvo::ui::Point parent_origin) override;
  void draw(orvo::ui::Canvas& canvas) override;
  orvo::ui::EventOutcome handle_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) override;
  [[nodiscard]] std::optional<std::string> tooltip_at(orvo::ui::Point point) const override;
  [[nodiscard]] bool accepts_text_input() const override;
  [[nodiscard]] std::optional<orvo::ui::AccessNode> accessibility() const override;
  bool perform_semantic_action(const orvo::ui::SemanticAction& action, const orvo::ui::FrameContext& context) override;
  [[nodiscard]] bool needs_animation_frame() const override;
  [[nodiscard]] bool is_dirty() const override;
  void clear_dirty() override;
  [[nodiscard]] std::string_view type_name() const override { return "MailApp"; }

 private:
  [[nodiscard]] bool welcome_shown() const { return state_->accounts.empty(); }
  void update_layout_mirror();
  void drain_effects();
  void apply_effect(const state::UiEffect& effect);
  [[nodiscard]] std::string view_label() const;
  [[nodiscard]] std::vector<orvo::ui::AccessNode> pane_nodes() const;

  std::shared_ptr<state::MailState> state_;
  orvo::ui::Theme theme_;
  std::unique_ptr<orvo::ui::NavShell> shell_;
  pane::Pane* sidebar_;
  pane::Pane* list_;
  pane::Pane* reader_;
  orvo::ui::EmptyState welcome_;
  LocalStateLocation location_;
  state::ComposeFormat compose_format_;
  std::optional<engine::EngineHandle> engine_;

  orvo::ui::Size window_;
  orvo::ui::NodeId content_node_ = 0;
  bool snap_requested_ = false;
  bool dirty_ = true;
};

}  // namespace mail::app
