#include "section_page.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "heights_grid_model.h"
#include "heights_texts.h"
#include "heights_window_texts.h"
#include "profile_summary.h"
#include "road_cell_delegate.h"
#include "section_picture.h"
#include "section_view.h"
#include "station_ref_reading.h"
#include "road_texts.h"
#include "window_tables.h"

namespace capset {
namespace {

// A level profile over the whole road (or any distance without one), so a
// section can be made and drawn before the job has a profile.
ProfileInput LevelProfile(const Road* road) {
  if (road == nullptr) return {{{{-kProfileCoordinateLimit / 10}, 0}, {{kProfileCoordinateLimit / 10}, 0}}};
  return {{{road->StationAt(0), 0}, {road->StationAt(road->length()), 0}}};
}

}  // namespace

SectionPage::SectionPage(CapSession& session, std::function<void(const QString&)> say, QWidget* parent)
    : QWidget(parent), session_(session), say_(std::move(say)), form_(LocaleSymbols()) {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  auto* split = new QSplitter(Qt::Horizontal);
  auto* left = new QWidget;
  auto* column = new QVBoxLayout(left);
  column->setContentsMargins(0, 0, 0, 0);
  auto* form = new QFormLayout;
  for (int f = 0; f < 4; ++f) {
    const auto field = static_cast<SectionField>(f);
    fields_[f] = new QLineEdit;
    fields_[f]->setMaximumWidth(160);
    form->addRow(QString::fromStdString(SectionFieldLabel(field)), fields_[f]);
    CheckAsTyped(fields_[f], [this, field](const std::string& text) { return form_.FieldProblem(field, text); });
    connect(fields_[f], &QLineEdit::textEdited, this, [this, field](const QString& text) {
      form_.Field(field) = text.toStdString();
      typed_ = true;
      Recompute();
    });
  }
  column->addLayout(form);
  tables_ = new QTabWidget;
  transitionModel_ = new HeightsGridModel(&form_.Transitions(), this);
  slopeModel_ = new HeightsGridModel(&form_.Slopes(), this);
  transitionView_ = HeightsTableView(transitionModel_, nullptr);
  slopeView_ = HeightsTableView(slopeModel_, nullptr);
  tables_->addTab(transitionView_, QString::fromUtf8(kSuperByTransitions));
  tables_->addTab(slopeView_, QString::fromUtf8(kSuperBySlopes));
  column->addWidget(tables_, 1);
  const auto rows = ButtonRow(column, {kAddRowButton, kPviRemoveButton, kPviPasteButton});
  QPushButton *add = rows[0], *remove = rows[1], *paste = rows[2];
  verdict_ = VerdictLine(column);
  QPushButton* apply = ButtonRow(column, {kHeightsApplyButton}, true)[0];
  split->addWidget(left);
  auto* right = new QWidget;
  auto* rightColumn = new QVBoxLayout(right);
  rightColumn->setContentsMargins(0, 0, 0, 0);
  auto* stationRow = new QHBoxLayout;
  stationRow->addWidget(new QLabel(QString::fromUtf8(kSectionAtLabel)));
  station_ = new QLineEdit;
  station_->setMaximumWidth(180);
  stationRow->addWidget(station_);
  stationRow->addStretch();
  rightColumn->addLayout(stationRow);
  sectionView_ = new SectionView;
  rightColumn->addWidget(sectionView_, 1);
  split->addWidget(right);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  // The transitions' table whole beside the section.
  int wanted = 0;
  for (int c = 0; c < transitionModel_->columnCount(); ++c) wanted += transitionView_->horizontalHeader()->sectionSize(c);
  split->setSizes({wanted + 40, 480});
  outer->addWidget(split);

  for (HeightsGridModel* model : {transitionModel_, slopeModel_}) {
    connect(model, &HeightsGridModel::Edited, this, [this] {
      typed_ = true;
      Recompute();
    });
  }
  connect(add, &QPushButton::clicked, this, [this] { CurrentModel()->InsertAt(CurrentModel()->rowCount()); });
  connect(remove, &QPushButton::clicked, this, [this] {
    const QModelIndex at = CurrentView()->currentIndex();
    if (at.isValid()) CurrentModel()->RemoveAt(at.row());
  });
  auto pasteInto = [this] {
    const QModelIndex at = CurrentView()->currentIndex();
    const int rows = CurrentModel()->PasteAt(at.isValid() ? at.row() : 0, at.isValid() ? at.column() : 1,
                                             QApplication::clipboard()->text());
    const QString note = QString::fromStdString(CurrentModel()->Grid()->PasteNote());
    say_(note);
    if (rows == 0) SetVerdict(note, true);
  };
  connect(paste, &QPushButton::clicked, this, pasteInto);
  for (QTableView* view : {transitionView_, slopeView_}) {
    auto* shortcut = new QShortcut(QKeySequence::Paste, view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, pasteInto);
  }
  connect(apply, &QPushButton::clicked, this, &SectionPage::Apply);
  connect(station_, &QLineEdit::textEdited, this, [this] { Draw(); });
  LoadJobSection();
}

HeightsGridModel* SectionPage::CurrentModel() const { return tables_->currentIndex() == 0 ? transitionModel_ : slopeModel_; }

QTableView* SectionPage::CurrentView() const { return tables_->currentIndex() == 0 ? transitionView_ : slopeView_; }

void SectionPage::SetVerdict(const QString& text, bool bad) {
  verdict_->setStyleSheet(bad ? QStringLiteral("color: rgb(190, 0, 0)") : QString());
  verdict_->setText(text);
}

void SectionPage::LoadJobSection() {
  const CrossSectionInput& source = session_.CrossSectionSource();
  const auto shown = form_.Input();
  if (!(std::holds_alternative<CrossSectionInput>(shown) && SameSection(std::get<CrossSectionInput>(shown), source))) {
    form_ = SectionForm::FromInput(source, LocaleSymbols());
    transitionModel_->SetGrid(&form_.Transitions());
    slopeModel_->SetGrid(&form_.Slopes());
    for (int f = 0; f < 4; ++f) {
      fields_[f]->setText(QString::fromStdString(form_.Field(static_cast<SectionField>(f))));
      fields_[f]->setStyleSheet({});
      fields_[f]->setToolTip({});
    }
    tables_->setCurrentIndex(source.slopes.empty() ? 0 : 1);
  }
  typed_ = false;
  Recompute();
}

void SectionPage::Refresh() {
  if (!typed_) {
    LoadJobSection();
  } else {
    Recompute();
  }
}

void SectionPage::Recompute() {
  preview_.reset();
  onProfile_ = false;
  const Road* road = session_.WorkingRoad();
  const auto input = form_.Input();
  if (const auto* bad = std::get_if<SectionFormProblem>(&input)) {
    SetVerdict(QString::fromStdString(bad->reason), true);
  } else {
    const CrossSectionInput& section = std::get<CrossSectionInput>(input);
    const std::optional<ProfileInput>& profile = session_.ProfileSource();
    RoadHeightsBuild built = BuildHeights(profile ? *profile : LevelProfile(road), section, road);
    if (!built.heights && profile) {
      // The job's profile may not stand on this road: the section alone still draws.
      built = BuildHeights(LevelProfile(road), section, road);
    } else {
      onProfile_ = profile.has_value();
    }
    if (built.heights) {
      preview_ = std::move(built.heights);
      const bool jobs = SameSection(section, session_.CrossSectionSource());
      QString verdict = QString::fromUtf8(jobs ? kSectionIsJobs : kSectionReads);
      if (!onProfile_) verdict += QString::fromUtf8(kSectionNoProfile);
      SetVerdict(verdict, false);
    } else {
      const std::optional<StationRange> range = road ? std::optional<StationRange>(RangeOf(*road)) : std::nullopt;
      const HeightsWords words{nullptr, &section, range ? &*range : nullptr};
      SetVerdict(QString::fromStdString(HeightsProblemText(*built.problem, words)), true);
    }
  }
  transitionView_->viewport()->update();
  slopeView_->viewport()->update();
  Draw();
}

void SectionPage::ShowAt(const QString& station) {
  station_->setText(station);
  Draw();
}

void SectionPage::Draw() {
  if (!preview_) {
    sectionView_->SetPicture(std::nullopt, "");
    return;
  }
  const Road* road = session_.WorkingRoad();
  // The station typed, else where the first transition is full, else the road's start.
  std::optional<double> distance;
  const std::string typed = station_->text().trimmed().toStdString();
  if (!typed.empty()) {
    const auto read = ReadStationRef(typed, LocaleSymbols());
    if (const auto* problem = std::get_if<StationRefProblem>(&read)) {
      sectionView_->SetPicture(std::nullopt, StationRefProblemText(*problem));
      return;
    }
    const StationRef s = std::get<StationRef>(read);
    if (road == nullptr) {
      distance = s.value;
    } else if (const Placement p = road->Place(s); p.status == PlaceStatus::kPlaced) {
      distance = p.distance;
    } else {
      sectionView_->SetPicture(std::nullopt, PlacementText(typed, p, RangeOf(*road)));
      return;
    }
  } else if (!preview_->section().layout().transitions.empty()) {
    distance = preview_->section().layout().transitions.front().fs;
  } else if (!preview_->section().layout().slopes.empty()) {
    distance = preview_->section().layout().slopes.front().distance;
  } else {
    distance = onProfile_ ? preview_->profile().startDistance() : 0;
  }
  sectionView_->SetPicture(MakeSectionPicture(preview_->section(), onProfile_ ? &*preview_ : nullptr, *distance),
                           SectionCaption(DistanceStationText(*distance, road)));
}

bool SectionPage::Apply() {
  const auto input = form_.Input();
  if (const auto* bad = std::get_if<SectionFormProblem>(&input)) {
    SetVerdict(QString::fromUtf8(kSectionNotApplied) + QString::fromStdString(bad->reason), true);
    return false;
  }
  const CrossSectionInput& section = std::get<CrossSectionInput>(input);
  if (const auto problem = session_.SetCrossSection(section)) {
    const Road* road = session_.WorkingRoad();
    const std::optional<StationRange> range = road ? std::optional<StationRange>(RangeOf(*road)) : std::nullopt;
    const HeightsWords words{session_.ProfileSource() ? &*session_.ProfileSource() : nullptr, &section,
                             range ? &*range : nullptr};
    SetVerdict(QString::fromUtf8(kSectionNotApplied) + QString::fromStdString(HeightsProblemText(*problem, words)), true);
    return false;
  }
  typed_ = false;
  SetVerdict(QString::fromUtf8(kSectionApplied), false);
  say_(QString::fromUtf8(kSectionApplied));
  return true;
}

}  // namespace capset
