#include "platform/net/runtime.h"

#include <pthread.h>

#include <exception>

#include "platform/net/runtime_impl.h"

namespace orvo::net {

Runtime::Runtime() : impl_(std::make_unique<Impl>()) {}

std::expected<std::unique_ptr<Runtime>, std::string> Runtime::create(int threads) {
  if (threads < 1) return std::unexpected("the network runtime needs at least one thread");
  try {
    std::unique_ptr<Runtime> runtime(new Runtime());
    asio::io_context& context = runtime->impl_->context;
    for (int i = 0; i < threads; ++i) {
      runtime->impl_->threads.emplace_back([&context] {
        ::pthread_setname_np(::pthread_self(), "orvo-net");
        context.run();
      });
    }
    return runtime;
  } catch (const std::exception& error) {
    // A runtime whose threads only partly started has already been stopped by its destructor.
    return std::unexpected(std::string("could not start the network runtime: ") + error.what());
  }
}

Runtime::~Runtime() {
  impl_->work.reset();
  impl_->context.stop();
  impl_->threads.clear();
}

}  // namespace orvo::net
