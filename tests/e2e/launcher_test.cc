// The real program, run headless through the launcher's own options.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct ProgramRun {
  int exit_code = -1;
  std::string output;  // standard error and output together
};

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orvo-e2e-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the program with its configuration root inside the test's folder.
  ProgramRun run(const std::vector<std::string>& arguments) const {
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

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  nlohmann::json dump(const std::string& scene, std::vector<std::string> extra = {}) const {
    std::vector<std::string> arguments{"--scene", scene, "--a11y-dump", path(scene + ".json")};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    const ProgramRun result = run(arguments);
    EXPECT_EQ(result.exit_code, 0) << result.output;
    return nlohmann::json::parse(std::ifstream(path(scene + ".json")));
  }

  fs::path dir_;
};

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

std::vector<std::string> labels(const nlohmann::json& node) {
  std::vector<std::string> found{node.value("label", "")};
  for (const auto& child : node.value("children", nlohmann::json::array())) {
    for (auto& label : labels(child)) found.push_back(std::move(label));
  }
  return found;
}

bool has_label(const nlohmann::json& tree, const std::string& label) {
  const std::vector<std::string> all = labels(tree);
  return std::ranges::find(all, label) != all.end();
}

TEST_F(Launcher, FirstRunShowsTheWelcomeScreen) {
  const ProgramRun result = run({"--scene", "firstrun", "--screenshot", path("f.png"), "--a11y-dump", path("f.json")});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_EQ(png_size(path("f.png")), (std::pair<std::uint32_t, std::uint32_t>{1100, 780}));
  const auto tree = nlohmann::json::parse(std::ifstream(path("f.json")));
  for (const char* label : {"Welcome to Mail", "Add your email account to start reading and sending mail.",
                            "Add account"}) {
    EXPECT_TRUE(has_label(tree, label)) << label;
  }
}

TEST_F(Launcher, SceneWindowsHaveTheirSizesAndLayouts) {
  const std::tuple<std::string, std::uint32_t, std::uint32_t, std::string> cases[] = {
      {"wide", 1280, 800, "Current view: folders, message list, and reading pane"},
      {"narrow", 560, 860, "Current view: message list"},
      {"narrow_detail", 560, 860, "Current view: reading pane"},
      {"narrow_drawer", 560, 860, "Current view: folder drawer"},
  };
  for (const auto& [scene, width, height, view] : cases) {
    SCOPED_TRACE(scene);
    const ProgramRun result = run({"--scene", scene, "--screenshot", path(scene + ".png"), "--a11y-dump", path(scene + ".json")});
    ASSERT_EQ(result.exit_code, 0) << result.output;
    EXPECT_EQ(png_size(path(scene + ".png")), (std::pair{width, height}));
    EXPECT_EQ(nlohmann::json::parse(std::ifstream(path(scene + ".json")))["value"], view);
  }
}

TEST_F(Launcher, InputScriptDrivesTheWindow) {
  const auto tree = dump("narrow", {"--input", "click 30 30; wait 300"});
  EXPECT_EQ(tree["value"], "Current view: folder drawer");
  EXPECT_EQ(dump("wide", {"--scale", "1.5"})["value"], "Current view: message list");
}

TEST_F(Launcher, UnknownSceneStartsWithAWarning) {
  const ProgramRun result = run({"--scene", "no-such-scene", "--screenshot", path("u.png")});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_NE(result.output.find("unknown start scene"), std::string::npos) << result.output;
  EXPECT_EQ(png_size(path("u.png")), (std::pair<std::uint32_t, std::uint32_t>{1280, 800}));
}

TEST_F(Launcher, BadOptionsAndScriptsAreRefusedWithUsage) {
  ProgramRun result = run({"--frobnicate", "x"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_NE(result.output.find("--screenshot"), std::string::npos);
  result = run({"--input", "key Hyper+x", "--screenshot", path("x.png")});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_NE(result.output.find("unknown modifier"), std::string::npos);
}

TEST_F(Launcher, DamagedAccountFilesAreSkippedAndLeftAlone) {
  const fs::path config = dir_ / "config" / "orvo-mail";
  fs::create_directories(config);
  const std::string damaged = "{\"accounts\": [ oops";
  std::ofstream(config / "accounts.json") << damaged;
  std::ofstream(config / "vault.json") << "not json";

  const ProgramRun result = run({"--a11y-dump", path("n.json")});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_NE(result.output.find("mail: could not load the account store"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("mail: could not open the secret vault"), std::string::npos);
  EXPECT_TRUE(has_label(nlohmann::json::parse(std::ifstream(path("n.json"))), "Welcome to Mail"));
  std::ifstream kept(config / "accounts.json");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), damaged);
}

TEST_F(Launcher, StoredAccountsOpenTheShell) {
  const fs::path config = dir_ / "config" / "orvo-mail";
  fs::create_directories(config);
  std::ofstream(config / "accounts.json")
      << R"({"accounts":[{"id":"a@example.org","type":"email","label":"A","settings":{"display_name":"A",)"
         R"("email":"a@example.org","imap_host":"imap.example.org","imap_port":993,"imap_tls":true,)"
         R"("smtp_host":"smtp.example.org","smtp_port":465,"smtp_tls":true,"username":""},"disabled":false}],)"
         R"("active":{"email":"a@example.org"}})";

  const ProgramRun result = run({"--a11y-dump", path("s.json")});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_EQ(nlohmann::json::parse(std::ifstream(path("s.json")))["value"],
            "Current view: folders, message list, and reading pane");
}

}  // namespace
