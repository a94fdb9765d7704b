#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace korvelin::testing {
namespace {

QString pdftotext(const QStringList& options, const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
  if (!process.waitForFinished() || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

QStringList pdfLines(const QString& path) {
  QString text = pdftotext({QStringLiteral("-layout")}, path);
  text.remove(QLatin1Char('\f'));
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QList<PdfWord> pdfWords(const QString& path) {
  static const QRegularExpression tag(QStringLiteral(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  QList<PdfWord> words;
  int page = -1;
  const QString html = pdftotext({QStringLiteral("-bbox")}, path);
  for (auto it = tag.globalMatch(html); it.hasNext();) {
    const auto match = it.next();
    if (match.captured(1).isEmpty()) {
      ++page;
      continue;
    }
    const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
    const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
    words.append({page, QRectF(topLeft, bottomRight),
                  QTextDocumentFragment::fromHtml(match.captured(5)).toPlainText()});
  }
  return words;
}

}  // namespace korvelin::testing
