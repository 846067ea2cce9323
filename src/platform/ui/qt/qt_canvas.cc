#include "platform/ui/qt/qt_canvas.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include "platform/ui/qt/qt_icons.h"
#include "platform/ui/qt/qt_image_store.h"

namespace orvo::ui::qt {
namespace {

QColor qt_color(Color color) { return QColor(color.r, color.g, color.b, color.a); }
QRectF qt_rect(const Rect& rect) { return QRectF(rect.x0, rect.y0, rect.width(), rect.height()); }

constexpr int shadow_layers = 6;

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const QtTextRenderer& text) : painter_(painter), text_(text) {
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
}

void QtCanvas::fill_rect(const Rect& rect, Color color) { painter_.fillRect(qt_rect(rect), qt_color(color)); }

void QtCanvas::fill_rounded_rect(const Rect& rect, double radius, Color color) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(qt_color(color));
  painter_.drawRoundedRect(qt_rect(rect), radius, radius);
}

void QtCanvas::stroke_rounded_rect(const Rect& rect, double radius, Color color, double width) {
  painter_.setPen(QPen(qt_color(color), width));
  painter_.setBrush(Qt::NoBrush);
  const double half = width / 2;
  painter_.drawRoundedRect(qt_rect(rect.inset(half)), radius, radius);
}

void QtCanvas::fill_circle(Point center, double radius, Color color) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(qt_color(color));
  painter_.drawEllipse(QPointF(center.x, center.y), radius, radius);
}

void QtCanvas::hairline(Point from, Point to, Color color) {
  QPen pen(qt_color(color));
  pen.setCosmetic(true);
  pen.setWidthF(1);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

// Layers of growing, fading rounded rectangles: cheap and close to a blur.
void QtCanvas::shadow(const Rect& rect, double radius, double blur, Color color) {
  painter_.setPen(Qt::NoPen);
  for (int layer = shadow_layers; layer >= 1; --layer) {
    const double spread = blur * layer / shadow_layers;
    painter_.setBrush(qt_color(color.with_alpha(color.a / 255.0 / (shadow_layers * 1.5))));
    painter_.drawRoundedRect(qt_rect(rect.inset(-spread).translated(0, spread / 3)), radius + spread, radius + spread);
  }
}

double QtCanvas::draw_text(std::string_view text, Point origin, const TextStyle& style, Color color,
                           std::optional<double> max_width) {
  const QFont font = QtTextRenderer::font_for(text_.scaled(style));
  const QFontMetricsF metrics(font, &text_.reference_device());
  QString line = to_qstring(text);
  if (max_width) line = metrics.elidedText(line, Qt::ElideRight, *max_width);
  painter_.setFont(font);
  painter_.setPen(qt_color(color));
  painter_.drawText(QPointF(origin.x, origin.y + metrics.ascent()), line);
  return metrics.horizontalAdvance(line);
}

void QtCanvas::icon(Icon icon, const Rect& rect, Color color) {
  const double side = std::min(rect.width(), rect.height());
  QFont font(QStringLiteral("Material Icons"));
  font.setPointSizeF(std::max(0.5, side) * 72.0 / 96.0);
  painter_.setFont(font);
  painter_.setPen(qt_color(color));
  painter_.drawText(qt_rect(rect), Qt::AlignCenter, QString(QChar(icon_codepoint(icon))));
}

void QtCanvas::image(const ImageStore& store, ImageId id, const Rect& rect, double corner_radius) {
  const QImage* picture = static_cast<const QtImageStore&>(store).image(id);
  if (picture == nullptr) return;
  painter_.save();
  QPainterPath outline;
  outline.addRoundedRect(qt_rect(rect), corner_radius, corner_radius);
  painter_.setClipPath(outline, Qt::IntersectClip);
  painter_.drawImage(qt_rect(rect), *picture);
  painter_.restore();
}

void QtCanvas::clip(const Rect& rect) { painter_.setClipRect(qt_rect(rect), Qt::IntersectClip); }

}  // namespace orvo::ui::qt
