#pragma once

#include <QScrollArea>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "qt/dialog_prompt.h"
#include "qt/print_services.h"
#include "qt/qt_report_printer.h"
#include "record/result_window.h"
#include "record/window_layout.h"

class QLineEdit;

namespace korvelin {

// Names the application, whose name the dialogs show in their title bars, loads Qt's own texts
// in Chinese whatever the locale, and installs the font substitutions. Call once the
// QApplication exists, before the window is built.
void prepareApplication();

// The print system and the files a report passes through; the window's own (libcups and the
// local files) where none is given.
struct PrintServices {
  PrintSystem* system = nullptr;
  ReportFiles* files = nullptr;
};

// The size of a window that shows `client` on a screen whose free area is `available`, with a
// frame of `frame` around it: the whole client area where it fits, else the free area.
QSize windowSize(QSize client, QSize available, QMargins frame);

// The client area of the window: the fixed layout of the tables in window_layout.h, the lines
// painted on its background.
class ClientArea : public QWidget {
 public:
  ClientArea();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The one window of the program: the client area in a frame that scrolls it where the screen
// is smaller, and the three commands over the one calculation record. Runs ask through modal
// dialogs over it and write its text boxes; nothing ever reads them.
class MainWindow : public QScrollArea, public ResultWindow {
 public:
  // Reports go to the system's default printer, or, with a path, into that PDF file.
  explicit MainWindow(const QString& reportPdfPath = {}, PrintServices services = {});
  ~MainWindow() override;

  void setText(TextBox box, const std::string& text) override;
  void showMessage(MessageKind kind, const std::string& text) override;

  QLineEdit* textBox(TextBox box) const;
  ClientArea* clientArea() const { return client_; }

  // Sizes the window for the free area of its screen and keeps it on that screen.
  void fitToScreen();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  using TabStops = std::vector<std::pair<int, QWidget*>>;

  void addButtons(TabStops& stops);
  void addTextBoxes(TabStops& stops);
  void addLabels();
  void run(layout::Command command);
  void endProgram();

  ClientArea* client_;
  std::unique_ptr<PrintSystem> ownSystem_;
  std::unique_ptr<ReportFiles> ownFiles_;
  DialogPrompt prompt_;
  QtReportPrinter printer_;
  Commands commands_;
  std::array<QLineEdit*, 29> textBoxes_{};
  bool fitted_ = false;
};

}  // namespace korvelin
