#include "app/purge_confirmation.h"

#include "platform/ui/button_face.h"
#include "platform/ui/modal_frame.h"

namespace mail::app {
namespace {

using orvo::ui::ButtonFace;
using orvo::ui::ButtonTone;

constexpr double title_height = 30;
constexpr double line_height = 22;
constexpr double button_height = 38;
constexpr double button_gap = 10;
constexpr double content_height = title_height + 12 + 2 * line_height + 24 + button_height;

const ButtonFace cancel_face{"Cancel", std::nullopt, ButtonTone::Normal};
const ButtonFace confirm_face{"Delete permanently", orvo::ui::Icon::DeleteForever, ButtonTone::Danger};

std::string messages_word(std::size_t count) { return count == 1 ? "message" : "messages"; }

}  // namespace

PurgeConfirmation::Placement PurgeConfirmation::place(orvo::ui::Size window, const orvo::ui::TextRenderer& text) const {
  const orvo::ui::ModalLayout modal = orvo::ui::ModalFrame{.max_width = 440}.layout(window, content_height);
  const double bottom = modal.content.y1;
  const double confirm_width = confirm_face.natural_width(text);
  const double cancel_width = cancel_face.natural_width(text);
  const orvo::ui::Rect confirm{modal.content.x1 - confirm_width, bottom - button_height, modal.content.x1, bottom};
  const orvo::ui::Rect cancel{confirm.x0 - button_gap - cancel_width, confirm.y0, confirm.x0 - button_gap, bottom};
  return {modal, cancel, confirm};
}

PurgeConfirmation::Outcome PurgeConfirmation::handle_event(const orvo::ui::Event& event, orvo::ui::Size window,
                                                           const orvo::ui::TextRenderer& text) const {
  if (const auto* key = std::get_if<orvo::ui::KeyPress>(&event)) {
    if (key->key == orvo::ui::Key::Escape) return Outcome::Cancel;
    if (key->key == orvo::ui::Key::Enter) return Outcome::Confirm;
  }
  if (const auto* press = std::get_if<orvo::ui::PointerPress>(&event);
      press != nullptr && press->button == orvo::ui::PointerButton::Primary) {
    const Placement placement = place(window, text);
    if (placement.cancel.contains(press->position)) return Outcome::Cancel;
    if (placement.confirm.contains(press->position)) return Outcome::Confirm;
  }
  return Outcome::Nothing;
}

void PurgeConfirmation::draw(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, orvo::ui::Size window) const {
  const Placement placement = place(window, canvas.text());
  placement.modal.paint_backdrop(canvas, theme);
  placement.modal.paint_card(canvas, theme);
  const orvo::ui::Rect& content = placement.modal.content;
  canvas.draw_text("Delete permanently?", content.origin(), {20, orvo::ui::FontWeight::Semibold}, theme.colors.text,
                   content.width());
  const double body_top = content.y0 + title_height + 12;
  const orvo::ui::TextStyle body{13, orvo::ui::FontWeight::Regular};
  canvas.draw_text(std::to_string(count_) + " trashed " + messages_word(count_) + " will be removed from this mailbox.",
                   {content.x0, body_top}, body, theme.colors.text, content.width());
  canvas.draw_text("This cannot be undone or recovered from the server.", {content.x0, body_top + line_height}, body,
                   theme.colors.text_muted, content.width());
  cancel_face.paint(canvas, placement.cancel, theme);
  confirm_face.paint(canvas, placement.confirm, theme);
}

orvo::ui::AccessNode PurgeConfirmation::accessibility() const {
  return {.role = orvo::ui::AccessRole::Dialog,
          .label = "Delete permanently?",
          .description = std::to_string(count_) + " trashed " + messages_word(count_) +
                         " will be removed from this mailbox and cannot be recovered from the server.",
          .actions = {{"Cancel", "mail.bulk-purge:cancel"}, {"Delete permanently", "mail.bulk-purge:confirm"}}};
}

}  // namespace mail::app
