#include "app/scenes.h"

#include <algorithm>

namespace mail::app {

std::vector<std::string> scene_names() {
  std::vector<std::string> names;
  for (const Scene& scene : scenes) names.emplace_back(scene.name);
  return names;
}

std::string_view requested_scene(const std::optional<std::string>& scene) {
  return scene ? std::string_view(*scene) : default_scene;
}

orvo::ui::Size window_size_for(const std::optional<std::string>& scene) {
  const auto found = std::ranges::find(scenes, requested_scene(scene), &Scene::name);
  return found == scenes.end() ? orvo::ui::Size{1280, 800} : found->window;
}

}  // namespace mail::app
