#include "road_window.h"

#include <QApplication>
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
#include "intersection_form.h"
#include "look.h"
#include "plan_view.h"
#include "road_cell_delegate.h"
#include "road_summary.h"
#include "road_table_model.h"
#include "road_window_texts.h"
#include "teardown.h"

namespace capset {
namespace {

// The user's number rules, as the window reads answers.
NumberSymbols LocaleSymbols() {
  const QLocale locale;
  NumberSymbols s;
  s.decimal = locale.decimalPoint().toStdString();
  s.minus = locale.negativeSign().toStdString();
  s.plus = locale.positiveSign().toStdString();
  return s;
}

QPushButton* Button(const char* text, QLayout* layout) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  layout->addWidget(button);
  return button;
}

void Fill(QTableWidget* widget, const TextTable& table) {
  widget->clear();
  widget->setColumnCount(static_cast<int>(table.headers.size()));
  widget->setRowCount(static_cast<int>(table.rows.size()));
  QStringList headers;
  for (const std::string& h : table.headers) headers << QString::fromStdString(h);
  widget->setHorizontalHeaderLabels(headers);
  for (int r = 0; r < widget->rowCount(); ++r) {
    for (int c = 0; c < widget->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(table.rows[r][c]));
      item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
      widget->setItem(r, c, item);
    }
  }
  widget->resizeColumnsToContents();
}

// Every text whole: the columns share the width when their texts fit in
// it, else each is as wide as its longest text and the table scrolls sideways.
void FitColumns(QTableView* view) {
  QHeaderView* header = view->horizontalHeader();
  int needed = 0;
  for (int c = 0; c < view->model()->columnCount(); ++c) {
    needed += std::max({static_cast<const QAbstractItemView*>(view)->sizeHintForColumn(c), header->sectionSizeHint(c), header->minimumSectionSize()});
  }
  if (needed <= view->viewport()->width()) {
    header->setSectionResizeMode(QHeaderView::Stretch);
  } else {
    header->setSectionResizeMode(QHeaderView::Interactive);
    view->resizeColumnsToContents();
  }
}

// The chosen cells as a spreadsheet takes them: tabs between, a line each row.
QString SelectedAsText(const QTableWidget* table) {
  const QList<QTableWidgetSelectionRange> ranges = table->selectedRanges();
  if (ranges.isEmpty()) return {};
  const QTableWidgetSelectionRange& r = ranges.front();
  QString text;
  for (int row = r.topRow(); row <= r.bottomRow(); ++row) {
    QStringList cells;
    for (int c = r.leftColumn(); c <= r.rightColumn(); ++c) cells << (table->item(row, c) ? table->item(row, c)->text() : QString());
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

QTableWidget* ReadOnlyTable() {
  auto* t = new QTableWidget;
  auto* copy = new QShortcut(QKeySequence::Copy, t, nullptr, nullptr, Qt::WidgetShortcut);
  QObject::connect(copy, &QShortcut::activated, t, [t] { QApplication::clipboard()->setText(SelectedAsText(t)); });
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->verticalHeader()->hide();
  t->setAlternatingRowColors(true);
  t->setFont(PlainFont(12));
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  return t;
}

}  // namespace

RoadWindow::RoadWindow(CapSession& session, ErrorReporter& reporter, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      reporter_(reporter),
      symbols_(LocaleSymbols()),
      table_(RoadTableForm::kIntersections, symbols_) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QString::fromUtf8(kRoadWindowTitle));
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
  mainView_->horizontalHeader()->setMinimumSectionSize(56);
  column->addWidget(mainView_, 3);
  auto* rowButtons = new QHBoxLayout;
  QPushButton* insert = Button(kInsertRowButton, rowButtons);
  QPushButton* remove = Button(kRemoveRowButton, rowButtons);
  QPushButton* up = Button(kRowUpButton, rowButtons);
  QPushButton* down = Button(kRowDownButton, rowButtons);
  QPushButton* paste = Button(kPasteButton, rowButtons);
  rowButtons->addStretch();
  column->addLayout(rowButtons);

  column->addWidget(new QLabel(QString::fromUtf8(kEquationsLabel)));
  equationView_ = new QTableView;
  equationView_->setModel(equationModel_);
  equationView_->setItemDelegate(new RoadCellDelegate(table_, true, equationView_));
  equationView_->verticalHeader()->hide();
  equationView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  equationView_->setMaximumHeight(96);
  column->addWidget(equationView_, 1);
  auto* equationButtons = new QHBoxLayout;
  QPushButton* addEquation = Button(kAddEquationButton, equationButtons);
  QPushButton* removeEquation = Button(kRemoveEquationButton, equationButtons);
  equationButtons->addStretch();
  column->addLayout(equationButtons);

  verdict_ = new QLabel;
  verdict_->setWordWrap(true);
  column->addWidget(verdict_);
  auto* ending = new QHBoxLayout;
  ending->addStretch();
  apply_ = Button(kApplyButton, ending);
  QPushButton* close = Button(kCloseButton, ending);
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
  split->setSizes({590, 750});
  setCentralWidget(split);
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
  model->PasteAt(at.isValid() ? at.row() : 0, at.isValid() ? at.column() : 0, QApplication::clipboard()->text());
}

void RoadWindow::LoadJobRoad() {
  const std::optional<RoadInput>& source = session_.RoadSource();
  if (source) {
    table_ = RoadTable::FromInput(*source, symbols_);
  } else if (const Road* road = session_.WorkingRoad()) {
    table_ = RoadTable::FromInput(ElementForm(*road, {}), symbols_);
  } else {
    table_ = RoadTable(RoadTableForm::kIntersections, symbols_);
  }
  ShowTables();
  Recompute(true);
  if (source || session_.WorkingRoad()) verdict_->setText(QString::fromUtf8(kRoadIsJobs));
}

void RoadWindow::ShowTables() {
  form_->setCurrentIndex(table_.form() == RoadTableForm::kIntersections ? 0 : 1);
  mainModel_->Reset();
  equationModel_->Reset();
}

bool RoadWindow::SwitchForm(RoadTableForm form) {
  if (form == table_.form()) return true;
  const auto input = table_.Input();
  if (const auto* road = std::get_if<RoadInput>(&input)) {
    const Road built = *BuildRoad(*road).road;
    const std::vector<StationEquation> equations = std::visit([](const auto& in) { return in.equations; }, *road);
    const ElementRoadInput elements = ElementForm(built, equations);
    std::optional<RoadInput> other;
    if (form == RoadTableForm::kElements) other = elements;
    else if (auto table = IntersectionForm(elements)) other = *table;
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
  if (preview_) {
    Fill(curves_, CurveTable(*preview_));
    Fill(keys_, KeyPointTable(*preview_));
    plan_->SetRoad(&*preview_, fit || !hadRoad);
  } else {
    Fill(curves_, {});
    Fill(keys_, {});
    plan_->SetRoad(nullptr);
  }
  FitColumns(mainView_);
  ShowCaps();
}

void RoadWindow::ShowCaps() {
  std::vector<PlanCap> caps;
  const CapLog& log = session_.Log();
  for (int i = 0; i < log.Size(); ++i) {
    const CapRecord& record = log.At(i);
    const CapSolution* s = record.Solution();
    if (s == nullptr) continue;
    caps.push_back({s->centre, s->outer.point, s->inner.point, QString::number(record.number)});
  }
  plan_->SetCaps(std::move(caps));
}

bool RoadWindow::Apply() {
  const auto input = table_.Input();
  if (const auto* p = std::get_if<TableProblem>(&input)) {
    verdict_->setText(QString::fromUtf8(kRoadNotApplied) + QString::fromStdString(p->reason));
    return false;
  }
  if (const auto problem = session_.SetRoad(std::get<RoadInput>(input))) {
    verdict_->setText(QString::fromUtf8(kRoadNotApplied));
    return false;
  }
  verdict_->setStyleSheet({});
  verdict_->setText(QString::fromUtf8(kRoadApplied));
  statusBar()->showMessage(QString::fromUtf8(kRoadApplied));
  return true;
}

void RoadWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FitColumns(mainView_);
}

// A road set elsewhere (a file, a script) while the window is open: the
// table follows it unless the user has typed in it.
void RoadWindow::RoadChanged() {
  if (!table_.Edited()) LoadJobRoad();
}

}  // namespace capset
