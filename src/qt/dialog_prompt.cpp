#include "qt/dialog_prompt.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QRect>
#include <QScreen>
#include <algorithm>

#include "qt/qt_text.h"
#include "record/window_layout.h"

namespace korvelin {
namespace {

int keptWithin(int start, int size, int low, int high) {
  return std::clamp(start, low, std::max(low, high + 1 - size));
}

}  // namespace

QPoint promptTopLeft(const QWidget& client, QSize size, const QRect& screen) {
  constexpr int kTwips = layout::kTwipsPerPixel;
  const layout::Point at = layout::promptPosition(size.width() * kTwips, size.height() * kTwips);
  const QPoint global = client.mapToGlobal(QPoint(at.x / kTwips, at.y / kTwips));
  return {keptWithin(global.x(), size.width(), screen.left(), screen.right()),
          keptWithin(global.y(), size.height(), screen.top(), screen.bottom())};
}

std::optional<std::string> DialogPrompt::ask(const std::string& text) {
  QInputDialog dialog(window_);
  dialog.setWindowTitle(QGuiApplication::applicationDisplayName());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(qtText(text));
  dialog.setTextValue(QString());
  dialog.adjustSize();
  if (const QScreen* screen = client_->screen()) {
    dialog.move(promptTopLeft(*client_, dialog.size(), screen->availableGeometry()));
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return utf8Text(dialog.textValue());
}

}  // namespace korvelin
