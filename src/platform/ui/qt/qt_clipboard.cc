#include <QClipboard>
#include <QGuiApplication>

#include "platform/ui/clipboard.h"
#include "platform/ui/qt/qt_text_renderer.h"

namespace orvo::ui::clipboard {

std::string text() {
  if (QGuiApplication::instance() == nullptr) return {};
  return QGuiApplication::clipboard()->text().toStdString();
}

void set_text(std::string_view text) {
  if (QGuiApplication::instance() == nullptr) return;
  QGuiApplication::clipboard()->setText(qt::to_qstring(text));
}

}  // namespace orvo::ui::clipboard
