#include "profile_page.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "heights_grid_model.h"
#include "heights_texts.h"
#include "heights_window_texts.h"
#include "plan_caps.h"
#include "profile_summary.h"
#include "profile_view.h"
#include "window_tables.h"

namespace capset {
namespace {

// Why the profile does not stand, its rows counted as the table shows
// them: where blank rows lie between, a row's number is the table's and the
// sentence names no station of the profile's own count.
std::string ProblemText(HeightsProblem problem, const PviTable& table, const ProfileInput& profile, const Road* road) {
  bool moved = false;
  auto row = [&](int& r) {
    if (r <= 0) return;
    const int shown = table.TableRow(r) + 1;
    moved = moved || shown != r;
    r = shown;
  };
  if (auto* p = std::get_if<ProfileProblem>(&problem)) {
    row(p->row);
    row(p->other);
  } else if (auto* s = std::get_if<HeightsStationProblem>(&problem); s && s->table == HeightsTable::kProfile) {
    row(s->row);
  }
  const std::optional<StationRange> range = road ? std::optional<StationRange>(RangeOf(*road)) : std::nullopt;
  const HeightsWords words{moved ? nullptr : &profile, nullptr, range ? &*range : nullptr};
  return HeightsProblemText(problem, words);
}

}  // namespace

ProfilePage::ProfilePage(CapSession& session, std::function<void(const QString&)> say, QWidget* parent)
    : QWidget(parent), session_(session), say_(std::move(say)), table_(LocaleSymbols()) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  auto* vertical = new QSplitter(Qt::Vertical);
  auto* top = new QSplitter(Qt::Horizontal);
  auto* left = new QWidget;
  auto* column = new QVBoxLayout(left);
  column->setContentsMargins(0, 0, 0, 0);
  model_ = new HeightsGridModel(&table_, this);
  view_ = HeightsTableView(model_, left);
  column->addWidget(view_, 1);
  const auto rows = ButtonRow(column, {kPviInsertButton, kPviRemoveButton, kPviPasteButton});
  QPushButton *insert = rows[0], *remove = rows[1], *paste = rows[2];
  verdict_ = VerdictLine(column);
  const auto ending = ButtonRow(column, {kProfileClearButton, kHeightsApplyButton}, true);
  QPushButton *clear = ending[0], *apply = ending[1];
  top->addWidget(left);
  profileView_ = new ProfileView;
  top->addWidget(profileView_);
  top->setStretchFactor(0, 2);
  top->setStretchFactor(1, 3);
  vertical->addWidget(top);
  auto* lower = new QWidget;
  auto* lowerColumn = new QVBoxLayout(lower);
  lowerColumn->setContentsMargins(0, 0, 0, 0);
  lowerColumn->addWidget(new QLabel(QString::fromUtf8(kVerticalCurvesLabel)));
  curves_ = ReadOnlyTable();
  lowerColumn->addWidget(curves_);
  vertical->addWidget(lower);
  vertical->setStretchFactor(0, 3);
  vertical->setStretchFactor(1, 1);
  outer->addWidget(vertical);
  // The table whole beside the view.
  int wanted = 0;
  for (int c = 0; c < model_->columnCount(); ++c) wanted += view_->horizontalHeader()->sectionSize(c);
  top->setSizes({wanted + 30, 700});

  connect(model_, &HeightsGridModel::Edited, this, [this] {
    typed_ = true;
    Recompute(false);
  });
  connect(insert, &QPushButton::clicked, this, [this] {
    const QModelIndex at = view_->currentIndex();
    model_->InsertAt(at.isValid() ? at.row() + 1 : model_->rowCount());
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    const QModelIndex at = view_->currentIndex();
    if (at.isValid()) model_->RemoveAt(at.row());
  });
  connect(paste, &QPushButton::clicked, this, &ProfilePage::Paste);
  auto* shortcut = new QShortcut(QKeySequence::Paste, view_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(shortcut, &QShortcut::activated, this, &ProfilePage::Paste);
  connect(apply, &QPushButton::clicked, this, &ProfilePage::Apply);
  connect(clear, &QPushButton::clicked, this, [this] {
    session_.ClearProfile();
    say_(QString::fromUtf8(kProfileCleared));
  });
  connect(profileView_, &ProfileView::PositionChanged, this, [this](const QString& text) { say_(text); });
  LoadJobProfile();
}

void ProfilePage::SetVerdict(const QString& text, bool bad) {
  verdict_->setStyleSheet(bad ? QStringLiteral("color: rgb(190, 0, 0)") : QString());
  verdict_->setText(text);
}

void ProfilePage::LoadJobProfile() {
  const std::optional<ProfileInput>& source = session_.ProfileSource();
  const auto shown = table_.Input();
  const bool same = source && std::holds_alternative<ProfileInput>(shown) && SameProfile(std::get<ProfileInput>(shown), *source);
  if (!same) {
    table_ = source ? PviTable::FromInput(*source, LocaleSymbols()) : PviTable(LocaleSymbols());
    model_->SetGrid(&table_);
  }
  typed_ = false;
  Recompute(true);
}

void ProfilePage::Refresh() {
  if (!typed_) {
    LoadJobProfile();
  } else {
    Recompute(false);
  }
}

void ProfilePage::Recompute(bool fit) {
  preview_.reset();
  const Road* road = session_.WorkingRoad();
  const auto input = table_.Input();
  if (const auto* bad = std::get_if<GridProblem>(&input)) {
    if (table_.Empty()) {
      SetVerdict(QString::fromUtf8(kProfileNone), false);
    } else {
      const QString where = bad->row >= 0 ? QString::fromStdString(PviCellWhere(bad->row + 1, table_.Header(bad->column))) : QString();
      SetVerdict(where + QString::fromStdString(bad->reason), true);
    }
  } else {
    const ProfileInput& profile = std::get<ProfileInput>(input);
    RoadHeightsBuild built = BuildHeights(profile, session_.CrossSectionSource(), road);
    if (built.heights) {
      preview_ = std::move(built.heights);
      const bool jobs = session_.ProfileSource() && SameProfile(*session_.ProfileSource(), profile);
      QString verdict = QString::fromUtf8(jobs ? kProfileIsJobs : kProfileReads);
      if (!road) verdict += QString::fromUtf8(kProfileNoRoad);
      SetVerdict(verdict, false);
    } else {
      std::string why = ProblemText(*built.problem, table_, profile, road);
      // The job's own profile that the road no longer places: said as such.
      if (session_.ProfileSource() && SameProfile(*session_.ProfileSource(), profile)) why = ProfileNotOnRoadText(why);
      SetVerdict(QString::fromStdString(why), true);
    }
  }
  if (preview_) {
    Fill(curves_, VerticalCurveTable(&preview_->profile(), road));
    profileView_->SetProfile(&preview_->profile(), road, PlanCapsOf(session_.Log()), fit);
  } else {
    Fill(curves_, VerticalCurveTable(nullptr, nullptr));
    profileView_->SetProfile(nullptr, nullptr, {});
  }
  view_->viewport()->update();
}

void ProfilePage::ShowCaps() {
  if (preview_) profileView_->SetProfile(&preview_->profile(), session_.WorkingRoad(), PlanCapsOf(session_.Log()), false);
}

void ProfilePage::Paste() {
  const QModelIndex at = view_->currentIndex();
  const int rows = model_->PasteAt(at.isValid() ? at.row() : 0, at.isValid() ? at.column() : 1, QApplication::clipboard()->text());
  const QString note = QString::fromStdString(table_.PasteNote());
  say_(note);
  if (rows == 0) SetVerdict(note, true);
  else verdict_->setText(verdict_->text() + QLatin1Char('\n') + note);
}

bool ProfilePage::Apply() {
  const auto input = table_.Input();
  if (const auto* bad = std::get_if<GridProblem>(&input)) {
    const QString where = bad->row >= 0 ? QString::fromStdString(PviCellWhere(bad->row + 1, table_.Header(bad->column))) : QString();
    SetVerdict(QString::fromUtf8(kProfileNotApplied) + where + QString::fromStdString(bad->reason), true);
    return false;
  }
  const ProfileInput& profile = std::get<ProfileInput>(input);
  if (const auto problem = session_.SetProfile(profile)) {
    SetVerdict(QString::fromUtf8(kProfileNotApplied) +
                   QString::fromStdString(ProblemText(*problem, table_, profile, session_.WorkingRoad())),
               true);
    return false;
  }
  typed_ = false;
  SetVerdict(QString::fromUtf8(kProfileApplied), false);
  say_(QString::fromUtf8(kProfileApplied));
  return true;
}

}  // namespace capset
