#include <pthread.h>

#include <functional>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/ui/portal.h"
#include "platform/ui/qt/qt_file_dialog.h"
#include "platform/ui/ui_waker.h"

namespace orvo::ui::portal {
namespace {

// The kernel keeps 15 bytes of a thread's name and refuses longer ones outright.
constexpr std::size_t thread_name_limit = 15;

std::mutex chooser_mutex;
std::shared_ptr<Chooser> chooser_override;

std::shared_ptr<Chooser> current_chooser() {
  std::lock_guard lock(chooser_mutex);
  if (chooser_override) return chooser_override;
  static const std::shared_ptr<Chooser> desktop = qt::make_dialog_chooser();
  return desktop;
}

OpenAnswer open_chosen(ChosenPath chosen) {
  if (const auto* cancelled = std::get_if<Cancelled>(&chosen)) return *cancelled;
  if (auto* error = std::get_if<PortalError>(&chosen)) return std::move(*error);
  const auto& path = std::get<std::filesystem::path>(chosen);
  auto file = storage::FileHandle::open_for_reading(path);
  if (!file) return PortalError{file.error()};
  return OpenedFile(std::move(*file), path.filename().string());
}

// Asks the chooser on a thread of its own and hands the answer, made into what the
// caller expects, to the slot. The thread is never joined: a dialog can outlive
// whoever asked for it, and a picker that fails in any way leaves the slot abandoned.
template <class Answer, class Convert>
thread::OneResultSlot<Answer> run_picker(PickKind kind, PickRequest request, Convert convert) {
  auto [writer, slot] = thread::make_one_result_slot<Answer>(wake_ui);
  const std::string thread_name = request.thread_name.substr(0, thread_name_limit);
  try {
    std::thread([writer = std::move(writer), chooser = current_chooser(), kind, request = std::move(request), convert,
                 thread_name]() mutable {
      ::pthread_setname_np(::pthread_self(), thread_name.c_str());
      try {
        std::move(writer).set(convert(chooser->choose(kind, request)));
      } catch (...) {
        // Leaving unanswered abandons the slot, which is all the reader needs to know.
      }
    }).detach();
  } catch (const std::system_error& error) {
    auto [failed, failed_slot] = thread::make_one_result_slot<Answer>();
    std::move(failed).set(PortalError{std::string("could not start the file chooser: ") + error.what()});
    return std::move(failed_slot);
  }
  return std::move(slot);
}

}  // namespace

thread::OneResultSlot<OpenAnswer> open_file(PickRequest request) {
  return run_picker<OpenAnswer>(PickKind::OpenFile, std::move(request), open_chosen);
}

thread::OneResultSlot<SaveAnswer> save_file(PickRequest request) {
  return run_picker<SaveAnswer>(PickKind::SaveFile, std::move(request), std::identity{});
}

void set_chooser(std::shared_ptr<Chooser> chooser) {
  std::lock_guard lock(chooser_mutex);
  chooser_override = std::move(chooser);
}

}  // namespace orvo::ui::portal
