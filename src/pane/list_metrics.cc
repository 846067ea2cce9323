#include "pane/list_metrics.h"

#include <algorithm>
#include <cmath>

namespace mail::pane {
namespace {

using orvo::ui::FontWeight;

constexpr double least_row_height = 78;
constexpr double least_control_height = 32;
constexpr double least_header_height = 56;
constexpr double header_padding = 24;
constexpr double avatar_base_radius = 17;

}  // namespace

ListMetrics ListMetrics::measure(const orvo::ui::TextRenderer& text, const orvo::ui::Theme& theme) {
  const double sender_line = text.line_height({13.5, FontWeight::Semibold});
  const double subject_line = text.line_height({12.5, FontWeight::Medium});
  const double snippet_line = text.line_height({11.5, FontWeight::Regular});
  const double control_line = text.line_height({13, FontWeight::Regular});
  const double gap = theme.line_gap;

  ListMetrics metrics;
  metrics.valid = true;
  metrics.sender_top = sender_line;
  metrics.subject_top = theme.row_inset + sender_line + gap;
  metrics.snippet_top = theme.row_inset + subject_line + metrics.subject_top;
  metrics.star_middle = metrics.snippet_top + snippet_line / 2;
  metrics.avatar_radius = std::max(theme.scale, 1.0) * avatar_base_radius;
  metrics.row_height = std::max({std::ceil(gap + snippet_line + metrics.snippet_top), least_row_height,
                                 std::ceil(2 * metrics.avatar_radius + 2 * gap)});
  metrics.control_height = std::max(control_line + 2 * theme.control_inset, least_control_height);
  metrics.header_height = std::max(metrics.control_height + header_padding, least_header_height);
  return metrics;
}

}  // namespace mail::pane
