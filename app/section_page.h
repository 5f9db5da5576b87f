#pragma once
// 横断面: the road window's cross-section page. On the left the crown, the
// half-widths and the design line, each checked as typed, and the
// superelevation as transitions or as the table of slopes (one of them);
// the line that says whether it stands on the job's road, and 应用; on the
// right the section drawn at a chosen station. The job's section changes
// only at 应用.

#include <QWidget>
#include <functional>
#include <optional>

#include "cap_session.h"
#include "section_form.h"

class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;

namespace capset {

class HeightsGridModel;
class SectionView;

class SectionPage : public QWidget {
  Q_OBJECT

 public:
  SectionPage(CapSession& session, std::function<void(const QString&)> say, QWidget* parent = nullptr);

  void LoadJobSection();
  void Refresh();
  bool Apply();
  // Draws the section at a station as typed (metres or K form).
  void ShowAt(const QString& station);

  SectionForm& Form() { return form_; }
  QLineEdit* FieldEdit(SectionField field) const { return fields_[static_cast<int>(field)]; }
  HeightsGridModel* TransitionModel() const { return transitionModel_; }
  HeightsGridModel* SlopeModel() const { return slopeModel_; }
  QTabWidget* Tables() const { return tables_; }
  SectionView* Section() const { return sectionView_; }
  QLabel* Verdict() const { return verdict_; }
  QLineEdit* StationEdit() const { return station_; }

 private:
  void Recompute();
  void Draw();
  void SetVerdict(const QString& text, bool bad);
  HeightsGridModel* CurrentModel() const;
  QTableView* CurrentView() const;

  CapSession& session_;
  std::function<void(const QString&)> say_;
  SectionForm form_;
  // The section the page shows: on the job's profile when there is one,
  // else on a level stand-in (rises alone).
  std::optional<RoadHeights> preview_;
  bool onProfile_ = false;
  bool typed_ = false;  // a field or a cell typed in since the job's section was loaded
  QLineEdit* fields_[4];
  HeightsGridModel* transitionModel_;
  HeightsGridModel* slopeModel_;
  QTableView* transitionView_;
  QTableView* slopeView_;
  QTabWidget* tables_;
  SectionView* sectionView_;
  QLineEdit* station_;
  QLabel* verdict_;
};

}  // namespace capset
