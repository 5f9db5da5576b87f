#include "station_table_window.h"

#include <cmath>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app_title.h"
#include "cap_session.h"
#include "road_texts.h"
#include "station_table_fields.h"
#include "station_table_formats.h"
#include "view_guard.h"
#include "station_table_model.h"
#include "station_text.h"
#include "window_texts.h"

namespace capset {
namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

QLineEdit* Field(const char* hint) {
  auto* edit = new QLineEdit;
  edit->setPlaceholderText(Q(hint));
  return edit;
}

}  // namespace

StationTableWindow::StationTableWindow(const CapSession& session, const NumberReader& reader, Export exportTo,
                                       QWidget* parent)
    : QDialog(parent),
      session_(session),
      reader_(reader),
      export_(std::move(exportTo)),
      from_(Field(kTableStationHint)),
      to_(Field(kTableStationHint)),
      step_(new QLineEdit),
      edges_(Field(kTableEdgesHint)),
      offsets_(Field(kTableOffsetsHint)),
      status_(new QLabel),
      view_(new QTableView),
      model_(new StationTableModel(reader.DecimalSeparator(), this)) {
  setObjectName("StationTableWindow");
  setWindowTitle(WindowTitle(kStationTableTitle));
  step_->setText("20");

  auto* form = new QFormLayout;
  form->addRow(Q(kTableFromLabel), from_);
  form->addRow(Q(kTableToLabel), to_);
  form->addRow(Q(kTableStepLabel), step_);
  form->addRow(Q(kTableEdgesLabel), edges_);
  form->addRow(Q(kTableOffsetsLabel), offsets_);

  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->setMinimumSize(640, 300);
  // Columns fit a sample of rows, so a table of ten thousand opens at once.
  view_->horizontalHeader()->setResizeContentsPrecision(200);
  view_->horizontalHeader()->setStretchLastSection(true);

  auto* buttons = new QDialogButtonBox;
  make_ = buttons->addButton(Q(kTableMake), QDialogButtonBox::ActionRole);
  copy_ = buttons->addButton(Q(kTableCopy), QDialogButtonBox::ActionRole);
  exportButton_ = buttons->addButton(Q(kTableExport), QDialogButtonBox::ActionRole);
  buttons->addButton(Q(kTableClose), QDialogButtonBox::RejectRole);
  make_->setDefault(true);
  copy_->setEnabled(false);
  exportButton_->setEnabled(false);
  connect(make_, &QPushButton::clicked, this, &StationTableWindow::Make);
  connect(copy_, &QPushButton::clicked, this, &StationTableWindow::Copy);
  connect(exportButton_, &QPushButton::clicked, this, &StationTableWindow::OpenExport);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(status_);
  layout->addWidget(view_, 1);
  layout->addWidget(buttons);
  resize(760, 560);
}

void StationTableWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const Road* road = session_.WorkingRoad();
  if (road == nullptr) return;
  // To the millimetre inside the road, so both ends are stations it has.
  if (from_->text().isEmpty()) {
    from_->setText(QString::fromStdString(RoadStationText(std::ceil(road->firstStation() * 1000) / 1000)));
  }
  if (to_->text().isEmpty()) {
    to_->setText(QString::fromStdString(RoadStationText(std::floor(road->lastStation() * 1000) / 1000)));
  }
}

QString StationTableWindow::Status() const { return status_->text(); }

void StationTableWindow::Tell(const std::string& text, bool problem) {
  status_->setText(QString::fromStdString(text));
  status_->setStyleSheet(problem ? "color: #b00020;" : "");
}

void StationTableWindow::Make() {
  const StationTableFields fields{from_->text().toStdString(), to_->text().toStdString(), step_->text().toStdString(),
                                  edges_->text().toStdString(), offsets_->text().toStdString()};
  const auto request = ReadStationTableFields(fields, reader_.Symbols());
  if (const auto* reason = std::get_if<std::string>(&request)) return Tell(*reason, true);
  const StationTableRequest& r = std::get<StationTableRequest>(request);
  auto made = session_.MakeStationTable(r, from_->text().trimmed().toStdString(), to_->text().trimmed().toStdString());
  if (const auto* why = std::get_if<std::string>(&made)) return Tell(*why, true);
  model_->SetRows(std::move(std::get<std::vector<StationTableRow>>(made)));
  view_->resizeColumnsToContents();
  copy_->setEnabled(true);
  exportButton_->setEnabled(true);
  Tell(StationTableSummary(model_->Rows().size(), r.from, r.to), false);
}

void StationTableWindow::Copy() {
  std::string text;
  // Rows whose numbers cannot be written are not copied; the program goes on.
  if (!Guarded([&] { text = StationTableTsv(model_->Rows(), reader_.DecimalSeparator()); })) return;
  QApplication::clipboard()->setText(QString::fromStdString(text));
  Tell(StationTableCopiedText(model_->Rows().size()), false);
}

bool StationTableWindow::ExportTo(const QString& path) {
  const bool dat = QFileInfo(path).suffix().compare("dat", Qt::CaseInsensitive) == 0;
  if (!export_(path, dat ? ExportFormat::kDat : ExportFormat::kCsv, model_->Rows())) return false;
  Tell(StationTableExportedText(model_->Rows().size(), QDir::toNativeSeparators(path).toStdString()), false);
  return true;
}

void StationTableWindow::OpenExport() {
  const QString csv = Q(kCsvFilter), dat = Q(kDatFilter);
  QString filter = csv;
  QString path = QFileDialog::getSaveFileName(this, Q(kTableExportTitle), QDir::home().filePath(Q(kTableFileName)),
                                              csv + ";;" + dat, &filter);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += filter == dat ? ".dat" : ".csv";
  ExportTo(path);
}

}  // namespace capset
