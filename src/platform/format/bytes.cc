#include "platform/format/bytes.h"

#include <array>
#include <cmath>
#include <string_view>

#include <fmt/format.h>

namespace orvo::format {
namespace {

constexpr std::array<std::string_view, 7> units{"B", "KB", "MB", "GB", "TB", "PB", "EB"};
constexpr double step = 1024.0;

// One decimal while it still tells something; "2.0 KB" reads better as "2 KB".
std::string number_text(double value) {
  const double tenths = std::round(value * 10.0) / 10.0;
  const bool keeps_decimal = tenths < 10.0 && tenths != std::floor(tenths);
  return keeps_decimal ? fmt::format("{:.1f}", tenths) : fmt::format("{:.0f}", std::round(value));
}

}  // namespace

std::string bytes(std::uint64_t count) {
  double value = static_cast<double>(count);
  std::size_t unit = 0;
  // Step up while the rounded figure would reach 1024, so that 1,048,575 bytes is "1 MB".
  while (unit + 1 < units.size() && std::round(value) >= step) {
    value /= step;
    ++unit;
  }
  return fmt::format("{} {}", number_text(value), units[unit]);
}

}  // namespace orvo::format
