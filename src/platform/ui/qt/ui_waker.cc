#include <QCoreApplication>
#include <QMetaObject>

#include <atomic>

#include "platform/ui/qt/ui_wake_handler.h"
#include "platform/ui/ui_waker.h"

namespace orvo::ui {
namespace {

std::function<void()>& wake_handler() {
  static std::function<void()> handler;
  return handler;
}

// Many wake-ups before the loop gets round to one need only one frame step.
std::atomic<bool> wake_pending{false};

}  // namespace

void wake_ui() {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || wake_pending.exchange(true)) return;
  QMetaObject::invokeMethod(
      application,
      [] {
        wake_pending = false;
        if (wake_handler()) wake_handler()();
      },
      Qt::QueuedConnection);
}

namespace qt {

void set_ui_wake_handler(std::function<void()> handler) { wake_handler() = std::move(handler); }

}  // namespace qt
}  // namespace orvo::ui
