#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace korvelin::testing {

// One modal dialog as the user would answer it.
struct DialogStep {
  enum Kind {
    Answer,   // a QInputDialog: the text typed into its field (any UTF-8), then Enter
    Cancel,   // a QInputDialog: Escape
    Message,  // a QMessageBox with this icon: this button
    SaveAs,   // a QFileDialog: this file, then accept
  } kind;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButton button = QMessageBox::Ok;
};

DialogStep answer(const QString& text);
DialogStep cancel();
DialogStep message(QMessageBox::Icon icon, QMessageBox::StandardButton button = QMessageBox::Ok);
DialogStep saveAs(const QString& path);

// An answer script of korvelin-replay: one answer per line, a line holding only ESC cancels.
QList<DialogStep> readAnswers(const QString& path);

// What a dialog showed when it opened.
struct SeenDialog {
  QString className;
  QString title;
  QString text;
  QString field;        // the entry field of a QInputDialog as it opened
  QRect frame;          // where it opened, in global pixels, its frame included
  QStringList buttons;  // the captions of its buttons
};

// Answers the application's modal dialogs as they open, one step each, in order. A dialog of
// another kind than its step, or one after the last step, is rejected and recorded as a fault,
// so that a run goes on to its end instead of waiting for a user who is not there.
class DialogAutopilot : public QObject {
 public:
  explicit DialogAutopilot(QList<DialogStep> steps);

  const QStringList& faults() const { return faults_; }
  const QList<SeenDialog>& seen() const { return seen_; }
  qsizetype stepsLeft() const { return steps_.size() - next_; }

 private:
  void poll();
  bool take(QWidget* dialog, const DialogStep& step);
  void fault(QWidget* dialog, const QString& why);

  QList<DialogStep> steps_;
  qsizetype next_ = 0;
  QStringList faults_;
  QList<SeenDialog> seen_;
  QTimer timer_;
};

}  // namespace korvelin::testing
