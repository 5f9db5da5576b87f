#include "road_window.h"

#include <QApplication>
#include <QScrollBar>
#include <numeric>
#include <algorithm>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "element_form.h"
#include "app_title.h"
#include "column_spread.h"
#include "intersection_form.h"
#include "look.h"
#include "plan_view.h"
#include "profile_page.h"
#include "section_page.h"
#include "heights_window_texts.h"
#include "road_cell_delegate.h"
#include "road_summary.h"
#include "road_table_model.h"
#include "road_paste_texts.h"
#include "road_window_texts.h"
#include "teardown.h"
#include "window_tables.h"

namespace capset {
namespace {

// Every column as wide as the widest text its field holds, from the font's
// metrics alone: whole coordinates and stations whatever the rows hold, and
// no pass over the rows. The last column takes what width is left.
int SizeColumns(QTableView* view, const CellGrid& grid) {
  const QFontMetrics text(view->font()), head(view->horizontalHeader()->font());
  std::vector<int> needs;
  for (int c = 0; c < grid.columnCount(); ++c) {
    const Column column = grid.columns()[c];
    needs.push_back(std::max(text.horizontalAdvance(QString::fromStdString(RoadTable::WidestText(column))),
                             head.horizontalAdvance(QString::fromStdString(RoadTable::Header(column)))) +
                    kCellPadding);
  }
  const int total = std::accumulate(needs.begin(), needs.end(), 0);
  ColumnSpread::On(view)->SetNeeds(std::move(needs));
  return total;
}

}  // namespace

RoadWindow::RoadWindow(CapSession& session, ErrorReporter& reporter, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      reporter_(reporter),
      symbols_(LocaleSymbols()),
      table_(RoadTableForm::kIntersections, symbols_) {
  setWindowFlag(Qt::Window);
  setWindowTitle(WindowTitle(kRoadWindowTitle));
  setFont(PlainFont(13));
  auto* split = new QSplitter(Qt::Horizontal);
  auto* left = new QWidget;
  auto* column = new QVBoxLayout(left);
  auto* formRow = new QHBoxLayout;
  formRow->addWidget(new QLabel(QString::fromUtf8(kRoadFormLabel)));
  form_ = new QComboBox;
  form_->addItem(QString::fromUtf8(kIntersectionFormItem));
  form_->addItem(QString::fromUtf8(kElementFormItem));
  formRow->addWidget(form_);
  formRow->addStretch();
  column->addLayout(formRow);

  mainModel_ = new RoadTableModel(table_, false, this);
  equationModel_ = new RoadTableModel(table_, true, this);
  mainView_ = new QTableView;
  mainView_->setModel(mainModel_);
  mainView_->setItemDelegate(new RoadCellDelegate(table_, false, mainView_));
  mainView_->verticalHeader()->hide();
  mainView_->horizontalHeader()->setMinimumSectionSize(40);
  UniformRows(mainView_);
  column->addWidget(mainView_, 3);
  auto* rowButtons = new QHBoxLayout;
  QPushButton* insert = AddButton(kInsertRowButton, rowButtons);
  QPushButton* remove = AddButton(kRemoveRowButton, rowButtons);
  QPushButton* up = AddButton(kRowUpButton, rowButtons);
  QPushButton* down = AddButton(kRowDownButton, rowButtons);
  QPushButton* paste = AddButton(kPasteButton, rowButtons);
  rowButtons->addStretch();
  column->addLayout(rowButtons);

  column->addWidget(new QLabel(QString::fromUtf8(kEquationsLabel)));
  equationView_ = new QTableView;
  equationView_->setModel(equationModel_);
  equationView_->setItemDelegate(new RoadCellDelegate(table_, true, equationView_));
  equationView_->verticalHeader()->hide();
  UniformRows(equationView_);
  equationView_->setMaximumHeight(96);
  column->addWidget(equationView_, 1);
  auto* equationButtons = new QHBoxLayout;
  QPushButton* addEquation = AddButton(kAddEquationButton, equationButtons);
  QPushButton* removeEquation = AddButton(kRemoveEquationButton, equationButtons);
  equationButtons->addStretch();
  column->addLayout(equationButtons);

  verdict_ = new QLabel;
  verdict_->setWordWrap(true);
  column->addWidget(verdict_);
  auto* ending = new QHBoxLayout;
  ending->addStretch();
  apply_ = AddButton(kApplyButton, ending);
  QPushButton* close = AddButton(kCloseButton, ending);
  column->addLayout(ending);
  split->addWidget(left);

  tabs_ = new QTabWidget;
  curves_ = ReadOnlyTable();
  keys_ = ReadOnlyTable();
  plan_ = new PlanView;
  tabs_->addTab(curves_, QString::fromUtf8(kCurvesTab));
  tabs_->addTab(keys_, QString::fromUtf8(kKeyPointsTab));
  tabs_->addTab(plan_, QString::fromUtf8(kPlanTab));
  split->addWidget(tabs_);
  split->setStretchFactor(0, 4);
  split->setStretchFactor(1, 5);
  pages_ = new QTabWidget;
  pages_->addTab(split, QString::fromUtf8(kPlanPage));
  auto say = [this](const QString& text) { statusBar()->showMessage(text); };
  profile_ = new ProfilePage(session_, say);
  section_ = new SectionPage(session_, say);
  pages_->addTab(profile_, QString::fromUtf8(kProfilePage));
  pages_->addTab(section_, QString::fromUtf8(kSectionPage));
  connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
    statusBar()->showMessage(QString::fromUtf8(page == 1 ? kProfileHint : page == 0 ? kPlanHint : ""));
  });
  setCentralWidget(pages_);
  statusBar()->showMessage(QString::fromUtf8(kPlanHint));
  resize(1340, 700);

  connect(mainModel_, &RoadTableModel::Edited, this, [this] { Recompute(false); });
  connect(equationModel_, &RoadTableModel::Edited, this, [this] { Recompute(false); });
  connect(insert, &QPushButton::clicked, this, [this] {
    const int at = CurrentRow(mainView_);
    // After the chosen row; before EP when EP is chosen.
    const int last = mainModel_->rowCount() - (table_.form() == RoadTableForm::kIntersections ? 1 : 0);
    mainModel_->InsertAt(at < 0 ? last : std::min(at + 1, last));
  });
  connect(remove, &QPushButton::clicked, this, [this] { mainModel_->RemoveAt(CurrentRow(mainView_)); });
  connect(up, &QPushButton::clicked, this, [this] {
    const int at = CurrentRow(mainView_);
    if (mainModel_->Move(at, at - 1)) mainView_->selectRow(at - 1);
  });
  connect(down, &QPushButton::clicked, this, [this] {
    const int at = CurrentRow(mainView_);
    if (mainModel_->Move(at, at + 1)) mainView_->selectRow(at + 1);
  });
  connect(paste, &QPushButton::clicked, this, [this] { PasteInto(mainView_, mainModel_); });
  connect(addEquation, &QPushButton::clicked, this, [this] { equationModel_->InsertAt(equationModel_->rowCount()); });
  connect(removeEquation, &QPushButton::clicked, this, [this] { equationModel_->RemoveAt(CurrentRow(equationView_)); });
  for (auto [view, model] : {std::pair{mainView_, mainModel_}, std::pair{equationView_, equationModel_}}) {
    auto* shortcut = new QShortcut(QKeySequence::Paste, view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, view, model] { PasteInto(view, model); });
    // Delete empties the chosen cells, as a spreadsheet's does.
    auto* clear = new QShortcut(QKeySequence::Delete, view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(clear, &QShortcut::activated, this, [view, model] {
      for (const QModelIndex& index : view->selectionModel()->selectedIndexes()) model->setData(index, QString(), Qt::EditRole);
    });
  }
  connect(form_, &QComboBox::activated, this, [this](int index) {
    SwitchForm(index == 0 ? RoadTableForm::kIntersections : RoadTableForm::kElements);
  });
  connect(apply_, &QPushButton::clicked, this, &RoadWindow::Apply);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(plan_, &PlanView::PositionChanged, this, [this](const QString& text) { statusBar()->showMessage(text); });
  session_.AddObserver(this);
  LoadJobRoad();
  // The table whole beside the other half where the window has the room.
  const int wanted = tableWidth_ + mainView_->verticalScrollBar()->sizeHint().width() + 2 * mainView_->frameWidth() +
                     column->contentsMargins().left() + column->contentsMargins().right() + 4;
  const int share = std::max(590, std::min(wanted, width() * 11 / 20));
  split->setSizes({share, width() - share});
}

// The views, their delegates and the models read table_; the window goes
// from the session's watchers, which may outlive it.
RoadWindow::~RoadWindow() {
  session_.RemoveObserver(this);
  TearDownViewsFirst(this);
}

int RoadWindow::CurrentRow(QTableView* view) const {
  const QModelIndex at = view->currentIndex();
  return at.isValid() ? at.row() : -1;
}

void RoadWindow::PasteInto(QTableView* view, RoadTableModel* model) {
  const QModelIndex at = view->currentIndex();
  const int rows = model->PasteAt(at.isValid() ? at.row() : 0, at.isValid() ? at.column() : 0, QApplication::clipboard()->text());
  const QString note = QString::fromStdString(table_.PasteNote());
  if (note.isEmpty()) return;
  statusBar()->showMessage(note);
  if (rows == 0) {
    verdict_->setStyleSheet(QStringLiteral("color: rgb(190, 0, 0)"));
    verdict_->setText(note);
  } else {
    verdict_->setText(verdict_->text() + QLatin1Char('\n') + note);
  }
}

void RoadWindow::LoadJobRoad() {
  const std::optional<RoadInput>& source = session_.RoadSource();
  const auto shown = table_.Input();
  if (source && table_.Edited() && std::holds_alternative<RoadInput>(shown) && std::get<RoadInput>(shown) == *source) {
    // The table is the job's road as it was applied: kept as typed, its JD
    // stations with it.
  } else if (source) {
    table_ = RoadTable::FromInput(*source, symbols_);
  } else if (const Road* road = session_.WorkingRoad()) {
    table_ = RoadTable::FromInput(ElementForm(*road), symbols_);
  } else {
    table_ = RoadTable(RoadTableForm::kIntersections, symbols_);
  }
  ShowTables();
  Recompute(true);
  if ((source || session_.WorkingRoad()) && table_.StationNotes().empty()) verdict_->setText(QString::fromUtf8(kRoadIsJobs));
}

void RoadWindow::ShowTables() {
  form_->setCurrentIndex(table_.form() == RoadTableForm::kIntersections ? 0 : 1);
  mainModel_->Reset();
  equationModel_->Reset();
  tableWidth_ = SizeColumns(mainView_, table_.Grid(false));
  SizeColumns(equationView_, table_.Grid(true));
}

bool RoadWindow::SwitchForm(RoadTableForm form) {
  if (form == table_.form()) return true;
  const auto input = table_.Input();
  if (const auto* road = std::get_if<RoadInput>(&input)) {
    const Road built = *BuildRoad(*road).road;
    std::optional<RoadInput> other;
    if (form == RoadTableForm::kElements) other = ElementForm(built);
    else if (auto table = IntersectionForm(built)) other = *table;
    if (other) {
      table_ = RoadTable::FromInput(*other, symbols_);
      ShowTables();
      Recompute(false);
      return true;
    }
  } else if (!table_.Edited()) {
    table_ = RoadTable(form, symbols_);  // nothing typed yet: an empty table of the other form
    ShowTables();
    Recompute(true);
    return true;
  }
  const std::string why = std::holds_alternative<TableProblem>(input) ? std::get<TableProblem>(input).reason : "";
  verdict_->setText(QString::fromUtf8(kCannotSwitchForm) + QString::fromStdString(why));
  form_->setCurrentIndex(table_.form() == RoadTableForm::kIntersections ? 0 : 1);
  return false;
}

void RoadWindow::Recompute(bool fit) {
  const auto input = table_.Input();
  const bool hadRoad = preview_.has_value();
  preview_.reset();
  if (const auto* road = std::get_if<RoadInput>(&input)) {
    preview_ = BuildRoad(*road).road;
    verdict_->setStyleSheet({});
    verdict_->setText(QString::fromUtf8(kRoadReads));
  } else {
    const TableProblem& p = std::get<TableProblem>(input);
    verdict_->setStyleSheet(QStringLiteral("color: rgb(190, 0, 0)"));
    QString where;
    if (p.row >= 0) {
      where = QString::fromStdString(table_.PointName(p.equations, p.row));
      if (p.column >= 0) where += QStringLiteral(" ") + QString::fromStdString(RoadTable::Header(table_.Grid(p.equations).columns()[p.column]));
      where += QStringLiteral("：");
    }
    verdict_->setText(where + QString::fromStdString(p.reason));
  }
  table_.CheckJdStations(preview_ ? &*preview_ : nullptr);
  if (!table_.StationNotes().empty()) {
    // The road reads, but the drawings' JD stations do not chain as it does.
    verdict_->setStyleSheet(QStringLiteral("color: rgb(160, 90, 0)"));
    verdict_->setText(QString::fromStdString(JdStationsOffNote(static_cast<int>(table_.StationNotes().size()),
                                                               table_.StationNotes().front().second)));
  }
  if (preview_) {
    Fill(curves_, CurveTable(*preview_));
    Fill(keys_, KeyPointTable(*preview_));
    plan_->SetRoad(&*preview_, fit || !hadRoad);
  } else {
    Fill(curves_, {});
    Fill(keys_, {});
    plan_->SetRoad(nullptr);
  }
  mainView_->viewport()->update();  // a JD station's mark follows the road
  ShowCaps();
}

void RoadWindow::ShowCaps() {
  plan_->SetCaps(PlanCapsOf(session_.Log()));
  if (profile_ != nullptr) profile_->ShowCaps();
}

bool RoadWindow::Apply() {
  const auto input = table_.Input();
  if (const auto* p = std::get_if<TableProblem>(&input)) {
    verdict_->setText(QString::fromUtf8(kRoadNotApplied) + QString::fromStdString(p->reason));
    return false;
  }
  if (mayApply_ && !mayApply_(std::get<RoadInput>(input))) return false;
  if (const auto problem = session_.SetRoad(std::get<RoadInput>(input))) {
    verdict_->setText(QString::fromUtf8(kRoadNotApplied));
    return false;
  }
  verdict_->setStyleSheet({});
  verdict_->setText(QString::fromUtf8(kRoadApplied));
  statusBar()->showMessage(QString::fromUtf8(kRoadApplied));
  return true;
}

// A road set elsewhere (a file, a script) while the window is open: the
// table follows it unless the user has typed in it.
void RoadWindow::RoadChanged() {
  if (!table_.Edited()) LoadJobRoad();
  HeightsChanged();
}

// A Start makes the working road again when the job has none of its own.
void RoadWindow::StartCompleted() { HeightsChanged(); }

// The profile's and the section's stations stand on the working road: a new
// road, a new profile or section, and the pages are made again.
void RoadWindow::HeightsChanged() {
  profile_->Refresh();
  section_->Refresh();
}

}  // namespace capset
