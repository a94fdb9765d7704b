#include "qt/main_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPushButton>
#include <algorithm>
#include <cstddef>

#include "qt/caption_label.h"
#include "qt/qt_text.h"
#include "qt/window_fonts.h"

namespace korvelin {
namespace {

int pixels(int twips) {
  return twips / layout::kTwipsPerPixel;
}

QRect pixels(const layout::Rect& rect) {
  return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

QPoint pixels(const layout::Point& point) {
  return {pixels(point.x), pixels(point.y)};
}

QColor qtColour(const layout::Rgb& rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

std::size_t slot(TextBox box) {
  return static_cast<std::size_t>(box) - 1;
}

template <typename Widget>
Widget* place(Widget* widget, std::string_view name, const layout::Rect& rect, layout::Font font) {
  widget->setObjectName(qtText(name));
  widget->setGeometry(pixels(rect));
  widget->setFont(layoutFont(font));
  return widget;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

QMessageBox::Icon icon(MessageKind kind) {
  switch (kind) {
    case MessageKind::InvalidInput:
      return QMessageBox::Warning;
    case MessageKind::Fault:
      return QMessageBox::Critical;
    case MessageKind::Notice:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void prepareApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("Korvelin"));
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Korvelin"));
  installFontSubstitutions();
}

MainWindow::MainWindow(const QString& reportPdfPath)
    : prompt_(this),
      printer_(reportPdfPath.isEmpty() ? defaultPrinterOrPdfFile(this) : pdfFile(reportPdfPath)),
      commands_(prompt_, *this, printer_) {
  setWindowTitle(QStringLiteral("Korvelin"));
  setFixedSize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));
  setAutoFillBackground(true);
  setColour(this, QPalette::Window, qtColour(layout::kWindowBack));
  setFont(layoutFont(layout::Font::W));

  // Labels first, so that the text boxes and buttons lie above them where they meet.
  addLabels();
  TabStops stops;
  addTextBoxes(stops);
  addButtons(stops);
  std::stable_sort(stops.begin(), stops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < stops.size(); ++i) {
    setTabOrder(stops[i - 1].second, stops[i].second);
  }
  textBox(TextBox::Text1)->setFocus();
}

void MainWindow::addButtons(TabStops& stops) {
  for (const auto& row : layout::buttons()) {
    auto* button = place(new QPushButton(qtText(row.caption), this), row.name, row.rect, row.font);
    setColour(button, QPalette::Button, qtColour(row.back));
    connect(button, &QPushButton::clicked, this, [this, command = row.command] { run(command); });
    stops.emplace_back(row.tabIndex, button);
  }
}

void MainWindow::addTextBoxes(TabStops& stops) {
  for (const auto& row : layout::textBoxes()) {
    auto* edit = place(new QLineEdit(this), textBoxName(row.box), row.rect, row.font);
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textBoxes_[slot(row.box)] = edit;
    stops.emplace_back(row.tabIndex, edit);
  }
}

void MainWindow::addLabels() {
  for (const auto& row : layout::labels()) {
    auto* label = place(new CaptionLabel(qtText(row.caption), this), row.name, row.rect, row.font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(row.wrap == layout::Wrap::Words);
  }
}

QLineEdit* MainWindow::textBox(TextBox box) const {
  return textBoxes_[slot(box)];
}

void MainWindow::setText(TextBox box, const std::string& text) {
  QLineEdit* edit = textBox(box);
  edit->setText(qtText(text));
  edit->setCursorPosition(0);  // a text wider than its box shows its beginning
}

void MainWindow::showMessage(MessageKind kind, const std::string& text) {
  QMessageBox box(icon(kind), windowTitle(), qtText(text), QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::run(layout::Command command) {
  switch (command) {
    case layout::Command::Calculate:
      commands_.command1();
      break;
    case layout::Command::End:
      endProgram();
      break;
    case layout::Command::Print:
      commands_.command3();
      break;
  }
}

void MainWindow::endProgram() {
  close();
  QCoreApplication::quit();
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor windowText = palette().color(QPalette::WindowText);
  for (const auto& line : layout::lines()) {
    painter.setPen(QPen(line.colour ? qtColour(*line.colour) : windowText, line.widthPixels));
    painter.drawLine(pixels(line.from), pixels(line.to));
  }
}

}  // namespace korvelin
