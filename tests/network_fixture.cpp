#include "network_fixture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <stdexcept>

#include "adjust/known_points.h"

namespace korvelin::testing {

double TrueNetwork::side(int i) const {
  const auto length = [](Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y); };
  const int j = i / 2;
  if (i % 2 == 1) return length(centre, Q[j % n()]);
  return length(Q[j - 1], Q[j % n()]);
}

TrueNetwork makeNetwork(int n, unsigned seed, double firstAzimuthDegrees) {
  std::mt19937 random(seed);
  // Radii vary less than a peripheral side is long, so that thin triangles of a large n stay
  // triangles.
  const double spread = std::min(450.0, 1000 * std::numbers::pi / n);
  std::uniform_real_distribution<double> jitter(-0.25, 0.25), radius(1050 - spread, 1050 + spread),
      start(0, 360);
  TrueNetwork network{{5000, 3000}, {}};
  const double first = firstAzimuthDegrees >= 0 ? firstAzimuthDegrees : start(random);
  const double step = 360.0 / n;
  for (int j = 0; j < n; ++j) {
    const double azimuth = (first + step * (j + jitter(random))) * std::numbers::pi / 180;
    const double r = radius(random);
    network.Q.push_back(
        {network.centre.x + r * std::cos(azimuth), network.centre.y + r * std::sin(azimuth)});
  }
  return network;
}

namespace {

std::vector<double> observedSides(const TrueNetwork& network, double noise, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> error(0, noise > 0 ? noise : 1);
  std::vector<double> sides(2 * network.n() + 1, 0.0);
  for (int i = 1; i <= 2 * network.n() - 1; ++i) {
    if (i == 2) continue;
    sides[i] = network.side(i) + (noise > 0 ? error(random) : 0);
  }
  return sides;
}

}  // namespace

void enterNetwork(const TrueNetwork& network, PolygonJob& job, RunTables& tables,
                  double noiseMetres, unsigned seed) {
  job.n = static_cast<std::int16_t>(network.n());
  sizeTables(job, tables);
  const Point A = network.Q[1], B = network.Q[0], C = network.Q[network.n() - 1];
  job.xa = A.x, job.ya = A.y, job.xb = B.x, job.yb = B.y, job.xc = C.x, job.yc = C.y;
  const auto sides = observedSides(network, noiseMetres, seed);
  for (int i = 1; i <= 2 * network.n() - 1; ++i) {
    if (i != 2) job.S[i] = sides[i];
  }
}

std::string pointName(const char* stem, int k) {
  // Appended, not written stem + std::to_string(k): g++ 12 at -O3 inlines that insertion at the
  // front of the string and reports a memcpy overlap that cannot happen (-Wrestrict, GCC bug
  // 105651), which -Werror makes a failed Release build.
  std::string name = stem;
  name += std::to_string(k);
  return name;
}

std::vector<std::string> answersFor(const TrueNetwork& network, double noiseMetres, unsigned seed,
                                    Digits digits) {
  const auto fixed = [digits](double v, int decimals) {
    char buffer[64];
    if (digits == Digits::Full) {
      std::snprintf(buffer, sizeof buffer, "%.17g", v);
    } else {
      std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    }
    return std::string(buffer);
  };
  const int n = network.n();
  std::vector<std::string> answers{std::to_string(n)};
  const Point A = network.Q[1], B = network.Q[0], C = network.Q[n - 1];
  for (const double v : {A.x, A.y, B.x, B.y, C.x, C.y}) {
    answers.push_back(fixed(v, 3));
    answers.push_back("");
  }
  answers.push_back("A");
  answers.push_back("O");
  for (int k = 2; k <= n - 2; ++k) answers.push_back(pointName("P", k));
  answers.push_back("C");
  const auto sides = observedSides(network, noiseMetres, seed);
  for (int i = 1; i <= 2 * n - 1; ++i) {
    if (i == 2) continue;
    answers.push_back(fixed(sides[i], 4));
    answers.push_back("");
  }
  for (int k = 0; k < n; ++k) answers.push_back("");
  return answers;
}

TrueNetwork scaled(TrueNetwork network, double factor, Point shift) {
  const auto move = [&](Point& p) { p = {p.x * factor + shift.x, p.y * factor + shift.y}; };
  move(network.centre);
  for (auto& q : network.Q) move(q);
  return network;
}

ScriptedPrompt::ScriptedPrompt(std::vector<std::optional<std::string>> answers)
    : answers_(answers.begin(), answers.end()) {}

std::optional<std::string> ScriptedPrompt::ask(const std::string& text) {
  asked.push_back(text);
  if (answers_.empty()) throw std::runtime_error("no answer left for: " + text);
  auto answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void RecordingWindow::setText(TextBox box, const std::string& text) {
  texts_[box] = text;
  writes.emplace_back(box, text);
}

void RecordingWindow::showMessage(MessageKind kind, const std::string& text) {
  messages.emplace_back(kind, text);
}

std::string RecordingWindow::text(TextBox box) const {
  const auto found = texts_.find(box);
  return found == texts_.end() ? std::string() : found->second;
}

void RecordingPrinter::setPrintPosition(float horizontalTwips, float verticalTwips) {
  calls.push_back("position " + std::to_string(static_cast<int>(horizontalTwips)) + " " +
                  std::to_string(static_cast<int>(verticalTwips)));
}

void RecordingPrinter::setFontName(const std::string& face) {
  calls.push_back("face " + face);
}

void RecordingPrinter::setFontSize(float points) {
  size_ = points;
  calls.push_back("size " + std::to_string(static_cast<int>(points)));
}

void RecordingPrinter::printLine(const ReportLine& line) {
  lines.push_back(renderInColumns(line));
  lineSizes.push_back(size_);
}

void RecordingPrinter::printEmptyLine() {
  printLine({});
}

void RecordingPrinter::endDocument() {
  ++documents;
  calls.push_back("end");
}

}  // namespace korvelin::testing
