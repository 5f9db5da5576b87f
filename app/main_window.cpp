#include "main_window.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStatusBar>

#include "app_title.h"
#include "batch_dialog.h"
#include "cap_session.h"
#include "file_texts.h"
#include "form1.h"
#include "form1_layout.h"
#include "help_texts.h"
#include "journal.h"
#include "log_view.h"
#include "look.h"
#include "qt_file_store.h"
#include "recent_jobs.h"
#include "session_files.h"
#include "sketch_view.h"
#include "window_texts.h"

namespace capset {
namespace {

// Room left on the screen for the frame and title bar the window system
// adds around the window; they are not known before the window is shown.
constexpr QSize kDecorations{16, 48};
// The log panel's share of the screen when it first opens.
constexpr int kLogPanelHeight = 220;
// The panel's title bar and the splitter handle, about.
constexpr int kPanelFrame = 40;

}  // namespace

MainWindow::MainWindow(Prompt& prompt, const NumberReader& reader, ErrorReporter& reporter,
                       const QString& journalFolder, QWidget* parent)
    : QMainWindow(parent),
      reporter_(reporter),
      form_(new Form1(prompt, reader, reporter)),
      formArea_(new QScrollArea),
      logPanel_(new QDockWidget(QString::fromUtf8(kLogTitle), this)),
      separator_(reader.DecimalSeparator()) {
  setObjectName("MainWindow");
  setWindowTitle(QString::fromUtf8(kAppTitle));
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
  setCentralWidget(formArea_);

  logPanel_->setObjectName("LogPanel");
  logPanel_->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
  addDockWidget(Qt::BottomDockWidgetArea, logPanel_);
  logPanel_->hide();
  connect(logPanel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) Log();
  });
  form_->Session().Log().AddObserver(this);
  // A cap chosen in the log goes out as CapSelected, and the plan sketch
  // shows it.
  connect(this, &MainWindow::CapSelected, this, [this](const CapSolution& cap) { form_->Sketch()->ShowCap(cap); });

  journal_ = std::make_unique<Journal>(form_->Session().Log(), journalFolder, reporter);
  store_ = std::make_unique<QtFileStore>();
  files_ = std::make_unique<SessionFiles>(form_->Session(), *store_, reporter);
  BuildMenus();
  statusBar();
  FitToScreen();
}

// The log's table watches the log that Form1's session holds: it goes
// before the form, whatever the order of the window's children. (The day
// file, a member, goes before the children too.)
MainWindow::~MainWindow() {
  form_->Session().Log().RemoveObserver(this);
  delete logPanel_;
}

LogView* MainWindow::Log() {
  if (logView_ == nullptr) {
    logView_ = new LogView(form_->Session().Log(), separator_);
    // Columns are fitted to a sample of rows, so a long log fits them quickly.
    logView_->horizontalHeader()->setResizeContentsPrecision(200);
    connect(logView_, &LogView::CapSelected, this, &MainWindow::CapSelected);
    connect(logView_->LogModel(), &QAbstractItemModel::rowsInserted, this, &MainWindow::RowsArrived);
    logPanel_->setWidget(logView_);
  }
  return logView_;
}

// The first rows make the table, which reads every row there is; from then
// on the table hears of new rows itself, and they arrive through it.
void MainWindow::RowsAdded(int, int) {
  if (logView_ != nullptr) return;
  Log();
  RowsArrived();
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
  add(file, "SaveJobAction", kSaveJobItem, QKeySequence::Save, &MainWindow::SaveJob);
  QMenu* recent = file->addMenu(QString::fromUtf8(kRecentJobsMenu));
  recent->setObjectName("RecentJobsMenu");
  connect(recent, &QMenu::aboutToShow, this, [this, recent] { ListRecentJobs(recent); });
  file->addSeparator();
  add(file, "ExportAction", kExportItem, QKeySequence(Qt::CTRL | Qt::Key_E), &MainWindow::OpenExport);
  file->addSeparator();
  add(file, "QuitAction", kQuitItem, QKeySequence::Quit, &MainWindow::close);

  QMenu* compute = menu(kComputeMenu);
  add(compute, "StartAction", kStartItem, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { form_->Command1()->click(); });
  add(compute, "ComputeAction", kComputeItem, QKeySequence(Qt::Key_F5), [this] { form_->Command2()->click(); });
  compute->addSeparator();
  add(compute, "BatchAction", kBatchItem, QKeySequence(Qt::CTRL | Qt::Key_B), &MainWindow::OpenBatch);

  QAction* log = logPanel_->toggleViewAction();
  log->setObjectName("LogAction");
  log->setText(QString::fromUtf8(kLogItem));
  log->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  menu(kViewMenu)->addAction(log);

  QMenu* help = menu(kHelpMenu);
  add(help, "UsageAction", kUsageItem, QKeySequence::HelpContents, &MainWindow::ShowUsage);
  add(help, "AboutAction", kAboutItem, QKeySequence(), &MainWindow::ShowAbout);
}

void MainWindow::FitToScreen() {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  const int frame = 2 * formArea_->frameWidth();
  const QSize wanted = form_->size() + QSize(frame, frame + menuBar()->sizeHint().height() +
                                                        statusBar()->sizeHint().height());
  resize(screen == nullptr ? wanted : wanted.boundedTo(screen->availableGeometry().size() - kDecorations));
}

void MainWindow::RowsArrived() {
  if (!logShownOnce_) {
    logShownOnce_ = true;
    logPanel_->show();
    // Grow downwards for the panel as far as the screen allows; the form
    // scrolls where it does not.
    if (const QScreen* screen = this->screen()) {
      // The panel's title bar and the splitter above it take room too; what
      // is left over goes to the form's area.
      const int room = screen->availableGeometry().height() - kDecorations.height();
      resize(width(), std::min(height() + kLogPanelHeight + kPanelFrame, room));
      resizeDocks({logPanel_}, {kLogPanelHeight}, Qt::Vertical);
    }
  }
  Log()->resizeColumnsToContents();
  Log()->scrollToBottom();
}

BatchDialog& MainWindow::Batch() {
  if (batch_ == nullptr) {
    batch_ = new BatchDialog([this](const BatchInput& input) { return RunBatch(input); }, this);
  }
  return *batch_;
}

bool MainWindow::RunBatch(const BatchInput& input) {
  if (!Session().Batch(input)) return false;
  logPanel_->show();
  return true;
}

void MainWindow::OpenBatch() { Batch().exec(); }

bool MainWindow::ExportTo(const QString& path, ExportFormat format, const std::vector<int>& rows) {
  const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
  const std::optional<int> written = files_->Export(shownPath, format, rows);
  if (!written) return false;
  statusBar()->showMessage(QString::fromStdString(ExportDoneText(*written, shownPath)));
  return true;
}

// The selected rows, or all when none is selected.
void MainWindow::OpenExport() {
  if (Session().Log().Size() == 0) {
    reporter_.ReportError(kNothingToExport);
    return;
  }
  const QString csvFilter = QString::fromUtf8(kCsvFilter);
  const QString datFilter = QString::fromUtf8(kDatFilter);
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  QString filter = csvFilter;
  QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kExportTitle),
                                              documents.filePath(QString::fromUtf8(kExportFileName)),
                                              csvFilter + ";;" + datFilter, &filter);
  if (path.isEmpty()) return;
  // A name without an ending takes the chosen filter's; the ending decides the format.
  if (QFileInfo(path).suffix().isEmpty()) path += filter == datFilter ? ".dat" : ".csv";
  const bool dat = QFileInfo(path).suffix().compare("dat", Qt::CaseInsensitive) == 0;
  ExportTo(path, dat ? ExportFormat::kDat : ExportFormat::kCsv, Log()->SelectedRows());
}

bool MainWindow::SaveJobTo(const QString& path) {
  std::optional<BatchInput> batch;
  if (batch_ != nullptr && !batch_->Input().stations.empty()) batch = batch_->Input();
  if (!files_->SaveJob(path.toStdString(), batch)) return false;
  RememberRecentJob(path);
  return true;
}

bool MainWindow::OpenJobFrom(const QString& path) {
  const auto opened = files_->OpenJob(path.toStdString());
  if (!opened) return false;
  RememberRecentJob(path);
  if (*opened) Batch().SetInput(**opened);
  return true;
}

void MainWindow::OpenJob() {
  const QString path = QFileDialog::getOpenFileName(
      this, QString::fromUtf8(kOpenJobTitle),
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QString::fromUtf8(kJobFilter));
  if (!path.isEmpty()) OpenJobFrom(path);
}

void MainWindow::SaveJob() {
  if (!Session().TypedAnswers()) {
    reporter_.ReportError(kNothingToSave);
    return;
  }
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kSaveJobTitle),
                                              documents.filePath(QString::fromUtf8(kJobFileName)),
                                              QString::fromUtf8(kJobFilter));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".capjob";
  SaveJobTo(path);
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

void MainWindow::ShowUsage() {
  QMessageBox::information(
      this, QString::fromUtf8(kAppTitle),
      QString::fromStdString(UsageText(QDir::toNativeSeparators(journal_->Folder()).toStdString())));
}

void MainWindow::ShowAbout() {
  QMessageBox::about(this, QString::fromUtf8(kAppTitle), QString::fromStdString(AboutText(CAPSET_VERSION)));
}

}  // namespace capset
