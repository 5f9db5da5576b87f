#include "bridge_page.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include "bent_cells.h"
#include "bent_points.h"
#include "bent_table_model.h"
#include "bridge_lines.h"
#include "bridge_page_texts.h"
#include "bridge_plan_view.h"
#include "bridge_scene.h"
#include "bridge_texts.h"
#include "look.h"
#include "template_panel.h"
#include "view_guard.h"
#include "window_tables.h"

namespace capset {
namespace {

QLabel* Caption(const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

BridgePage::BridgePage(CapSession& session, NumberSymbols symbols, QWidget* parent)
    : QWidget(parent),
      session_(session),
      symbols_(std::move(symbols)),
      chooser_(new QComboBox),
      notice_(new QLabel),
      bents_(new BentTableModel(session, symbols_, this)),
      bentsView_(new QTableView),
      verdict_(nullptr),
      pointsCaption_(Caption(kPointsCaption)),
      points_(ReadOnlyTable()),
      pointNotices_(new QLabel),
      side_(new QTabWidget),
      plan_(new BridgePlanView) {
  setObjectName("BridgePage");
  setFont(PlainFont(12));
  auto* page = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QString::fromUtf8(kBridgeChooserLabel)));
  chooser_->setObjectName("BridgeChooser");
  chooser_->setMinimumContentsLength(12);
  top->addWidget(chooser_);
  const char* kButtons[] = {kNewBridgeButton, kRenameBridgeButton, kDeleteBridgeButton};
  QPushButton* buttons[3];
  for (int i = 0; i < 3; ++i) buttons[i] = AddButton(kButtons[i], top);
  buttons[0]->setObjectName("NewBridgeButton");
  buttons[1]->setObjectName("RenameBridgeButton");
  buttons[2]->setObjectName("DeleteBridgeButton");
  notice_->setObjectName("BridgeNotice");
  notice_->setWordWrap(true);
  notice_->setStyleSheet("color: #a00000");
  top->addWidget(notice_, 1);
  page->addLayout(top);

  auto* split = new QSplitter(Qt::Horizontal);
  auto* tables = new QSplitter(Qt::Vertical);

  auto* bentsBox = new QWidget;
  auto* bentsColumn = new QVBoxLayout(bentsBox);
  bentsColumn->setContentsMargins(0, 0, 0, 0);
  auto* bentsHead = new QHBoxLayout;
  bentsHead->addWidget(Caption(kBentsCaption));
  QPushButton* add = AddButton(kAddBentButton, bentsHead);
  QPushButton* remove = AddButton(kRemoveBentButton, bentsHead);
  QPushButton* paste = AddButton(kPasteBentsButton, bentsHead);
  add->setObjectName("AddBentButton");
  remove->setObjectName("RemoveBentButton");
  paste->setObjectName("PasteBentsButton");
  bentsHead->addStretch();
  bentsColumn->addLayout(bentsHead);
  bentsView_->setObjectName("BentsTable");
  bentsView_->setModel(bents_);
  bentsView_->setFont(PlainFont(12));
  UniformRows(bentsView_);
  bentsView_->setSelectionBehavior(QAbstractItemView::SelectItems);
  bentsView_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  bentsColumn->addWidget(bentsView_);
  verdict_ = VerdictLine(bentsColumn);
  verdict_->setObjectName("BentsVerdict");
  tables->addWidget(bentsBox);

  auto* pointsBox = new QWidget;
  auto* pointsColumn = new QVBoxLayout(pointsBox);
  pointsColumn->setContentsMargins(0, 0, 0, 0);
  pointsColumn->addWidget(pointsCaption_);
  points_->setObjectName("BentPointsTable");
  pointsColumn->addWidget(points_);
  pointNotices_->setObjectName("BentPointNotices");
  pointNotices_->setWordWrap(true);
  pointsColumn->addWidget(pointNotices_);
  tables->addWidget(pointsBox);
  split->addWidget(tables);

  plan_->setObjectName("BridgePlan");
  side_->addTab(plan_, QString::fromUtf8(kBridgePlanCaption));
  templates_ = new TemplatePanel(session_, symbols_);
  side_->addTab(templates_, QString::fromUtf8(kTemplatesCaption));
  split->addWidget(side_);
  // The tables as wide as their columns want, the plan the rest.
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  split->setSizes({560, 640});
  page->addWidget(split, 1);

  connect(chooser_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
    if (!listing_) ChooseBridge(name.toStdString());
  });
  connect(buttons[0], &QPushButton::clicked, this, [this] {
    if (const auto name = askName_(QString::fromUtf8(kNewBridgeTitle), {})) NewBridge(name->trimmed().toStdString());
  });
  connect(buttons[1], &QPushButton::clicked, this, [this] {
    if (bridge_.empty()) return;
    if (const auto name = askName_(QString::fromUtf8(kRenameBridgeTitle), QString::fromStdString(bridge_))) {
      RenameBridge(name->trimmed().toStdString());
    }
  });
  connect(buttons[2], &QPushButton::clicked, this, &BridgePage::DeleteBridge);
  connect(add, &QPushButton::clicked, this, [this] {
    const int row = bents_->AddBent(bentsView_->currentIndex().isValid() ? bentsView_->currentIndex().row() : -1);
    if (row >= 0) bentsView_->setCurrentIndex(bents_->index(row, 0));
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    std::vector<int> rows;
    for (const QModelIndex& i : bentsView_->selectionModel()->selectedIndexes()) rows.push_back(i.row());
    if (rows.empty() && bentsView_->currentIndex().isValid()) rows.push_back(bentsView_->currentIndex().row());
    bents_->RemoveBents(rows);
  });
  connect(paste, &QPushButton::clicked, this, &BridgePage::PasteBents);
  auto* pasteKeys = new QShortcut(QKeySequence::Paste, bentsView_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(pasteKeys, &QShortcut::activated, this, &BridgePage::PasteBents);
  connect(bents_, &BentTableModel::Said, this, &BridgePage::Say);
  connect(bentsView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) ChooseBent(current.row());
          });
  connect(plan_, &ZoomPanView::PositionChanged, this, &BridgePage::PositionChanged);
  connect(plan_, &BridgePlanView::BentClicked, this, &BridgePage::ChooseBent);

  askName_ = [this](const QString& title, const QString& initial) -> std::optional<QString> {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, title, QString::fromUtf8(kBridgeNameLabel), QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return name;
  };
  confirm_ = [this](const QString& question) {
    return QMessageBox::question(this, QString::fromUtf8(kDeleteBridgeTitle), question) == QMessageBox::Yes;
  };
  session_.AddObserver(this);
  ListBridges();
}

BridgePage::~BridgePage() { session_.RemoveObserver(this); }

QString BridgePage::Notice() const { return notice_->text(); }
QString BridgePage::Verdict() const { return verdict_->text(); }

void BridgePage::Say(const QString& text, bool refused) {
  SayOnVerdictLine(verdict_, text, refused);
}

void BridgePage::ListBridges() {
  listing_ = true;
  chooser_->clear();
  for (const Bridge& b : session_.Bridges()) chooser_->addItem(QString::fromStdString(b.name));
  // The chosen bridge stays chosen while it is there; else the first.
  if (session_.FindBridge(bridge_) == nullptr) {
    bridge_ = session_.Bridges().empty() ? std::string() : session_.Bridges().front().name;
    bent_ = -1;
    bents_->SetBridge(bridge_);
  } else {
    bents_->Refresh();
  }
  chooser_->setCurrentText(QString::fromStdString(bridge_));
  listing_ = false;
  const Bridge* bridge = session_.FindBridge(bridge_);
  if (bridge != nullptr && (bent_ < 0 || bent_ >= static_cast<int>(bridge->bents.size()))) {
    bent_ = bridge->bents.empty() ? -1 : 0;
  }
  Solve(false);
}

void BridgePage::BridgesChanged() {
  templates_->Refresh();
  ListBridges();
}

void BridgePage::ChooseBridge(const std::string& name) {
  if (name == bridge_ || session_.FindBridge(name) == nullptr) return;
  bridge_ = name;
  bents_->SetBridge(name);
  bent_ = 0;
  listing_ = true;
  chooser_->setCurrentText(QString::fromStdString(name));
  listing_ = false;
  Say({}, false);
  Solve(true);
}

void BridgePage::ChooseBent(int row) {
  const Bridge* bridge = session_.FindBridge(bridge_);
  if (bridge == nullptr || row < 0 || row >= static_cast<int>(bridge->bents.size())) return;
  bent_ = row;
  if (bentsView_->currentIndex().row() != row) bentsView_->setCurrentIndex(bents_->index(row, 0));
  plan_->SetChosen(row);
  ShowPoints();
}

bool BridgePage::NameFree(const std::string& name) {
  if (const std::optional<BridgeFault> fault = BlockNameFault(name)) {
    Say(QString::fromStdString(BridgeProblemText({*fault, "", name})), true);
    return false;
  }
  if (session_.FindBridge(name) != nullptr) {
    Say(QString::fromStdString(BridgeNameTakenText(name)), true);
    return false;
  }
  return true;
}

bool BridgePage::NewBridge(const std::string& name) {
  if (!NameFree(name)) return false;
  Bridge bridge{name, {NextBent({})}};
  const Road* road = session_.WorkingRoad();
  if (road != nullptr) bridge.bents.front().station = {road->firstStation(), 0};
  bridge.bents.front().line = 1;
  const std::vector<BridgeLineProblem> problems = session_.SetBridge(bridge);
  if (!problems.empty()) {
    Say(QString::fromStdString(BridgeProblemText(problems.front().problem)), true);
    return false;
  }
  ChooseBridge(name);
  return true;
}

bool BridgePage::RenameBridge(const std::string& name) {
  const Bridge* old = session_.FindBridge(bridge_);
  if (old == nullptr || name == bridge_) return false;
  if (!NameFree(name)) return false;
  Bridge renamed = *old;
  renamed.name = name;
  const std::string before = bridge_;
  // Chosen first, so that the lists the session's changes bring keep it.
  bridge_ = name;
  if (const std::vector<BridgeLineProblem> problems = session_.SetBridge(renamed); !problems.empty()) {
    bridge_ = before;
    Say(QString::fromStdString(BridgeProblemText(problems.front().problem)), true);
    return false;
  }
  session_.RemoveBridge(before);
  bents_->SetBridge(name);
  ListBridges();
  return true;
}

bool BridgePage::DeleteBridge() {
  const Bridge* bridge = session_.FindBridge(bridge_);
  if (bridge == nullptr) return false;
  if (!confirm_(QString::fromStdString(DeleteBridgeQuestion(bridge->name, bridge->bents.size())))) return false;
  return session_.RemoveBridge(bridge_);
}

bool BridgePage::PasteBents() {
  if (session_.FindBridge(bridge_) == nullptr) {
    Say(QString::fromUtf8(kNoBridgeYet), true);
    return false;
  }
  return bents_->Paste(QApplication::clipboard()->text());
}

void BridgePage::Solve(bool fit) {
  solution_.reset();
  const Bridge* bridge = session_.FindBridge(bridge_);
  const Road* road = session_.WorkingRoad();
  if (bridge == nullptr) {
    notice_->setText(QString::fromUtf8(kNoBridgeYet));
  } else if (road == nullptr) {
    notice_->setText(QString::fromUtf8(kBridgeNeedsRoad));
  } else {
    notice_->clear();
    Guarded([&] { solution_ = session_.SolveBridgeNow(*bridge); });
  }
  if (solution_) {
    BridgeScene scene;
    Guarded([&] { scene = MakeBridgeScene(*bridge, *solution_, *road, session_.TemplateFinder()); });
    plan_->SetScene(std::move(scene), road, fit);
    plan_->SetChosen(bent_);
  } else {
    plan_->Clear();
  }
  ShowPoints();
}

void BridgePage::ShowPoints() {
  const Bridge* bridge = session_.FindBridge(bridge_);
  const Road* road = session_.WorkingRoad();
  TextTable table;
  for (int c = 0; c < kPointColumns; ++c) table.headers.emplace_back(PointColumnHeading(static_cast<PointColumn>(c)));
  QStringList notices;
  if (solution_ && bridge != nullptr && road != nullptr && bent_ >= 0 && bent_ < static_cast<int>(solution_->bents.size()) &&
      bent_ < static_cast<int>(bridge->bents.size())) {
    BentPointsTable points;
    Guarded([&] { points = MakeBentPointsTable(bridge_, bridge->bents[bent_], solution_->bents[bent_], *road, symbols_.decimal); });
    for (const auto& row : points.rows) table.rows.emplace_back(row.begin(), row.end());
    for (const std::string& n : points.notices) notices << QString::fromStdString(n);
    pointsCaption_->setText(QString::fromStdString(BentPointsCaption(bridge->bents[bent_].name, points.rows.size())));
  } else {
    pointsCaption_->setText(QString::fromUtf8(kPointsCaption));
  }
  Fill(points_, table);
  pointNotices_->setText(notices.join(QLatin1Char('\n')));
  pointNotices_->setVisible(!notices.isEmpty());
}

}  // namespace capset
