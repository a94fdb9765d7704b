#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStringList>
#include <optional>
#include <string>

#include "qt/print_services.h"

namespace korvelin::testing {

// The print system as a test sets it up: a default destination, none, or a server that cannot
// be reached; a destination that takes jobs, keeping the PDF of each, or refuses them.
class StandInPrintSystem : public PrintSystem {
 public:
  DefaultDestination destination{DefaultDestination::Found, "Stand-in", {}, {}};
  std::string refusal;  // when set, every job is refused with it
  QList<QByteArray> jobs;

  DefaultDestination defaultDestination() override { return destination; }
  Submission submitPdf(const std::string&, const QString& path, const std::string&) override {
    if (!refusal.empty()) return {0, refusal};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {0, "unreadable"};
    jobs.append(file.readAll());
    return {static_cast<int>(jobs.size()), {}};
  }
};

// The machine's files, with the failures of a full disk or temporary folder: no temporary file,
// a PDF that reads back cut short, a move that fails. Keeps the temporary files it made.
class StandInFiles : public LocalReportFiles {
 public:
  QString temporaryFailure;        // when set, no temporary file is made
  std::optional<qsizetype> cutAt;  // the PDF reads back as its first bytes only
  QString moveFailure;             // when set, the move fails
  QStringList temporaries;

  QString createTemporaryPdf(QString& error) override {
    if (!temporaryFailure.isEmpty()) {
      error = temporaryFailure;
      return {};
    }
    const QString path = LocalReportFiles::createTemporaryPdf(error);
    temporaries.append(path);
    return path;
  }
  std::optional<QByteArray> read(const QString& path, QString& error) override {
    auto bytes = LocalReportFiles::read(path, error);
    if (bytes && cutAt) bytes->truncate(*cutAt);
    return bytes;
  }
  bool move(const QString& from, const QString& to, QString& error) override {
    if (moveFailure.isEmpty()) return LocalReportFiles::move(from, to, error);
    error = moveFailure;
    return false;
  }
};

}  // namespace korvelin::testing
