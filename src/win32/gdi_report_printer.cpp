#include "win32/gdi_report_printer.h"

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <map>
#include <utility>

#include "output/print_messages.h"
#include "output/report_pages.h"
#include "record/run_errors.h"
#include "win32/wide_text.h"

namespace korvelin {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;
constexpr double kLineSpacing = 1.2;  // times the size of the line's font
constexpr float kFootPoints = 10;

std::wstring defaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  std::wstring name(size, L'\0');
  if (size == 0 || !GetDefaultPrinterW(name.data(), &size)) {
    throw PrinterFailure(print_messages::noDefaultPrinter());
  }
  name.resize(std::wcslen(name.c_str()));
  return name;
}

std::string itemText(const ReportItem& item) {
  switch (item.kind) {
    case ReportItem::Blanks:
      return std::string(static_cast<std::size_t>(std::max(item.value, 0)), ' ');
    case ReportItem::Text:
      return item.text;
    case ReportItem::Number:
      return ' ' + std::to_string(item.value) + ' ';
    case ReportItem::Column:
      break;
  }
  return {};
}

// One print job on the printer's device context, from opening the printer to EndDoc; a job
// dropped half way is aborted.
class PrintJob {
 public:
  explicit PrintJob(const std::wstring& printer) : name_(utf8Text(printer)) {
    dc_ = CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr);
    if (!dc_) fail("无法打开");
    SetBkMode(dc_, TRANSPARENT);
  }
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;
  ~PrintJob() {
    if (started_) AbortDoc(dc_);
    DeleteDC(dc_);  // first, for a font selected into it cannot be deleted
    for (const auto& [key, font] : fonts_) DeleteObject(font);
  }

  int caps(int index) const { return GetDeviceCaps(dc_, index); }
  double horizontal(float twips) const { return twips * caps(LOGPIXELSX) / kTwipsPerInch; }
  double vertical(float twips) const { return twips * caps(LOGPIXELSY) / kTwipsPerInch; }
  double lineSpacing(float points) const {
    return kLineSpacing * points * caps(LOGPIXELSY) / kPointsPerInch;
  }

  void start() {
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = L"Korvelin";
    if (StartDocW(dc_, &info) <= 0) fail("无法开始打印");
    started_ = true;
  }
  void startPage(int page) {
    if (StartPage(dc_) <= 0) fail("无法开始第 " + std::to_string(page) + " 页");
  }
  void endPage(int page) {
    if (EndPage(dc_) <= 0) fail("未能打印完第 " + std::to_string(page) + " 页");
  }
  void finish() {
    started_ = false;
    if (EndDoc(dc_) <= 0) fail("未能结束打印");
  }

  // Selects the face at the size; returns the width of its character column.
  double use(const std::string& face, float points) {
    const auto key = std::make_pair(face, points);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
      const int height = -static_cast<int>(std::lround(points * caps(LOGPIXELSY) / kPointsPerInch));
      const HFONT font =
          CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_DONTCARE, wideText(face).c_str());
      if (!font) fail("无法选用字体 “" + face + "”");
      found = fonts_.emplace(key, font).first;
    }
    SelectObject(dc_, found->second);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics.tmAveCharWidth;
  }

  // Draws the text with its top left (or top centre) at x, y; returns its width.
  double draw(double x, double y, const std::string& text) {
    const std::wstring wide = wideText(text);
    const int length = static_cast<int>(wide.size());
    TextOutW(dc_, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), wide.c_str(),
             length);
    SIZE extent{};
    GetTextExtentPoint32W(dc_, wide.c_str(), length, &extent);
    return extent.cx;
  }
  void drawCentred(double x, double y, const std::string& text) {
    const UINT align = SetTextAlign(dc_, TA_CENTER | TA_TOP);
    draw(x, y, text);
    SetTextAlign(dc_, align);
  }

 private:
  [[noreturn]] void fail(const std::string& step) {
    const DWORD error = GetLastError();
    throw PrinterFailure(
        print_messages::failed(print_messages::printer(name_), step, systemReason(error)));
  }

  std::string name_;
  HDC dc_ = nullptr;
  bool started_ = false;
  std::map<std::pair<std::string, float>, HFONT> fonts_;
};

// Draws one line from its left edge by the column rule.
void drawLine(PrintJob& job, const GdiReportPrinter::HeldLine& line, double top) {
  const double column = job.use(line.face, line.points);
  const double left = job.horizontal(line.leftTwips);
  double x = left;
  for (const auto& item : line.items) {
    if (item.kind == ReportItem::Column) {
      x = left + columnItemStart((x - left) / column, item.value) * column;
      continue;
    }
    x += job.draw(x, top, itemText(item));
  }
}

void printPages(PrintJob& job, const std::vector<GdiReportPrinter::HeldLine>& lines) {
  std::vector<double> spacings;
  for (const auto& line : lines) spacings.push_back(job.lineSpacing(line.points));
  // The first line stands top below the printable area, offsetY + top below the paper's edge;
  // the last line of a page ends as far above the paper's bottom edge, and inside the printable
  // area.
  const double top = job.vertical(lines.front().topTwips);
  const double offsetY = job.caps(PHYSICALOFFSETY);
  const double printableHeight = job.caps(VERTRES);
  const double bottom =
      std::min(printableHeight, job.caps(PHYSICALHEIGHT) - offsetY - (offsetY + top));
  const auto placed = report_pages::placeLines(spacings, top, bottom);
  const int pages = report_pages::pageCount(placed);

  // The page foot: centred on the paper, half a line below the last line's limit.
  const double footSpacing = job.lineSpacing(kFootPoints);
  const double footTop = std::min(bottom + footSpacing / 2, printableHeight - footSpacing);
  const double paperCentre = job.caps(PHYSICALWIDTH) / 2.0 - job.caps(PHYSICALOFFSETX);

  job.start();
  std::size_t next = 0;
  for (int page = 1; page <= pages; ++page) {
    job.startPage(page);
    for (; next < lines.size() && placed[next].page + 1 == page; ++next) {
      drawLine(job, lines[next], placed[next].top);
    }
    if (pages > 1) {
      job.use("", kFootPoints);
      job.drawCentred(paperCentre, footTop, print_messages::pageFoot(page, pages));
    }
    job.endPage(page);
  }
  job.finish();
}

}  // namespace

void GdiReportPrinter::setPrintPosition(float horizontalTwips, float verticalTwips) {
  leftTwips_ = horizontalTwips;
  topTwips_ = verticalTwips;
}

void GdiReportPrinter::printLine(const ReportLine& line) {
  lines_.push_back({line, face_, points_, leftTwips_, topTwips_});
}

void GdiReportPrinter::endDocument() {
  const auto lines = std::move(lines_);
  lines_.clear();
  if (lines.empty()) return;
  PrintJob job(defaultPrinterName());
  printPages(job, lines);
}

}  // namespace korvelin
