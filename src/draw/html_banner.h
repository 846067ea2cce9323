#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"

namespace mail::draw {

enum class BannerMode : std::uint8_t {
  RemoteBlocked = 0,  // the web view is shown without remote images
  RemoteLoaded = 1,   // the web view is shown with remote images
  SafeText = 2,       // the safe text version stands in for the web view
};

inline constexpr std::string_view remote_toggle_tooltip = "Load or block remote images";

// The line under the HTML `region` that says what the reader is looking at, lifted while
// `pointer` is over it. Over a web view it is also the switch for remote images: its
// rectangle is returned then, for the pane to make clickable.
std::optional<orvo::ui::Rect> draw_html_banner(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme,
                                               const orvo::ui::Rect& region, BannerMode mode,
                                               std::optional<orvo::ui::Point> pointer);

}  // namespace mail::draw
