#include <QApplication>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>
#include <variant>
#include <vector>

#include "platform/actions/action_host.h"
#include "platform/actions/invoke_at.h"
#include "platform/actions/resource_json.h"
#include "platform/log/log.h"
#include "platform/storage/atomic_file.h"
#include "platform/ui/frame_driver.h"
#include "platform/ui/input_script.h"
#include "platform/ui/launch.h"
#include "platform/ui/launch_options.h"
#include "platform/ui/qt/qt_text_renderer.h"
#include "platform/ui/qt/shell_window.h"
#include "platform/ui/qt/ui_wake_handler.h"

namespace orvo::ui::launch {
namespace {

constexpr std::string_view target = "orvo::launch";
constexpr auto capture_deadline = std::chrono::seconds(30);

// Captures run without a display; a missing runtime folder only makes Qt complain.
void prepare_environment(const LaunchOptions& options) {
  const bool has_display = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
  if (options.headless_capture() && !has_display) ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
    const auto runtime = std::filesystem::temp_directory_path() / ("orvo-runtime-" + std::to_string(::getuid()));
    std::error_code ignored;
    std::filesystem::create_directories(runtime, ignored);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, ignored);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  }
}

std::expected<std::vector<ScriptStep>, std::string> load_script(const std::optional<std::string>& input) {
  if (!input) return std::vector<ScriptStep>{};
  if (input->starts_with('@')) {
    auto text = atomic_file::read(input->substr(1));
    if (!text) return std::unexpected(text.error());
    return parse_input_script(*text);
  }
  return parse_input_script(*input);
}

void process_events_for(std::chrono::milliseconds duration) {
  const auto until = Clock::now() + duration;
  while (Clock::now() < until) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

void apply_step(FrameDriver& driver, const ScriptStep& step) {
  if (const auto* event = std::get_if<Event>(&step)) {
    driver.dispatch(*event);
  } else if (const auto* action = std::get_if<SemanticAction>(&step)) {
    if (!driver.perform(*action)) log::warn(target, "launcher: semantic action refused", {{"id", action->id}});
  } else {
    process_events_for(std::get<Pause>(step).duration);
  }
  driver.sync();
  driver.layout();
}

// Waits until the root has nothing left to do, or the deadline passes.
void settle(FrameDriver& driver) {
  const auto deadline = Clock::now() + capture_deadline;
  driver.sync();
  while (!driver.settled() && Clock::now() < deadline) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(4));
    driver.sync();
  }
  if (!driver.settled()) log::warn(target, "launcher: capture taken before the window settled");
  driver.layout();
}

// Message texts come from mail and may hold bytes that are not UTF-8; they are
// written as U+FFFD rather than ending the run.
std::string json_text(const nlohmann::ordered_json& json, int indent = -1) {
  return json.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int fail(const std::string& message) {
  std::fprintf(stderr, "orvo-mail: %s\n", message.c_str());
  return 1;
}

// A root publishes actions by being an action host as well as a widget.
actions::ActionHost* action_host(FrameDriver& driver) { return dynamic_cast<actions::ActionHost*>(&driver.root()); }

// Waits, keeping the root in sync, until a pending operation has its result.
actions::ActionResult finish(FrameDriver& driver, actions::ActionHost& host, actions::Invocation invocation) {
  const auto* pending = std::get_if<actions::PendingOperation>(&invocation);
  if (pending == nullptr) return std::get<actions::ActionResult>(std::move(invocation));
  const auto deadline = Clock::now() + capture_deadline;
  while (Clock::now() < deadline) {
    driver.sync();
    if (auto result = host.collect(*pending)) return std::move(*result);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(4));
  }
  host.cancel(*pending);
  return std::unexpected(actions::ActionError::failed("the action did not finish within 30 seconds"));
}

int invoke_action(FrameDriver& driver, const ActionRequest& request, const App& app, const std::string& app_id) {
  actions::ActionHost* host = action_host(driver);
  if (host == nullptr) return fail("this program publishes no actions");
  const actions::ActionContext context{.application_id = app_id, .application_label = app.window_title()};
  const actions::ActionResult result =
      finish(driver, *host, actions::invoke_at(*host, app.action_registry(), request.address, request.args, context));
  if (!result) return fail(result.error().message);
  std::printf("%s\n", json_text(*result).c_str());
  return 0;
}

std::expected<void, std::string> write_json(const std::filesystem::path& path, const std::string& text) {
  return atomic_file::write(path, text + "\n");
}

int write_captures(FrameDriver& driver, const LaunchOptions& options) {
  driver.render();
  if (options.screenshot) {
    if (auto saved = driver.save_png(*options.screenshot); !saved) return fail(saved.error());
  }
  if (options.a11y_dump) {
    const auto tree = driver.root().accessibility();
    if (auto written = write_json(*options.a11y_dump, tree ? to_json_text(*tree) : "{}"); !written) {
      return fail(written.error());
    }
  }
  if (options.actions_dump) {
    const actions::ActionHost* host = action_host(driver);
    const std::string text = host ? json_text(actions::to_json(host->action_resources()), 2) : "{}";
    if (auto written = write_json(*options.actions_dump, text); !written) return fail(written.error());
  }
  return 0;
}

// Input first, then the invocation, each followed by a settled frame, then the captures.
int capture(FrameDriver& driver, const LaunchOptions& options, const std::vector<ScriptStep>& script, const App& app,
            const std::string& app_id) {
  driver.sync();
  driver.layout();
  for (const ScriptStep& step : script) apply_step(driver, step);
  settle(driver);
  if (options.invoke) {
    if (const int code = invoke_action(driver, *options.invoke, app, app_id); code != 0) return code;
    settle(driver);
  }
  return write_captures(driver, options);
}

int show_window(FrameDriver& driver, const LaunchDescription& description, const App& app,
                const std::vector<ScriptStep>& script) {
  qt::ShellWindow window(driver, description.flags, description.may_close);
  window.setTitle(qt::to_qstring(app.window_title()));
  const Size size = driver.window_size();
  window.resize(static_cast<int>(size.width), static_cast<int>(size.height));
  if (!description.flags.resizable) {
    window.setMinimumSize(window.size());
    window.setMaximumSize(window.size());
  }
  qt::set_ui_wake_handler([&window] { window.frame(); });
  window.show();
  window.frame();
  for (const ScriptStep& step : script) {
    if (const auto* event = std::get_if<Event>(&step)) window.dispatch(*event);
    else if (const auto* action = std::get_if<SemanticAction>(&step)) window.perform(*action);
    else process_events_for(std::get<Pause>(step).duration);
  }
  const int code = QGuiApplication::exec();
  qt::set_ui_wake_handler({});
  return code;
}

int run(LaunchDescription& description, int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const auto options = parse_launch_options(arguments);
  if (!options) {
    std::fprintf(stderr, "orvo-mail: %s\n%.*s", options.error().c_str(), static_cast<int>(launch_usage.size()),
                 launch_usage.data());
    return 2;
  }
  const auto script = load_script(options->input);
  if (!script) {
    std::fprintf(stderr, "orvo-mail: %s\n", script.error().c_str());
    return 2;
  }

  prepare_environment(*options);
  if (!description.flags.high_dpi) ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  // The widgets application, not the plain GUI one: the file choosers are Qt dialogs.
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(qt::to_qstring(description.app_id));
  QGuiApplication::setQuitOnLastWindowClosed(description.flags.quit_on_last_window_closed);

  const LaunchContext context{options->scene};
  if (options->scene && std::ranges::find(description.scenes, *options->scene) == description.scenes.end()) {
    log::warn(target, "launcher: unknown start scene", {{"scene", *options->scene}});
  }
  App app;
  description.setup(app);
  std::unique_ptr<Widget> root = options->scene ? description.make_scene_root(context) : description.make_root();
  FrameDriver driver(*root, description.window_size(context), options->text_scale);
  return options->headless_capture() ? capture(driver, *options, *script, app, description.app_id)
                                     : show_window(driver, description, app, *script);
}

}  // namespace

void run_or_exit(LaunchDescription description, int argc, char** argv) { std::exit(run(description, argc, argv)); }

}  // namespace orvo::ui::launch
