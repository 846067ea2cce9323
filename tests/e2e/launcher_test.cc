// The real program, run headless through the launcher's own options.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "program_fixture.h"

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

using Launcher = orvo::e2e::ProgramFixture;
using orvo::e2e::has_label;
using orvo::e2e::png_size;
using orvo::e2e::ProgramRun;

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

TEST_F(Launcher, ScenesOpenOnTheSampleMailbox) {
  const auto tree = dump("wide");
  for (const char* label : {"You", "You at Lumen Works", "Inbox", "Junk"}) EXPECT_TRUE(has_label(tree, label)) << label;
  EXPECT_FALSE(has_label(dump("firstrun"), "You"));
}

TEST_F(Launcher, PublishesTheMailboxAndInvokesItsActions) {
  ASSERT_EQ(run({"--scene", "wide", "--actions-dump", path("actions.json")}).exit_code, 0);
  const auto tree = nlohmann::json::parse(std::ifstream(path("actions.json")));
  EXPECT_EQ(tree["id"], "mail.mailbox");
  std::string message;
  for (const auto& folder : tree["children"]) {
    if (folder["id"] != "mail.folder:inbox") continue;
    message = folder["children"][0]["children"][0]["id"].get<std::string>();  // a thread's first message
  }
  ASSERT_FALSE(message.empty());

  const ProgramRun starred = run({"--scene", "wide", "--invoke", message + "#star", "--args", "{}"});
  EXPECT_EQ(starred.exit_code, 0) << starred.output;
  EXPECT_NE(starred.output.find(R"("applied":"Set starred")"), std::string::npos) << starred.output;

  const ProgramRun blank = run({"--scene", "wide", "--invoke", message + "#add-label", "--args", R"({"value":"  "})"});
  EXPECT_EQ(blank.exit_code, 1);
  EXPECT_NE(blank.output.find("Label must not be empty"), std::string::npos) << blank.output;

  const ProgramRun offline = run({"--scene", "wide", "--invoke", "mail.mailbox#refresh", "--args", "{}"});
  EXPECT_EQ(offline.exit_code, 1);
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
  const fs::path config = config_folder();
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
  const fs::path config = config_folder();
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
