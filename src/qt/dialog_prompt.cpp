#include "qt/dialog_prompt.h"

#include <QGuiApplication>
#include <QInputDialog>

#include "qt/qt_text.h"

namespace korvelin {

std::optional<std::string> DialogPrompt::ask(const std::string& text) {
  QInputDialog dialog(window_);
  dialog.setWindowTitle(QGuiApplication::applicationDisplayName());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(qtText(text));
  dialog.setTextValue(QString());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return utf8Text(dialog.textValue());
}

}  // namespace korvelin
