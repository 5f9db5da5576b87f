#include "instrument_station_dialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "angle_text.h"
#include "app_title.h"
#include "bridge_export.h"
#include "log_export_points.h"
#include "look.h"
#include "number_text.h"
#include "polar_input.h"
#include "polar_table.h"
#include "polar_texts.h"
#include "recent_jobs.h"
#include "teardown.h"
#include "view_guard.h"
#include "window_texts.h"

namespace capset {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QLineEdit* edit) { return edit->text().trimmed().toStdString(); }

QLineEdit* Field(const char* name, int width = 130) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setMinimumWidth(width);
  return edit;
}

}  // namespace

void PolarTableModel::SetRows(std::vector<PolarRow> rows, bool heights) {
  rows_ = std::move(rows);
  heights_ = heights;
  // A point whose numbers cannot be written keeps its name.
  SetCells(
      PolarHeadings(heights), rows_.size(), [&](std::size_t i) { return PolarCells(rows_[i], heights_, sep_); },
      [&](std::size_t i) { return rows_[i].point.name; });
}

InstrumentStationDialog::InstrumentStationDialog(CapSession& session, FileStore& store, ErrorReporter& reporter,
                                                 const NumberReader& reader, QWidget* parent)
    : QDialog(parent),
      session_(session),
      store_(store),
      reporter_(reporter),
      reader_(reader),
      stationName_(Field("StationName", 100)),
      stationX_(Field("StationX")),
      stationY_(Field("StationY")),
      stationH_(Field("StationH", 90)),
      stationHI_(Field("StationHI", 70)),
      stationPick_(new QComboBox),
      byPoint_(new QRadioButton(QString::fromUtf8(kBacksightByPoint))),
      byAzimuth_(new QRadioButton(QString::fromUtf8(kBacksightByAzimuth))),
      backName_(Field("BacksightName", 100)),
      backX_(Field("BacksightX")),
      backY_(Field("BacksightY")),
      backAzimuth_(Field("BacksightAzimuth", 110)),
      backPick_(new QComboBox),
      check_(new QLabel),
      table_(new QTableView),
      model_(new PolarTableModel(reader.DecimalSeparator(), this)) {
  setObjectName("InstrumentStationDialog");
  setWindowTitle(WindowTitle(kInstrumentStationTitle));
  setFont(PlainFont(12));

  stationPick_->setObjectName("StationPick");
  backPick_->setObjectName("BacksightPick");
  byPoint_->setObjectName("BacksightByPoint");
  byAzimuth_->setObjectName("BacksightByAzimuth");
  auto* mode = new QButtonGroup(this);
  mode->addButton(byPoint_);
  mode->addButton(byAzimuth_);
  byPoint_->setChecked(true);

  auto* station = new QGroupBox(QString::fromUtf8(kStationGroup));
  auto* sGrid = new QGridLayout(station);
  sGrid->addWidget(new QLabel(QString::fromUtf8(kPointNameLabel)), 0, 0);
  sGrid->addWidget(stationName_, 0, 1);
  sGrid->addWidget(stationPick_, 0, 2, 1, 2);
  sGrid->addWidget(new QLabel("X"), 1, 0);
  sGrid->addWidget(stationX_, 1, 1);
  sGrid->addWidget(new QLabel("Y"), 1, 2);
  sGrid->addWidget(stationY_, 1, 3);
  sGrid->addWidget(new QLabel(QString::fromUtf8(kMarkHeightLabel)), 2, 0);
  sGrid->addWidget(stationH_, 2, 1);
  sGrid->addWidget(new QLabel(QString::fromUtf8(kInstrumentHeightLabel)), 2, 2);
  sGrid->addWidget(stationHI_, 2, 3);
  auto* hint = new QLabel(QString::fromUtf8(kPolarHeightsHint));
  hint->setEnabled(false);
  sGrid->addWidget(hint, 3, 0, 1, 4);

  auto* backsight = new QGroupBox(QString::fromUtf8(kBacksightGroup));
  auto* bGrid = new QGridLayout(backsight);
  bGrid->addWidget(byPoint_, 0, 0, 1, 2);
  bGrid->addWidget(new QLabel(QString::fromUtf8(kPointNameLabel)), 1, 0);
  bGrid->addWidget(backName_, 1, 1);
  bGrid->addWidget(backPick_, 1, 2, 1, 2);
  bGrid->addWidget(new QLabel("X"), 2, 0);
  bGrid->addWidget(backX_, 2, 1);
  bGrid->addWidget(new QLabel("Y"), 2, 2);
  bGrid->addWidget(backY_, 2, 3);
  bGrid->addWidget(byAzimuth_, 3, 0, 1, 2);
  bGrid->addWidget(backAzimuth_, 3, 2, 1, 2);

  auto* set = new QPushButton(QString::fromUtf8(kSetPolarButton));
  set->setObjectName("SetPolar");
  set->setDefault(true);
  auto* clear = new QPushButton(QString::fromUtf8(kClearPolarButton));
  clear->setObjectName("ClearPolar");
  auto* copy = new QPushButton(QString::fromUtf8(kCopyItem));
  copy->setObjectName("CopyPolar");
  connect(set, &QPushButton::clicked, this, &InstrumentStationDialog::Apply);
  connect(clear, &QPushButton::clicked, this, &InstrumentStationDialog::Clear);
  connect(copy, &QPushButton::clicked, this, &InstrumentStationDialog::Copy);
  auto* exportCsv = new QPushButton(QString::fromUtf8(kExportPolarButton));
  exportCsv->setObjectName("ExportPolar");
  connect(exportCsv, &QPushButton::clicked, this, &InstrumentStationDialog::OpenExport);
  connect(byPoint_, &QRadioButton::toggled, this, &InstrumentStationDialog::ShowMode);
  connect(stationPick_, &QComboBox::activated, this,
          [this] { Pick(stationPick_, stationName_, stationX_, stationY_); });
  connect(backPick_, &QComboBox::activated, this, [this] { Pick(backPick_, backName_, backX_, backY_); });

  check_->setObjectName("BacksightCheck");
  check_->setWordWrap(true);
  table_->setObjectName("PolarTable");
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setMinimumSize(560, 200);
  auto* copyKey = new QAction(this);
  copyKey->setShortcut(QKeySequence::Copy);
  copyKey->setShortcutContext(Qt::WidgetShortcut);
  table_->addAction(copyKey);
  connect(copyKey, &QAction::triggered, this, &InstrumentStationDialog::Copy);

  auto* groups = new QHBoxLayout;
  groups->addWidget(station);
  groups->addWidget(backsight);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(set);
  buttons->addWidget(clear);
  buttons->addStretch(1);
  buttons->addWidget(copy);
  buttons->addWidget(exportCsv);
  auto* data = new QGroupBox(QString::fromUtf8(kPolarDataGroup));
  auto* dataLayout = new QVBoxLayout(data);
  dataLayout->addWidget(check_);
  dataLayout->addWidget(table_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);
  layout->addWidget(data, 1);

  session_.AddObserver(this);
  Load();
  ShowMode();
  Refresh();
}

InstrumentStationDialog::~InstrumentStationDialog() {
  session_.RemoveObserver(this);
  TearDownViewsFirst(this);
}

void InstrumentStationDialog::showEvent(QShowEvent* event) {
  ListBridgePoints(stationPick_);
  ListBridgePoints(backPick_);
  // The log's caps may have changed while the dialog was closed.
  Refresh();
  QDialog::showEvent(event);
}

void InstrumentStationDialog::ShowMode() {
  const bool point = byPoint_->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{backName_, backX_, backY_, backPick_}) w->setEnabled(point);
  backAzimuth_->setEnabled(!point);
}

void InstrumentStationDialog::Load() {
  const std::string sep = reader_.DecimalSeparator();
  const auto& station = session_.Station();
  stationName_->setText(station ? Q(station->name) : QString());
  stationX_->setText(station ? Q(NumberText(station->xy.X, sep)) : QString());
  stationY_->setText(station ? Q(NumberText(station->xy.Y, sep)) : QString());
  const bool h = station && station->height;
  stationH_->setText(h ? Q(NumberText(*station->height, sep)) : QString());
  stationHI_->setText(h ? Q(NumberText(station->instrumentHeight, sep)) : QString());
  const auto& back = session_.StationBacksight();
  const bool point = !back || back->point;
  (point ? byPoint_ : byAzimuth_)->setChecked(true);
  backName_->setText(back && back->point ? Q(back->name) : QString());
  backX_->setText(back && back->point ? Q(NumberText(back->point->X, sep)) : QString());
  backY_->setText(back && back->point ? Q(NumberText(back->point->Y, sep)) : QString());
  backAzimuth_->setText(back && !back->point ? Q(PackedAngleText(back->azimuth, sep)) : QString());
}

bool InstrumentStationDialog::Apply() {
  const NumberSymbols symbols = reader_.Symbols();
  std::optional<InstrumentStation> station;
  const StationFields sf{S(stationName_), S(stationX_), S(stationY_), S(stationH_), S(stationHI_)};
  if (!(sf.name.empty() && sf.X.empty() && sf.Y.empty() && sf.H.empty() && sf.HI.empty())) {
    auto read = ReadStationFields(sf, symbols, session_);
    if (auto* why = std::get_if<std::string>(&read)) {
      reporter_.ReportError(std::string(kStationWord) + "：" + *why);
      return false;
    }
    station = std::get<InstrumentStation>(read);
  }
  std::optional<Backsight> backsight;
  const BacksightFields bf = byPoint_->isChecked() ? BacksightFields{S(backName_), S(backX_), S(backY_), ""}
                                                   : BacksightFields{"", "", "", S(backAzimuth_)};
  if (!(bf.name.empty() && bf.X.empty() && bf.Y.empty() && bf.azimuth.empty())) {
    auto read = ReadBacksightFields(bf, symbols, session_);
    if (auto* why = std::get_if<std::string>(&read)) {
      reporter_.ReportError(std::string(kBacksightWord) + "：" + *why);
      return false;
    }
    backsight = std::get<Backsight>(read);
  }
  if (station && backsight && !ReadBacksight(*station, *backsight)) {
    reporter_.ReportError(BacksightOnStationText(backsight->name, station->name));
    return false;
  }
  session_.ReplacePolar(station, backsight);
  return true;
}

void InstrumentStationDialog::Clear() {
  session_.ReplacePolar(std::nullopt, std::nullopt);
  Load();
}

void InstrumentStationDialog::Refresh() {
  const auto& station = session_.Station();
  const auto& back = session_.StationBacksight();
  std::optional<BacksightReading> b;
  if (station && back) b = ReadBacksight(*station, *back);
  if (!b) {
    check_->setText(QString::fromUtf8(station && back ? "" : kPolarNotSet));
    model_->SetRows({}, false);
    return;
  }
  const std::string sep = reader_.DecimalSeparator();
  std::string text = BacksightCheckText(back->name, AzimuthText(b->azimuth, sep),
                                        b->distance ? FixedText(*b->distance, 3, sep) : "");
  std::vector<PolarRow> rows;
  // Bridges without a road have no points yet: the table stays empty.
  if (const auto list = session_.PolarPoints(""); list && (session_.Bridges().empty() || session_.WorkingRoad())) {
    rows = PolarRows(*station, b->azimuth, list->points);
    for (const auto& [bridge, bent] : list->unsolved) text += "\n" + BentWithoutPolarText(bridge, bent);
  }
  text = PolarSummaryText(station->name, static_cast<int>(rows.size())) + text;
  check_->setText(Q(text));
  model_->SetRows(std::move(rows), station->height.has_value());
  table_->resizeColumnsToContents();
}

void InstrumentStationDialog::ListBridgePoints(QComboBox* box) {
  box->clear();
  box->addItem(QString::fromUtf8(kPickBridgePoint));
  if (session_.WorkingRoad() == nullptr) return;
  for (const Bridge& bridge : session_.Bridges()) {
    const auto solution = session_.SolveBridgeNow(bridge);
    if (!solution) continue;
    for (const ExportPoint& p : BridgeExportPoints(bridge, *solution)) box->addItem(Q(p.name));
  }
}

void InstrumentStationDialog::Pick(QComboBox* box, QLineEdit* name, QLineEdit* x, QLineEdit* y) {
  if (box->currentIndex() <= 0) return;
  const std::string picked = box->currentText().toStdString();
  box->setCurrentIndex(0);
  const auto found = session_.BridgePointNamed(picked);
  if (const auto* why = std::get_if<std::string>(&found)) {
    reporter_.ReportError(*why);
    return;
  }
  const ExportPoint& p = std::get<ExportPoint>(found);
  const std::string sep = reader_.DecimalSeparator();
  name->setText(Q(p.name));
  x->setText(Q(NumberText(p.xy.X, sep)));
  y->setText(Q(NumberText(p.xy.Y, sep)));
}

std::string InstrumentStationDialog::CopyText() const {
  return PolarTsv(model_->Rows(), model_->Heights(), reader_.DecimalSeparator());
}

void InstrumentStationDialog::Copy() { QGuiApplication::clipboard()->setText(Q(CopyText())); }

bool InstrumentStationDialog::ExportTo(const QString& path) {
  if (model_->Rows().empty()) {
    reporter_.ReportInformation(kNothingToExportPolar);
    return false;
  }
  const std::string shown = QDir::toNativeSeparators(path).toStdString();
  if (const auto failure = store_.WriteWhole(path.toStdString(), PolarCsv(model_->Rows(), model_->Heights()))) {
    reporter_.ReportError(PolarExportFailedText(shown, failure->reason));
    return false;
  }
  check_->setText(check_->text() + "\n" + Q(PolarExportedText(static_cast<int>(model_->Rows().size()), shown)));
  return true;
}

void InstrumentStationDialog::OpenExport() {
  if (model_->Rows().empty()) {
    reporter_.ReportInformation(kNothingToExportPolar);
    return;
  }
  QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kInstrumentStationTitle),
                                              QDir(LastFolder()).filePath(QString::fromUtf8(kPolarExportName)),
                                              QString::fromUtf8(kCsvFilter));
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  if (QFileInfo(path).suffix().isEmpty()) path += ".csv";
  ExportTo(path);
}

}  // namespace capset
