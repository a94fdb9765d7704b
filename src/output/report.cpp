#include "output/report.h"

#include "record/number_format.h"

namespace korvelin {
namespace {

std::string sideText(double side) {
  return pattern(roundTo(side, 4), "0.0000");
}
std::string sideText(float side) {
  return pattern(roundTo(side, 4), "0.0000");
}
std::string coordinateText(double value) {
  return pattern(roundTo(value, 3), "0.000");
}
std::string secondsText(float w) {
  return pattern(roundTo(w, 2), "0.00") + " (秒)";
}
std::string millimetresText(float mm) {
  return pattern(roundTo(mm, 2), "0.00") + " (毫米)";
}

void printHeading(ReportPrinter& printer, int c, const char* heading) {
  printer.printLine({column(c), text(heading)});
  printer.printEmptyLine();
}

void printKnownPoints(const PolygonJob& job, ReportPrinter& printer) {
  printHeading(printer, 22, "起始点座标 :");
  const struct {
    const char* xLabel;
    double x;
    const char* yLabel;
    double y;
  } points[] = {{"xa=", job.xa, "ya=", job.ya},
                {"xb=", job.xb, "yb=", job.yb},
                {"xc=", job.xc, "yc=", job.yc}};
  for (const auto& p : points) {
    printer.printLine({column(24), text(std::string("起始点座标 :  ") + p.xLabel),
                       text(pattern(p.x, "0.000")), blanks(5), text(p.yLabel),
                       text(pattern(p.y, "0.000"))});
  }
  printer.printEmptyLine();
}

void printSides(const PolygonJob& job, ReportPrinter& printer) {
  printer.printLine({column(22), text("观测边长 (米):"), column(39), text("平差改正后边长 (米):")});
  printer.printEmptyLine();
  for (int i = 1; i <= 2 * job.n + 1; ++i) {
    printer.printLine({column(24), text("s("), number(i), text(")="),
                       text(sideText(job.observedSideCopy[i])), column(41), text("s("), number(i),
                       text(")="), text(sideText(job.S[i]))});
  }
  printer.printEmptyLine();
}

void printMisclosures(const PolygonJob& job, ReportPrinter& printer) {
  printHeading(printer, 30, "条件方程式闭合差 :");
  printer.printLine({column(32), text("  中心条件闭合差 :  w(1)="), text(secondsText(job.w[1]))});
  printer.printLine({column(32), text("固定角条件闭合差 :  w(2)="), text(secondsText(job.w[2]))});
  const float w3mm = job.w[3] * 1000.0f;
  printer.printLine({column(32), text("固定边条件闭合差 :  w(3)="), text(millimetresText(w3mm))});
  printer.printEmptyLine();
}

void printCoordinates(const PolygonJob& job, ReportPrinter& printer) {
  printHeading(printer, 30, "平差结果 :");
  for (int k = 0; k < job.n; ++k) {
    printer.printLine({column(24), text(job.pointNames[k]), column(30), text("x("), number(k),
                       text(")="), text(coordinateText(job.x[k])), column(45), text("y("),
                       number(k), text(")="), text(coordinateText(job.y[k]))});
  }
  printer.printEmptyLine();
}

struct EvaluatedPoint {
  const std::string& name;
  double Px, Py;
  float mx, my, md;
};

void printPointPrecision(const EvaluatedPoint& point, ReportPrinter& printer) {
  printer.printLine({column(24), text("待定点" + point.name)});
  printer.printLine(
      {column(24), text("单位权纵座标权倒数 : 1/px="), text(pattern(point.Px, "0.0000"))});
  printer.printLine(
      {column(24), text("单位权横座标权倒数 : 1/py="), text(pattern(point.Py, "0.0000"))});
  printer.printLine(
      {column(24), text("纵座标单位权中误差 :   mx="), text(millimetresText(point.mx))});
  printer.printLine(
      {column(24), text("横座标单位权中误差 :   my="), text(millimetresText(point.my))});
  printer.printLine(
      {column(24), text("  单位权点位中误差 :   md="), text(millimetresText(point.md))});
}

void printPrecision(const PolygonJob& job, ReportPrinter& printer) {
  printHeading(printer, 22, "精度评定 :");
  printer.printLine(
      {column(24), text("单位权测边中误差  :    ms="), text(pattern(job.ms, "0.00") + " (毫米)")});
  printer.printEmptyLine();
  printPointPrecision({job.pointNames[2], job.Px1, job.Py1, job.mx1, job.my1, job.md1}, printer);
  printer.printEmptyLine();
  printPointPrecision({job.pointNames[3], job.Px2, job.Py2, job.mx2, job.my2, job.md2}, printer);
}

}  // namespace

void printReport(const PolygonJob& job, ReportPrinter& printer) {
  printer.setPrintPosition(2000, 1000);
  printer.setFontName("");
  printer.setFontSize(12);
  printer.printLine({column(30), text("--- Korvelin ---")});
  printer.printEmptyLine();
  printer.printEmptyLine();
  printer.setFontSize(10);
  printKnownPoints(job, printer);
  printSides(job, printer);
  printMisclosures(job, printer);
  printCoordinates(job, printer);
  printPrecision(job, printer);
  printer.endDocument();
}

}  // namespace korvelin
