#include "platform/ui/qt/shell_window.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QPainter>

#include <chrono>

#include "platform/ui/qt/frame_driver_impl.h"
#include "platform/ui/qt/qt_events.h"

namespace orvo::ui::qt {
namespace {

constexpr auto animation_interval = std::chrono::milliseconds(16);

}  // namespace

ShellWindow::ShellWindow(FrameDriver& driver, const LauncherFlags& flags, std::function<bool()> may_close)
    : driver_(driver), may_close_(std::move(may_close)) {
  if (flags.always_on_top) setFlag(Qt::WindowStaysOnTopHint);
  wake_timer_.setSingleShot(true);
  QObject::connect(&wake_timer_, &QTimer::timeout, [this] { frame(); });
}

void ShellWindow::frame() {
  driver_.sync();
  driver_.layout();
  if (driver_.root().is_dirty() || driver_.root().needs_animation_frame()) update();
  schedule_next_frame();
}

void ShellWindow::schedule_next_frame() {
  Widget& root = driver_.root();
  using std::chrono::milliseconds;
  if (root.needs_animation_frame()) {
    wake_timer_.start(animation_interval);
  } else if (root.needs_idle_sync()) {
    wake_timer_.start(milliseconds(0));
  } else if (auto wake = root.next_wake()) {
    const auto wait = std::chrono::duration_cast<milliseconds>(*wake - Clock::now());
    wake_timer_.start(std::max(milliseconds(0), wait + milliseconds(1)));
  } else {
    wake_timer_.stop();
  }
}

void ShellWindow::dispatch(const Event& event) {
  driver_.dispatch(event);
  frame();
}

void ShellWindow::perform(const SemanticAction& action) {
  driver_.perform(action);
  frame();
}

void ShellWindow::paintEvent(QPaintEvent*) {
  driver_.render(devicePixelRatio());
  QPainter painter(this);
  painter.drawImage(QPointF(0, 0), driver_.impl().frame);
}

void ShellWindow::resizeEvent(QResizeEvent*) {
  driver_.set_window_size({static_cast<double>(width()), static_cast<double>(height())});
  frame();
  update();
}

void ShellWindow::keyPressEvent(QKeyEvent* event) {
  if (auto press = key_press_from(*event)) dispatch(*press);
}

void ShellWindow::forward_pointer(const QMouseEvent& event) {
  if (auto pointer = pointer_event_from(event)) dispatch(*pointer);
}

void ShellWindow::mousePressEvent(QMouseEvent* event) { forward_pointer(*event); }
void ShellWindow::mouseReleaseEvent(QMouseEvent* event) { forward_pointer(*event); }
void ShellWindow::mouseMoveEvent(QMouseEvent* event) { forward_pointer(*event); }
void ShellWindow::wheelEvent(QWheelEvent* event) { dispatch(wheel_from(*event)); }

bool ShellWindow::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::InputMethodQuery: {
      auto* query = static_cast<QInputMethodQueryEvent*>(event);
      query->setValue(Qt::ImEnabled, driver_.root().accepts_text_input());
      query->accept();
      return true;
    }
    case QEvent::InputMethod: {
      const auto* input = static_cast<QInputMethodEvent*>(event);
      dispatch(Composition{input->preeditString().toStdString(), input->commitString().toStdString()});
      return true;
    }
    case QEvent::Close:
      if (may_close_ && !may_close_()) {
        event->ignore();
        return true;
      }
      break;
    default: break;
  }
  return QRasterWindow::event(event);
}

}  // namespace orvo::ui::qt
