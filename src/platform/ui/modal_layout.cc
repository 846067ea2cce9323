#include "platform/ui/modal_layout.h"

namespace orvo::ui {
namespace {

constexpr double shadow_blur = 24;

}  // namespace

void ModalLayout::paint_backdrop(Canvas& canvas, const Theme& theme) const {
  canvas.fill_rect(backdrop, theme.colors.scrim);
}

void ModalLayout::paint_card(Canvas& canvas, const Theme& theme) const {
  canvas.shadow(card, theme.corner_radius, shadow_blur, theme.colors.shadow);
  canvas.fill_rounded_rect(card, theme.corner_radius, theme.colors.raised);
  canvas.stroke_rounded_rect(card, theme.corner_radius, theme.colors.border, 1);
}

}  // namespace orvo::ui
