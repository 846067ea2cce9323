#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvo::e2e {

struct ProgramRun {
  int exit_code = -1;
  std::string output;  // standard error and output together
};

// Runs the real program headless, with its configuration root inside a private
// folder that goes away after the test.
class ProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  [[nodiscard]] ProgramRun run(const std::vector<std::string>& arguments) const;
  [[nodiscard]] std::string path(const std::string& name) const { return (dir_ / name).string(); }
  [[nodiscard]] std::filesystem::path config_folder() const { return dir_ / "config" / "orvo-mail"; }

  // The accessibility tree of a scene after the given launcher arguments.
  [[nodiscard]] nlohmann::json dump(const std::string& scene, const std::vector<std::string>& extra = {}) const;

  std::filesystem::path dir_;
};

std::pair<std::uint32_t, std::uint32_t> png_size(const std::string& file);

// Depth-first search of the accessibility tree.
std::optional<nlohmann::json> find_node(const nlohmann::json& tree, const std::string& role, const std::string& label);
bool has_label(const nlohmann::json& tree, const std::string& label);

}  // namespace orvo::e2e
