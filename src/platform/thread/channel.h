#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace orvo::thread {

namespace detail {

template <class T>
struct ChannelState {
  std::mutex mutex;
  std::condition_variable arrived;
  std::deque<T> queue;
  std::size_t senders = 0;
  bool receiver_alive = true;
  std::function<void()> on_send;
};

}  // namespace detail

template <class T>
class Receiver;

// The sending end of an unbounded first-in first-out channel. Copies share the
// channel; it closes for the receiver when the last copy is gone.
template <class T>
class Sender {
 public:
  Sender(const Sender& other) : state_(other.state_) { attach(); }
  Sender(Sender&& other) noexcept = default;
  Sender& operator=(Sender other) noexcept {
    std::swap(state_, other.state_);
    return *this;
  }
  ~Sender() { detach(); }

  // False when the receiver is gone; the value is then dropped.
  bool send(T value) const {
    std::function<void()> notify;
    {
      std::lock_guard lock(state_->mutex);
      if (!state_->receiver_alive) return false;
      state_->queue.push_back(std::move(value));
      notify = state_->on_send;
    }
    state_->arrived.notify_one();
    if (notify) notify();
    return true;
  }

 private:
  template <class U>
  friend std::pair<Sender<U>, Receiver<U>> make_channel(std::function<void()> on_send);

  explicit Sender(std::shared_ptr<detail::ChannelState<T>> state) : state_(std::move(state)) { attach(); }

  void attach() {
    std::lock_guard lock(state_->mutex);
    ++state_->senders;
  }
  void detach() {
    if (!state_) return;
    {
      std::lock_guard lock(state_->mutex);
      --state_->senders;
    }
    state_->arrived.notify_all();
  }

  std::shared_ptr<detail::ChannelState<T>> state_;
};

// The receiving end: a blocking receive for worker threads and a non-blocking
// drain for the user-interface thread.
template <class T>
class Receiver {
 public:
  Receiver(Receiver&&) noexcept = default;
  Receiver& operator=(Receiver&&) noexcept = default;
  Receiver(const Receiver&) = delete;
  Receiver& operator=(const Receiver&) = delete;
  ~Receiver() {
    if (!state_) return;
    std::lock_guard lock(state_->mutex);
    state_->receiver_alive = false;
    state_->queue.clear();
  }

  // Waits for the next value; none once every sender is gone and the queue is empty.
  std::optional<T> receive() {
    std::unique_lock lock(state_->mutex);
    state_->arrived.wait(lock, [&] { return !state_->queue.empty() || state_->senders == 0; });
    return pop_locked();
  }

  std::optional<T> try_receive() {
    std::lock_guard lock(state_->mutex);
    return pop_locked();
  }

  std::vector<T> drain() {
    std::lock_guard lock(state_->mutex);
    std::vector<T> values(std::make_move_iterator(state_->queue.begin()), std::make_move_iterator(state_->queue.end()));
    state_->queue.clear();
    return values;
  }

  // True when every sender is gone; values may still be queued.
  [[nodiscard]] bool senders_gone() const {
    std::lock_guard lock(state_->mutex);
    return state_->senders == 0;
  }

 private:
  template <class U>
  friend std::pair<Sender<U>, Receiver<U>> make_channel(std::function<void()> on_send);

  explicit Receiver(std::shared_ptr<detail::ChannelState<T>> state) : state_(std::move(state)) {}

  std::optional<T> pop_locked() {
    if (state_->queue.empty()) return std::nullopt;
    T value = std::move(state_->queue.front());
    state_->queue.pop_front();
    return value;
  }

  std::shared_ptr<detail::ChannelState<T>> state_;
};

// A new channel; `on_send` runs on the sending thread after every value sent
// (for example to wake the receiving thread's event loop).
template <class T>
std::pair<Sender<T>, Receiver<T>> make_channel(std::function<void()> on_send = {}) {
  auto state = std::make_shared<detail::ChannelState<T>>();
  state->on_send = std::move(on_send);
  return {Sender<T>(state), Receiver<T>(state)};
}

}  // namespace orvo::thread
