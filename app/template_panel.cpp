#include "template_panel.h"

#include <QBoxLayout>
#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "bridge_lines.h"
#include "bridge_page_texts.h"
#include "bridge_texts.h"
#include "cap_session.h"
#include "look.h"
#include "ready_templates.h"
#include "window_tables.h"

namespace capset {
namespace {

const QColor kRefusedCell{255, 205, 205};
const QColor kReadOnlyCell{236, 236, 236};
constexpr const char* kItemHeadings[kItemColumns] = {kItemKindHeader, kItemNameHeader, kItemFieldsHeader};

}  // namespace

TemplateItemsModel::TemplateItemsModel(CapSession& session, NumberSymbols symbols, QObject* parent)
    : QAbstractTableModel(parent), session_(session), symbols_(std::move(symbols)) {}

bool TemplateItemsModel::Editable() const { return !name_.empty() && FindReadyTemplate(name_) == nullptr; }

void TemplateItemsModel::Show(const std::string& name) {
  beginResetModel();
  name_ = name;
  refused_.reset();
  const SubstructureTemplate* tmpl = name.empty() ? nullptr : session_.FindTemplate(name);
  rows_ = tmpl ? TemplateItemCells(*tmpl, symbols_.decimal) : std::vector<ItemCells>{};
  endResetModel();
}

void TemplateItemsModel::Refresh() {
  if (refused_) return;  // the typed text stays until it is mended
  Show(name_);
}

int TemplateItemsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(rows_.size()); }
int TemplateItemsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kItemColumns; }

QVariant TemplateItemsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const bool refused = refused_ == std::pair(index.row(), index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(rows_[index.row()][index.column()]);
    case Qt::BackgroundRole:
      if (refused) return QBrush(kRefusedCell);
      return Editable() ? QVariant() : QVariant(QBrush(kReadOnlyCell));
    case Qt::ToolTipRole: return refused ? QVariant(QString::fromStdString(reason_)) : QVariant();
    default: return {};
  }
}

QVariant TemplateItemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section >= 0 && section < kItemColumns ? QString::fromUtf8(kItemHeadings[section]) : QVariant();
}

Qt::ItemFlags TemplateItemsModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | (Editable() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool TemplateItemsModel::Keep(const std::vector<ItemCells>& rows, int editedRow, int editedColumn) {
  const auto read = ReadTemplateRows(name_, rows, symbols_, session_.TemplateFinder());
  std::string reason;
  int row = editedRow;
  if (const auto* problem = std::get_if<ItemRowProblem>(&read)) {
    reason = problem->reason;
    row = problem->row > 0 ? problem->row - 1 : editedRow;
  } else if (const auto problems = session_.SetTemplate(std::get<SubstructureTemplate>(read)); !problems.empty()) {
    reason = BridgeProblemText(problems.front().problem);
  } else {
    return true;
  }
  refused_ = {row, row == editedRow ? editedColumn : kItemColumns - 1};
  reason_ = reason;
  emit Said(QString::fromStdString(TemplateItemMessage(row + 1, reason)), true);
  return false;
}

bool TemplateItemsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || !Editable() || index.row() >= static_cast<int>(rows_.size())) return false;
  const std::string typed = value.toString().toStdString();
  if (typed == rows_[index.row()][index.column()]) return true;
  rows_[index.row()][index.column()] = typed;
  refused_.reset();
  if (!Keep(rows_, index.row(), index.column())) {
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, kItemColumns - 1));
    return false;
  }
  emit Said({}, false);
  Show(name_);
  return true;
}

bool TemplateItemsModel::AddItem() {
  if (!Editable()) return false;
  std::vector<ItemCells> rows = rows_;
  for (int n = static_cast<int>(rows.size()) + 1;; ++n) {
    const std::string name = "P" + std::to_string(n);
    if (std::none_of(rows.begin(), rows.end(), [&](const ItemCells& r) { return r[1] == name; })) {
      rows.push_back({"point", name, "0 0"});
      break;
    }
  }
  if (!Keep(rows, static_cast<int>(rows.size()) - 1, 1)) return false;
  Show(name_);
  return true;
}

bool TemplateItemsModel::RemoveItem(int row) {
  if (!Editable() || row < 0 || row >= static_cast<int>(rows_.size())) return false;
  std::vector<ItemCells> rows = rows_;
  rows.erase(rows.begin() + row);
  if (!Keep(rows, std::max(0, row - 1), 0)) return false;
  Show(name_);
  return true;
}

TemplatePanel::TemplatePanel(CapSession& session, NumberSymbols symbols, QWidget* parent)
    : QWidget(parent),
      session_(session),
      list_(new QListWidget),
      about_(new QLabel),
      items_(new TemplateItemsModel(session, std::move(symbols), this)),
      table_(new QTableView),
      verdict_(nullptr) {
  setObjectName("TemplatePanel");
  auto* column = new QVBoxLayout(this);
  list_->setObjectName("TemplateList");
  list_->setMaximumHeight(150);
  column->addWidget(list_);
  about_->setObjectName("TemplateAbout");
  about_->setWordWrap(true);
  column->addWidget(about_);
  const std::vector<QPushButton*> buttons =
      ButtonRow(column, {kCopyTemplateButton, kDeleteTemplateButton, kAddItemButton, kRemoveItemButton});
  table_->setObjectName("TemplateItems");
  table_->setModel(items_);
  UniformRows(table_);
  table_->horizontalHeader()->setStretchLastSection(true);
  column->addWidget(table_, 1);
  verdict_ = VerdictLine(column);

  connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (!listing_ && item != nullptr) Choose(item->data(Qt::UserRole).toString().toStdString());
  });
  connect(buttons[0], &QPushButton::clicked, this, [this] {
    if (items_->Name().empty()) return;
    if (const auto name = askName_(QString::fromUtf8(kCopyTemplateTitle), QString::fromStdString(items_->Name() + "-1"))) {
      CopyAs(name->trimmed().toStdString());
    }
  });
  connect(buttons[1], &QPushButton::clicked, this, &TemplatePanel::DeleteChosen);
  connect(buttons[2], &QPushButton::clicked, this, [this] { items_->AddItem(); });
  connect(buttons[3], &QPushButton::clicked, this, [this] {
    if (table_->currentIndex().isValid()) items_->RemoveItem(table_->currentIndex().row());
  });
  connect(items_, &TemplateItemsModel::Said, this, &TemplatePanel::Say);
  askName_ = [this](const QString& title, const QString& initial) -> std::optional<QString> {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, title, QString::fromUtf8(kTemplateNameLabel), QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return name;
  };
  Refresh();
}

QString TemplatePanel::Verdict() const { return verdict_->text(); }
QString TemplatePanel::About() const { return about_->text(); }

void TemplatePanel::Say(const QString& text, bool refused) {
  SayOnVerdictLine(verdict_, text, refused);
}

void TemplatePanel::Refresh() {
  listing_ = true;
  list_->clear();
  auto add = [this](const std::string& name, const QString& shown, const char* tip) {
    auto* item = new QListWidgetItem(shown, list_);
    item->setData(Qt::UserRole, QString::fromStdString(name));
    if (tip != nullptr) item->setToolTip(QString::fromUtf8(tip));
    if (name == items_->Name()) list_->setCurrentItem(item);
  };
  for (const ReadyTemplate& r : ReadyTemplates()) {
    add(r.tmpl.name, QString::fromStdString(r.tmpl.name) + QString::fromUtf8(kReadyTemplateMark), r.description);
  }
  for (const SubstructureTemplate& t : session_.Templates()) add(t.name, QString::fromStdString(t.name), nullptr);
  listing_ = false;
  if (items_->Name().empty() || session_.FindTemplate(items_->Name()) == nullptr) {
    Choose(ReadyTemplates().front().tmpl.name);
  } else {
    items_->Refresh();
  }
}

void TemplatePanel::Choose(const std::string& name) {
  if (session_.FindTemplate(name) == nullptr) return;
  items_->Show(name);
  Say({}, false);
  const SubstructureTemplate* tmpl = session_.FindTemplate(name);
  std::string about = TemplatePointsText(static_cast<long long>(PointCount(*tmpl)));
  for (const ReadyTemplate& r : ReadyTemplates()) {
    if (r.tmpl.name == name) about = std::string(r.description) + "。" + about;
  }
  about_->setText(QString::fromStdString(about));
  listing_ = true;
  for (int i = 0; i < list_->count(); ++i) {
    if (list_->item(i)->data(Qt::UserRole).toString().toStdString() == name) list_->setCurrentRow(i);
  }
  listing_ = false;
}

bool TemplatePanel::CopyAs(const std::string& name) {
  const SubstructureTemplate* from = session_.FindTemplate(items_->Name());
  if (from == nullptr) return false;
  if (const std::optional<BridgeFault> fault = BlockNameFault(name)) {
    Say(QString::fromStdString(BridgeProblemText({*fault, "", name})), true);
    return false;
  }
  if (session_.FindTemplate(name) != nullptr) {
    Say(QString::fromStdString(TemplateNameTakenText(name)), true);
    return false;
  }
  SubstructureTemplate copy = *from;
  copy.name = name;
  if (const auto problems = session_.SetTemplate(copy); !problems.empty()) {
    Say(QString::fromStdString(BridgeProblemText(problems.front().problem)), true);
    return false;
  }
  Choose(name);
  return true;
}

bool TemplatePanel::DeleteChosen() {
  const std::string name = items_->Name();
  if (!items_->Editable()) return false;
  const auto users = session_.RemoveTemplate(name);
  if (!users.empty()) {
    Say(QString::fromStdString(TemplateInUseText(name, users.front().first, users.front().second)), true);
    return false;
  }
  return true;
}

}  // namespace capset
