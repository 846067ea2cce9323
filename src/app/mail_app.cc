#include "app/mail_app.h"

#include <algorithm>
#include <utility>

#include "actions/mail_action_handler.h"
#include "app/status_tone.h"
#include "platform/log/log.h"
#include "platform/storage/document_persist.h"
#include "platform/ui/toast.h"
#include "platform/ui/tooltip.h"

namespace mail::app {

using orvo::ui::AccessNode;
using orvo::ui::AccessRole;
using orvo::ui::NavShell;

namespace {

constexpr double compact_breakpoint = 860;
constexpr NavShell::WidthRange sidebar_widths{260, 340};

const char* const welcome_title = "Welcome to Mail";
const char* const welcome_body = "Add your email account to start reading and sending mail.";
const char* const add_account_label = "Add account";
const char* const add_account_action = "mail.add-account";

// The mail document of the local-state location; without one, or when it cannot be
// opened, the decisions of this run are kept in memory only.
orvo::storage::Document open_document(const std::optional<std::filesystem::path>& folder) {
  if (!folder) return {};
  auto document = orvo::storage::persist::open(*folder);
  if (document) return std::move(*document);
  orvo::log::warn("mail::app", "mail: could not open the mail document", {{"error", document.error()}});
  return {};
}

}  // namespace

LocalStateLocation LocalStateLocation::owned(orvo::storage::TempFolder scratch) {
  LocalStateLocation location;
  location.folder = scratch.path();
  location.scratch = std::move(scratch);
  return location;
}

MailApp::MailApp(std::shared_ptr<state::MailState> state, LocalStateLocation location,
                 std::optional<engine::EngineHandle> engine)
    : state_(std::move(state)),
      theme_(orvo::ui::Theme::dark()),
      welcome_(theme_, orvo::ui::Icon::Mail, welcome_title, welcome_body,
               orvo::ui::EmptyState::Action{add_account_label, add_account_action}),
      location_(std::move(location)),
      compose_format_(state::load_compose_format(location_.folder)),
      engine_(std::move(engine), location_.folder),
      document_(open_document(location_.folder)) {
  (void)actions::register_mail_actions(own_registry_);
  if (state_->current_account < state_->accounts.size()) saved_account_id_ = state_->accounts[state_->current_account].id;
  auto sidebar = std::make_unique<pane::Pane>(pane::PaneKind::Sidebar, state_, theme_);
  auto list = std::make_unique<pane::Pane>(pane::PaneKind::List, state_, theme_);
  auto reader = std::make_unique<pane::Pane>(pane::PaneKind::Reader, state_, theme_);
  sidebar_ = sidebar.get();
  list_ = list.get();
  reader_ = reader.get();
  shell_ = std::make_unique<NavShell>(theme_, std::move(list), std::move(reader));
  shell_->with_sidebar(std::move(sidebar));
  shell_->set_compact_breakpoint(compact_breakpoint);
  shell_->set_docked_sidebar_widths(sidebar_widths);
  shell_->set_drawer_widths(sidebar_widths);
}

orvo::ui::NodeId MailApp::build_layout(orvo::ui::LayoutTree& tree, const orvo::ui::FrameContext& context) {
  const double scale = std::clamp(context.text_scale, 0.5, 4.0);
  if (theme_.scale != scale) theme_ = orvo::ui::Theme::dark(scale);
  window_ = context.window;
  text_scale_ = context.text_scale;
  shell_->set_compact_breakpoint(std::max(compact_breakpoint * context.text_scale, 1.0));
  content_node_ = welcome_shown() ? welcome_.build_layout(tree, context) : shell_->build_layout(tree, context);
  return tree.add_node({.width = orvo::ui::Dimension::points(window_.width),
                        .height = orvo::ui::Dimension::points(window_.height)},
                       {content_node_});
}

void MailApp::apply_layout(const orvo::ui::LayoutTree& tree, orvo::ui::NodeId node, orvo::ui::Point parent_origin) {
  const orvo::ui::Rect root = tree.layout(node).translated(parent_origin.x, parent_origin.y);
  if (welcome_shown()) {
    welcome_.apply_layout(tree, content_node_, root.origin());
    return;
  }
  shell_->apply_layout(tree, content_node_, root.origin());
  update_layout_mirror();
  if (snap_requested_) {
    snap_requested_ = false;
    shell_->snap();
    update_layout_mirror();
    shell_->apply_layout(tree, content_node_, root.origin());
  }
  const orvo::ui::Rect control = shell_->control_rect();
  state_->layout.shell_control_rect =
      control.width() > 0 && control.height() > 0 ? std::optional(control) : std::nullopt;
}

void MailApp::update_layout_mirror() {
  state::LayoutMirror& mirror = state_->layout;
  mirror.compact = shell_->is_compact();
  mirror.reader_shown = shell_->has_detail() && shell_->detail_shown();
  mirror.sidebar_shown = shell_->sidebar_visible();
}

void MailApp::draw(orvo::ui::Canvas& canvas) {
  const orvo::ui::Rect window = orvo::ui::Rect::from_origin_size({}, window_);
  if (welcome_shown()) {
    canvas.fill_rect(window, theme_.colors.window);
    welcome_.draw(canvas);
  } else {
    shell_->draw(canvas);
  }
  if (context_menu_) context_menu_->draw(canvas, theme_, *state_, window_, text_scale_);
  if (purge_confirmation_) purge_confirmation_->draw(canvas, theme_, window_);
  if (shortcut_reference_) shortcut_reference_->draw(canvas, theme_, window_, std::clamp(text_scale_, 0.5, 4.0));
  draw_tooltip(canvas);
  if (state_->status) {
    orvo::ui::toast::paint_transient(canvas, window, *state_->status, status_tone(*state_->status), theme_);
  }
}

void MailApp::draw_tooltip(orvo::ui::Canvas& canvas) const {
  if (!tooltip_due_ || orvo::ui::Clock::now() < *tooltip_due_) return;
  if (const auto text = tooltip_at(state_->pointer)) {
    orvo::ui::paint_tooltip(canvas, orvo::ui::Rect::from_origin_size({}, window_), state_->pointer, *text, theme_);
  }
}

std::optional<std::string> MailApp::tooltip_at(orvo::ui::Point point) const {
  if (welcome_shown() || context_menu_ || purge_confirmation_ || shortcut_reference_) return std::nullopt;
  return shell_->tooltip_at(point);
}

bool MailApp::accepts_text_input() const { return !welcome_shown() && shell_->accepts_text_input(); }

std::string MailApp::view_label() const {
  if (!state_->layout.compact) return "folders, message list, and reading pane";
  if (shell_->drawer_open()) return "folder drawer";
  if (state_->layout.reader_shown) return "reading pane";
  return "message list";
}

std::vector<AccessNode> MailApp::pane_nodes() const {
  const state::LayoutMirror& layout = state_->layout;
  const bool drawer = layout.compact && shell_->drawer_open();
  const bool sidebar_visible = layout.compact ? drawer : layout.sidebar_shown;
  const bool list_visible = !layout.compact || (!drawer && !layout.reader_shown);
  const bool reader_visible = !layout.compact || (layout.reader_shown && !drawer);
  std::vector<AccessNode> nodes;
  for (const auto& [pane, visible] : {std::pair{sidebar_, sidebar_visible}, std::pair{list_, list_visible},
                                      std::pair{reader_, reader_visible}}) {
    if (!visible) continue;
    if (auto node = pane->accessibility()) nodes.push_back(std::move(*node));
  }
  return nodes;
}

std::optional<AccessNode> MailApp::accessibility() const {
  AccessNode root{.role = AccessRole::Window, .label = "Mail"};
  if (welcome_shown()) {
    if (auto welcome = welcome_.accessibility()) root.children.push_back(std::move(*welcome));
    return root;
  }
  root.value = "Current view: " + view_label();
  if (busy()) root.children.push_back({.role = AccessRole::Status, .label = "Syncing mail"});
  if (state_->status) root.children.push_back({.role = AccessRole::Status, .label = *state_->status});
  std::ranges::move(pane_nodes(), std::back_inserter(root.children));
  if (context_menu_) root.children.push_back(context_menu_->accessibility(*state_));
  if (purge_confirmation_) root.children.push_back(purge_confirmation_->accessibility());
  if (shortcut_reference_) root.children.push_back(shortcut_reference_->accessibility());
  return root;
}

bool MailApp::needs_animation_frame() const { return !welcome_shown() && shell_->needs_animation_frame(); }

// The earliest of: the status expiry, the tooltip of a resting pointer, and the next
// frame while requests are pending, so that results show within a frame.
std::optional<orvo::ui::Instant> MailApp::next_wake() const {
  const orvo::ui::Instant now = orvo::ui::Clock::now();
  std::optional<orvo::ui::Instant> earliest;
  auto consider = [&](std::optional<orvo::ui::Instant> instant) {
    if (instant && (!earliest || *instant < *earliest)) earliest = instant;
  };
  consider(status_expiry_.deadline());
  if (tooltip_due_ && now < *tooltip_due_) consider(tooltip_due_);
  if (engine_.busy() || attachment_save_) consider(now + std::chrono::milliseconds(16));
  return earliest;
}

bool MailApp::is_dirty() const { return dirty_ || state_->changed; }

void MailApp::clear_dirty() {
  dirty_ = false;
  state_->changed = false;
}

void MailApp::open_shortcut_reference() {
  shortcut_reference_.emplace();
  dirty_ = true;
}

}  // namespace mail::app
