#include "program_fixture.h"

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace orvo::e2e {
namespace {

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

}  // namespace

void ProgramFixture::SetUp() {
  char pattern[] = "/tmp/orvo-e2e-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  dir_ = pattern;
}

void ProgramFixture::TearDown() { std::filesystem::remove_all(dir_); }

ProgramRun ProgramFixture::run(const std::vector<std::string>& arguments) const {
  std::string command = "XDG_CONFIG_HOME=" + quoted((dir_ / "config").string()) + " " + ORVO_MAIL_BINARY;
  for (const std::string& argument : arguments) command += " " + quoted(argument);
  command += " 2>&1";
  ProgramRun result;
  FILE* pipe = ::popen(command.c_str(), "r");
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) result.output += buffer.data();
  const int status = ::pclose(pipe);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

nlohmann::json ProgramFixture::dump(const std::string& scene, const std::vector<std::string>& extra) const {
  std::vector<std::string> arguments{"--scene", scene, "--a11y-dump", path(scene + ".json")};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  const ProgramRun result = run(arguments);
  EXPECT_EQ(result.exit_code, 0) << result.output;
  return nlohmann::json::parse(std::ifstream(path(scene + ".json")));
}

std::pair<std::uint32_t, std::uint32_t> png_size(const std::string& file) {
  std::ifstream png(file, std::ios::binary);
  std::array<unsigned char, 24> header{};
  png.read(reinterpret_cast<char*>(header.data()), header.size());
  auto big_endian = [&](std::size_t at) {
    return std::uint32_t(header[at]) << 24 | std::uint32_t(header[at + 1]) << 16 | std::uint32_t(header[at + 2]) << 8 |
           std::uint32_t(header[at + 3]);
  };
  return {big_endian(16), big_endian(20)};
}

std::optional<nlohmann::json> find_node(const nlohmann::json& tree, const std::string& role, const std::string& label) {
  if (tree.value("role", "") == role && tree.value("label", "") == label) return tree;
  for (const auto& child : tree.value("children", nlohmann::json::array())) {
    if (auto found = find_node(child, role, label)) return found;
  }
  return std::nullopt;
}

bool has_label(const nlohmann::json& tree, const std::string& label) {
  if (tree.value("label", "") == label) return true;
  const auto children = tree.value("children", nlohmann::json::array());
  return std::ranges::any_of(children, [&](const nlohmann::json& child) { return has_label(child, label); });
}

}  // namespace orvo::e2e
