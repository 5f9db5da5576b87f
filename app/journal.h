#pragma once
// The day file: every log row, as it is made, is appended to a CSV file of
// its day in the user's data folder, so that nothing computed is lost when
// the program ends (End ends it at once) or the row is deleted from the log.
// The format is that of an export; a new file starts with the byte-order
// mark and the header. Rows whose columns the file's last header does not
// name (a file begun by an earlier layout, more points along the axis)
// come after a header line of their own: the file is only ever appended to. The rows of a day are numbered on from run to run:
// before its first row the log goes on from the last number in today's
// file, so a number names one row of the day.
//
// A day file that cannot be written is reported once; the log goes on, and
// later rows are still tried.

#include <QDate>
#include <QString>

#include "cap_log.h"
#include "seam.h"

namespace capset {

class Journal : public LogObserver {
 public:
  // Observes `log` from now on; `folder` is created when first needed.
  Journal(CapLog& log, QString folder, ErrorReporter& reporter);
  ~Journal() override;
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // The program's data folder: capset in the user's data folder
  // ($XDG_DATA_HOME, ~/.local/share).
  static QString DefaultFolder();
  // folder/capset-YYYY-MM-DD.csv
  QString DayFilePath(QDate day) const;
  QString DayFilePath(const LocalTime& time) const;
  const QString& Folder() const { return folder_; }

 private:
  void RowsAboutToBeAdded(int first, int last) override;
  void RowsAdded(int first, int last) override;
  // Rows put back by an undo are in the file already.
  void RowsAboutToBeRestored(int, int) override {}
  void RowsRestored(int, int) override {}
  // Appends rows `width` columns wide (with their H columns when
  // `heights`), after a header that names them when the file's last one
  // does not. Nothing on success; otherwise the reason.
  std::optional<std::string> Append(const QString& path, const std::string& rows, int width, bool heights);

  CapLog& log_;
  QString folder_;
  ErrorReporter& reporter_;
  // The file whose last header is known, and that header.
  QString headerPath_;
  std::string lastHeader_;
  bool numbered_ = false;
  bool reported_ = false;
};

}  // namespace capset
