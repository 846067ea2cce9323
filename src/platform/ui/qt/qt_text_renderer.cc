#include "platform/ui/qt/qt_text_renderer.h"

#include <QFontMetricsF>
#include <QStringList>

namespace orvo::ui::qt {
namespace {

int qt_weight(FontWeight weight) {
  switch (weight) {
    case FontWeight::Regular: return QFont::Normal;
    case FontWeight::Medium: return QFont::Medium;
    case FontWeight::Semibold: return QFont::DemiBold;
    case FontWeight::Bold: return QFont::Bold;
  }
  return QFont::Normal;
}

}  // namespace

QString to_qstring(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QtTextRenderer::QtTextRenderer() : reference_(1, 1, QImage::Format_ARGB32_Premultiplied) {
  // 96 dpi: one point is 4/3 of a logical pixel.
  reference_.setDotsPerMeterX(3780);
  reference_.setDotsPerMeterY(3780);
}

QFont QtTextRenderer::font_for(const TextStyle& scaled_style) {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Color Emoji"), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(std::max(0.5, scaled_style.size) * 72.0 / 96.0);
  font.setWeight(static_cast<QFont::Weight>(qt_weight(scaled_style.weight)));
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

double QtTextRenderer::measure_line_height(const TextStyle& scaled_style) const {
  return QFontMetricsF(font_for(scaled_style), &reference_).height();
}

double QtTextRenderer::measure_width(std::string_view text, const TextStyle& scaled_style) const {
  return QFontMetricsF(font_for(scaled_style), &reference_).horizontalAdvance(to_qstring(text));
}

std::string QtTextRenderer::elide_scaled(std::string_view text, const TextStyle& scaled_style,
                                         double max_width) const {
  const QFontMetricsF metrics(font_for(scaled_style), &reference_);
  return metrics.elidedText(to_qstring(text), Qt::ElideRight, max_width).toStdString();
}

}  // namespace orvo::ui::qt
