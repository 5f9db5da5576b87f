// The main window's export of the bridges' points: the bridge and its
// bents chosen, then the file, then written as the session writes it.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

#include "bridge_export_dialog.h"
#include "check_dialog.h"
#include "bridge_export_texts.h"
#include "bridge_texts.h"
#include "main_window.h"
#include "recent_jobs.h"
#include "session_files.h"
#include "window_texts.h"

namespace capset {

void MainWindow::BridgesChanged() {
  if (check_ != nullptr) check_->InputChanged(CheckInput::kBridges);
  UpdateTitle();
}

void MainWindow::HeightsChanged() {
  // The caps of the log keep the heights they were made with; only the
  // bents are solved anew.
  if (check_ != nullptr && !Session().Bridges().empty()) check_->InputChanged(CheckInput::kHeights);
}

bool MainWindow::ExportBridgesTo(const QString& path, ExportFormat format, const std::string& bridge,
                                 const std::vector<std::string>& bents) {
  const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
  const std::optional<int> written = files_->ExportBridges(shownPath, format, bridge, bents);
  if (!written) return false;
  statusBar()->showMessage(QString::fromStdString(BridgeExportDoneText(*written, shownPath)));
  return true;
}

void MainWindow::OpenBridgeExport() {
  if (Session().Bridges().empty()) {
    reporter_.ReportInformation(kNoBridges);
    return;
  }
  BridgeExportDialog choose(Session().Bridges(), this);
  if (choose.exec() != QDialog::Accepted) return;
  const BridgeExportChoice choice = choose.Choice();
  const QString csvFilter = QString::fromUtf8(kCsvFilter);
  const QString datFilter = QString::fromUtf8(kDatFilter);
  const QString name = jobPath_.isEmpty() ? QString::fromUtf8(kBridgeExportFileName)
                                          : QFileInfo(jobPath_).completeBaseName() + "-bridge.csv";
  QString filter = csvFilter;
  QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kBridgeExportTitle),
                                              QDir(LastFolder()).filePath(name), csvFilter + ";;" + datFilter, &filter);
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  // A name without an ending takes the chosen filter's; the ending decides the format.
  if (QFileInfo(path).suffix().isEmpty()) path += filter == datFilter ? ".dat" : ".csv";
  const bool dat = QFileInfo(path).suffix().compare("dat", Qt::CaseInsensitive) == 0;
  ExportBridgesTo(path, dat ? ExportFormat::kDat : ExportFormat::kCsv, choice.bridge, choice.bents);
}

}  // namespace capset
