#pragma once

// Only this folder's sources include this file: it keeps Asio out of runtime.h.

#include <asio/executor_work_guard.hpp>
#include <asio/io_context.hpp>
#include <thread>
#include <vector>

#include "platform/net/runtime.h"

namespace orvo::net {

struct Runtime::Impl {
  asio::io_context context;
  // Keeps the threads running while no operation is pending.
  asio::executor_work_guard<asio::io_context::executor_type> work = asio::make_work_guard(context);
  std::vector<std::jthread> threads;
};

}  // namespace orvo::net
