#include "qt/print_services.h"

#include <cups/cups.h>

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <memory>

#include "qt/qt_text.h"

namespace korvelin {
namespace {

struct HttpClose {
  void operator()(http_t* http) const { httpClose(http); }
};
struct DestFree {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};

}  // namespace

// The server first, so that a server that is down is told as such: without it libcups only
// says that there is no default destination.
PrintSystem::DefaultDestination CupsPrintSystem::defaultDestination() {
  const std::unique_ptr<http_t, HttpClose> http(httpConnect2(
      cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr));
  if (!http) return {DefaultDestination::Unreachable, {}, cupsServer(), cupsLastErrorString()};
  const std::unique_ptr<cups_dest_t, DestFree> dest(cupsGetNamedDest(http.get(), nullptr, nullptr));
  if (!dest) return {DefaultDestination::None, {}, {}, {}};
  return {DefaultDestination::Found, dest->name, {}, {}};
}

PrintSystem::Submission CupsPrintSystem::submitPdf(const std::string& destination,
                                                   const QString& path, const std::string& title) {
  const QByteArray file = QFile::encodeName(path);
  const int job = cupsPrintFile(destination.c_str(), file.constData(), title.c_str(), 0, nullptr);
  if (job > 0) return {job, {}};
  return {0, cupsLastErrorString()};
}

QString LocalReportFiles::temporaryFolder() const {
  return QDir::tempPath();
}

QString LocalReportFiles::createTemporaryPdf(QString& error) {
  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/korvelin-XXXXXX.pdf"));
  file.setAutoRemove(false);
  if (!file.open()) {
    error = file.errorString();
    return {};
  }
  return file.fileName();
}

std::optional<QByteArray> LocalReportFiles::read(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return std::nullopt;
  }
  return file.readAll();
}

// A rename where both lie on one file system, else a copy (QFile::rename falls back to one).
bool LocalReportFiles::move(const QString& from, const QString& to, QString& error) {
  QFile target(to);
  if (target.exists() && !target.remove()) {
    error = target.errorString();
    return false;
  }
  QFile file(from);
  if (file.rename(to)) return true;
  error = file.errorString();
  return false;
}

void LocalReportFiles::remove(const QString& path) {
  QFile::remove(path);
}

}  // namespace korvelin
