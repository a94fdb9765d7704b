#include "dialog_autopilot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace korvelin::testing {
namespace {

constexpr int kPollMilliseconds = 5;

SeenDialog describe(QWidget* dialog) {
  SeenDialog seen{QString::fromLatin1(dialog->metaObject()->className()),
                  dialog->windowTitle(),
                  {},
                  {},
                  dialog->frameGeometry(),
                  {}};
  for (const auto* button : dialog->findChildren<QAbstractButton*>()) {
    if (button->isVisible()) seen.buttons.append(button->text());
  }
  if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
    seen.text = input->labelText();
    seen.field = input->textValue();
  } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    seen.text = box->text();
  }
  return seen;
}

// Types the text as a user would: Latin characters key by key, every other run of characters as
// an input method commits it (QTest's key clicks take ASCII only).
void type(QLineEdit* field, const QString& text) {
  qsizetype start = 0;
  while (start < text.size()) {
    const bool ascii = text[start].unicode() < 0x80;
    qsizetype end = start;
    while (end < text.size() && (text[end].unicode() < 0x80) == ascii) ++end;
    const QString run = text.mid(start, end - start);
    if (ascii) {
      QTest::keyClicks(field, run);
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(run);
      QCoreApplication::sendEvent(field, &commit);
    }
    start = end;
  }
}

bool answerInput(QInputDialog* input, const DialogStep& step) {
  auto* field = input->findChild<QLineEdit*>();
  if (!field) return false;
  if (step.kind == DialogStep::Cancel) {
    QTest::keyClick(field, Qt::Key_Escape);
  } else {
    type(field, step.text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  return true;
}

bool answerMessage(QMessageBox* box, const DialogStep& step) {
  QAbstractButton* button = box->button(step.button);
  if (box->icon() != step.icon || !button) return false;
  button->click();
  return true;
}

bool answerFile(QFileDialog* files, const DialogStep& step) {
  files->selectFile(step.text);
  static_cast<QDialog*>(files)->accept();  // QFileDialog::accept() is protected
  return true;
}

}  // namespace

DialogStep answer(const QString& text) {
  return {DialogStep::Answer, text};
}
DialogStep cancel() {
  return {DialogStep::Cancel, {}};
}
DialogStep message(QMessageBox::Icon icon, QMessageBox::StandardButton button) {
  return {DialogStep::Message, {}, icon, button};
}
DialogStep saveAs(const QString& path) {
  return {DialogStep::SaveAs, path};
}

QList<DialogStep> readAnswers(const QString& path) {
  QFile file(path);
  QList<DialogStep> steps;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return steps;
  const QString escape(QChar(0x1b));
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    steps.append(line == escape ? cancel() : answer(line));
  }
  if (!steps.isEmpty() && steps.last().kind == DialogStep::Answer && steps.last().text.isEmpty()) {
    steps.removeLast();  // the file's final line break ends the last answer
  }
  return steps;
}

DialogAutopilot::DialogAutopilot(QList<DialogStep> steps) : steps_(std::move(steps)) {
  connect(&timer_, &QTimer::timeout, this, &DialogAutopilot::poll);
  timer_.start(kPollMilliseconds);
}

void DialogAutopilot::poll() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (!dialog || !dialog->isVisible()) return;
  seen_.append(describe(dialog));
  if (next_ == steps_.size()) return fault(dialog, QStringLiteral("a dialog after the last step"));
  if (!take(dialog, steps_[next_])) return fault(dialog, QStringLiteral("not the dialog expected"));
  ++next_;
}

bool DialogAutopilot::take(QWidget* dialog, const DialogStep& step) {
  switch (step.kind) {
    case DialogStep::Answer:
    case DialogStep::Cancel:
      if (auto* input = qobject_cast<QInputDialog*>(dialog)) return answerInput(input, step);
      return false;
    case DialogStep::Message:
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) return answerMessage(box, step);
      return false;
    case DialogStep::SaveAs:
      if (auto* files = qobject_cast<QFileDialog*>(dialog)) return answerFile(files, step);
      return false;
  }
  return false;
}

void DialogAutopilot::fault(QWidget* dialog, const QString& why) {
  const SeenDialog& seen = seen_.last();
  faults_.append(QStringLiteral("%1 at step %2: %3 \"%4\"")
                     .arg(why)
                     .arg(next_ + 1)
                     .arg(seen.className, seen.text));
  if (auto* modal = qobject_cast<QDialog*>(dialog)) {
    modal->reject();
  } else {
    dialog->close();
  }
}

}  // namespace korvelin::testing
