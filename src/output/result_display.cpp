#include "output/result_display.h"

#include "record/number_format.h"

namespace korvelin {
namespace {

std::string seconds(float w) {
  return general(roundTo(w, 2)) + "秒";
}

// Millimetres from a 32-bit value, with the leading blank of every result but the misclosures.
std::string millimetres(float mm) {
  return ' ' + general(roundTo(mm, 2)) + "毫米";
}

std::string reciprocal(double value, int decimals) {
  return ' ' + general(roundTo(value, decimals));
}

std::string coordinate(double value) {
  return ' ' + pattern(roundTo(value, 3), "0.000");
}

}  // namespace

void showMisclosures(ResultWindow& window, const PolygonJob& job) {
  window.setText(TextBox::Text10, seconds(job.w[1]));
  window.setText(TextBox::Text11, seconds(job.w[2]));
  const float w3mm = job.w[3] * 1000.0f;
  window.setText(TextBox::Text12, general(roundTo(w3mm, 2)) + "毫米");
}

void showReciprocalWeights(ResultWindow& window, const PolygonJob& job) {
  window.setText(TextBox::Text28, ' ' + job.pointNames[2]);
  window.setText(TextBox::Text18, reciprocal(job.Px1, 4));
  window.setText(TextBox::Text20, reciprocal(job.Py1, 4));
  window.setText(TextBox::Text29, ' ' + job.pointNames[3]);
  window.setText(TextBox::Text23, reciprocal(job.Px2, 5));
  window.setText(TextBox::Text25, reciprocal(job.Py2, 5));
}

void showErrors(ResultWindow& window, const PolygonJob& job) {
  window.setText(TextBox::Text13, millimetres(job.ms));
  window.setText(TextBox::Text19, millimetres(job.mx1));
  window.setText(TextBox::Text21, millimetres(job.my1));
  window.setText(TextBox::Text24, millimetres(job.mx2));
  window.setText(TextBox::Text26, millimetres(job.my2));
  window.setText(TextBox::Text22, millimetres(job.md1));
  window.setText(TextBox::Text27, millimetres(job.md2));
}

void showCoordinates(Prompt& prompt, ResultWindow& window, const PolygonJob& job) {
  for (int k = 0; k < job.n; ++k) {
    prompt.ask(kPausePrompt);
    const std::string& name = job.pointNames[k];
    window.setText(TextBox::Text17, "现在显示" + name + "点的座标");
    window.setText(TextBox::Text14, ' ' + name);
    window.setText(TextBox::Text15, coordinate(job.x[k]));
    window.setText(TextBox::Text16, coordinate(job.y[k]));
  }
}

}  // namespace korvelin
