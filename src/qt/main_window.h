#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "qt/dialog_prompt.h"
#include "qt/qt_report_printer.h"
#include "record/result_window.h"
#include "record/window_layout.h"

class QLineEdit;

namespace korvelin {

// Names the application, whose name the dialogs show in their title bars, and installs the font
// substitutions. Call once the QApplication exists, before the window is built.
void prepareApplication();

// The one window of the program: the fixed layout of the tables in window_layout.h, on a
// client area of fixed size, and the three commands over the one calculation record. Runs
// ask through modal dialogs over it and write its text boxes; nothing ever reads them.
class MainWindow : public QWidget, public ResultWindow {
 public:
  // Reports go to the system's default printer, or, with a path, into that PDF file.
  explicit MainWindow(const QString& reportPdfPath = {});

  void setText(TextBox box, const std::string& text) override;
  void showMessage(MessageKind kind, const std::string& text) override;

  QLineEdit* textBox(TextBox box) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  using TabStops = std::vector<std::pair<int, QWidget*>>;

  void addButtons(TabStops& stops);
  void addTextBoxes(TabStops& stops);
  void addLabels();
  void run(layout::Command command);
  void endProgram();

  DialogPrompt prompt_;
  QtReportPrinter printer_;
  Commands commands_;
  std::array<QLineEdit*, 29> textBoxes_{};
};

}  // namespace korvelin
