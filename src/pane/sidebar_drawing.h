#pragma once

#include "pane/sidebar_layout.h"

namespace mail::pane {

void draw_sidebar(orvo::ui::Canvas& canvas, const PaneFrame& frame, const SidebarLayout& layout);

}  // namespace mail::pane
