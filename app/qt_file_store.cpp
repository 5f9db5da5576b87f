#include "qt_file_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "file_texts.h"

namespace capset {

std::variant<std::string, FileFailure> QtFileStore::Read(const std::string& path, std::size_t most) {
  // A folder, a device or a pipe is not read at all: /dev/zero would read
  // without end, a pipe would wait for a writer.
  const QString name = QString::fromStdString(path);
  const QFileInfo info(name);
  if (info.exists() && !info.isFile()) return FileFailure{info.isDir() ? kIsAFolder : kNotAPlainFile};
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return FileFailure{file.errorString().toStdString()};
  return file.read(static_cast<qint64>(most) + 1).toStdString();
}

std::optional<FileFailure> QtFileStore::WriteWhole(const std::string& path, const std::string& bytes) {
  // A device or a folder is never replaced by a file: the temporary file
  // would be renamed over it (over /dev/full, say, when run as root).
  const QString name = QString::fromStdString(path);
  const QFileInfo existing(name);
  if (existing.exists() && !existing.isFile()) return FileFailure{kNotAPlainFile};
  QSaveFile file(name);
  // Unbuffered, so that a write that fails (a full disk) fails here, where
  // the temporary file is still discarded, not in a flush at commit that
  // commit would not look at.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return FileFailure{file.errorString().toStdString()};
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.commit()) return FileFailure{file.errorString().toStdString()};
  return std::nullopt;
}

}  // namespace capset
