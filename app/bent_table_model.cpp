#include "bent_table_model.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "bent_cells.h"
#include "bridge_page_texts.h"
#include "bridge_texts.h"
#include "cap_session.h"
#include "view_guard.h"

namespace capset {
namespace {

const QColor kRefusedCell{255, 205, 205};

}  // namespace

BentTableModel::BentTableModel(CapSession& session, NumberSymbols symbols, QObject* parent)
    : QAbstractTableModel(parent), session_(session), symbols_(std::move(symbols)) {}

const Bridge* BentTableModel::Shown() const { return name_.empty() ? nullptr : session_.FindBridge(name_); }

void BentTableModel::SetBridge(const std::string& name) {
  beginResetModel();
  name_ = name;
  refused_.clear();
  const Bridge* bridge = Shown();
  shownRows_ = bridge ? static_cast<int>(bridge->bents.size()) : 0;
  endResetModel();
}

// Rows of the same number are only told to show again, so that a cell
// being typed in (whose commit brought the change) keeps its editor.
void BentTableModel::Refresh() {
  const Bridge* bridge = Shown();
  const int rows = bridge ? static_cast<int>(bridge->bents.size()) : 0;
  std::erase_if(refused_, [rows](const auto& cell) { return cell.first.first >= rows; });
  if (rows == shownRows_) {
    if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, kBentColumns - 1));
    return;
  }
  beginResetModel();
  shownRows_ = rows;
  endResetModel();
}

int BentTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int BentTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kBentColumns; }

QVariant BentTableModel::data(const QModelIndex& index, int role) const {
  const Bridge* bridge = Shown();
  if (!index.isValid() || bridge == nullptr || index.row() >= static_cast<int>(bridge->bents.size())) return {};
  const auto refused = refused_.find({index.row(), index.column()});
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
      if (refused != refused_.end()) return QString::fromStdString(refused->second.first);
      QString text;
      Guarded([&] {
        text = QString::fromStdString(BentCellTexts(bridge->bents[index.row()], symbols_.decimal).at(index.column()));
      });
      return text;
    }
    case Qt::BackgroundRole:
      return refused != refused_.end() ? QVariant(QBrush(kRefusedCell)) : QVariant();
    case Qt::ToolTipRole:
      return refused != refused_.end() ? QVariant(QString::fromStdString(refused->second.second)) : QVariant();
    case Qt::TextAlignmentRole: {
      const auto column = static_cast<BentColumn>(index.column());
      const bool words = column == BentColumn::kName || column == BentColumn::kAxis || column == BentColumn::kTemplate;
      return QVariant::fromValue(Qt::AlignVCenter | (words ? Qt::AlignHCenter : Qt::AlignRight));
    }
    default: return {};
  }
}

QVariant BentTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= kBentColumns) return {};
  return QString::fromUtf8(BentColumnHeading(static_cast<BentColumn>(section)));
}

Qt::ItemFlags BentTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

std::optional<std::string> BentTableModel::Keep(Bridge bridge) {
  for (std::size_t i = 0; i < bridge.bents.size(); ++i) bridge.bents[i].line = static_cast<int>(i) + 1;
  const std::vector<BridgeLineProblem> problems = session_.SetBridge(bridge);
  if (problems.empty()) return std::nullopt;
  const Road* road = session_.WorkingRoad();
  const std::optional<StationRange> range = road ? std::optional(RangeOf(*road)) : std::nullopt;
  const BridgeLineProblem& first = problems.front();
  std::string reason = BridgeProblemText(first.problem, range);
  return first.line > 0 ? BentRowMessage(first.line, reason) : reason;
}

bool BentTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const Bridge* shown = Shown();
  if (role != Qt::EditRole || !index.isValid() || shown == nullptr) return false;
  const int row = index.row(), column = index.column();
  if (row >= static_cast<int>(shown->bents.size())) return false;
  const std::string typed = value.toString().toStdString();
  // A cell opened and left as it was changes nothing, whatever digits the
  // bent holds beyond those shown.
  if (refused_.count({row, column}) == 0 && typed == BentCellTexts(shown->bents[row], symbols_.decimal).at(column)) {
    return true;
  }
  const std::string heading = BentColumnHeading(static_cast<BentColumn>(column));
  Bridge bridge = *shown;
  std::optional<std::string> reason = SetBentCell(bridge.bents[row], static_cast<BentColumn>(column), typed, symbols_);
  std::string said = reason ? BentCellMessage(row + 1, heading, *reason) : "";
  if (!reason) {
    reason = Keep(std::move(bridge));  // the session's BridgesChanged refreshes the rows
    if (reason) said = BridgeKeptText(*reason);
  }
  if (reason) {
    refused_[{row, column}] = {typed, *reason};
    emit dataChanged(index, index);
    emit Said(QString::fromStdString(said), true);
    return false;
  }
  // The refusals of other cells were about the bridge as it was.
  refused_.erase({row, column});
  emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, kBentColumns - 1));
  emit Said({}, false);
  return true;
}

int BentTableModel::AddBent(int row) {
  const Bridge* shown = Shown();
  if (shown == nullptr) return -1;
  Bridge bridge = *shown;
  const int at = row < 0 || row >= static_cast<int>(bridge.bents.size()) ? static_cast<int>(bridge.bents.size()) : row + 1;
  bridge.bents.insert(bridge.bents.begin() + at, NextBent(*shown));
  if (const std::optional<std::string> reason = Keep(std::move(bridge))) {
    emit Said(QString::fromStdString(BridgeKeptText(*reason)), true);
    return -1;
  }
  refused_.clear();
  Refresh();
  return at;
}

bool BentTableModel::RemoveBents(std::vector<int> rows) {
  const Bridge* shown = Shown();
  if (shown == nullptr || rows.empty()) return false;
  Bridge bridge = *shown;
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (int r : rows) {
    if (r >= 0 && r < static_cast<int>(bridge.bents.size())) bridge.bents.erase(bridge.bents.begin() + r);
  }
  if (const std::optional<std::string> reason = Keep(std::move(bridge))) {
    emit Said(QString::fromStdString(BridgeKeptText(*reason)), true);
    return false;
  }
  refused_.clear();
  Refresh();
  return true;
}

bool BentTableModel::Paste(const QString& text) {
  const Bridge* shown = Shown();
  if (shown == nullptr) return false;
  const auto read = ReadPastedBents(text.toStdString(), symbols_);
  if (const auto* problems = std::get_if<std::vector<PastedLineProblem>>(&read)) {
    const PastedLineProblem& p = problems->front();
    emit Said(QString::fromStdString(PastedLineMessage(p.line, p.text, p.reason)), true);
    return false;
  }
  const std::vector<Bent>& pasted = std::get<std::vector<Bent>>(read);
  if (pasted.empty()) {
    emit Said(QString::fromUtf8(kPasteEmpty), true);
    return false;
  }
  std::size_t replaced = 0;
  Bridge bridge = WithPastedBents(*shown, pasted, &replaced);
  if (const std::optional<std::string> reason = Keep(std::move(bridge))) {
    emit Said(QString::fromStdString(BridgeKeptText(*reason)), true);
    return false;
  }
  refused_.clear();
  Refresh();
  emit Said(QString::fromStdString(BentsPastedText(pasted.size() - replaced, replaced)), false);
  return true;
}

std::string BentTableModel::CellProblem(int row, int column) const {
  const auto refused = refused_.find({row, column});
  return refused == refused_.end() ? std::string() : refused->second.second;
}

}  // namespace capset
