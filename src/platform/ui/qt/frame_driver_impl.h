#pragma once

#include <QImage>

#include "platform/ui/frame_driver.h"
#include "platform/ui/layout_tree.h"
#include "platform/ui/qt/qt_text_renderer.h"

namespace orvo::ui {

struct FrameDriver::Impl {
  Size window;
  double text_scale = 1;
  qt::QtTextRenderer text;
  LayoutTree tree;
  QImage frame;
};

}  // namespace orvo::ui
