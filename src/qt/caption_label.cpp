#include "qt/caption_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <string_view>

#include "record/window_layout.h"

namespace korvelin {
namespace {

// The lengths of the caption's lines by the layout's wrapping rule, measured in this font.
QList<int> lineLengths(const QString& text, const QFontMetricsF& metrics, double width) {
  const std::u16string_view caption(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
  QList<int> lengths;
  for (const std::size_t length : layout::wordLines(caption, width, [&](std::u16string_view part) {
         return metrics.horizontalAdvance(
             QString::fromUtf16(part.data(), static_cast<qsizetype>(part.size())));
       })) {
    lengths.append(static_cast<int>(length));
  }
  return lengths;
}

// The value nearest to the one preferred that lies in [low, high]; the middle when none does.
double nearestWithin(double preferred, double low, double high) {
  return low <= high ? std::clamp(preferred, low, high) : (low + high) / 2;
}

}  // namespace

// Top-aligned and left-aligned, but moved as far as it takes to keep the ink inside the label
// where it fits: the faces that stand in for the named ones reach higher above their ascent, and
// the "1" of the diagram is a pixel wider than its label.
void CaptionLabel::layOut(QTextLayout& layout) const {
  const QFontMetricsF metrics(font());
  const QList<int> lengths = wordWrap() ? lineLengths(text(), metrics, width())
                                        : QList<int>{static_cast<int>(text().size())};
  layout.setFont(font());
  layout.beginLayout();
  for (const int length : lengths) layout.createLine().setNumColumns(length);
  layout.endLayout();

  const double pitch = metrics.lineSpacing();
  double lowest = -1e9;  // the range of first baselines that keeps every line's ink inside
  double highest = 1e9;
  QList<QRectF> inks;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    inks.append(metrics.tightBoundingRect(text().mid(line.textStart(), line.textLength())));
    lowest = std::max(lowest, -inks[i].top() - i * pitch);
    highest = std::min(highest, height() - inks[i].bottom() - i * pitch);
  }
  const double firstBaseline = nearestWithin(metrics.ascent(), lowest, highest);
  for (int i = 0; i < layout.lineCount(); ++i) {
    QTextLine line = layout.lineAt(i);
    const double x = nearestWithin(0, -inks[i].left(), width() - inks[i].right());
    line.setPosition(QPointF(x, firstBaseline + i * pitch - line.ascent()));
  }
}

QStringList CaptionLabel::lines() const {
  QTextLayout layout(text());
  layOut(layout);
  QStringList lines;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    lines.append(text().mid(line.textStart(), line.textLength()));
  }
  return lines;
}

void CaptionLabel::drawCaption(QPainter& painter) const {
  QTextLayout layout(text());
  layOut(layout);
  painter.setPen(palette().color(foregroundRole()));
  layout.draw(&painter, QPointF());
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawCaption(painter);
}

}  // namespace korvelin
