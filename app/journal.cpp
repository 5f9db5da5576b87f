#include "journal.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "export_formats.h"
#include "file_texts.h"

namespace capset {

Journal::Journal(CapLog& log, QString folder, ErrorReporter& reporter)
    : log_(log), folder_(std::move(folder)), reporter_(reporter) {
  log_.AddObserver(this);
}

Journal::~Journal() { log_.RemoveObserver(this); }

QString Journal::DefaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString Journal::DayFilePath(QDate day) const {
  return QDir(folder_).filePath(QStringLiteral("capset-%1.csv").arg(day.toString(Qt::ISODate)));
}

void Journal::RowsAdded(int first, int last) {
  std::string rows;
  for (int row = first; row <= last; ++row) rows += CsvLine(log_.At(row));
  const QString path = DayFilePath(QDate::currentDate());
  const std::optional<std::string> failure = Append(path, rows);
  if (failure && !reported_) {
    reported_ = true;
    reporter_.ReportError(JournalFailedMessage(QDir::toNativeSeparators(path).toStdString(), *failure));
  }
}

std::optional<std::string> Journal::Append(const QString& path, const std::string& rows) {
  if (folder_.isEmpty() || !QDir().mkpath(folder_)) return std::string(kNoDataFolder);
  QFile file(path);
  // Unbuffered: a failed write leaves nothing waiting in a buffer, so the
  // file can be cut back to where it was.
  if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
    return file.errorString().toStdString();
  }
  const qint64 oldSize = file.size();
  std::string bytes;
  if (oldSize == 0) {
    bytes = std::string(kUtf8Bom) + CsvHeaderLine();
  } else {
    // A line cut short (the program killed as it wrote) gets its own end,
    // so the rows after it stay rows.
    char last = '\n';
    if (file.seek(oldSize - 1)) file.getChar(&last);
    if (last != '\n') bytes = "\r\n";
  }
  bytes += rows;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) == size) return std::nullopt;
  // What part of the rows got written goes again, so the file ends on a
  // whole row.
  const std::string reason = file.errorString().toStdString();
  file.resize(oldSize);
  return reason;
}

}  // namespace capset
