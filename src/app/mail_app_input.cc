#include "app/mail_app.h"

namespace mail::app {

using orvo::ui::EventOutcome;

namespace {

// How long the pointer rests before a region names what it does.
constexpr std::chrono::milliseconds tooltip_delay{600};

}  // namespace

EventOutcome MailApp::handle_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) {
  if (const auto* move = std::get_if<orvo::ui::PointerMove>(&event)) {
    state_->pointer = move->position;
    tooltip_due_ = context.now + tooltip_delay;
  } else {
    tooltip_due_.reset();
  }
  dirty_ = true;
  const EventOutcome outcome = route_event(event, context);
  drain_effects();
  return outcome;
}

// The first layer that is open takes the event.
EventOutcome MailApp::route_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) {
  if (shortcut_reference_) {
    if (shortcut_reference_->handle_event(event, window_, std::clamp(text_scale_, 0.5, 4.0))) {
      shortcut_reference_.reset();
    }
    return EventOutcome::Handled;
  }
  if (purge_confirmation_) {
    switch (purge_confirmation_->handle_event(event, window_, context.text)) {
      case PurgeConfirmation::Outcome::Cancel: purge_confirmation_.reset(); break;
      case PurgeConfirmation::Outcome::Confirm: confirm_purge(); break;
      case PurgeConfirmation::Outcome::Nothing: break;
    }
    return EventOutcome::Handled;
  }
  if (context_menu_) return handle_menu_event(event);
  if (welcome_shown()) return handle_welcome_event(event, context);
  const auto* key = std::get_if<orvo::ui::KeyPress>(&event);
  if (key != nullptr && !state_->search_focused && handle_global_shortcut(*state_, *key, *this)) {
    return EventOutcome::Handled;
  }
  return shell_->handle_event(event, context);
}

// Keys go to the menu only; a press on an item chooses it and a press elsewhere
// closes the menu.
EventOutcome MailApp::handle_menu_event(const orvo::ui::Event& event) {
  if (const auto* key = std::get_if<orvo::ui::KeyPress>(&event)) {
    const ContextMenu::KeyOutcome outcome = context_menu_->handle_key(*key);
    if (const auto* activate = std::get_if<ContextMenu::Activate>(&outcome)) choose_menu_item(activate->index);
    if (std::holds_alternative<ContextMenu::Close>(outcome)) context_menu_.reset();
    return EventOutcome::Handled;
  }
  if (const auto* move = std::get_if<orvo::ui::PointerMove>(&event)) {
    if (auto item = context_menu_->item_at(move->position, window_, text_scale_)) context_menu_->highlight(*item);
    return EventOutcome::Handled;
  }
  if (const auto* press = std::get_if<orvo::ui::PointerPress>(&event)) {
    const auto item = context_menu_->item_at(press->position, window_, text_scale_);
    if (item && press->button == orvo::ui::PointerButton::Primary) {
      choose_menu_item(*item);
    } else if (!context_menu_->placement(window_, text_scale_).contains(press->position)) {
      context_menu_.reset();
    }
    return EventOutcome::Handled;
  }
  return EventOutcome::Ignored;
}

EventOutcome MailApp::handle_welcome_event(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) {
  const auto* press = std::get_if<orvo::ui::PointerPress>(&event);
  const auto* key = std::get_if<orvo::ui::KeyPress>(&event);
  const bool activates = (press != nullptr && welcome_.action_at(press->position)) ||
                         (key != nullptr && key->key == orvo::ui::Key::Enter);
  if (!activates) return EventOutcome::Ignored;
  perform_semantic_action({.id = "mail.add-account"}, context);
  return EventOutcome::Handled;
}

}  // namespace mail::app
