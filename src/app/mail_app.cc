#include "app/mail_app.h"

#include <algorithm>
#include <utility>

#include "app/status_tone.h"
#include "platform/ui/toast.h"

namespace mail::app {

using orvo::ui::AccessNode;
using orvo::ui::AccessRole;
using orvo::ui::EventOutcome;
using orvo::ui::NavShell;

namespace {

constexpr double compact_breakpoint = 860;
constexpr NavShell::WidthRange sidebar_widths{260, 340};

const char* const welcome_title = "Welcome to Mail";
const char* const welcome_body = "Add your email account to start reading and sending mail.";
const char* const add_account_label = "Add account";
const char* const add_account_action = "mail.add-account";

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

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
      engine_(std::move(engine)) {
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

void MailApp::sync(const orvo::ui::FrameContext& context) { shell_->sync(context); }

orvo::ui::NodeId MailApp::build_layout(orvo::ui::LayoutTree& tree, const orvo::ui::FrameContext& context) {
  const double scale = std::clamp(context.text_scale, 0.5, 4.0);
  if (theme_.scale != scale) theme_ = orvo::ui::Theme::dark(scale);
  window_ = context.window;
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
  if (state_->status) {
    orvo::ui::toast::paint_transient(canvas, window, *state_->status, status_tone(*state_->status), theme_);
  }
}

EventOutcome MailApp::handle_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) {
  if (const auto* move = std::get_if<orvo::ui::PointerMove>(&event)) state_->pointer = move->position;
  dirty_ = true;
  if (welcome_shown()) {
    const auto* press = std::get_if<orvo::ui::PointerPress>(&event);
    const auto* key = std::get_if<orvo::ui::KeyPress>(&event);
    const bool activates = (press != nullptr && welcome_.action_at(press->position)) ||
                           (key != nullptr && key->key == orvo::ui::Key::Enter);
    if (!activates) return EventOutcome::Ignored;
    perform_semantic_action({.id = add_account_action}, context);
    return EventOutcome::Handled;
  }
  const EventOutcome outcome = shell_->handle_event(event, context);
  drain_effects();
  return outcome;
}

std::optional<std::string> MailApp::tooltip_at(orvo::ui::Point point) const {
  if (welcome_shown()) return std::nullopt;
  return shell_->tooltip_at(point);
}

bool MailApp::accepts_text_input() const { return !welcome_shown() && shell_->accepts_text_input(); }

bool MailApp::perform_semantic_action(const orvo::ui::SemanticAction& action, const orvo::ui::FrameContext&) {
  if (action.id != add_account_action || action.kind != orvo::ui::SemanticKind::Invoke) return false;
  state_->queue(state::effect::OpenSetup{.edit = false});
  drain_effects();
  dirty_ = true;
  return true;
}

void MailApp::drain_effects() {
  std::vector<state::UiEffect> effects = std::exchange(state_->effects, {});
  for (const state::UiEffect& effect : effects) apply_effect(effect);
}

// Effects whose parts (composer, setup form, menus, the engine) are not part of the
// window yet are dropped.
void MailApp::apply_effect(const state::UiEffect& effect) {
  std::visit(Overloaded{
                 [&](const state::effect::ShowReader&) { shell_->set_detail_shown(true); },
                 [&](const state::effect::ShowList&) { shell_->set_detail_shown(false); },
                 [&](const state::effect::CloseDrawer&) {
                   if (shell_->has_sidebar() && shell_->drawer_open()) {
                     shell_->set_sidebar_state(NavShell::SidebarState::Automatic);
                   }
                 },
                 [&](const state::effect::Status& status) { state_->set_status(status.text); },
                 [](const auto&) {},
             },
             effect);
}

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
  if (state_->status) root.children.push_back({.role = AccessRole::Status, .label = *state_->status});
  std::ranges::move(pane_nodes(), std::back_inserter(root.children));
  return root;
}

bool MailApp::needs_animation_frame() const { return !welcome_shown() && shell_->needs_animation_frame(); }

bool MailApp::is_dirty() const { return dirty_ || state_->changed; }

void MailApp::clear_dirty() {
  dirty_ = false;
  state_->changed = false;
}

}  // namespace mail::app
