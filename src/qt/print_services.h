#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace korvelin {

// The print server, as far as the report needs it: libcups in the program, a stand-in in the
// tests.
class PrintSystem {
 public:
  struct DefaultDestination {
    enum Status { Found, None, Unreachable } status = None;
    std::string name;    // the destination, when found
    std::string server;  // the print server, when it cannot be reached
    std::string reason;  // the system's words, when it cannot be reached
  };
  // A job id above 0 when the destination took the job; else 0, with the system's reason.
  struct Submission {
    int jobId = 0;
    std::string reason;
  };

  virtual ~PrintSystem() = default;
  virtual DefaultDestination defaultDestination() = 0;
  virtual Submission submitPdf(const std::string& destination, const QString& path,
                               const std::string& title) = 0;
};

// The files a report passes through: a temporary PDF that is rendered, read back and checked,
// then moved onto the file the user chose or removed. The local file system in the program, a
// stand-in in the tests. A failure gives the system's reason in `error`.
class ReportFiles {
 public:
  virtual ~ReportFiles() = default;
  virtual QString temporaryFolder() const = 0;
  // A new empty file in the temporary folder; empty when none can be made.
  virtual QString createTemporaryPdf(QString& error) = 0;
  virtual std::optional<QByteArray> read(const QString& path, QString& error) = 0;
  // Moves `from` onto `to`, replacing a file there (the user has agreed to that).
  virtual bool move(const QString& from, const QString& to, QString& error) = 0;
  virtual void remove(const QString& path) = 0;
};

// The default destination of CUPS and job submission through libcups.
class CupsPrintSystem : public PrintSystem {
 public:
  DefaultDestination defaultDestination() override;
  Submission submitPdf(const std::string& destination, const QString& path,
                       const std::string& title) override;
};

// The machine's own files; the temporary folder is the system's (TMPDIR).
class LocalReportFiles : public ReportFiles {
 public:
  QString temporaryFolder() const override;
  QString createTemporaryPdf(QString& error) override;
  std::optional<QByteArray> read(const QString& path, QString& error) override;
  bool move(const QString& from, const QString& to, QString& error) override;
  void remove(const QString& path) override;
};

}  // namespace korvelin
