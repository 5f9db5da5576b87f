#include "check_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

#include "app_title.h"
#include "check_run.h"
#include "check_table.h"
#include "check_texts.h"
#include "instrument_texts.h"
#include "point_file_reading.h"
#include "look.h"
#include "view_guard.h"
#include "measured_points.h"
#include "number_text.h"
#include "point_height_texts.h"
#include "recent_jobs.h"
#include "teardown.h"
#include "window_texts.h"

namespace capset {
CheckTableModel::CheckTableModel(std::string sep, QObject* parent) : CellsTableModel(parent), sep_(std::move(sep)) {
  SetResults({});
}

void CheckTableModel::SetResults(std::vector<CheckResult> results) {
  results_ = std::move(results);
  heights_ = AnyMeasuredHeight(results_);
  // A point whose numbers cannot be written keeps its name and says so.
  SetCells(
      CheckHeadingsFor(heights_), results_.size(), [&](std::size_t i) { return CheckCells(results_[i], sep_, heights_); },
      [&](std::size_t i) { return results_[i].measured.name; }, kCheckNotShown);
}

QVariant CheckTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const CheckResult& r = results_.at(index.row());
  switch (role) {
    case Qt::ForegroundRole:
      // Over in plan or in height: the verdict cells say which.
      if (r.cap && (r.cap->over || (r.cap->dH && r.cap->heightOver))) return kCheckOverColour;
      return {};
    case Qt::TextAlignmentRole:
      // Names and words to the left, numbers to the right.
      if (index.column() == 0 || index.column() == 8 || index.column() == 12 || index.column() == 16) return {};
      return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return CellsTableModel::data(index, role);
  }
}

CheckDialog::CheckDialog(const CapSession& session, SessionFiles& files, FileStore& store, ErrorReporter& reporter,
                         const NumberReader& reader, ShowInSketch show, QWidget* parent)
    : QDialog(parent),
      session_(session),
      files_(files),
      store_(store),
      reporter_(reporter),
      reader_(reader),
      show_(std::move(show)),
      points_(new QPlainTextEdit),
      tolerance_(new QLineEdit(QString::fromUtf8(kCheckDefaultToleranceMm))),
      heightTolerance_(new QLineEdit(QString::fromUtf8(kDefaultHeightToleranceMm))),
      table_(new QTableView),
      model_(new CheckTableModel(reader.DecimalSeparator(), this)),
      summary_(new QLabel) {
  setObjectName("CheckDialog");
  setWindowTitle(WindowTitle(kCheckTitle));
  setFont(PlainFont(12));

  points_->setObjectName("CheckPoints");
  points_->setPlaceholderText(QString::fromUtf8(kCheckPointsHint));
  points_->setTabChangesFocus(false);
  points_->setMinimumHeight(120);
  tolerance_->setObjectName("CheckTolerance");
  tolerance_->setMaximumWidth(90);
  heightTolerance_->setObjectName("CheckHeightTolerance");
  heightTolerance_->setMaximumWidth(90);

  auto* readFile = new QPushButton(QString::fromUtf8(kCheckReadFile));
  readFile->setObjectName("CheckReadFile");
  auto* run = new QPushButton(QString::fromUtf8(kCheckRun));
  run->setObjectName("CheckRun");
  run->setDefault(true);
  auto* copy = new QPushButton(QString::fromUtf8(kCheckCopy));
  copy->setObjectName("CheckCopy");
  auto* exportCsv = new QPushButton(QString::fromUtf8(kCheckExport));
  exportCsv->setObjectName("CheckExport");
  connect(readFile, &QPushButton::clicked, this, &CheckDialog::OpenFile);
  connect(run, &QPushButton::clicked, this, &CheckDialog::Check);
  connect(copy, &QPushButton::clicked, this, &CheckDialog::Copy);
  connect(exportCsv, &QPushButton::clicked, this, &CheckDialog::OpenExport);

  table_->setObjectName("CheckTable");
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setResizeContentsPrecision(200);
  table_->setMinimumSize(760, 220);
  auto* copyKey = new QAction(this);
  copyKey->setShortcut(QKeySequence::Copy);
  copyKey->setShortcutContext(Qt::WidgetShortcut);
  table_->addAction(copyKey);
  connect(copyKey, &QAction::triggered, this, &CheckDialog::Copy);
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid() && show_) show_(model_->Results(), current.row());
          });

  auto* pointsLabel = new QLabel(QString::fromUtf8(kCheckPointsLabel));
  pointsLabel->setWordWrap(true);
  auto* controls = new QHBoxLayout;
  controls->addWidget(readFile);
  controls->addSpacing(16);
  controls->addWidget(new QLabel(QString::fromUtf8(kCheckToleranceLabel)));
  controls->addWidget(tolerance_);
  controls->addWidget(new QLabel(QString::fromUtf8(kHeightToleranceLabel)));
  controls->addWidget(heightTolerance_);
  controls->addWidget(run);
  controls->addStretch(1);
  controls->addWidget(copy);
  controls->addWidget(exportCsv);

  summary_->setObjectName("CheckSummary");
  summary_->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pointsLabel);
  layout->addWidget(points_);
  layout->addLayout(controls);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);

  connect(points_, &QPlainTextEdit::textChanged, this, [this] { InputChanged(CheckInput::kPoints); });
  connect(tolerance_, &QLineEdit::textChanged, this, [this] { InputChanged(CheckInput::kTolerance); });
  connect(heightTolerance_, &QLineEdit::textChanged, this, [this] { InputChanged(CheckInput::kTolerance); });
}

void CheckDialog::InputChanged(CheckInput changed) {
  if (model_->Results().empty()) return;
  model_->SetResults({});
  summary_->setText(QString::fromStdString(CheckCleared(changed)));
}

// A row chosen as the table goes would call show_ after it is gone.
CheckDialog::~CheckDialog() { TearDownViewsFirst(this); }

bool CheckDialog::Check() {
  const NumberSymbols symbols = reader_.Symbols();
  const PointsReading read = ReadTypedPoints(points_->toPlainText().toStdString(), symbols);
  if (const auto* problems = std::get_if<std::vector<std::string>>(&read)) {
    reporter_.ReportError(CheckPointsRejected(*problems, kMaxListedCheckProblems));
    return false;
  }
  const auto tolerance = ReadTolerance(tolerance_->text().toStdString(), symbols, 0.001, "mm");
  if (const auto* reason = std::get_if<std::string>(&tolerance)) {
    reporter_.ReportError(*reason);
    return false;
  }
  const double toleranceMm = std::get<double>(tolerance);
  const auto heightTolerance = ReadTolerance(heightTolerance_->text().toStdString(), symbols, 0.001, "mm");
  if (const auto* reason = std::get_if<std::string>(&heightTolerance)) {
    reporter_.ReportError(std::string(kHeightToleranceLabel) + "：" + *reason);
    return false;
  }
  const double heightToleranceMm = std::get<double>(heightTolerance);
  CheckRun run = session_.Check(std::get<std::vector<MeasuredPoint>>(read), toleranceMm / 1000, heightToleranceMm / 1000);
  if (!run.error.empty()) {
    reporter_.ReportError(run.error);
    return false;
  }
  if (!run.notice.empty()) reporter_.ReportNotice(run.notice);
  summary_->setText(QString::fromStdString(SummaryOf(run.results, toleranceMm, heightToleranceMm)));
  model_->SetResults(std::move(run.results));
  table_->resizeColumnsToContents();
  if (show_) show_(model_->Results(), 0);
  return true;
}

bool CheckDialog::ReadFile(const QString& path) {
  const std::string file = FileNameOf(QDir::toNativeSeparators(path).toStdString());
  // A CASS .dat, a GSI or a PNEZD file, told apart by its bytes.
  const MeasuredFile read = ReadMeasuredFile(store_, path.toStdString(), file);
  if (!read.error.empty()) {
    reporter_.ReportError(read.error);
    return false;
  }
  if (!read.notice.empty()) reporter_.ReportNotice(read.notice);
  const std::vector<MeasuredPoint>& points = read.points;
  // The points as typed lines in the user's numbers, so that what is
  // checked is what the list shows.
  const std::string sep = reader_.DecimalSeparator();
  QStringList lines;
  for (const MeasuredPoint& p : points) {
    QString name = QString::fromStdString(p.name);
    name.replace(QLatin1Char('\t'), QLatin1Char(' '));
    QString line = name + "\t" + QString::fromStdString(NumberText(p.point.X, sep)) + "\t" +
                   QString::fromStdString(NumberText(p.point.Y, sep));
    // The measured height goes with its point, to be checked too.
    if (p.H) line += "\t" + QString::fromStdString(NumberText(*p.H, sep));
    lines << line;
  }
  points_->setPlainText(lines.join(QLatin1Char('\n')));
  return true;
}

bool CheckDialog::ExportTo(const QString& path) {
  const std::string shown = QDir::toNativeSeparators(path).toStdString();
  if (!files_.ExportCheck(shown, model_->Results())) return false;
  summary_->setText(QString::fromStdString(CheckExported(static_cast<int>(model_->Results().size()), shown)));
  return true;
}

std::string CheckDialog::CopyText() const {
  std::set<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows.insert(index.row());
  if (rows.empty()) return CheckTsv(model_->Results(), reader_.DecimalSeparator());
  std::vector<CheckResult> chosen;
  for (int row : rows) chosen.push_back(model_->Results().at(row));
  return CheckTsv(chosen, reader_.DecimalSeparator());
}

void CheckDialog::Copy() {
  if (model_->Results().empty()) {
    reporter_.ReportInformation(kNothingChecked);
    return;
  }
  QGuiApplication::clipboard()->setText(QString::fromStdString(CopyText()));
}

void CheckDialog::OpenFile() {
  const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8(kCheckTitle), LastFolder(),
                                                    QString::fromUtf8(kPointFileFilter));
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  ReadFile(path);
}

void CheckDialog::OpenExport() {
  if (model_->Results().empty()) {
    reporter_.ReportInformation(kNothingChecked);
    return;
  }
  QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kCheckTitle),
                                              QDir(LastFolder()).filePath(QString::fromUtf8(kCheckExportName)),
                                              QString::fromUtf8(kCsvFilter));
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  if (QFileInfo(path).suffix().isEmpty()) path += ".csv";
  ExportTo(path);
}

}  // namespace capset
