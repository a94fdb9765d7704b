#include "qt/main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
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

// Flat faces in the button's own colour, with a plain border that darkens with the focus and
// sinks while pressed: the styles draw a pale gradient of the palette's colour instead.
QString flatButtonStyle(const layout::Rgb& back) {
  return QStringLiteral(
             "QPushButton { background-color: rgb(%1, %2, %3); border: 1px solid #808080; }"
             "QPushButton:focus { border: 2px solid #000000; }"
             "QPushButton:pressed { border: 2px inset #808080; }")
      .arg(back.red)
      .arg(back.green)
      .arg(back.blue);
}

// The width a line edit has for its text: its contents less the frame and the margins Qt keeps.
int textRoom(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
  option.features = QStyleOptionFrame::None;
  const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  const QMargins margins = edit.textMargins();
  constexpr int kHorizontalMargin = 2;  // QLineEdit's own, on either side
  return contents.width() - margins.left() - margins.right() - 2 * kHorizontalMargin;
}

// Qt's own texts (OK, Cancel, Yes, No, the file dialog and its questions) in Chinese, as every
// text of the program is.
void loadChineseQtTexts() {
  auto* translator = new QTranslator(qApp);
  if (translator->load(QStringLiteral("qt_zh_CN"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

void prepareApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("Korvelin"));
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Korvelin"));
  loadChineseQtTexts();
  installFontSubstitutions();
}

QSize windowSize(QSize client, QSize available, QMargins frame) {
  const QSize room(available.width() - frame.left() - frame.right(),
                   available.height() - frame.top() - frame.bottom());
  return client.boundedTo(room.expandedTo(QSize(1, 1)));
}

ClientArea::ClientArea() {
  setObjectName(QStringLiteral("ClientArea"));
  setFixedSize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));
  setAutoFillBackground(true);
  setColour(this, QPalette::Window, qtColour(layout::kWindowBack));
}

void ClientArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor windowText = palette().color(QPalette::WindowText);
  for (const auto& line : layout::lines()) {
    painter.setPen(QPen(line.colour ? qtColour(*line.colour) : windowText, line.widthPixels));
    painter.drawLine(pixels(line.from), pixels(line.to));
  }
}

MainWindow::MainWindow(const QString& reportPdfPath, PrintServices services)
    : client_(new ClientArea),
      ownSystem_(services.system ? nullptr : std::make_unique<CupsPrintSystem>()),
      ownFiles_(services.files ? nullptr : std::make_unique<LocalReportFiles>()),
      prompt_(this, client_),
      printer_(reportPdfPath.isEmpty()
                   ? defaultPrinterOrPdfFile(services.system ? *services.system : *ownSystem_, this)
                   : pdfFile(reportPdfPath),
               services.system ? *services.system : *ownSystem_,
               services.files ? *services.files : *ownFiles_),
      commands_(prompt_, *this, printer_) {
  setWindowTitle(QStringLiteral("Korvelin"));
  setFont(layoutFont(layout::Font::W));
  setColour(this, QPalette::Window, qtColour(layout::kWindowBack));
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);  // the tab stops are the controls' alone
  setWidgetResizable(false);

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
  setWidget(client_);
  setMaximumSize(client_->size());
  resize(client_->size());

  // Wherever the focus goes, by Tab, a click or a run, the focused control scrolls into view.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && client_->isAncestorOf(now)) ensureWidgetVisible(now, 0, 0);
  });
  textBox(TextBox::Text1)->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::fitToScreen() {
  const QScreen* display = screen();
  if (!display) return;
  const QRect available = display->availableGeometry();
  const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  resize(windowSize(client_->size(), available.size(), frame));
  const QRect outer = frameGeometry();
  const QPoint kept(std::clamp(outer.left(), available.left(),
                               std::max(available.left(), available.right() + 1 - outer.width())),
                    std::clamp(outer.top(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - outer.height())));
  if (kept != outer.topLeft()) move(kept);
}

// Fitted as it opens, and once more when the window manager has put its frame around it.
void MainWindow::showEvent(QShowEvent* event) {
  QScrollArea::showEvent(event);
  if (fitted_) return;
  fitted_ = true;
  fitToScreen();
  QTimer::singleShot(0, this, &MainWindow::fitToScreen);
}

void MainWindow::addButtons(TabStops& stops) {
  for (const auto& row : layout::buttons()) {
    auto* button =
        place(new QPushButton(qtText(row.caption), client_), row.name, row.rect, row.font);
    setColour(button, QPalette::Button, qtColour(row.back));
    button->setStyleSheet(flatButtonStyle(row.back));
    button->setAutoDefault(true);  // Enter on a focused button clicks it, as Space does
    connect(button, &QPushButton::clicked, this, [this, command = row.command] { run(command); });
    stops.emplace_back(row.tabIndex, button);
  }
}

void MainWindow::addTextBoxes(TabStops& stops) {
  for (const auto& row : layout::textBoxes()) {
    auto* edit = place(new QLineEdit(client_), textBoxName(row.box), row.rect, row.font);
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textBoxes_[slot(row.box)] = edit;
    stops.emplace_back(row.tabIndex, edit);
  }
}

void MainWindow::addLabels() {
  for (const auto& row : layout::labels()) {
    auto* label =
        place(new CaptionLabel(qtText(row.caption), client_), row.name, row.rect, row.font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(row.wrap == layout::Wrap::Words);
  }
}

QLineEdit* MainWindow::textBox(TextBox box) const {
  return textBoxes_[slot(box)];
}

// A text wider than its box shows its beginning, and the whole of it as the box's tooltip.
void MainWindow::setText(TextBox box, const std::string& text) {
  QLineEdit* edit = textBox(box);
  const QString shown = qtText(text);
  edit->setText(shown);
  edit->setCursorPosition(0);
  const bool fits = edit->fontMetrics().horizontalAdvance(shown) <= textRoom(*edit);
  edit->setToolTip(fits ? QString() : shown);
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

}  // namespace korvelin
