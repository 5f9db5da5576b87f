#include "log_view.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>

#include "export_formats.h"
#include "log_texts.h"
#include "window_texts.h"

namespace capset {
namespace {

// A text as wide as the widest content a column usually holds, for its
// width when the table is made: measured by counting, never by shaping.
const char* TypicalContent(int column) {
  if (column >= kFixedColumnCount) {
    switch ((column - kFixedColumnCount) % kAxisPointColumns) {
      case 0: return "-12.345";
      case 3: return "缓和曲线";
      default: return "3355206.736";
    }
  }
  switch (column) {
    case kNumberColumn: return "12345";
    case kNameColumn: return "12#-1";
    case kStatusColumn: return "计算完成，外侧未求得";
    case kSolverColumn: return "ZH 端 斜交";
    case kCurveColumn: return "缓和曲线 右偏";
    case kBColumn: case kTColumn: return "123°45′30.25″";
    case kDRColumn: return "左 12.5 右 12.5";
    case kPrecisionColumn: return "0.0001";
    case kEdge1Column: case kEdge2Column: case kOriginColumn: return "左侧（外侧）";
    case kEdge1ElementColumn: case kEdge2ElementColumn: case kCentreElementColumn: return "缓和曲线";
    case kEdge1DRColumn: case kEdge2DRColumn: case kPColumn: return "12.5";
    case kEdge1LengthColumn: case kEdge2LengthColumn: case kRColumn: case kA1Column: return "1234.567";
    case kTimeColumn: return "2026-03-01 09:30:05";
    case kMethodColumn: return "精确";
    default: return "3355206.736";  // stations and coordinates
  }
}

// The width of `text` in `metrics`: a Chinese character an em, anything
// else the font's average character.
int CountedWidth(const QString& text, const QFontMetrics& metrics) {
  int width = 0;
  for (const QChar c : text) width += c.unicode() >= 0x2E80 ? metrics.height() : metrics.averageCharWidth();
  return width;
}

}  // namespace

void LogView::SizeTitles(int first, int last) {
  const QFontMetrics header(horizontalHeader()->font());
  const int padding = 2 * header.averageCharWidth() + 8;
  for (int column = first; column <= last; ++column) {
    const QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    model_->SetHeaderSize(column, QSize(CountedWidth(title, header) + padding, header.height() + 8));
  }
}

void LogView::SizeColumns(int first, int last) {
  SizeTitles(first, last);
  const QFontMetrics cells(font());
  const int padding = 2 * cells.averageCharWidth() + 8;
  for (int column = first; column <= last; ++column) {
    const int content = CountedWidth(QString::fromUtf8(TypicalContent(column)), cells) + padding;
    const QVariant title = model_->headerData(column, Qt::Horizontal, Qt::SizeHintRole);
    horizontalHeader()->resizeSection(column, std::max(content, title.toSize().width()));
  }
}

LogView::LogView(CapLog& log, std::string sep, QWidget* parent)
    : QTableView(parent), log_(log), model_(new CapLogModel(log, std::move(sep), this)) {
  setObjectName("LogView");
  // The header asks every title its size as soon as it has the model:
  // the sizes are there first, so that it never shapes a title to find it.
  SizeTitles(0, model_->columnCount() - 1);
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setAlternatingRowColors(true);
  verticalHeader()->hide();  // the number column numbers the rows
  horizontalHeader()->setStretchLastSection(true);
  // The columns are sized once, from their titles and the content they
  // usually hold, counted rather than shaped: fitting them to their
  // contents would shape every title and every cell of the rows shown.
  SizeColumns(0, model_->columnCount() - 1);
  connect(model_, &QAbstractItemModel::columnsInserted, this,
          [this](const QModelIndex&, int first, int last) { SizeColumns(first, last); });

  auto* copy = new QAction(QString::fromUtf8(kCopyItem), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QAction::triggered, this, &LogView::CopySelection);
  auto* remove = new QAction(QString::fromUtf8(kDeleteItem), this);
  remove->setShortcut(QKeySequence::Delete);
  remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(remove, &QAction::triggered, this, &LogView::DeleteSelection);
  undo_ = new QAction(QString::fromUtf8(kUndoDeleteItem), this);
  undo_->setShortcut(QKeySequence::Undo);
  undo_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  // A removal may come from elsewhere too (a batch that replaces its rows).
  auto canUndo = [this] { undo_->setEnabled(log_.CanUndoRemove()); };
  canUndo();
  connect(model_, &QAbstractItemModel::rowsRemoved, this, canUndo);
  connect(model_, &QAbstractItemModel::rowsInserted, this, canUndo);
  connect(undo_, &QAction::triggered, this, &LogView::UndoDelete);
  addAction(copy);
  addAction(remove);
  addAction(undo_);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
    if (!current.isValid()) return;
    if (log_.At(current.row()).Placed()) emit CapRowSelected(current.row());
  });
}

void LogView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) SizeColumns(0, model_->columnCount() - 1);
}

std::vector<int> LogView::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::ranges::sort(rows);
  return rows;
}

void LogView::CopySelection() {
  std::vector<const CapRecord*> records;
  for (int row : SelectedRows()) records.push_back(&log_.At(row));
  if (records.empty()) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(TsvText(records, model_->DecimalSeparator())));
}

void LogView::DeleteSelection() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  log_.Remove(rows);
  emit RowsDeleted(static_cast<int>(rows.size()));
}

void LogView::UndoDelete() {
  if (log_.UndoRemove()) emit DeleteUndone();
}

}  // namespace capset
