#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/geometry.h"

namespace mail::app {

struct Scene {
  std::string_view name;
  orvo::ui::Size window;
};

// The named start scenes, in the order the launcher lists them.
inline constexpr std::array<Scene, 23> scenes{{
    {"wide", {1280, 800}},
    {"narrow", {560, 860}},
    {"narrow_detail", {560, 860}},
    {"narrow_drawer", {560, 860}},
    {"mid", {1000, 720}},
    {"compose", {1180, 820}},
    {"compose_narrow", {560, 860}},
    {"setup", {1100, 780}},
    {"setup_narrow", {560, 860}},
    {"setup_add", {1100, 780}},
    {"setup_oauth", {1100, 780}},
    {"firstrun", {1100, 780}},
    {"html_mail", {1280, 820}},
    {"search", {1280, 800}},
    {"preview", {1280, 800}},
    {"bulk", {1280, 800}},
    {"bulk_purge_confirmation", {1280, 800}},
    {"reply", {1180, 820}},
    {"context_menu", {1280, 800}},
    {"loading", {1280, 800}},
    {"empty", {1280, 800}},
    {"offline", {1280, 800}},
    {"error", {1100, 780}},
}};

inline constexpr std::string_view default_scene = "wide";

std::vector<std::string> scene_names();

// The requested scene, or "wide" when none was named.
std::string_view requested_scene(const std::optional<std::string>& scene);

// The scene's window size; any name not in the table gets 1280 × 800.
orvo::ui::Size window_size_for(const std::optional<std::string>& scene);

}  // namespace mail::app
