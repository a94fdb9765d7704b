#include "record/window_layout.h"

#include <array>
#include <cstddef>

namespace korvelin::layout {
namespace {

constexpr std::array kFonts{
    FontSpec{Font::T9, "宋体", 9, true},
    FontSpec{Font::T12, "宋体", 12, true},
    FontSpec{Font::S8, "MS Sans Serif", 8.25, true},
    FontSpec{Font::M8, "Microsoft Sans Serif", 8.25, true},
    FontSpec{Font::W, "MS Sans Serif", 13.5, true},
};

// fontSpec() looks a code up by its position.
constexpr bool fontsInCodeOrder() {
  for (std::size_t i = 0; i < kFonts.size(); ++i) {
    if (static_cast<std::size_t>(kFonts[i].code) != i) return false;
  }
  return true;
}
static_assert(fontsInCodeOrder());

constexpr std::array<Button, 3> kButtons{{
    {Command::Calculate,
     "Command1",
     "计 算",
     {6720, 9720, 855, 495},
     {192, 255, 192},
     Font::M8,
     76},
    {Command::End, "Command2", "结 束", {7920, 9720, 855, 495}, {192, 255, 192}, Font::M8, 77},
    {Command::Print, "Command3", "打 印", {9120, 9720, 855, 495}, {255, 192, 192}, Font::S8, 96},
}};

constexpr std::array<TextBoxSpec, 29> kTextBoxes{{
    {TextBox::Text1, {2160, 5760, 1455, 270}, Font::T9, 1},
    {TextBox::Text2, {2160, 6360, 1455, 270}, Font::T9, 2},
    {TextBox::Text3, {2160, 6960, 1455, 270}, Font::T9, 3},
    {TextBox::Text4, {2160, 7560, 1455, 270}, Font::T9, 4},
    {TextBox::Text5, {2160, 8160, 1455, 270}, Font::T9, 5},
    {TextBox::Text6, {2160, 8880, 1455, 270}, Font::T9, 6},
    {TextBox::Text7, {6360, 4560, 2895, 270}, Font::T9, 13},
    {TextBox::Text8, {11520, 6000, 1455, 270}, Font::T9, 15},
    {TextBox::Text9, {11400, 6600, 1695, 270}, Font::T9, 17},
    {TextBox::Text10, {4200, 6000, 1335, 270}, Font::T9, 20},
    {TextBox::Text11, {6120, 6000, 1335, 270}, Font::T9, 21},
    {TextBox::Text12, {8040, 6000, 1215, 270}, Font::T9, 22},
    {TextBox::Text13, {9720, 6000, 1215, 270}, Font::T9, 29},
    {TextBox::Text14, {6720, 6960, 735, 270}, Font::T9, 32},
    {TextBox::Text15, {7800, 6960, 1335, 270}, Font::T9, 33},
    {TextBox::Text16, {9480, 6960, 1335, 270}, Font::T9, 34},
    {TextBox::Text17, {4920, 6960, 1815, 270}, Font::S8, 40},
    {TextBox::Text18, {5040, 8160, 1335, 270}, Font::T9, 42},
    {TextBox::Text19, {6840, 8160, 1215, 270}, Font::T9, 43},
    {TextBox::Text20, {8520, 8160, 1335, 270}, Font::T9, 45},
    {TextBox::Text21, {10320, 8160, 1095, 270}, Font::T9, 46},
    {TextBox::Text22, {11880, 8160, 1095, 270}, Font::T9, 57},
    {TextBox::Text23, {5040, 9000, 1335, 270}, Font::T9, 44},
    {TextBox::Text24, {6840, 9000, 1215, 270}, Font::T9, 58},
    {TextBox::Text25, {8520, 9000, 1335, 270}, Font::T9, 59},
    {TextBox::Text26, {10320, 9000, 1095, 270}, Font::T9, 60},
    {TextBox::Text27, {11880, 9000, 1095, 270}, Font::T9, 61},
    {TextBox::Text28, {3840, 8160, 735, 270}, Font::T9, 72},
    {TextBox::Text29, {3840, 9000, 735, 270}, Font::T9, 73},
}};

constexpr std::array<Label, 71> kLabels{{
    {"Label1", "Korvelin", {2040, 4560, 3375, 255}, Font::T12},
    {"Label2", " 已知点A纵座标 ", {2160, 5520, 1335, 255}, Font::S8},
    {"Label3", " 已知点A横座标 ", {2160, 6120, 1455, 255}, Font::S8},
    {"Label4", " 已知点B纵座标 ", {2160, 6720, 1455, 255}, Font::S8},
    {"Label5", " 已知点B横座标 ", {2160, 7320, 1455, 255}, Font::S8},
    {"Label6", " 已知点C纵座标 ", {2160, 7920, 1455, 255}, Font::S8},
    {"Label7", " 已知点C横座标 ", {2160, 8640, 1335, 255}, Font::S8},
    {"Label8", "图形说明", {5520, 4560, 855, 255}, Font::S8},
    {"Label9", "输入边序号说明", {11520, 5760, 1455, 255}, Font::S8},
    {"Label10", "边长输入值", {11760, 6360, 1095, 255}, Font::S8},
    {"Label11", "（精度评定）", {6960, 5280, 1575, 375}, Font::T12},
    {"Label12", "中心条件闭合差", {4200, 5760, 1455, 255}, Font::M8},
    {"Label13", "固定角条件闭合差", {6000, 5760, 1575, 255}, Font::M8},
    {"Label14", "固定边条件闭合差", {7800, 5760, 1575, 255}, Font::M8},
    {"Label15", "wb1", {3840, 6000, 375, 255}, Font::S8},
    {"Label16", "wb2", {5760, 6000, 375, 255}, Font::S8},
    {"Label17", "wso", {7680, 6000, 375, 255}, Font::S8},
    {"Label18", "单位权测边中误差", {9480, 5760, 1575, 255}, Font::M8},
    {"Label19", "ms", {9480, 6000, 255, 255}, Font::S8},
    {"Label20", "点 名", {6840, 6720, 495, 255}, Font::S8},
    {"Label21", "待定点纵座标", {7920, 6720, 1215, 255}, Font::S8},
    {"Label22", "待定点横座标", {9600, 6720, 1215, 255}, Font::S8},
    {"Label23", "Xp", {7560, 6960, 255, 255}, Font::S8},
    {"Label24", "Yp", {9240, 6960, 255, 255}, Font::S8},
    {"Label25", "输入说明", {5520, 6720, 855, 255}, Font::S8},
    {"Label26", "纵座标权倒数", {5160, 7920, 1215, 255}, Font::S8},
    {"Label27", "横座标权倒数", {8640, 7920, 1215, 255}, Font::S8},
    {"Label28", "    纵座标       单位权中误差", {6840, 7680, 1215, 375}, Font::S8, Wrap::Words},
    {"Label29", "    横座标       单位权中误差", {10200, 7680, 1215, 375}, Font::S8, Wrap::Words},
    {"Label30", "   单位权   点位中误差 ", {11880, 7680, 975, 375}, Font::S8, Wrap::Words},
    {"Label31", "Px1", {4680, 8160, 375, 255}, Font::S8},
    {"Label32", "Py1", {8160, 8160, 375, 255}, Font::S8},
    {"Label33", "mx1", {6480, 8160, 375, 255}, Font::S8},
    {"Label34", "my1", {9960, 8160, 375, 255}, Font::S8},
    {"Label35", "md1", {11520, 8160, 375, 255}, Font::S8},
    {"Label36", "纵座标权倒数", {5160, 8760, 1215, 255}, Font::S8},
    {"Label37", "    纵座标       单位权中误差", {6840, 8520, 1215, 375}, Font::S8, Wrap::Words},
    {"Label38", "横座标权倒数", {8640, 8760, 1215, 255}, Font::S8},
    {"Label39", "    横座标       单位权中误差", {10200, 8520, 1215, 375}, Font::S8, Wrap::Words},
    {"Label40", "   单位权   点位中误差 ", {11880, 8520, 975, 375}, Font::S8, Wrap::Words},
    {"Label41", "Px2", {4680, 9000, 375, 255}, Font::S8},
    {"Label42", "mx2", {6480, 9000, 375, 255}, Font::S8},
    {"Label43", "Py2", {8160, 9000, 375, 255}, Font::S8},
    {"Label44", "my2", {9960, 9000, 375, 255}, Font::S8},
    {"Label45", "md2", {11520, 9000, 375, 255}, Font::S8},
    {"Label46", "点 名", {3960, 7920, 495, 255}, Font::M8},
    {"Label47", "点 名", {3960, 8760, 495, 255}, Font::M8},
    {"Label48", "A", {9960, 4200, 255, 375}, Font::W},
    {"Label49", "(Xa,Ya)", {9720, 4560, 855, 255}, Font::S8},
    {"Label50", "B", {11520, 4200, 255, 375}, Font::W},
    {"Label51", "(Xb,Yb)", {11280, 4560, 855, 255}, Font::S8},
    {"Label52", "C", {12480, 3120, 255, 375}, Font::W},
    {"Label53", "(Xc,Yc)", {12480, 3480, 855, 255}, Font::S8},
    {"Label54", "S(1)", {11160, 3840, 495, 255}, Font::S8},
    {"Label55", "S(3)", {10320, 3840, 495, 255}, Font::S8},
    {"Label56", "S(4)", {9480, 3840, 495, 255}, Font::S8},
    {"Label57", "S(5)", {9840, 3240, 495, 255}, Font::S8},
    {"Label58", "S(6)", {9480, 2760, 495, 255}, Font::S8},
    {"Label59", "S(7)", {10320, 2760, 495, 255}, Font::S8},
    {"Label60", "S(2*n-1)", {11280, 3240, 855, 255}, Font::S8},
    {"Label61", "S(2*n-2)", {11760, 2760, 855, 255}, Font::S8},
    {"Label62", "1", {10800, 3120, 135, 375}, Font::W},
    {"Label63", "2", {9120, 3120, 255, 375}, Font::W},
    {"Label64", "3", {9960, 1920, 255, 375}, Font::W},
    {"Label65", "4", {11520, 1920, 255, 375}, Font::W},
    {"Label66", "Xa", {1920, 5760, 255, 255}, Font::S8},
    {"Label67", "Ya", {1920, 6360, 255, 255}, Font::S8},
    {"Label68", "Xb", {1920, 6960, 255, 255}, Font::S8},
    {"Label69", "Yb", {1920, 7560, 255, 255}, Font::S8},
    {"Label70", "Xc", {1920, 8160, 255, 255}, Font::S8},
    {"Label71", "Yc", {1920, 8880, 255, 255}, Font::S8},
}};

constexpr std::optional<Rgb> kWindowText;
constexpr std::optional<Rgb> kRed = Rgb{255, 0, 0};
constexpr std::optional<Rgb> kBlue = Rgb{0, 0, 255};

constexpr std::array<Line, 17> kLines{{
    {"Line1", {10080, 2160}, {11640, 2160}, kWindowText, 2},
    {"Line2", {9240, 3360}, {12480, 3360}, kWindowText, 2},
    {"Line3", {10080, 4440}, {11640, 4440}, kRed, 3},
    {"Line4", {11640, 2160}, {10080, 4440}, kWindowText, 2},
    {"Line5", {10080, 2160}, {11640, 4440}, kWindowText, 2},
    {"Line6", {10080, 2160}, {9240, 3360}, kWindowText, 2},
    {"Line7", {9240, 3360}, {10080, 4440}, kWindowText, 2},
    {"Line8", {11640, 2160}, {12480, 3360}, kWindowText, 2},
    {"Line9", {12480, 3360}, {11640, 4440}, kRed, 3},
    {"Line10", {1680, 5040}, {13200, 5040}, kBlue, 3},
    {"Line11", {1680, 9480}, {13200, 9480}, kBlue, 3},
    {"Line12", {1680, 5040}, {1680, 9480}, kBlue, 3},
    {"Line13", {13200, 5040}, {13200, 9480}, kBlue, 3},
    {"Line14", {3720, 6600}, {11280, 6600}, kBlue, 3},
    {"Line15", {3720, 7440}, {13200, 7440}, kBlue, 3},
    {"Line16", {3720, 5040}, {3720, 9480}, kBlue, 3},
    {"Line17", {11280, 5040}, {11280, 7440}, kBlue, 3},
}};

}  // namespace

std::span<const FontSpec> fonts() {
  return kFonts;
}

const FontSpec& fontSpec(Font code) {
  return kFonts[static_cast<std::size_t>(code)];
}

std::span<const Button> buttons() {
  return kButtons;
}
std::span<const TextBoxSpec> textBoxes() {
  return kTextBoxes;
}
std::span<const Label> labels() {
  return kLabels;
}
Point promptPosition(int widthTwips, int heightTwips) {
  const auto centred = [](int start, int room, int size) {
    return size >= room ? start : start + (room - size) / 2;
  };
  return {centred(kPromptArea.left, kPromptArea.width, widthTwips),
          centred(kPromptArea.top, kPromptArea.height, heightTwips)};
}

std::span<const Line> lines() {
  return kLines;
}

namespace {

// Where the line that holds caption[from] may end next: past the following word and its blanks.
std::size_t nextBreak(std::u16string_view caption, std::size_t from) {
  std::size_t at = from;
  while (at < caption.size() && caption[at] == u' ') ++at;
  while (at < caption.size() && caption[at] != u' ') ++at;
  while (at < caption.size() && caption[at] == u' ') ++at;
  return at;
}

}  // namespace

std::vector<std::size_t> wordLines(std::u16string_view caption, double width,
                                   const std::function<double(std::u16string_view)>& measure) {
  const auto inked = [&](std::size_t start, std::size_t end) {
    while (end > start && caption[end - 1] == u' ') --end;
    return measure(caption.substr(start, end - start));
  };
  std::vector<std::size_t> lengths;
  for (std::size_t start = 0; start < caption.size();) {
    std::size_t end = nextBreak(caption, start);
    for (std::size_t next = end; next < caption.size(); end = next) {
      next = nextBreak(caption, end);
      if (inked(start, next) > width) break;
    }
    lengths.push_back(end - start);
    start = end;
  }
  return lengths;
}

}  // namespace korvelin::layout
