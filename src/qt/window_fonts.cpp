#include "qt/window_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>

#include "qt/qt_text.h"

namespace korvelin {
namespace {

// The face the generic system font resolves to. "Sans Serif" itself is an alias of fontconfig,
// not a face, and as a substitute it would be passed over.
QString systemSansFace() {
  return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
}

// Qt tries a face itself before its substitutes, so a machine that has the face keeps it; no
// look-up in the font database here, which would enumerate every installed face at start-up.
void substitute(const QString& face, const QStringList& installed) {
  QFont::insertSubstitutions(face, installed);
}

}  // namespace

void installFontSubstitutions() {
  const QStringList song{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                         QStringLiteral("AR PL SungtiL GB")};
  const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                         systemSansFace(), QStringLiteral("Noto Sans CJK SC"),
                         QStringLiteral("Source Han Sans SC")};
  substitute(QStringLiteral("宋体"), song);
  substitute(QStringLiteral("MS Sans Serif"), sans);
  substitute(QStringLiteral("Microsoft Sans Serif"), sans);
}

QFont layoutFont(layout::Font code) {
  const auto& row = layout::fontSpec(code);
  QFont font(qtText(row.face));
  font.setPointSizeF(row.points);
  font.setBold(row.bold);
  return font;
}

}  // namespace korvelin
