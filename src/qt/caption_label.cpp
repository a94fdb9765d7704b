#include "qt/caption_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace korvelin {
namespace {

// Where the line that holds text[from] may end next: past the following word and its blanks.
qsizetype nextBreak(const QString& text, qsizetype from) {
  qsizetype at = from;
  while (at < text.size() && text[at].isSpace()) ++at;
  while (at < text.size() && !text[at].isSpace()) ++at;
  while (at < text.size() && text[at].isSpace()) ++at;
  return at;
}

// The width of text[start, end) without its trailing blanks.
double inkedWidth(const QString& text, qsizetype start, qsizetype end,
                  const QFontMetricsF& metrics) {
  while (end > start && text[end - 1].isSpace()) --end;
  return metrics.horizontalAdvance(text.mid(start, end - start));
}

// The lengths of the caption's lines, each as many words as fit, at least one. Words wrap at
// blanks only: the runs of blanks in the two-line captions are there to put each term on a line
// of its own, and Qt's own wrapping would also break between two ideographs.
QList<int> lineLengths(const QString& text, const QFontMetricsF& metrics, double width) {
  QList<int> lengths;
  for (qsizetype start = 0; start < text.size();) {
    qsizetype end = nextBreak(text, start);
    for (qsizetype next = end; next < text.size(); end = next) {
      next = nextBreak(text, end);
      if (inkedWidth(text, start, next, metrics) > width) break;
    }
    lengths.append(static_cast<int>(end - start));
    start = end;
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
