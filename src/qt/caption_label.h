#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

class QPainter;
class QTextLayout;

namespace korvelin {

// A fixed label, top-aligned, that spaces its lines by the line pitch of its own face. It is
// opaque in the window's background colour: a caption set on a line of the diagram ("S(5)", the
// point numbers) interrupts the line and stays legible. QLabel spaces them by the tallest face in
// each line, and the Chinese faces that stand in for the ideographs are a third taller than the
// faces the layout was drawn with: two lines of a word-wrapped caption would not fit in their 375
// twips.
class CaptionLabel : public QLabel {
 public:
  CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAutoFillBackground(true);
  }

  // The caption's lines as they are drawn, in the label's current font and width.
  QStringList lines() const;
  // The caption as paintEvent() draws it, without the clipping to the label.
  void drawCaption(QPainter& painter) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void layOut(QTextLayout& layout) const;
};

}  // namespace korvelin
