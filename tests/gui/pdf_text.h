#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace korvelin::testing {

// The text of a PDF file as pdftotext (poppler-utils) reads it back, one entry per text line in
// reading order, page after page; empty when the file cannot be read.
QStringList pdfLines(const QString& path);

// The words of a PDF file with their boxes in points from the top left corner of their page.
struct PdfWord {
  int page;  // from 0
  QRectF box;
  QString text;
};
QList<PdfWord> pdfWords(const QString& path);

}  // namespace korvelin::testing
