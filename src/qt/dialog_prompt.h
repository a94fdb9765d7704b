#pragma once

#include <QPoint>
#include <QSize>
#include <optional>
#include <string>

#include "record/prompt.h"

class QWidget;
class QRect;

namespace korvelin {

// Where a prompt of `size` opens, in global pixels: at the layout's prompt place in `client`
// (the window's client area), where it covers none of the echo boxes, moved as far as it takes
// to lie on `screen`, the free area of the client area's screen.
QPoint promptTopLeft(const QWidget& client, QSize size, const QRect& screen);

// The prompt as a modal QInputDialog over the window: the prompt text, an empty single-line
// field, OK (the default button, pressed by Enter) and Cancel; the application's name in the
// title bar.
class DialogPrompt : public Prompt {
 public:
  DialogPrompt(QWidget* window, QWidget* client) : window_(window), client_(client) {}
  std::optional<std::string> ask(const std::string& text) override;

 private:
  QWidget* window_;
  QWidget* client_;
};

}  // namespace korvelin
