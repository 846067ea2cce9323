#pragma once

#include <QRasterWindow>
#include <QTimer>

#include <functional>

#include "platform/ui/frame_driver.h"
#include "platform/ui/launch.h"

namespace orvo::ui::qt {

// The application's one top-level window: shows the frames of a FrameDriver and
// turns the window system's input into the framework's events.
class ShellWindow final : public QRasterWindow {
 public:
  ShellWindow(FrameDriver& driver, const LauncherFlags& flags, std::function<bool()> may_close);

  // Runs a frame step now: sync, layout, and a repaint when something changed.
  void frame();
  void dispatch(const Event& event);
  void perform(const SemanticAction& action);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void schedule_next_frame();
  void forward_pointer(const QMouseEvent& event);

  FrameDriver& driver_;
  std::function<bool()> may_close_;
  QTimer wake_timer_;
};

}  // namespace orvo::ui::qt
