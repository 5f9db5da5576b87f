#pragma once
// 路线: the road of the job edited as a table (the intersection-point
// table or the element table, and the station equations), its curve
// elements and key points computed beside it as the drawings print them,
// and a plan of the whole road. Every cell is checked as it is typed; the
// job's road changes only at 应用.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "cap_session.h"
#include "road_table.h"
#include "seam.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;

namespace capset {

class PlanView;
class ProfilePage;
class SectionPage;
class RoadTableModel;

class RoadWindow : public QMainWindow, private SessionObserver {
  Q_OBJECT

 public:
  RoadWindow(CapSession& session, ErrorReporter& reporter, QWidget* parent = nullptr);
  ~RoadWindow() override;

  // The tables take the job's road as it is now (the Start job's when the
  // job has none of its own; an empty table when there is neither).
  void LoadJobRoad();
  // The table's road becomes the job's; false (and why, beside the table)
  // when it has a bad cell or makes no road, or `mayApply` says no.
  bool Apply();
  // Asked before 应用 replaces the job's road (the main window asks the
  // user when the log holds caps solved on it); true to go on.
  void SetApplyCheck(std::function<bool(const RoadInput&)> mayApply) { mayApply_ = std::move(mayApply); }
  // Switches between the intersection-point and the element table, the
  // road carried over when it reads and the other table can hold it.
  bool SwitchForm(RoadTableForm form);
  // The plan takes the caps of the results log as they are now.
  void ShowCaps();

  RoadTable& Table() { return table_; }
  RoadTableModel* MainModel() const { return mainModel_; }
  RoadTableModel* EquationModel() const { return equationModel_; }
  QTableView* MainView() const { return mainView_; }
  QTableWidget* Curves() const { return curves_; }
  QTableWidget* KeyPoints() const { return keys_; }
  PlanView* Plan() const { return plan_; }
  QTabWidget* Tabs() const { return tabs_; }
  // The window's pages: 平面 (the tables above), 纵断面, 横断面.
  QTabWidget* Pages() const { return pages_; }
  ProfilePage* Profile() const { return profile_; }
  SectionPage* Section() const { return section_; }
  QLabel* Verdict() const { return verdict_; }
  // The road the table makes as it stands; nothing while it makes none.
  const Road* Preview() const { return preview_ ? &*preview_ : nullptr; }

 private:
  void RoadChanged() override;
  void HeightsChanged() override;
  void StartCompleted() override;
  void Recompute(bool fit);
  void ShowTables();
  void PasteInto(QTableView* view, RoadTableModel* model);
  int CurrentRow(QTableView* view) const;

  CapSession& session_;
  ErrorReporter& reporter_;
  std::function<bool(const RoadInput&)> mayApply_;
  NumberSymbols symbols_;
  RoadTable table_;
  std::optional<Road> preview_;
  QComboBox* form_;
  QTableView* mainView_;
  QTableView* equationView_;
  RoadTableModel* mainModel_;
  RoadTableModel* equationModel_;
  QTabWidget* tabs_;
  QTabWidget* pages_;
  ProfilePage* profile_;
  SectionPage* section_;
  QTableWidget* curves_;
  QTableWidget* keys_;
  PlanView* plan_;
  QLabel* verdict_;
  QPushButton* apply_;
  int tableWidth_ = 0;  // what the main table's columns need
};

}  // namespace capset
