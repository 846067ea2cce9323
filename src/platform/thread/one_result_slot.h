#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <variant>

namespace orvo::thread {

// What polling a slot finds besides its value.
struct Pending {};    // nothing yet; the writer may still answer
struct Abandoned {};  // nothing will arrive: the writer went away unanswered, or the value was taken

template <class T>
using Polled = std::variant<Pending, T, Abandoned>;

namespace detail {

template <class T>
struct SlotState {
  std::mutex mutex;
  std::optional<T> value;
  bool writer_alive = true;
  bool reader_alive = true;
  std::function<void()> on_change;
};

}  // namespace detail

template <class T>
class OneResultSlot;

// The writing end of a one-result slot, owned by whichever thread will produce the
// answer. It can answer once: `set` consumes it. Dropping it unanswered tells the
// reader that no answer will come.
template <class T>
class ResultWriter {
 public:
  ResultWriter(ResultWriter&& other) noexcept = default;
  ResultWriter& operator=(ResultWriter&& other) noexcept {
    std::swap(state_, other.state_);
    return *this;
  }
  ResultWriter(const ResultWriter&) = delete;
  ResultWriter& operator=(const ResultWriter&) = delete;
  ~ResultWriter() { finish(std::nullopt); }

  // False when the reader is gone; the value is then dropped.
  bool set(T value) && { return finish(std::move(value)); }

 private:
  template <class U>
  friend std::pair<ResultWriter<U>, OneResultSlot<U>> make_one_result_slot(std::function<void()> on_change);

  explicit ResultWriter(std::shared_ptr<detail::SlotState<T>> state) : state_(std::move(state)) {}

  // Both answering and giving up tell the reader, so that it looks again at once.
  bool finish(std::optional<T> value) {
    const auto state = std::exchange(state_, nullptr);
    if (!state) return false;
    std::function<void()> notify;
    {
      std::lock_guard lock(state->mutex);
      state->writer_alive = false;
      if (!state->reader_alive) return false;
      state->value = std::move(value);
      notify = state->on_change;
    }
    if (notify) notify();
    return true;
  }

  std::shared_ptr<detail::SlotState<T>> state_;
};

// The reading end, polled without waiting (on the user-interface thread, once per
// update): it tells a pending answer from one that will never come.
template <class T>
class OneResultSlot {
 public:
  OneResultSlot(OneResultSlot&&) noexcept = default;
  OneResultSlot& operator=(OneResultSlot&& other) noexcept {
    std::swap(state_, other.state_);
    return *this;
  }
  OneResultSlot(const OneResultSlot&) = delete;
  OneResultSlot& operator=(const OneResultSlot&) = delete;
  ~OneResultSlot() {
    if (!state_) return;
    std::lock_guard lock(state_->mutex);
    state_->reader_alive = false;
    state_->value.reset();
  }

  // The value the first time it is there; afterwards the slot is spent.
  Polled<T> poll() {
    std::lock_guard lock(state_->mutex);
    if (state_->value) {
      Polled<T> polled(std::in_place_index<1>, std::move(*state_->value));
      state_->value.reset();
      return polled;
    }
    // A value is only ever left by a writer that is then gone, so once it has been
    // taken nothing else can arrive.
    if (state_->writer_alive) return Pending{};
    return Abandoned{};
  }

 private:
  template <class U>
  friend std::pair<ResultWriter<U>, OneResultSlot<U>> make_one_result_slot(std::function<void()> on_change);

  explicit OneResultSlot(std::shared_ptr<detail::SlotState<T>> state) : state_(std::move(state)) {}

  std::shared_ptr<detail::SlotState<T>> state_;
};

// A new slot; `on_change` runs on the writer's thread once it answers or gives up
// (for example to wake the reading thread's event loop).
template <class T>
std::pair<ResultWriter<T>, OneResultSlot<T>> make_one_result_slot(std::function<void()> on_change = {}) {
  auto state = std::make_shared<detail::SlotState<T>>();
  state->on_change = std::move(on_change);
  return {ResultWriter<T>(state), OneResultSlot<T>(state)};
}

}  // namespace orvo::thread
