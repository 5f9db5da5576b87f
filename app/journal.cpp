#include "journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "app_title.h"
#include "day_file.h"
#include "log_row.h"
#include "export_formats.h"
#include "file_texts.h"

namespace capset {

Journal::Journal(CapLog& log, QString folder, ErrorReporter& reporter)
    : log_(log), folder_(std::move(folder)), reporter_(reporter) {
  log_.AddObserver(this);
}

Journal::~Journal() { log_.RemoveObserver(this); }

// The user's data folder and the program's name in it, as ~/.local/share/capset:
// not the application's own location, which would follow the organisation
// and application names.
QString Journal::DefaultFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return data.isEmpty() ? QString() : QDir(data).filePath(QString::fromUtf8(kProgramName));
}

QString Journal::DayFilePath(QDate day) const {
  return QDir(folder_).filePath(QStringLiteral("capset-%1.csv").arg(day.toString(Qt::ISODate)));
}

QString Journal::DayFilePath(const LocalTime& time) const {
  return QDir(folder_).filePath(QStringLiteral("capset-%1.csv").arg(QString::fromStdString(DateText(time))));
}

// Read once, before the first row of this run is numbered. A file that
// cannot be read, or holds no row of ours, gives no number: the log then
// numbers from 1 as before, and the rows are appended all the same.
void Journal::RowsAboutToBeAdded(int, int) {
  if (numbered_) return;
  numbered_ = true;
  QFile file(DayFilePath(log_.Now()));
  if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) return;
  const qint64 size = file.size();
  const bool whole = size <= static_cast<qint64>(kDayFileTailBytes);
  if (!whole && !file.seek(size - static_cast<qint64>(kDayFileTailBytes))) return;
  const QByteArray tail = file.read(static_cast<qint64>(kDayFileTailBytes));
  log_.NumberFrom(LastRowNumber(std::string_view(tail.constData(), static_cast<std::size_t>(tail.size())), whole) + 1);
}

void Journal::RowsAdded(int first, int last) {
  std::string rows;
  int width = 0;
  for (int row = first; row <= last; ++row) {
    rows += CsvLine(log_.At(row));
    width = std::max(width, RowWidth(log_.At(row)));
  }
  // The rows of one change are made at one time, so they share a day, and
  // with one profile or none, so they all carry heights or none do.
  const QString path = DayFilePath(log_.At(first).made);
  const bool heights = log_.At(first).heights.has_value();
  const std::optional<std::string> failure = Append(path, rows, DayFileWidth(width), heights);
  if (failure && !reported_) {
    reported_ = true;
    reporter_.ReportError(JournalFailedMessage(QDir::toNativeSeparators(path).toStdString(), *failure));
  }
}

std::optional<std::string> Journal::Append(const QString& path, const std::string& rows, int width, bool heights) {
  if (folder_.isEmpty() || !QDir().mkpath(folder_)) return std::string(kNoDataFolder);
  QFile file(path);
  // Unbuffered: a failed write leaves nothing waiting in a buffer, so the
  // file can be cut back to where it was.
  if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
    return file.errorString().toStdString();
  }
  const qint64 oldSize = file.size();
  std::string bytes, header;
  if (oldSize == 0) {
    header = CsvHeaderLine(width, heights);
    bytes = std::string(kUtf8Bom) + header;
  } else {
    // A line cut short (the program killed as it wrote) gets its own end,
    // so the rows after it stay rows.
    char last = '\n';
    if (file.seek(oldSize - 1)) file.getChar(&last);
    if (last != '\n') bytes = "\r\n";
    // The header the file's last rows stand under, read once a run (the
    // file may have been begun by an earlier version of the program).
    if (headerPath_ != path) {
      headerPath_ = path;
      lastHeader_.clear();
      if (!file.isSequential() && file.seek(0)) {
        const QByteArray whole = file.readAll();
        lastHeader_ = LastHeaderLine(std::string_view(whole.constData(), static_cast<std::size_t>(whole.size())));
      }
    }
    header = HeaderBefore(lastHeader_, width, heights);
    bytes += header;
  }
  bytes += rows;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) == size) {
    headerPath_ = path;
    if (!header.empty()) lastHeader_ = header.substr(0, header.size() - 2);
    return std::nullopt;
  }
  // What part of the rows got written goes again, so the file ends on a
  // whole row.
  const std::string reason = file.errorString().toStdString();
  file.resize(oldSize);
  return reason;
}

}  // namespace capset
