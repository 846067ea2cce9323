#include "app/scenes.h"

#include <gtest/gtest.h>

#include "app/launch_description.h"

namespace mail::app {
namespace {

TEST(Scenes, WindowSizesFollowTheTable) {
  const std::pair<std::optional<std::string>, orvo::ui::Size> cases[] = {
      {"wide", {1280, 800}},        {"narrow", {560, 860}},    {"mid", {1000, 720}},
      {"compose", {1180, 820}},     {"firstrun", {1100, 780}}, {"html_mail", {1280, 820}},
      {"error", {1100, 780}},       {"no-such-scene", {1280, 800}}, {"WIDE", {1280, 800}},
      {std::nullopt, {1280, 800}},
  };
  for (const auto& [scene, size] : cases) {
    SCOPED_TRACE(scene.value_or("(none)"));
    EXPECT_EQ(window_size_for(scene), size);
  }
}

TEST(Scenes, LaunchDescriptionNamesTheProgramAndItsScenesInOrder) {
  const orvo::ui::LaunchDescription description = make_launch_description();
  EXPECT_EQ(description.app_id, "so.orvo.mail");
  ASSERT_EQ(description.scenes.size(), 23u);
  EXPECT_EQ(description.scenes.front(), "wide");
  EXPECT_EQ(description.scenes[11], "firstrun");
  EXPECT_EQ(description.scenes.back(), "error");
  EXPECT_EQ(description.window_size({.scene = std::nullopt}), (orvo::ui::Size{1280, 800}));

  orvo::ui::App app;
  description.setup(app);
  EXPECT_EQ(app.window_title(), "Mail");
}

}  // namespace
}  // namespace mail::app
