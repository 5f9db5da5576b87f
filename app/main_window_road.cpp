// The main window's road: LandXML in and out, and the road window.

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

#include "alignment_picker.h"
#include "landxml_read.h"
#include "landxml_texts.h"
#include "landxml_write.h"
#include "main_window.h"
#include "qt_file_store.h"
#include "recent_jobs.h"
#include "road_window.h"
#include "road_window_texts.h"

namespace capset {

bool MainWindow::ImportRoadFrom(const QString& path, const std::optional<std::string>& name, bool ask) {
  const std::string file = FileNameOf(path.toStdString());
  auto refuse = [this, &file](const LandXmlProblem& problem) {
    reporter_.ReportError(LandXmlRefusedMessage(file, problem));
    return false;
  };
  const auto read = ReadLandXmlFile(path);
  if (const auto* p = std::get_if<LandXmlProblem>(&read)) return refuse(*p);
  const LandXmlFile& landxml = std::get<LandXmlFile>(read);
  std::variant<RoadInput, LandXmlProblem> chosen = LandXmlProblem{LandXmlFault::kNoAlignment};
  std::string alignment = name.value_or("");
  if (!name && ask && landxml.alignments.size() > 1) {
    AlignmentPicker picker(landxml, this);
    if (picker.exec() != QDialog::Accepted || picker.Chosen() < 0) return false;
    const LandXmlAlignment& picked = landxml.alignments[picker.Chosen()];
    alignment = picked.name;
    chosen = AlignmentRoad(picked);
  } else {
    chosen = ChooseAlignment(landxml, name);
    if (!name && landxml.alignments.size() == 1) alignment = landxml.alignments.front().name;
  }
  if (const auto* p = std::get_if<LandXmlProblem>(&chosen)) return refuse(*p);
  if (const auto problem = Session().SetRoad(std::get<RoadInput>(chosen))) {
    // The reader builds the road before it hands it over; this is a last guard.
    return refuse({LandXmlFault::kRoad, "", 0, {}, {}, {}, 0, *problem});
  }
  // A file in feet was converted as it was read; the user is told so, as
  // a surveyor checks the unit of every file from outside.
  if (landxml.metresPerUnit != 1) {
    reporter_.ReportNotice(LandXmlUnitNotice(file, landxml.linearUnit, landxml.metresPerUnit == kUSSurveyFoot));
  }
  statusBar()->showMessage(QString::fromStdString(RoadImportedText(QDir::toNativeSeparators(path).toStdString(), alignment)));
  return true;
}

bool MainWindow::ExportRoadTo(const QString& path) {
  const Road* road = Session().WorkingRoad();
  if (road == nullptr) {
    reporter_.ReportInformation(kNoRoadToExport);
    return false;
  }
  std::vector<StationEquation> equations;
  if (Session().JobRoad() != nullptr && Session().RoadSource()) {
    equations = std::visit([](const auto& in) { return in.equations; }, *Session().RoadSource());
  }
  const QDateTime now = QDateTime::currentDateTime();
  const std::string bytes = WriteLandXml(*road, equations, kRoadName, now.toString(Qt::ISODate).left(10).toStdString(),
                                         now.time().toString(QStringLiteral("HH:mm:ss")).toStdString());
  if (const auto failure = store_->WriteWhole(path.toStdString(), bytes)) {
    reporter_.ReportError(LandXmlUnwritableMessage(FileNameOf(path.toStdString()), failure->reason));
    return false;
  }
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

void MainWindow::RowsRemoved(int, int) {
  if (roads_ != nullptr) roads_->ShowCaps();
}

RoadWindow& MainWindow::Roads() {
  if (roads_ == nullptr) roads_ = new RoadWindow(Session(), reporter_, this);
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
