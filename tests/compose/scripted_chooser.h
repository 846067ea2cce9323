#pragma once

#include <pthread.h>

#include <array>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "platform/thread/one_result_slot.h"
#include "platform/ui/portal.h"

namespace mail::compose::test {

// Answers every picker with the same choice and remembers what it was asked, and where.
class ScriptedChooser final : public orvo::ui::portal::Chooser {
 public:
  explicit ScriptedChooser(orvo::ui::portal::ChosenPath answer) : answer_(std::move(answer)) {}

  orvo::ui::portal::ChosenPath choose(orvo::ui::portal::PickKind kind,
                                      const orvo::ui::portal::PickRequest& request) override {
    std::array<char, 16> thread_name{};
    ::pthread_getname_np(::pthread_self(), thread_name.data(), thread_name.size());
    std::lock_guard lock(mutex_);
    asked_.push_back({kind, request, thread_name.data()});
    return answer_;
  }

  struct Asked {
    orvo::ui::portal::PickKind kind;
    orvo::ui::portal::PickRequest request;
    std::string thread_name;  // of the thread that asked
  };
  std::vector<Asked> asked() {
    std::lock_guard lock(mutex_);
    return asked_;
  }

 private:
  std::mutex mutex_;
  orvo::ui::portal::ChosenPath answer_;
  std::vector<Asked> asked_;
};

// Installs a chooser for one test and restores the desktop's afterwards.
class ChooserScope {
 public:
  explicit ChooserScope(std::shared_ptr<orvo::ui::portal::Chooser> chooser) {
    orvo::ui::portal::set_chooser(std::move(chooser));
  }
  ~ChooserScope() { orvo::ui::portal::set_chooser(nullptr); }
  ChooserScope(const ChooserScope&) = delete;
  ChooserScope& operator=(const ChooserScope&) = delete;
};

// Polls as the user-interface thread does, until the picker has answered or gone.
template <class T>
orvo::thread::Polled<T> settle(orvo::thread::OneResultSlot<T>& slot) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (;;) {
    auto polled = slot.poll();
    if (!std::holds_alternative<orvo::thread::Pending>(polled) || std::chrono::steady_clock::now() > deadline) {
      return polled;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace mail::compose::test
