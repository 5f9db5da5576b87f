#include "main_window.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>

#include "app_title.h"
#include "batch_dialog.h"
#include "bridge_page.h"
#include "bridge_page_texts.h"
#include "check_dialog.h"
#include "check_texts.h"
#include "file_texts.h"
#include "form1.h"
#include "help_texts.h"
#include "help_window.h"
#include "journal.h"
#include "log_texts.h"
#include "log_view.h"
#include "look.h"
#include "qt_file_store.h"
#include "recent_jobs.h"
#include "session_files.h"
#include "station_table_window.h"
#include "road_texts.h"
#include "sketch_texts.h"
#include "sketch_view.h"
#include "start_fields.h"
#include "window_texts.h"
#include "road_window.h"
#include "road_window_texts.h"

namespace capset {
namespace {

// A path as the user's system writes it, for a message.
std::string Shown(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

}  // namespace

MainWindow::MainWindow(Prompt& prompt, const NumberReader& reader, ErrorReporter& reporter,
                       const QString& journalFolder, QWidget* parent)
    : QMainWindow(parent),
      reporter_(reporter),
      reader_(reader),
      form_(new Form1(prompt, reader, reporter)),
      formArea_(new QScrollArea),
      logPanel_(new QDockWidget(QString::fromUtf8(kLogTitle), this)),
      separator_(reader.DecimalSeparator()) {
  setObjectName("MainWindow");
  setFont(PlainFont(12));

  formArea_->setObjectName("FormArea");
  formArea_->setWidget(form_);
  formArea_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // Beside and below the form the area is the form's own light cyan, so a
  // window wider than the form reads as one surface.
  QPalette palette = formArea_->viewport()->palette();
  palette.setColor(QPalette::Window, kFormBackground);
  formArea_->viewport()->setPalette(palette);
  formArea_->viewport()->setAutoFillBackground(true);
  formArea_->viewport()->installEventFilter(this);
  BuildPages();

  logPanel_->setObjectName("LogPanel");
  logPanel_->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::RightDockWidgetArea | Qt::TopDockWidgetArea);
  addDockWidget(Qt::BottomDockWidgetArea, logPanel_);
  logPanel_->hide();
  connect(logPanel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (!visible) return;
    Log();
    if (!logPlaced_) PlaceLogPanel();
  });
  form_->Session().Log().AddObserver(this);
  form_->Session().AddObserver(this);

  journal_ = std::make_unique<Journal>(form_->Session().Log(), journalFolder, reporter);
  store_ = std::make_unique<QtFileStore>();
  files_ = std::make_unique<SessionFiles>(form_->Session(), *store_, reporter, separator_);
  BuildMenus();
  statusBar();
  UpdateTitle();
  FitToScreen();
  // End quits at once, without closing the window first: the layout is
  // kept on the way out all the same.
  connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::SaveLayout);
}

// The log's table watches the log that Form1's session holds: it goes
// before the form, whatever the order of the window's children. (The day
// file, a member, goes before the children too.)
MainWindow::~MainWindow() {
  form_->Session().Log().RemoveObserver(this);
  form_->Session().RemoveObserver(this);
  // So do the windows and dialogs that read the session, the file store or
  // call back into this window: each tears its own views down first.
  delete bridgePage_;
  delete roads_;
  delete check_;
  delete stationTable_;
  delete batch_;
  delete help_;
  delete logPanel_;
}

LogView* MainWindow::Log() {
  if (logView_ == nullptr) {
    logView_ = new LogView(form_->Session().Log(), separator_);
    // Columns are fitted to a sample of rows, so a long log fits them quickly.
    connect(logView_, &LogView::CapRowSelected, this, &MainWindow::ShowLogRow);
    connect(logView_->LogModel(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { RowsArrived(first, last); });
    connect(logView_, &LogView::RowsDeleted, this,
            [this](int rows) { statusBar()->showMessage(QString::fromStdString(RowsDeletedText(rows))); });
    connect(logView_, &LogView::DeleteUndone, this,
            [this] { statusBar()->showMessage(QString::fromUtf8(kRowsRestored)); });
    logPanel_->setWidget(logView_);
  }
  return logView_;
}

// The first rows make the table, which reads every row there is; from then
// on the table hears of new rows itself, and they arrive through it.
void MainWindow::RowsAdded(int first, int last) {
  if (roads_ != nullptr) roads_->ShowCaps();
  if (check_ != nullptr) check_->InputChanged(CheckInput::kLog);
  if (logView_ != nullptr) return;
  Log();
  RowsArrived(first, last);
}

CapSession& MainWindow::Session() const { return form_->Session(); }

QAction* MainWindow::Action(const char* objectName) const { return findChild<QAction*>(objectName); }

void MainWindow::BuildMenus() {
  auto menu = [this](const char* title) { return menuBar()->addMenu(QString::fromUtf8(title)); };
  auto add = [this](QMenu* menu, const char* name, const char* text, const QKeySequence& keys, auto slot) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setObjectName(name);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
  };
  QMenu* file = menu(kFileMenu);
  add(file, "OpenJobAction", kOpenJobItem, QKeySequence::Open, &MainWindow::OpenJob);
  add(file, "SaveJobAction", kSaveJobItem, QKeySequence::Save, &MainWindow::SaveCurrentJob);
  add(file, "SaveJobAsAction", kSaveJobAsItem, QKeySequence::SaveAs, &MainWindow::SaveJobAs);
  QMenu* recent = file->addMenu(QString::fromUtf8(kRecentJobsMenu));
  recent->setObjectName("RecentJobsMenu");
  connect(recent, &QMenu::aboutToShow, this, [this, recent] { ListRecentJobs(recent); });
  file->addSeparator();
  add(file, "ExportAction", kExportItem, QKeySequence(Qt::CTRL | Qt::Key_E), &MainWindow::OpenExport);
  file->addSeparator();
  add(file, "ImportRoadAction", kImportRoadItem, QKeySequence(), &MainWindow::ImportRoad);
  add(file, "ExportRoadAction", kExportRoadItem, QKeySequence(), &MainWindow::ExportRoad);
  file->addSeparator();
  add(file, "QuitAction", kQuitItem, QKeySequence::Quit, &MainWindow::close);

  QMenu* compute = menu(kComputeMenu);
  add(compute, "StartAction", kStartItem, QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
    ShowPage(0);  // Start and Compute answer in the form's boxes
    form_->Command1()->click();
  });
  add(compute, "ComputeAction", kComputeItem, QKeySequence(Qt::Key_F5), [this] {
    ShowPage(0);
    form_->Command2()->click();
  });
  compute->addSeparator();
  add(compute, "BatchAction", kBatchItem, QKeySequence(Qt::CTRL | Qt::Key_B), &MainWindow::OpenBatch);
  add(compute, "RoadAction", kRoadItem, QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::OpenRoadWindow);
  add(compute, "StationTableAction", kStationTableItem, QKeySequence(Qt::CTRL | Qt::Key_T), [this] {
    StationTable().show();
    StationTable().raise();
  });
  add(compute, "CheckAction", kCheckItem, QKeySequence(Qt::CTRL | Qt::Key_M), &MainWindow::OpenCheck);

  QAction* log = logPanel_->toggleViewAction();
  log->setObjectName("LogAction");
  log->setText(QString::fromUtf8(kLogItem));
  log->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  QMenu* view = menu(kViewMenu);
  view->addAction(log);
  view->addSeparator();
  add(view, "FormPageAction", kFormPageItem, QKeySequence(Qt::CTRL | Qt::Key_1), [this] { ShowPage(0); });
  add(view, "BridgePageAction", kBridgePageItem, QKeySequence(Qt::CTRL | Qt::Key_2), [this] { ShowPage(1); });

  QMenu* help = menu(kHelpMenu);
  add(help, "UsageAction", kUsageItem, QKeySequence::HelpContents, &MainWindow::ShowUsage);
  add(help, "AboutAction", kAboutItem, QKeySequence(), &MainWindow::ShowAbout);
}

void MainWindow::RowsArrived(int first, int last) {
  if (!logPanel_->isVisible() && !logPlaced_) ShowLogPanel();
  // New rows come at the end; rows put back by an undo are shown where
  // they went.
  if (last == Log()->model()->rowCount() - 1) {
    Log()->scrollToBottom();
  } else {
    Log()->scrollTo(Log()->model()->index(first, 0));
  }
}

// A cap chosen in the log goes to the plan sketch with the caption that
// says which it is, and out as CapSelected.
void MainWindow::ShowLogRow(int row) {
  const CapRecord& record = Session().Log().At(row);
  if (const ExactCap* exact = record.Exact()) {
    if (exact->solvedOn == nullptr || !exact->Placed()) return;
    form_->Sketch()->ShowRoadCap(exact->solvedOn, exact->cap, exact->leftHalfWidth, exact->rightHalfWidth,
                                 QString::fromStdString(SketchRowCaption(record.number, record.name,
                                                                         record.CentreStation())));
    return;
  }
  const CapSolution* solution = record.Solution();
  if (solution == nullptr) return;
  form_->Sketch()->ShowCap(*solution, QString::fromStdString(SketchRowCaption(record.number, record.name,
                                                                              record.CentreStation())));
  emit CapSelected(*solution);
}

void MainWindow::CapComputed(const CapSolution&) {
  resultsWanted_ = true;
  KeepResultsInView();
}

void MainWindow::StartCompleted() {
  resultsWanted_ = false;
  // A completed Start makes a new job, and the road the check places its
  // points on when the job has none of its own.
  if (check_ != nullptr) check_->InputChanged(CheckInput::kRoad);
  UpdateTitle();
}

BatchDialog& MainWindow::Batch() {
  if (batch_ == nullptr) {
    batch_ = new BatchDialog([this](const BatchInput& input) { return RunBatch(input); }, reader_.Symbols(), this);
    // What is typed in the dialog is the job's batch list, which a save writes.
    connect(batch_, &QDialog::finished, this, [this] {
      Session().SetBatchList(batch_->Input());
      UpdateTitle();
    });
  }
  return *batch_;
}

bool MainWindow::RunBatch(const BatchInput& input) {
  if (!Session().Batch(input)) return false;
  ShowLogPanel();
  UpdateTitle();
  return true;
}

void MainWindow::OpenBatch() {
  // A blank B or Kj takes the Start job's: the box shows which.
  std::optional<std::string> B, Kj;
  if (const auto& typed = Session().TypedAnswers()) {
    if (const auto at = typed->answers.find(start_fields::kB); at != typed->answers.end()) B = at->second;
    if (const auto at = typed->answers.find(start_fields::kKj); at != typed->answers.end()) Kj = at->second;
  }
  Batch().SetDefaults(B, Kj);
  Batch().exec();
}

StationTableWindow& MainWindow::StationTable() {
  if (stationTable_ == nullptr) {
    stationTable_ = new StationTableWindow(
        Session(), reader_,
        [this](const QString& path, ExportFormat format, const std::vector<StationTableRow>& rows) {
          return ExportTableTo(path, format, rows);
        },
        this);
  }
  return *stationTable_;
}

CheckDialog& MainWindow::CheckPoints() {
  if (check_ == nullptr) {
    check_ = new CheckDialog(
        Session(), *files_, *store_, reporter_, reader_,
        [this](const std::vector<CheckResult>& results, int current) { ShowCheckInSketch(results, current); }, this);
  }
  return *check_;
}

// Beside the window, so the sketch shows the points as they are chosen.
void MainWindow::OpenCheck() {
  CheckPoints().show();
  CheckPoints().raise();
  CheckPoints().activateWindow();
}

void MainWindow::ShowCheckInSketch(const std::vector<CheckResult>& results, int current) {
  if (current < 0 || current >= static_cast<int>(results.size())) return;
  // The chosen point's cap, or the first cap any point was checked against.
  const CapMatch* match = results[current].cap ? &*results[current].cap : nullptr;
  for (std::size_t i = 0; match == nullptr && i < results.size(); ++i) {
    if (results[i].cap) match = &*results[i].cap;
  }
  if (match == nullptr) return;
  const std::vector<CapRecord>& records = Session().Log().Records();
  const auto record = std::ranges::find_if(records, [&](const CapRecord& r) { return r.number == match->row; });
  if (record == records.end() || !record->Placed()) return;
  std::vector<MeasuredMark> marks;
  for (const CheckResult& r : results) {
    if (!r.cap || r.cap->row != match->row) continue;
    const PlanePoint q = r.measured.point;
    marks.push_back({CheckMarkLabel(r.measured.name, r.cap->distance * 1000, r.cap->over), q,
                     {q.X - r.cap->dX, q.Y - r.cap->dY}, r.cap->over});
  }
  const QString caption =
      QString::fromStdString(SketchRowCaption(record->number, record->name, record->CentreStation()));
  if (const ExactCap* exact = record->Exact()) {
    form_->Sketch()->ShowRoadCap(exact->solvedOn, exact->cap, exact->leftHalfWidth, exact->rightHalfWidth, caption);
  } else {
    form_->Sketch()->ShowCap(*record->Solution(), caption);
  }
  form_->Sketch()->ShowMarks(std::move(marks));
}

bool MainWindow::ExportTo(const QString& path, ExportFormat format, const std::vector<int>& rows) {
  const std::string shownPath = Shown(path);
  const std::optional<int> written = files_->Export(shownPath, format, rows);
  if (!written) return false;
  statusBar()->showMessage(QString::fromStdString(ExportDoneText(*written, shownPath)));
  return true;
}

bool MainWindow::ExportTableTo(const QString& path, ExportFormat format, const std::vector<StationTableRow>& rows) {
  return files_->ExportTable(Shown(path), format, rows);
}

QString MainWindow::ExportDialogTitle() const {
  const std::size_t chosen = logView_ == nullptr ? 0 : logView_->SelectedRows().size();
  const int rows = chosen > 0 ? static_cast<int>(chosen) : Session().Log().Size();
  return QString::fromUtf8(kExportTitle) + QString::fromUtf8(kTitleSeparator) +
         QString::fromStdString(ExportWhatText(rows, chosen > 0));
}

// The selected rows, or all when none is selected; the dialog's title says
// which, and how many. It starts in the folder last used, the file named
// for the open job.
void MainWindow::OpenExport() {
  if (Session().Log().Size() == 0) {
    reporter_.ReportInformation(kNothingToExport);
    return;
  }
  const QString csvFilter = QString::fromUtf8(kCsvFilter);
  const QString datFilter = QString::fromUtf8(kDatFilter);
  const QString name =
      jobPath_.isEmpty() ? QString::fromUtf8(kExportFileName) : QFileInfo(jobPath_).completeBaseName() + ".csv";
  QString filter = csvFilter;
  QString path = QFileDialog::getSaveFileName(this, ExportDialogTitle(), QDir(LastFolder()).filePath(name),
                                              csvFilter + ";;" + datFilter, &filter);
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  // A name without an ending takes the chosen filter's; the ending decides the format.
  if (QFileInfo(path).suffix().isEmpty()) path += filter == datFilter ? ".dat" : ".csv";
  const bool dat = QFileInfo(path).suffix().compare("dat", Qt::CaseInsensitive) == 0;
  ExportTo(path, dat ? ExportFormat::kDat : ExportFormat::kCsv, Log()->SelectedRows());
}

void MainWindow::UpdateTitle() {
  QString name;
  if (!jobPath_.isEmpty()) {
    name = QFileInfo(jobPath_).fileName();
  } else if (files_->CurrentJob()) {
    name = QString::fromUtf8(kUnsavedJob);
  }
  setWindowFilePath(jobPath_);
  const QString app = QString::fromUtf8(kAppTitle);
  setWindowTitle(name.isEmpty() ? app : name + "[*]" + QString::fromUtf8(kTitleSeparator) + app);
  setWindowModified(files_->Modified());
}

bool MainWindow::SaveJobTo(const QString& path) {
  // The list as the dialog holds it now, typed but not yet run or closed.
  if (batch_ != nullptr) Session().SetBatchList(batch_->Input());
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (!files_->SaveJob(absolute.toStdString())) return false;
  RememberRecentJob(path);
  jobPath_ = absolute;
  UpdateTitle();
  statusBar()->showMessage(QString::fromStdString(JobSavedText(Shown(jobPath_))));
  return true;
}

bool MainWindow::OpenJobFrom(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (!files_->OpenJob(absolute.toStdString(), [this] { return SaveCurrentJob(); })) return false;
  RememberRecentJob(path);
  // The dialog holds the file's list, or none: a list typed for another job is not this job's.
  Batch().SetInput(Session().BatchList().value_or(BatchInput{}));
  jobPath_ = absolute;
  UpdateTitle();
  return true;
}

void MainWindow::OpenJob() {
  const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8(kOpenJobTitle), LastFolder(),
                                                    QString::fromUtf8(kJobFilter));
  if (path.isEmpty()) return;
  RememberFolderOf(path);
  OpenJobFrom(path);
}

// To the open job's file when there is one; otherwise as 另存为….
bool MainWindow::SaveCurrentJob() {
  if (!files_->CurrentJob()) {
    reporter_.ReportInformation(kNothingToSave);
    return false;
  }
  return jobPath_.isEmpty() ? SaveJobAs() : SaveJobTo(jobPath_);
}

bool MainWindow::SaveJobAs() {
  if (!files_->CurrentJob()) {
    reporter_.ReportInformation(kNothingToSave);
    return false;
  }
  QString path;
  if (askSavePath_) {
    const std::optional<QString> asked = askSavePath_();
    if (!asked) return false;
    path = asked->trimmed();
  } else {
    const QString start = jobPath_.isEmpty() ? QDir(LastFolder()).filePath(QString::fromUtf8(kJobFileName)) : jobPath_;
    path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kSaveJobTitle), start, QString::fromUtf8(kJobFilter));
    if (!path.isEmpty()) RememberFolderOf(path);
  }
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += ".capjob";
  return SaveJobTo(path);
}

void MainWindow::ListRecentJobs(QMenu* menu) {
  menu->clear();
  const QStringList recent = RecentJobs();
  if (recent.isEmpty()) menu->addAction(QString::fromUtf8(kNoRecentJobs))->setEnabled(false);
  for (const QString& path : recent) {
    connect(menu->addAction(QDir::toNativeSeparators(path)), &QAction::triggered, this,
            [this, path] { OpenJobFrom(path); });
  }
}

HelpWindow& MainWindow::Help() {
  if (help_ == nullptr) help_ = new HelpWindow(QDir::toNativeSeparators(journal_->Folder()), this);
  return *help_;
}

void MainWindow::ShowUsage() {
  HelpWindow& help = Help();
  help.show();
  help.raise();
  help.activateWindow();
}

void MainWindow::ShowAbout() {
  QMessageBox::about(this, QString::fromUtf8(kAppTitle),
                     QString::fromStdString(AboutText(CAPSET_VERSION, Shown(journal_->Folder()))));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!files_->MayDiscard(Discarding::kQuit, [this] { return SaveCurrentJob(); })) {
    event->ignore();
    return;
  }
  SaveLayout();
  QMainWindow::closeEvent(event);
}

}  // namespace capset
