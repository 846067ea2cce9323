#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "actions/invoke_operation.h"
#include "app/context_menu.h"
#include "app/engine_link.h"
#include "app/global_shortcuts.h"
#include "app/purge_confirmation.h"
#include "app/shortcut_reference.h"
#include "app/status_expiry.h"
#include "compose/attachment_save.h"
#include "pane/pane.h"
#include "platform/actions/action_host.h"
#include "platform/storage/temp_folder.h"
#include "platform/ui/empty_state.h"
#include "platform/ui/nav_shell.h"
#include "platform/ui/theme.h"
#include "platform/ui/widget.h"
#include "state/local_preferences.h"
#include "platform/storage/document.h"
#include "state/mail_state.h"
#include "state/search_catalog.h"

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
// while no account is configured, with the overlays above them. Each update applies
// what the engine reported, carries out what the state asked for and keeps the
// status line.
class MailApp final : public orvo::ui::Widget,
                      public orvo::actions::ActionHost,
                      private ShortcutHost,
                      private actions::OperationHost {
 public:
  // A window built for a start scene has no engine.
  MailApp(std::shared_ptr<state::MailState> state, LocalStateLocation location,
          std::optional<engine::EngineHandle> engine);

  [[nodiscard]] state::MailState& state() { return *state_; }
  [[nodiscard]] orvo::ui::NavShell& shell() { return *shell_; }
  [[nodiscard]] state::ComposeFormat compose_format() const { return compose_format_; }
  [[nodiscard]] const std::optional<std::filesystem::path>& local_state_folder() const { return location_.folder; }
  [[nodiscard]] bool busy() const { return engine_.busy() || sync_shown_running_; }
  [[nodiscard]] const std::optional<ContextMenu>& context_menu() const { return context_menu_; }
  [[nodiscard]] bool purge_confirmation_open() const { return purge_confirmation_.has_value(); }
  [[nodiscard]] bool shortcut_reference_open() const { return shortcut_reference_.has_value(); }
  [[nodiscard]] const orvo::storage::Document& document() const { return document_; }
  [[nodiscard]] const state::MailSearchCatalog& search_catalog() const { return search_catalog_; }

  // The next layout pass finishes the shell's transitions at once.
  void request_snap() { snap_requested_ = true; }
  // Shows a synchronisation as running without an engine (a start scene).
  void show_sync_running() { sync_shown_running_ = true; }
  // Carries out and forgets every effect the state queued, in order.
  void drain_effects();
  // Asks the engine for the current folder again; false without an account or engine.
  bool refresh_current_folder();

  void sync(const orvo::ui::FrameContext& context) override;
  orvo::ui::NodeId build_layout(orvo::ui::LayoutTree& tree, const orvo::ui::FrameContext& context) override;
  void apply_layout(const orvo::ui::LayoutTree& tree, orvo::ui::NodeId node, orvo::ui::Point parent_origin) override;
  void draw(orvo::ui::Canvas& canvas) override;
  orvo::ui::EventOutcome handle_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) override;
  [[nodiscard]] std::optional<std::string> tooltip_at(orvo::ui::Point point) const override;
  [[nodiscard]] bool accepts_text_input() const override;
  [[nodiscard]] std::optional<orvo::ui::AccessNode> accessibility() const override;
  bool perform_semantic_action(const orvo::ui::SemanticAction& action, const orvo::ui::FrameContext& context) override;
  [[nodiscard]] bool needs_idle_sync() const override { return engine_.busy() || attachment_save_.has_value(); }
  [[nodiscard]] bool needs_animation_frame() const override;
  [[nodiscard]] std::optional<orvo::ui::Instant> next_wake() const override;
  [[nodiscard]] bool is_dirty() const override;
  void clear_dirty() override;
  [[nodiscard]] std::string_view type_name() const override { return "MailApp"; }

  // Published actions: the resource tree, and what other programs invoke.
  [[nodiscard]] orvo::actions::Resource action_resources() const override;
  [[nodiscard]] std::optional<orvo::actions::Resource> resolve_resource(std::string_view id) const override;
  orvo::actions::Invocation invoke(const orvo::actions::EncodedAction& action,
                                   const orvo::actions::ActionContext& context,
                                   const orvo::actions::ActionRegistry& registry) override;
  std::optional<orvo::actions::ActionResult> collect(orvo::actions::PendingOperation operation) override;
  void cancel(orvo::actions::PendingOperation operation) override;

 private:
  // Long operations started by an invoked action, and how they ended.
  struct RefreshOperation {
    orvo::actions::PendingOperation operation;
    engine::RequestId request;
  };
  struct SaveOperation {
    orvo::actions::PendingOperation operation;
    std::optional<compose::SaveOutcome> outcome;
  };

  // OperationHost
  [[nodiscard]] bool operation_running() const override;
  [[nodiscard]] bool has_engine() const override { return engine_.has_engine(); }
  std::expected<orvo::actions::PendingOperation, std::string> start_attachment_save(const message::MessageId& id,
                                                                                    std::size_t index) override;
  std::optional<orvo::actions::PendingOperation> start_refresh() override;
  void reveal_draft() override;
  std::expected<void, std::string> prepare_invitation(
      const actions::operation::PrepareCalendarInvitation& invitation) override;
  orvo::actions::PendingOperation next_operation() { return {next_operation_id_++}; }

  // ShortcutHost
  void open_shortcut_reference() override;
  void refresh() override { refresh_current_folder(); }

  [[nodiscard]] bool welcome_shown() const { return state_->accounts.empty(); }
  void update_layout_mirror();
  void apply_effect(state::UiEffect& effect);
  std::expected<void, std::string> begin_attachment_save(const message::MessageId& id, std::size_t index);
  void poll_attachment_save();
  void open_purge_confirmation();
  void confirm_purge();
  void choose_menu_item(std::size_t index);
  void reconcile_document();
  void record_local_changes();
  void commit_document();
  void save_current_account();
  void connect_once();
  void refresh_when_due();
  [[nodiscard]] std::string view_label() const;
  [[nodiscard]] std::vector<orvo::ui::AccessNode> pane_nodes() const;
  void draw_tooltip(orvo::ui::Canvas& canvas) const;

  // Input, in the order the layers take it.
  orvo::ui::EventOutcome route_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context);
  orvo::ui::EventOutcome handle_menu_event(const orvo::ui::Event& event);
  orvo::ui::EventOutcome handle_welcome_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context);

  // Semantic actions, by the prefix of their id.
  bool perform_routed_action(const orvo::ui::SemanticAction& action);
  bool perform_menu_action(const orvo::ui::SemanticAction& action);
  bool perform_purge_action(const orvo::ui::SemanticAction& action);
  bool perform_account_action(const orvo::ui::SemanticAction& action);
  bool perform_folder_action(const orvo::ui::SemanticAction& action);
  bool perform_bulk_action(const orvo::ui::SemanticAction& action);
  bool perform_message_action(const orvo::ui::SemanticAction& action);
  bool perform_reader_action(const orvo::ui::SemanticAction& action);

  std::shared_ptr<state::MailState> state_;
  orvo::ui::Theme theme_;
  std::unique_ptr<orvo::ui::NavShell> shell_;
  pane::Pane* sidebar_;
  pane::Pane* list_;
  pane::Pane* reader_;
  orvo::ui::EmptyState welcome_;
  LocalStateLocation location_;
  state::ComposeFormat compose_format_;
  EngineLink engine_;
  StatusExpiry status_expiry_;
  orvo::storage::Document document_;
  std::optional<message::MessageId> draft_in_store_;  // the Drafts message mirroring the document's draft
  bool document_primed_ = false;
  // What the document and the store were when the document was last laid over the
  // store: nothing to do while neither has changed.
  std::optional<std::pair<std::uint64_t, std::uint64_t>> reconciled_at_;
  state::MailSearchCatalog search_catalog_;

  std::optional<ContextMenu> context_menu_;
  std::optional<PurgeConfirmation> purge_confirmation_;
  std::optional<ShortcutReference> shortcut_reference_;
  std::optional<compose::SaveStart> attachment_save_;  // the save picker is open
  std::optional<RefreshOperation> refresh_operation_;
  std::optional<SaveOperation> save_operation_;
  std::uint64_t next_operation_id_ = 1;
  // Records the window's own changes, with the same handler other programs' changes use.
  orvo::actions::ActionRegistry own_registry_;

  orvo::ui::Size window_;
  double text_scale_ = 1;
  orvo::ui::NodeId content_node_ = 0;
  std::optional<orvo::ui::Instant> tooltip_due_;  // when the resting pointer shows its tooltip
  bool snap_requested_ = false;
  bool sync_shown_running_ = false;
  bool connected_once_ = false;
  message::Minutes last_refresh_ = 0;
  std::optional<std::string> saved_account_id_;  // the active account as last written to the store
  bool dirty_ = true;
};

}  // namespace mail::app
