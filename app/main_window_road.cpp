// The main window's road: LandXML in and out, and the road window.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

#include "alignment_picker.h"
#include "check_dialog.h"
#include "landxml_format.h"
#include "landxml_texts.h"
#include "main_window.h"
#include "qt_file_store.h"
#include "recent_jobs.h"
#include "road_window.h"
#include "road_window_texts.h"
#include "session_files.h"

namespace capset {

bool MainWindow::ImportRoadFrom(const QString& path, const std::optional<std::string>& name, bool ask) {
  LandXmlFormat format;
  SessionFiles::AlignmentPick pick;
  if (ask) {
    pick = [this, &format](const std::vector<RoadFileAlignment>&) -> std::optional<int> {
      AlignmentPicker picker(format.File(), this);
      if (picker.exec() != QDialog::Accepted || picker.Chosen() < 0) return std::nullopt;
      return picker.Chosen();
    };
  }
  const std::optional<std::string> alignment =
      files_->ImportRoad(path.toStdString(), name, format, [this] { return SaveCurrentJob(); }, pick);
  if (!alignment) return false;
  statusBar()->showMessage(QString::fromStdString(RoadImportedText(QDir::toNativeSeparators(path).toStdString(), *alignment,
                                                                       files_->ImportedProfile())));
  return true;
}

bool MainWindow::ExportRoadTo(const QString& path) {
  // Stamped by the results log's clock: the system's, or the one a script fixes.
  const LandXmlFormat format([this] { return Session().Log().Now(); });
  if (!files_->ExportRoad(path.toStdString(), format)) return false;
  statusBar()->showMessage(QString::fromStdString(RoadExportedText(QDir::toNativeSeparators(path).toStdString())));
  return true;
}

void MainWindow::ImportRoad() {
  const QString filters = QString::fromUtf8(kLandXmlFilter) + ";;" + QString::fromUtf8(kAllFilesFilter);
  const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8(kImportRoadTitle), LastFolder(), filters);
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  ImportRoadFrom(path, std::nullopt);
}

void MainWindow::ExportRoad() {
  if (Session().WorkingRoad() == nullptr) {
    reporter_.ReportInformation(kNoRoadToExport);
    return;
  }
  QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kExportRoadTitle),
                                              QDir(LastFolder()).filePath(QString::fromUtf8(kRoadFileName)),
                                              QString::fromUtf8(kLandXmlFilter));
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  if (QFileInfo(path).suffix().isEmpty()) path += ".xml";
  ExportRoadTo(path);
}

// The job's road is part of the job a save writes, and the road the check
// placed its points on.
void MainWindow::RoadChanged() {
  if (check_ != nullptr) check_->InputChanged(CheckInput::kRoad);
  UpdateTitle();
}

void MainWindow::RowsRemoved(int, int) {
  if (roads_ != nullptr) roads_->ShowCaps();
  if (check_ != nullptr) check_->InputChanged(CheckInput::kLog);
}

RoadWindow& MainWindow::Roads() {
  if (roads_ == nullptr) {
    roads_ = new RoadWindow(Session(), reporter_, this);
    roads_->SetApplyCheck([this](const RoadInput& input) { return files_->MayApplyRoad(input); });
  }
  return *roads_;
}

void MainWindow::OpenRoadWindow() {
  RoadWindow& window = Roads();
  if (!window.isVisible()) window.LoadJobRoad();
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace capset
