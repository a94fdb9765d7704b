#include "entry/data_entry.h"

#include <cmath>
#include <functional>
#include <vector>

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
constexpr const char* kConfirmAbort = "确认中止本次计算 ?  中止再按 Esc 键;  继续输入按 Enter 键";

// How one number is asked, echoed, confirmed, asked again, and offered again when its triangle
// cannot close.
struct ValueEntry {
  std::string entryPrompt;
  std::string reentryPrompt;
  std::string firstConfirm;
  std::string laterConfirm;
  TextBox echoBox;
  std::string clearedTo;
  std::string echoPrefix;  // before the value in its pattern: " ", "s1=", " s"
  const char* echoPattern;
  std::string offerHead;  // "重新输入已知点 A 的纵座标", "重新输入 S(i) 边长"
  // A message when the value cannot be taken at all (a side of 0 or less).
  std::function<std::optional<std::string>(double)> problem;

  std::string echo(double v) const { return echoPrefix + pattern(v, echoPattern); }
  std::string offer(double v) const {
    return offerHead + " (按 Enter 保留 " + pattern(v, echoPattern) + ") :";
  }
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
  const char* offerHead;
};

enum CoordinateRowIndex { kXa, kYa, kXb, kYb, kXc, kYc };

const CoordinateRow kCoordinates[] = {
    {&PolygonJob::xa, "xa", "请输入已知点 A 的纵座标 :", TextBox::Text1, kConfirmX,
     "输入正确的纵座标 :", kConfirmX, " ", "重新输入已知点 A 的纵座标"},
    {&PolygonJob::ya, "ya", "请输入已知点 A 的横座标 :", TextBox::Text2, kConfirmY,
     "输入 正确的横座标 :", kConfirmY, "", "重新输入已知点 A 的横座标"},
    {&PolygonJob::xb, "xb", "请输入已知点 B 的纵座标 :", TextBox::Text3, kConfirmXLong,
     "输入正确的纵座标 :", kConfirmX, "", "重新输入已知点 B 的纵座标"},
    {&PolygonJob::yb, "yb", "请输入已知点 B 的横座标 :", TextBox::Text4, kConfirmYLong,
     "输入正确的横座标 :", kConfirmY, "", "重新输入已知点 B 的横座标"},
    {&PolygonJob::xc, "xc", "请输入已知点 C 的纵座标 :", TextBox::Text5, kConfirmXLong,
     "输入正确的纵座标 :", kConfirmXLong, "", "重新输入已知点 C 的纵座标"},
    {&PolygonJob::yc, "yc", "请输入已知点 C 的横座标 :", TextBox::Text6, kConfirmYLong,
     "输入正确的横座标 :", kConfirmYLong, "", "重新输入已知点 C 的横座标"},
};

std::string sideName(int i) {
  return "S(" + digits(i) + ")";
}

// One value that enters a triangle: a known coordinate (a row of kCoordinates) or a side.
struct TriangleValue {
  enum Kind { Coordinate, Side } kind;
  int index;
};

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

  // A number prompt: Cancel asks whether the run is to end; Cancel again ends it, any other
  // answer asks the same prompt again.
  std::string askUnlessAborted(const std::string& text) {
    for (;;) {
      if (auto answer = ask(text)) return *answer;
      if (!ask(kConfirmAbort)) throw RunCancelled{};
    }
  }

  // A number prompt, asked again until the answer reads as a finite number.
  double askNumber(const std::string& text) {
    for (;;) {
      const std::string answer = askUnlessAborted(text);
      if (const auto value = readDecimal(answer)) return *value;
      warn("输入的不是有效数值：" + quotedAnswer(answer));
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

  // The value offered again with its current value: Enter, blanks or Cancel keep it; a number
  // replaces it, is echoed and goes through its confirm loop from the later confirm text.
  void offerAgain(double& field, const ValueEntry& entry) {
    for (;;) {
      const auto answer = ask(entry.offer(field));
      if (!answer || isEmptyAnswer(*answer)) return;
      const auto value = readDecimal(*answer);
      if (!value) {
        warn("输入的不是有效数值：" + quotedAnswer(*answer));
        continue;
      }
      if (const auto problem = entry.problem ? entry.problem(*value) : std::nullopt) {
        warn(*problem);
        continue;
      }
      store(field, entry, *value);
      confirmLoop(field, entry, entry.laterConfirm);
      return;
    }
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

  static ValueEntry coordinateEntry(int row) {
    const CoordinateRow& r = kCoordinates[row];
    return {r.entryPrompt, r.reentryPrompt, r.firstConfirm, r.laterConfirm, r.echoBox, r.clearedTo,
            " ",           "0.000",         r.offerHead,    nullptr};
  }

  double& coordinate(int row) { return job_.*kCoordinates[row].field; }

  void enterCoordinate(int row) { enterConfirmed(coordinate(row), coordinateEntry(row)); }

  // A known point that coincides with the one before it (B with A, C with B) leaves no fixed
  // side: its coordinates are asked again until it does not.
  void keepApart(int xRow, double (*fixedSide)(const PolygonJob&), const char* point,
                 const char* previous, const std::string& side) {
    while (fixedSide(job_) == 0) {
      warn(std::string("已知点 ") + point + " 与 " + previous + " 重合（" + side + " = 0）：" +
           kCoordinates[xRow].name + "=" + general(coordinate(xRow)) + "，" +
           kCoordinates[xRow + 1].name + "=" + general(coordinate(xRow + 1)));
      reenterConfirmed(coordinate(xRow), coordinateEntry(xRow));
      reenterConfirmed(coordinate(xRow + 1), coordinateEntry(xRow + 1));
    }
  }

  void keepBApartFromA() { keepApart(kXb, sideBA, "B", "A", sideName(2)); }
  void keepCApartFromB() { keepApart(kXc, sideBC, "C", "B", sideName(2 * job_.n)); }

  void enterKnownPoints() {
    enterCoordinate(kXa);
    enterCoordinate(kYa);
    enterCoordinate(kXb);
    enterCoordinate(kYb);
    keepBApartFromA();
    enterCoordinate(kXc);
    enterCoordinate(kYc);
    keepCApartFromB();
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
    const std::string confirm =
        i == 1 ? std::string("确认输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )")
               : "确认" + name + kConfirmTail;
    return {"请输入 " + name + " 边长 :",
            i == 1 ? "输入正确的 S(1) 边长 :" : "请输入 " + name + " 边长 :",
            confirm,
            confirm,
            TextBox::Text9,
            "",
            i == 1 ? "s1=" : " s",
            "0.0000",
            "重新输入 " + name + " 边长",
            [name](double v) -> std::optional<std::string> {
              if (v > 0) return std::nullopt;
              return "边长必须大于零：" + name + " = " + general(v);
            }};
  }

  void showSideInstruction(int i) {
    window_.setText(TextBox::Text8, "现在输入 " + sideName(i) + (i == 1 ? " 边" : " 边长"));
  }

  // S(k) as the computation will see it: the fixed sides S(2) and S(2n) come from the known
  // points, S(2n+1) is S(1).
  double side(int k) const {
    const int n = job_.n;
    if (k == 2) return sideBA(job_);
    if (k == 2 * n) return sideBC(job_);
    return job_.S[k == 2 * n + 1 ? 1 : k];
  }

  // Triangle i has the sides S(2i−1), S(2i), S(2i+1).
  bool closes(int i) const { return formsTriangle(side(2 * i - 1), side(2 * i), side(2 * i + 1)); }

  // The triangle and its three sides, and where a fixed side comes from.
  std::string openTriangleMessage(int i) const {
    const int n = job_.n;
    std::string text = "第 " + digits(i) + " 个三角形的三边不能构成三角形：";
    for (int k = 2 * i - 1; k <= 2 * i + 1; ++k) {
      text += sideName(k == 2 * n + 1 ? 1 : k) + " = " + pattern(side(k), "0.0000");
      if (k == 2) text += "（由已知点 A、B 算得）";
      if (k == 2 * n) text += "（由已知点 B、C 算得）";
      if (k < 2 * i + 1) text += "，";
    }
    return text;
  }

  // Every value that enters triangle i, in the order in which it was first asked.
  std::vector<TriangleValue> valuesOf(int i) const {
    const int n = job_.n;
    using V = TriangleValue;
    if (i == 1) {
      return {{V::Coordinate, kXa}, {V::Coordinate, kYa}, {V::Coordinate, kXb},
              {V::Coordinate, kYb}, {V::Side, 1},         {V::Side, 3}};
    }
    if (i == n) {
      return {{V::Coordinate, kXb}, {V::Coordinate, kYb}, {V::Coordinate, kXc},
              {V::Coordinate, kYc}, {V::Side, 1},         {V::Side, 2 * n - 1}};
    }
    return {{V::Side, 2 * i - 1}, {V::Side, 2 * i}, {V::Side, 2 * i + 1}};
  }

  // Triangle i cannot close: its message, then every value that enters it offered again, and
  // the known points kept apart as in their first entry.
  void offerValuesOf(int i) {
    warn(openTriangleMessage(i));
    for (const auto& value : valuesOf(i)) {
      if (value.kind == TriangleValue::Coordinate) {
        offerAgain(coordinate(value.index), coordinateEntry(value.index));
      } else {
        showSideInstruction(value.index);
        offerAgain(job_.S[value.index], sideEntry(value.index));
      }
    }
    keepBApartFromA();
    keepCApartFromB();
  }

  // The first triangle, from triangle 1, whose three sides are known once S(last) has been
  // entered (triangles 1 … (last − 1)/2, and n with S(2n − 1)) and which cannot close.
  std::optional<int> firstOpenTriangle(int last) const {
    for (int i = 1; 2 * i + 1 <= last; ++i) {
      if (!closes(i)) return i;
    }
    if (last == 2 * job_.n - 1 && !closes(job_.n)) return job_.n;
    return std::nullopt;
  }

  // A radial side S(i), i ≥ 3, completes triangle (i − 1)/2, and S(2n − 1) also triangle n, in
  // this order. While a triangle cannot close, its values are offered again and every known
  // triangle checked again.
  void closeTrianglesCompletedBy(int i) {
    if (i < 3 || i % 2 == 0) return;
    std::optional<int> open;
    if (!closes((i - 1) / 2)) {
      open = (i - 1) / 2;
    } else if (i == 2 * job_.n - 1 && !closes(job_.n)) {
      open = job_.n;
    }
    while (open) {
      offerValuesOf(*open);
      open = firstOpenTriangle(i);
    }
  }

  void enterSide(int i) {
    showSideInstruction(i);
    enterConfirmed(job_.S[i], sideEntry(i));
    closeTrianglesCompletedBy(i);
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
