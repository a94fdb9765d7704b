#include "entry/data_entry.h"

#include <cmath>
#include <functional>

#include "adjust/known_points.h"
#include "adjust/triangle_angles.h"
#include "entry/answer_reading.h"
#include "record/number_format.h"

namespace korvelin {
namespace {

constexpr const char* kConfirmX = "确认纵座标输入是否正确 ?  正确按 Enter 键;  错误按零( 即为:0 )";
constexpr const char* kConfirmY = "确认横座标输入是否正确 ?  正确按 Enter 键;  错误按零( 即为:0 )";
constexpr const char* kConfirmXLong =
    "确认纵座标输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )";
constexpr const char* kConfirmYLong =
    "确认横座标输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )";
constexpr const char* kConfirmTail =
    " 输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )";

// How one number is asked, echoed, confirmed and asked again.
struct ValueEntry {
  std::string entryPrompt;
  std::string reentryPrompt;
  std::string firstConfirm;
  std::string laterConfirm;
  TextBox echoBox;
  std::string clearedTo;
  std::function<std::string(double)> echo;
  // A message when the value cannot be taken at all (a side of 0 or less).
  std::function<std::optional<std::string>(double)> problem;
};

struct CoordinateRow {
  double PolygonJob::*field;
  const char* name;  // xa … yc, for messages
  const char* entryPrompt;
  TextBox echoBox;
  const char* firstConfirm;
  const char* reentryPrompt;
  const char* laterConfirm;
  const char* clearedTo;
};

const CoordinateRow kCoordinates[] = {
    {&PolygonJob::xa, "xa", "请输入已知点 A 的纵座标 :", TextBox::Text1, kConfirmX,
     "输入正确的纵座标 :", kConfirmX, " "},
    {&PolygonJob::ya, "ya", "请输入已知点 A 的横座标 :", TextBox::Text2, kConfirmY,
     "输入 正确的横座标 :", kConfirmY, ""},
    {&PolygonJob::xb, "xb", "请输入已知点 B 的纵座标 :", TextBox::Text3, kConfirmXLong,
     "输入正确的纵座标 :", kConfirmX, ""},
    {&PolygonJob::yb, "yb", "请输入已知点 B 的横座标 :", TextBox::Text4, kConfirmYLong,
     "输入正确的横座标 :", kConfirmY, ""},
    {&PolygonJob::xc, "xc", "请输入已知点 C 的纵座标 :", TextBox::Text5, kConfirmXLong,
     "输入正确的纵座标 :", kConfirmXLong, ""},
    {&PolygonJob::yc, "yc", "请输入已知点 C 的横座标 :", TextBox::Text6, kConfirmYLong,
     "输入正确的横座标 :", kConfirmYLong, ""},
};

std::string sideName(int i) {
  return "S(" + digits(i) + ")";
}

class DataEntry {
 public:
  DataEntry(Prompt& prompt, ResultWindow& window, PolygonJob& job, RunTables& tables)
      : prompt_(prompt), window_(window), job_(job), tables_(tables) {}

  void run() {
    enterTriangleCount();
    enterKnownPoints();
    enterPointNames();
    enterSides();
  }

 private:
  std::optional<std::string> ask(const std::string& text) { return prompt_.ask(text); }

  void warn(const std::string& text) { window_.showMessage(MessageKind::InvalidInput, text); }

  // A number prompt, asked again until the answer reads as a finite number.
  double askNumber(const std::string& text) {
    for (;;) {
      const auto answer = ask(text);
      if (!answer) throw RunCancelled{};
      if (const auto value = readDecimal(*answer)) return *value;
      warn("输入的不是有效数值：" + quotedAnswer(*answer));
    }
  }

  bool confirmed(const std::string& text) {
    for (;;) {
      const auto answer = ask(text);
      switch (readConfirm(answer)) {
        case ConfirmAnswer::Confirmed:
          return true;
        case ConfirmAnswer::Rejected:
          return false;
        case ConfirmAnswer::Unreadable:
          warn("请直接按 Enter 确认，或输入 0 重新输入：" + quotedAnswer(*answer));
      }
    }
  }

  // A value that can be taken: after a problem the echo box is cleared and the re-entry
  // prompt asked, as after a rejection.
  double askValue(const ValueEntry& entry, std::string text) {
    for (;;) {
      const double value = askNumber(text);
      const auto problem = entry.problem ? entry.problem(value) : std::nullopt;
      if (!problem) return value;
      warn(*problem);
      window_.setText(entry.echoBox, entry.clearedTo);
      text = entry.reentryPrompt;
    }
  }

  void store(double& field, const ValueEntry& entry, double value) {
    field = value;
    window_.setText(entry.echoBox, entry.echo(value));
  }

  void confirmLoop(double& field, const ValueEntry& entry, std::string confirmText) {
    while (!confirmed(confirmText)) {
      reenter(field, entry);
      confirmText = entry.laterConfirm;
    }
  }

  void reenter(double& field, const ValueEntry& entry) {
    window_.setText(entry.echoBox, entry.clearedTo);
    store(field, entry, askValue(entry, entry.reentryPrompt));
  }

  void enterConfirmed(double& field, const ValueEntry& entry) {
    store(field, entry, askValue(entry, entry.entryPrompt));
    confirmLoop(field, entry, entry.firstConfirm);
  }

  // After a check of the confirmed value has failed: the value is asked again and confirmed.
  void reenterConfirmed(double& field, const ValueEntry& entry) {
    reenter(field, entry);
    confirmLoop(field, entry, entry.laterConfirm);
  }

  void enterTriangleCount() {
    constexpr const char* kAsk = "请输入三角形的个数:";
    for (;;) {
      const double count = std::nearbyint(askNumber(kAsk));
      if (count >= kMinTriangles && count <= kMaxTriangles) {
        job_.n = static_cast<std::int16_t>(count);
        break;
      }
      warn("三角形个数应在 " + digits(kMinTriangles) + " 到 " + digits(kMaxTriangles) + " 之间：" +
           general(count));
    }
    window_.setText(TextBox::Text7, "中心多边形有" + digits(job_.n) + "个三角形");
    sizeTables(job_, tables_);
  }

  static ValueEntry coordinateEntry(const CoordinateRow& row) {
    return {row.entryPrompt,
            row.reentryPrompt,
            row.firstConfirm,
            row.laterConfirm,
            row.echoBox,
            row.clearedTo,
            [](double v) { return ' ' + pattern(v, "0.000"); },
            nullptr};
  }

  void enterCoordinate(int row) {
    enterConfirmed(job_.*kCoordinates[row].field, coordinateEntry(kCoordinates[row]));
  }

  // B after A, and C after B: a known point that coincides with the one before it leaves no
  // fixed side, so its coordinates are asked again.
  void enterKnownPointApart(int xRow, double fromX, double fromY, const char* point,
                            const char* previous, const char* side) {
    enterCoordinate(xRow);
    enterCoordinate(xRow + 1);
    double& x = job_.*kCoordinates[xRow].field;
    double& y = job_.*kCoordinates[xRow + 1].field;
    while (distance(x - fromX, y - fromY) == 0) {
      warn(std::string("已知点 ") + point + " 与 " + previous + " 重合（" + side + " = 0）：" +
           kCoordinates[xRow].name + "=" + general(x) + "，" + kCoordinates[xRow + 1].name + "=" +
           general(y));
      reenterConfirmed(x, coordinateEntry(kCoordinates[xRow]));
      reenterConfirmed(y, coordinateEntry(kCoordinates[xRow + 1]));
    }
  }

  void enterKnownPoints() {
    enterCoordinate(0);
    enterCoordinate(1);
    enterKnownPointApart(2, job_.xa, job_.ya, "B", "A", "S(2)");
    enterKnownPointApart(4, job_.xb, job_.yb, "C", "B", sideName(2 * job_.n).c_str());
  }

  void enterPointNames() {
    const int n = job_.n;
    auto& names = job_.pointNames;
    names[0] = ask("现在输入已知点 A 的点名 :").value_or("");
    window_.setText(TextBox::Text17, "已知点 A 的点名是");
    window_.setText(TextBox::Text14, ' ' + names[0]);

    window_.setText(TextBox::Text17, "中心点的点名是");
    names[1] = ask("现在输入中心点的点名 :").value_or("");
    window_.setText(TextBox::Text14, ' ' + names[1]);

    for (int k = 2; k <= n - 2; ++k) {
      window_.setText(TextBox::Text17, "第" + digits(k) + " 个待定点的点名是");
      names[k] = ask("现在按外围依次输入第 " + digits(k) + " 个待定点的点名是").value_or("");
      window_.setText(TextBox::Text14, ' ' + names[k]);
    }

    names[n - 1] = ask("现在输入已知点 C 的点名 :").value_or("");
    window_.setText(TextBox::Text17, "已知点 C 的点名是");
    window_.setText(TextBox::Text14, ' ' + names[n - 1]);
  }

  static ValueEntry sideEntry(int i) {
    const std::string name = sideName(i);
    ValueEntry entry{
        "请输入 " + name + " 边长 :",
        i == 1 ? "输入正确的 S(1) 边长 :" : "请输入 " + name + " 边长 :",
        i == 1 ? std::string("确认输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )")
               : "确认" + name + kConfirmTail,
        {},
        TextBox::Text9,
        "",
        [i](double v) { return (i == 1 ? "s1=" : " s") + pattern(v, "0.0000"); },
        [name](double v) -> std::optional<std::string> {
          if (v > 0) return std::nullopt;
          return "边长必须大于零：" + name + " = " + general(v);
        }};
    entry.laterConfirm = entry.firstConfirm;
    return entry;
  }

  // S(k) as the computation will see it: the fixed sides S(2) and S(2n) come from the known
  // points, S(2n+1) is S(1).
  double side(int k) const {
    const int n = job_.n;
    if (k == 2) return distance(job_.xa - job_.xb, job_.ya - job_.yb);
    if (k == 2 * n) return distance(job_.xc - job_.xb, job_.yc - job_.yb);
    return job_.S[k == 2 * n + 1 ? 1 : k];
  }

  // Triangle i has the sides S(2i−1), S(2i), S(2i+1).
  std::optional<std::string> triangleProblem(int i) const {
    if (formsTriangle(side(2 * i - 1), side(2 * i), side(2 * i + 1))) return std::nullopt;
    std::string text = "第 " + digits(i) + " 个三角形的三边不能构成三角形：";
    for (int k = 2 * i - 1; k <= 2 * i + 1; ++k) {
      text += sideName(k == 2 * job_.n + 1 ? 1 : k) + " = " + general(side(k)) +
              (k < 2 * i + 1 ? "，" : "");
    }
    return text;
  }

  // A side is checked with the triangles it completes: S(3) triangle 1 (whose S(2) comes from
  // the known points), S(2i+1) triangle i, and S(2n−1) also triangle n.
  std::optional<std::string> problemCompletedBy(int side) const {
    if (side < 3 || side % 2 == 0) return std::nullopt;
    const int i = (side - 1) / 2;
    if (auto problem = triangleProblem(i)) return problem;
    if (side == 2 * job_.n - 1) return triangleProblem(job_.n);
    return std::nullopt;
  }

  void enterSide(int i) {
    window_.setText(TextBox::Text8, "现在输入 " + sideName(i) + (i == 1 ? " 边" : " 边长"));
    const ValueEntry entry = sideEntry(i);
    double& side = job_.S[i];
    enterConfirmed(side, entry);
    while (const auto problem = problemCompletedBy(i)) {
      warn(*problem);
      reenterConfirmed(side, entry);
    }
  }

  void enterSides() {
    enterSide(1);
    for (int i = 3; i <= 2 * job_.n - 1; ++i) enterSide(i);
  }

  Prompt& prompt_;
  ResultWindow& window_;
  PolygonJob& job_;
  RunTables& tables_;
};

}  // namespace

void enterData(Prompt& prompt, ResultWindow& window, PolygonJob& job, RunTables& tables) {
  DataEntry(prompt, window, job, tables).run();
}

}  // namespace korvelin
