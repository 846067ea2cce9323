#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace mail::pane {

inline constexpr std::string_view bulk_notice_hint =
    "Choose a batch action in the message list. Individual message actions are paused while selecting.";
inline constexpr std::string_view no_conversation_hint = "Select a conversation to read";

// "1 message selected", "3 messages selected".
std::string bulk_notice_title(std::size_t selected);

// What the reader shows instead of a conversation while messages are being selected.
void draw_bulk_notice(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const orvo::ui::Rect& pane,
                      std::size_t selected);

// What the reader shows with nothing to read.
void draw_no_conversation(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const orvo::ui::Rect& pane);

}  // namespace mail::pane
