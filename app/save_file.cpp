#include "save_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include "file_texts.h"

namespace capset {

std::optional<std::string> SaveWholeFile(const QString& path, const std::string& bytes) {
  // A device or a folder is never replaced by a file: the temporary file
  // would be renamed over it (over /dev/full, say, when run as root).
  const QFileInfo existing(path);
  if (existing.exists() && !existing.isFile()) return std::string(kNotAPlainFile);
  QSaveFile file(path);
  // Unbuffered, so that a write that fails (a full disk) fails here, where
  // the temporary file is still discarded, not in a flush at commit that
  // commit would not look at.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString().toStdString();
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.commit()) return file.errorString().toStdString();
  return std::nullopt;
}

}  // namespace capset
