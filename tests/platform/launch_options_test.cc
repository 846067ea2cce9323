#include "platform/ui/launch_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvo::ui {
namespace {

std::expected<LaunchOptions, std::string> parse(std::vector<std::string_view> arguments) {
  return parse_launch_options(arguments);
}

TEST(LaunchOptions, ReadsEveryOption) {
  const auto options = parse({"--scene", "wide", "--screenshot", "w.png", "--a11y-dump", "w.json", "--input",
                              "key x", "--scale", "1.5"});
  ASSERT_TRUE(options.has_value()) << options.error();
  EXPECT_EQ(options->scene, "wide");
  EXPECT_EQ(options->screenshot, "w.png");
  EXPECT_EQ(options->a11y_dump, "w.json");
  EXPECT_EQ(options->input, "key x");
  EXPECT_EQ(options->text_scale, 1.5);
  EXPECT_TRUE(options->headless_capture());
}

TEST(LaunchOptions, NoOptionsIsANormalStart) {
  const auto options = parse({});
  ASSERT_TRUE(options.has_value());
  EXPECT_FALSE(options->scene.has_value());
  EXPECT_FALSE(options->headless_capture());
  EXPECT_EQ(options->text_scale, 1);
}

TEST(LaunchOptions, RefusesWhatItDoesNotKnow) {
  EXPECT_FALSE(parse({"--frobnicate", "1"}).has_value());
  EXPECT_FALSE(parse({"--scene"}).has_value());
  EXPECT_FALSE(parse({"--scale", "big"}).has_value());
}

}  // namespace
}  // namespace orvo::ui
