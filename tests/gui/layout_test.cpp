// The window against the layout tables: every control's geometry, caption, font and colours
// (the buttons' flat faces), the lines as painted, the faces that stand in for the named ones,
// focus and tab order, Enter on a button, the tooltips of cut texts, Qt's texts in Chinese.
#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

#include "dialog_autopilot.h"
#include "qt/caption_label.h"
#include "qt/main_window.h"
#include "qt/qt_text.h"
#include "qt/window_fonts.h"
#include "record/window_layout.h"

using namespace korvelin;

namespace {

QRect pixels(const layout::Rect& r) {
  return {r.left / 15, r.top / 15, r.width / 15, r.height / 15};
}
QColor colour(const layout::Rgb& rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

void compareFont(const QFont& actual, layout::Font code) {
  const auto& entry = layout::fontSpec(code);
  QCOMPARE(actual.family(), qtText(entry.face));
  QCOMPARE(actual.pointSizeF(), entry.points);
  QCOMPARE(actual.bold(), entry.bold);
}

// "Label7" → 7, so that names can be checked for a complete, gapless series.
template <typename Row, typename Name>
QList<int> numbersOf(std::span<const Row> rows, const QString& prefix, Name name) {
  QList<int> numbers;
  for (const auto& row : rows) {
    const QString text = name(row);
    numbers.append(text.startsWith(prefix) ? text.mid(prefix.size()).toInt() : -1);
  }
  return numbers;
}

// Where a label's caption leaves ink when it is drawn without the clipping to the label.
QRect inkOf(const CaptionLabel& label) {
  constexpr int margin = 20;
  QImage image(label.size() + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.translate(margin, margin);
    label.drawCaption(painter);
  }
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x - margin, y - margin, 1, 1);
    }
  }
  return ink;
}

QList<int> oneTo(int count) {
  QList<int> numbers;
  for (int i = 1; i <= count; ++i) numbers.append(i);
  return numbers;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();

  void tablesNameEveryControlOnce();
  void tablesHoldWholePixelsInsideTheClientArea();
  void tablesHoldTheseRows();

  void window();
  void buttons_data();
  void buttons();
  void textBoxes_data();
  void textBoxes();
  void labels_data();
  void labels();
  void lines_data();
  void lines();

  void facesStandInWithEveryGlyph_data();
  void facesStandInWithEveryGlyph();
  void focusStartsOnText1AndTabFollowsTheTabIndices();
  void keysClickAFocusedButton_data();
  void keysClickAFocusedButton();
  void cutTextsShowWholeAsTooltips_data();
  void cutTextsShowWholeAsTooltips();
  void qtTextsInChinese();

 private:
  template <typename Widget>
  Widget* control(const QString& name) const {
    return window_->clientArea()->findChild<Widget*>(name, Qt::FindDirectChildrenOnly);
  }

  QTemporaryDir reports_;
  std::unique_ptr<MainWindow> window_;
  QImage picture_;
};

void LayoutTest::initTestCase() {
  prepareApplication();
  window_ = std::make_unique<MainWindow>(reports_.filePath(QStringLiteral("report.pdf")));
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  picture_ = window_->clientArea()->grab().toImage();
}

void LayoutTest::tablesNameEveryControlOnce() {
  QCOMPARE(numbersOf(layout::buttons(), QStringLiteral("Command"),
                     [](const auto& b) { return qtText(b.name); }),
           oneTo(3));
  QCOMPARE(numbersOf(layout::textBoxes(), QStringLiteral("Text"),
                     [](const auto& t) { return qtText(textBoxName(t.box)); }),
           oneTo(29));
  QCOMPARE(numbersOf(layout::labels(), QStringLiteral("Label"),
                     [](const auto& l) { return qtText(l.name); }),
           oneTo(71));
  QCOMPARE(numbersOf(layout::lines(), QStringLiteral("Line"),
                     [](const auto& l) { return qtText(l.name); }),
           oneTo(17));
}

// Labels may reach past the client area ("(Xc,Yc)" does, by 135 twips of blank); their ink is
// checked with the labels.
void LayoutTest::tablesHoldWholePixelsInsideTheClientArea() {
  const auto check = [](std::string_view name, const layout::Rect& r, bool inside = true) {
    for (const int twips : {r.left, r.top, r.width, r.height}) {
      QVERIFY2(twips % layout::kTwipsPerPixel == 0, name.data());
    }
    QVERIFY2(!inside || r.left + r.width <= layout::kClientWidth, name.data());
    QVERIFY2(!inside || r.top + r.height <= layout::kClientHeight, name.data());
  };
  for (const auto& b : layout::buttons()) check(b.name, b.rect);
  for (const auto& t : layout::textBoxes()) check("text box", t.rect);
  for (const auto& l : layout::labels()) check(l.name, l.rect, false);
  for (const auto& l : layout::lines()) {
    check(l.name, {std::min(l.from.x, l.to.x), std::min(l.from.y, l.to.y),
                   std::abs(l.to.x - l.from.x), std::abs(l.to.y - l.from.y)});
  }
}

// A few rows typed in again, against slips in the tables themselves.
void LayoutTest::tablesHoldTheseRows() {
  const auto& print = layout::buttons()[2];
  QCOMPARE(print.caption, std::string_view("打 印"));
  QCOMPARE(pixels(print.rect), QRect(608, 648, 57, 33));
  QVERIFY(print.back == (layout::Rgb{255, 192, 192}));
  QCOMPARE(print.tabIndex, 96);

  const auto& explanation = layout::textBoxes()[16];
  QVERIFY(explanation.box == TextBox::Text17);
  QVERIFY(explanation.font == layout::Font::S8);
  QCOMPARE(explanation.tabIndex, 40);

  const auto& wrapped = layout::labels()[27];
  QCOMPARE(wrapped.caption, std::string_view("    纵座标       单位权中误差"));
  QVERIFY(wrapped.wrap == layout::Wrap::Words);
  const auto& centre = layout::labels()[61];
  QCOMPARE(centre.caption, std::string_view("1"));
  QCOMPARE(pixels(centre.rect), QRect(720, 208, 9, 25));

  const auto& fixedSide = layout::lines()[8];
  QCOMPARE(fixedSide.name, std::string_view("Line9"));
  QVERIFY(fixedSide.colour == (layout::Rgb{255, 0, 0}));
  QCOMPARE(fixedSide.widthPixels, 3);
  QVERIFY(!layout::lines()[0].colour);

  const auto& t9 = layout::fontSpec(layout::Font::T9);
  QCOMPARE(t9.face, std::string_view("宋体"));
  QCOMPARE(t9.points, 9.0);
  QCOMPARE(layout::fontSpec(layout::Font::M8).face, std::string_view("Microsoft Sans Serif"));
  QCOMPARE(layout::fontSpec(layout::Font::W).points, 13.5);
}

// On a screen that has room for it, the window shows the whole client area, a few pixels wider
// than the layout, without scroll bars, and grows no larger.
void LayoutTest::window() {
  QCOMPARE(window_->windowTitle(), QStringLiteral("Korvelin"));
  QCOMPARE(window_->clientArea()->size(), QSize(884, 681));
  QCOMPARE(window_->size(), QSize(884, 681));
  QCOMPARE(window_->maximumSize(), QSize(884, 681));
  QCOMPARE(window_->viewport()->size(), QSize(884, 681));
  compareFont(window_->font(), layout::Font::W);
  QCOMPARE(window_->palette().color(QPalette::Window), QColor(255, 255, 192));
  QCOMPARE(picture_.pixelColor(4, 4), QColor(255, 255, 192));
}

void LayoutTest::buttons_data() {
  QTest::addColumn<int>("row");
  for (int i = 0; i < static_cast<int>(layout::buttons().size()); ++i) {
    QTest::newRow(layout::buttons()[i].name.data()) << i;
  }
}

void LayoutTest::buttons() {
  QFETCH(int, row);
  const auto& entry = layout::buttons()[row];
  auto* button = control<QPushButton>(qtText(entry.name));
  QVERIFY(button);
  QCOMPARE(button->geometry(), pixels(entry.rect));
  QCOMPARE(button->text(), qtText(entry.caption));
  compareFont(button->font(), entry.font);
  QCOMPARE(button->palette().color(QPalette::Button), colour(entry.back));
  // A flat face: the same colour in the corners inside the border and beside the caption.
  const QRect face = button->geometry().adjusted(3, 3, -4, -4);
  for (const QPoint at : {face.topLeft(), face.topRight(), face.bottomLeft(), face.bottomRight(),
                          QPoint(face.left(), face.center().y())}) {
    QCOMPARE(picture_.pixelColor(at), colour(entry.back));
  }
  QVERIFY(button->isEnabled());
  QVERIFY(button->isVisible());
}

void LayoutTest::textBoxes_data() {
  QTest::addColumn<int>("row");
  for (int i = 0; i < static_cast<int>(layout::textBoxes().size()); ++i) {
    QTest::newRow(textBoxName(layout::textBoxes()[i].box).c_str()) << i;
  }
}

void LayoutTest::textBoxes() {
  QFETCH(int, row);
  const auto& entry = layout::textBoxes()[row];
  auto* edit = control<QLineEdit>(qtText(textBoxName(entry.box)));
  QVERIFY(edit);
  QCOMPARE(edit, window_->textBox(entry.box));
  QCOMPARE(edit->geometry(), pixels(entry.rect));
  compareFont(edit->font(), entry.font);
  QVERIFY(edit->text().isEmpty());
  QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  QVERIFY(!edit->isReadOnly());
  QVERIFY(edit->isEnabled());
  for (const auto role : {QPalette::Base, QPalette::Text}) {  // the system's default colours
    QCOMPARE(edit->palette().color(role), QApplication::palette().color(role));
  }
}

void LayoutTest::labels_data() {
  QTest::addColumn<int>("row");
  for (int i = 0; i < static_cast<int>(layout::labels().size()); ++i) {
    QTest::newRow(layout::labels()[i].name.data()) << i;
  }
}

// Also that the caption's ink lies inside the label: in the faces that stand in, a caption may be
// cut by its own label or reach under its neighbour.
void LayoutTest::labels() {
  QFETCH(int, row);
  const auto& entry = layout::labels()[row];
  auto* label = control<CaptionLabel>(qtText(entry.name));
  QVERIFY(label);
  QCOMPARE(label->geometry(), pixels(entry.rect));
  QCOMPARE(label->text(), qtText(entry.caption));
  compareFont(label->font(), entry.font);
  QCOMPARE(label->wordWrap(), entry.wrap == layout::Wrap::Words);
  QVERIFY(label->frameShape() == QFrame::NoFrame);
  QVERIFY(label->autoFillBackground());
  QCOMPARE(label->palette().color(label->backgroundRole()), QColor(255, 255, 192));

  const QStringList lines = label->lines();
  QCOMPARE(lines.size(), entry.wrap == layout::Wrap::Words ? 2 : 1);
  if (lines.size() == 2) {  // broken at the blanks, not between two ideographs
    QCOMPARE(lines[0].trimmed() + QLatin1Char(' ') + lines[1].trimmed(),
             label->text().simplified());
  }
  const QRect visible = label->rect() & window_->clientArea()->rect().translated(-label->pos());
  const QRect ink = inkOf(*label);
  QVERIFY2(visible.contains(ink), qPrintable(QStringLiteral("ink %1, %2 to %3, %4")
                                                 .arg(ink.left())
                                                 .arg(ink.top())
                                                 .arg(ink.right())
                                                 .arg(ink.bottom())));
}

void LayoutTest::lines_data() {
  QTest::addColumn<int>("row");
  for (int i = 0; i < static_cast<int>(layout::lines().size()); ++i) {
    QTest::newRow(layout::lines()[i].name.data()) << i;
  }
}

// Read from the painted window at a point of the line that no control covers: the colour there,
// and for a straight horizontal or vertical line its width across.
void LayoutTest::lines() {
  QFETCH(int, row);
  const auto& entry = layout::lines()[row];
  const QColor expected =
      entry.colour ? colour(*entry.colour) : window_->palette().color(QPalette::WindowText);
  const QPointF from(entry.from.x / 15.0, entry.from.y / 15.0);
  const QPointF to(entry.to.x / 15.0, entry.to.y / 15.0);
  const auto uncovered = [&](QPoint p) {
    for (int d = -3; d <= 3; ++d) {
      if (window_->clientArea()->childAt(p + QPoint(d, d))) return false;
    }
    return true;
  };
  QPoint at(-1, -1);
  for (int step = 10; step <= 90 && at.x() < 0; ++step) {
    const QPoint p = (from + (to - from) * (step / 100.0)).toPoint();
    if (uncovered(p)) at = p;
  }
  QVERIFY2(at.x() >= 0, "every point of the line is under a control");

  const bool horizontal = entry.from.y == entry.to.y;
  const bool vertical = entry.from.x == entry.to.x;
  if (!horizontal && !vertical) {
    bool found = false;
    for (int d = -1; d <= 1 && !found; ++d)
      found = picture_.pixelColor(at + QPoint(d, 0)) == expected;
    QVERIFY2(found, qPrintable(picture_.pixelColor(at).name()));
    return;
  }
  // A pen of width w covers w pixels from w / 2 before the line, all inside the client area.
  const QPoint across = horizontal ? QPoint(0, 1) : QPoint(1, 0);
  int width = 0;
  int visible = 0;
  for (int d = -5; d <= 5; ++d) {
    const QPoint p = at + across * d;
    if (!picture_.valid(p)) continue;
    width += picture_.pixelColor(p) == expected;
    visible += d >= -entry.widthPixels / 2 && d < entry.widthPixels - entry.widthPixels / 2;
  }
  QCOMPARE(width, visible);
  QCOMPARE(visible, entry.widthPixels);
}

void LayoutTest::facesStandInWithEveryGlyph_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<QString>("latinFace");
  QTest::addColumn<QString>("chineseFace");
  const QString song = QStringLiteral("Noto Serif CJK SC");
  const QString sans = QStringLiteral("Liberation Sans");
  const QString chineseSans = QStringLiteral("Noto Sans CJK SC");
  QTest::newRow("T9") << int(layout::Font::T9) << song << song;
  QTest::newRow("T12") << int(layout::Font::T12) << song << song;
  QTest::newRow("S8") << int(layout::Font::S8) << sans << chineseSans;
  QTest::newRow("M8") << int(layout::Font::M8) << sans << chineseSans;
  QTest::newRow("W") << int(layout::Font::W) << sans << chineseSans;
}

// Every caption of the code's controls, and a text box text with ideographs, is drawn from the
// faces given, with no missing glyph.
void LayoutTest::facesStandInWithEveryGlyph() {
  QFETCH(int, code);
  QFETCH(QString, latinFace);
  QFETCH(QString, chineseFace);
  const auto font = static_cast<layout::Font>(code);
  QStringList texts{QStringLiteral("中心多边形有6个三角形 S(11) 1.59996毫米")};
  for (const auto& l : layout::labels()) {
    if (l.font == font) texts.append(qtText(l.caption));
  }
  for (const auto& b : layout::buttons()) {
    if (b.font == font) texts.append(qtText(b.caption));
  }
  QCOMPARE(QFontInfo(layoutFont(font)).family(), latinFace);
  for (const QString& text : texts) {
    QTextLayout textLayout(text, layoutFont(font));
    textLayout.beginLayout();
    textLayout.createLine();
    textLayout.endLayout();
    for (const QGlyphRun& run : textLayout.glyphRuns()) {
      const QString face = run.rawFont().familyName();
      QVERIFY2(face.compare(latinFace, Qt::CaseInsensitive) == 0 ||
                   face.compare(chineseFace, Qt::CaseInsensitive) == 0,
               qPrintable(text + QStringLiteral(": ") + face));
      const auto glyphs = run.glyphIndexes();
      QVERIFY2(!glyphs.contains(0), qPrintable(text));  // glyph 0 is the missing-glyph box
    }
  }
}

// Tab, pressed as the user presses it, visits the controls in the order of their tab indices
// and nothing else (not the scroll area), and comes round again.
void LayoutTest::focusStartsOnText1AndTabFollowsTheTabIndices() {
  QCOMPARE(window_->focusWidget(), window_->textBox(TextBox::Text1));

  std::multimap<int, QString> stops;
  for (const auto& b : layout::buttons()) stops.emplace(b.tabIndex, qtText(b.name));
  for (const auto& t : layout::textBoxes()) stops.emplace(t.tabIndex, qtText(textBoxName(t.box)));
  QStringList expected;
  for (const auto& [index, name] : stops) expected.append(name);
  expected.append(expected.first());  // and round again

  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  window_->textBox(TextBox::Text1)->setFocus();
  QStringList visited{QApplication::focusWidget()->objectName()};
  while (visited.size() < expected.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.append(QApplication::focusWidget()->objectName());
  }
  QCOMPARE(visited, expected);
  window_->textBox(TextBox::Text1)->setFocus();
}

// Enter and Return click a focused button, as Space does: Command3 before any run says that
// there is nothing to print.
void LayoutTest::keysClickAFocusedButton_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Return") << int(Qt::Key_Return);
  QTest::newRow("Enter") << int(Qt::Key_Enter);
  QTest::newRow("Space") << int(Qt::Key_Space);
}

void LayoutTest::keysClickAFocusedButton() {
  QFETCH(int, key);
  auto* print = control<QPushButton>(QStringLiteral("Command3"));
  print->setFocus();
  testing::DialogAutopilot autopilot({testing::message(QMessageBox::Information)});
  QTest::keyClick(print, static_cast<Qt::Key>(key));
  QTRY_COMPARE(autopilot.stepsLeft(), 0);
  QVERIFY(autopilot.faults().isEmpty());
  QCOMPARE(autopilot.seen().first().text, QStringLiteral("尚无完整的计算结果，无法打印报告。"));
  QCOMPARE(autopilot.seen().first().buttons, QStringList{QStringLiteral("确定")});
}

// A text that its box cuts shows whole as the box's tooltip; one that fits has none.
void LayoutTest::cutTextsShowWholeAsTooltips_data() {
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("cut");
  QTest::newRow("Text8, side instruction")
      << int(TextBox::Text8) << QStringLiteral("现在输入 S(11) 边长") << true;
  QTest::newRow("Text8, short") << int(TextBox::Text8) << QStringLiteral("S(3)") << false;
  QTest::newRow("Text29, four characters")
      << int(TextBox::Text29) << QStringLiteral(" 王家大院") << true;
  QTest::newRow("Text29, two characters")
      << int(TextBox::Text29) << QStringLiteral(" 李村") << false;
  QTest::newRow("Text1, coordinate") << int(TextBox::Text1) << QStringLiteral(" 4738.974") << false;
}

void LayoutTest::cutTextsShowWholeAsTooltips() {
  QFETCH(int, box);
  QFETCH(QString, text);
  QFETCH(bool, cut);
  const auto textBox = static_cast<TextBox>(box);
  QLineEdit* edit = window_->textBox(textBox);
  window_->setText(textBox, "a much longer text than any box can show, 现在输入 S(11) 边长");
  window_->setText(textBox, utf8Text(text));
  QCOMPARE(edit->toolTip(), cut ? text : QString());
  // Where there is a tooltip, the box shows less than its text.
  QCOMPARE(edit->fontMetrics().horizontalAdvance(text) > edit->width() - 6, cut);
  window_->setText(textBox, "");
}

// Qt's own buttons and questions, the file dialog's among them, read in Chinese.
void LayoutTest::qtTextsInChinese() {
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("确定"));
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
  QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes").startsWith(QStringLiteral("是")));
  QVERIFY(QCoreApplication::translate("QPlatformTheme", "&No").startsWith(QStringLiteral("否")));
  const char* overwrite = "%1 already exists.\nDo you want to replace it?";
  QVERIFY(QCoreApplication::translate("QFileDialog", overwrite) != QLatin1String(overwrite));
  QVERIFY(QCoreApplication::translate("QFileDialog", "Save As") != QLatin1String("Save As"));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
