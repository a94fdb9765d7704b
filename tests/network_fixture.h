#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "record/polygon_job.h"
#include "record/prompt.h"
#include "record/report_printer.h"
#include "record/result_window.h"

namespace korvelin::testing {

struct Point {
  double x, y;
};

// A true network: the centre and the peripheral points Q(0) = B, Q(1) = A, …, Q(n−1) = C in
// clockwise order (increasing azimuth from the centre).
struct TrueNetwork {
  Point centre;
  std::vector<Point> Q;

  int n() const { return static_cast<int>(Q.size()); }
  // Point slot k: 0 = A, 1 = centre, 2 … n−1 = Q(k).
  Point slot(int k) const { return k == 0 ? Q[1] : k == 1 ? centre : Q[k]; }
  // Side S(i) from the coordinates, i = 1 … 2n.
  double side(int i) const;
};

// Radii of 600 … 1500 m (less spread for large n), azimuths spread evenly around the circle with a
// few degrees of jitter.
TrueNetwork makeNetwork(int n, unsigned seed, double firstAzimuthDegrees = -1);

// What the data entry would leave in the record: n, the tables sized, xa … yc and the observed
// sides S(1), S(3) … S(2n−1), with Gaussian noise of the given standard deviation.
void enterNetwork(const TrueNetwork& network, PolygonJob& job, RunTables& tables,
                  double noiseMetres = 0, unsigned seed = 0);

// A point name typed as a stem and a number, "P2", "N0".
std::string pointName(const char* stem, int k);

// The answers of a whole run for the network without re-entries: coordinates to 3 decimals
// and sides to 4 as a surveyor types them, or every number to 17 digits.
enum class Digits { AsTyped, Full };
std::vector<std::string> answersFor(const TrueNetwork& network, double noiseMetres = 0,
                                    unsigned seed = 0, Digits digits = Digits::AsTyped);

// The network with every coordinate multiplied by factor, then shifted.
TrueNetwork scaled(TrueNetwork network, double factor, Point shift = {0, 0});

class ScriptedPrompt : public Prompt {
 public:
  explicit ScriptedPrompt(std::vector<std::optional<std::string>> answers);
  std::optional<std::string> ask(const std::string& text) override;
  // The prompts in the order they opened.
  std::vector<std::string> asked;
  bool exhausted() const { return answers_.empty(); }

 private:
  std::deque<std::optional<std::string>> answers_;
};

// nullopt in an answer list: Cancel.
inline constexpr std::nullopt_t kCancel = std::nullopt;

class RecordingWindow : public ResultWindow {
 public:
  void setText(TextBox box, const std::string& text) override;
  void showMessage(MessageKind kind, const std::string& text) override;
  std::string text(TextBox box) const;
  std::vector<std::pair<TextBox, std::string>> writes;
  std::vector<std::pair<MessageKind, std::string>> messages;

 private:
  std::map<TextBox, std::string> texts_;
};

class RecordingPrinter : public ReportPrinter {
 public:
  void setPrintPosition(float horizontalTwips, float verticalTwips) override;
  void setFontName(const std::string& face) override;
  void setFontSize(float points) override;
  void printLine(const ReportLine& line) override;
  void printEmptyLine() override;
  void endDocument() override;
  std::vector<std::string> lines;  // rendered in character columns
  std::vector<float> lineSizes;    // the font size of each line
  std::vector<std::string> calls;  // position/face/size/end, in order
  int documents = 0;

 private:
  float size_ = 0;
};

}  // namespace korvelin::testing
