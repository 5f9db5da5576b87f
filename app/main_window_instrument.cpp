// 文件 → 导出仪器文件 GSI-16 / PNEZD: the bridges' points, or the log's,
// for a total station that reads its own formats.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

#include "instrument_export.h"
#include "instrument_texts.h"
#include "main_window.h"
#include "qt_file_store.h"
#include "recent_jobs.h"

namespace capset {

FileStore& MainWindow::Store() const { return *store_; }

bool MainWindow::ExportPointsTo(const QString& path, InstrumentFormat format, const std::string& bridge,
                                const std::vector<std::string>& bents) {
  const std::string shown = QDir::toNativeSeparators(path).toStdString();
  const std::optional<int> written = ExportInstrumentFile(Session(), *store_, reporter_, shown, format, bridge, bents);
  if (!written) return false;
  statusBar()->showMessage(QString::fromStdString(InstrumentExportDone(*written, shown)));
  return true;
}

// The file is asked for in the folder last used, named for the open job;
// a name without an ending takes the format's.
void MainWindow::OpenInstrumentExport(InstrumentFormat format) {
  const bool gsi = format == InstrumentFormat::kGsi16;
  const QString ending = gsi ? "gsi" : "csv";
  const QString base = jobPath_.isEmpty() ? QStringLiteral("points") : QFileInfo(jobPath_).completeBaseName();
  const QString title = QString::fromUtf8(gsi ? kExportGsiItem : kExportPnezdItem).remove(QStringLiteral("(&G)"))
                            .remove(QStringLiteral("(&P)")).remove(QStringLiteral("…"));
  QString path = QFileDialog::getSaveFileName(this, title, QDir(LastFolder()).filePath(base + "." + ending),
                                              QString::fromUtf8(gsi ? kGsiFilter : kPnezdFilter));
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  if (QFileInfo(path).suffix().isEmpty()) path += "." + ending;
  ExportPointsTo(path, format);
}

}  // namespace capset
