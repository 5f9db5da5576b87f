#pragma once
// The bridge page beside the main window's form: a chooser of the job's
// bridges (new, rename, delete), the bents table edited in place and
// pasted from a spreadsheet, the chosen bent's points, and the plan of the
// bridge on the road; the templates on a tab beside the plan.
//
// The page listens to the session: a change of the bridges, the road, the
// heights or a Start solves the bridge again, so nothing shown is of an
// older road; without a road it says that the bridge needs one.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "bridge_solve.h"
#include "cap_session.h"
#include "number_rules.h"

class QComboBox;
class QLabel;
class QTableView;
class QTableWidget;
class QTabWidget;

namespace capset {

class BentTableModel;
class BridgePlanView;
class TemplatePanel;

class BridgePage : public QWidget, private SessionObserver {
  Q_OBJECT

 public:
  BridgePage(CapSession& session, NumberSymbols symbols, QWidget* parent = nullptr);
  ~BridgePage() override;

  // Asks for a name (title, the name to start from); nothing: cancelled.
  // A dialog unless the caller gives another way.
  using NameAsker = std::function<std::optional<QString>(const QString& title, const QString& initial)>;
  void SetNameAsker(NameAsker ask) { askName_ = std::move(ask); }
  // Asks whether to go on; a dialog unless given another way.
  using Confirmer = std::function<bool(const QString& question)>;
  void SetConfirmer(Confirmer confirm) { confirm_ = std::move(confirm); }

  // A new bridge of one bent at the road's first station; true when kept.
  bool NewBridge(const std::string& name);
  bool RenameBridge(const std::string& name);
  // The chosen bridge, after asking.
  bool DeleteBridge();
  void ChooseBridge(const std::string& name);
  const std::string& ChosenBridge() const { return bridge_; }
  // The bent whose points the table shows, by its row; -1: none.
  void ChooseBent(int row);
  int ChosenBent() const { return bent_; }

  BentTableModel& Bents() const { return *bents_; }
  QTableView* BentsView() const { return bentsView_; }
  QTableWidget* PointsView() const { return points_; }
  BridgePlanView* Plan() const { return plan_; }
  TemplatePanel* Templates() const { return templates_; }
  // The plan's and the templates' tabs.
  QTabWidget* Side() const { return side_; }
  // The page's notice (no road, no bridge) and the line under the bents.
  QString Notice() const;
  QString Verdict() const;
  const std::optional<BridgeSolution>& Solution() const { return solution_; }

  // Pastes the clipboard's text into the bents table.
  bool PasteBents();

 signals:
  // What the status line says of the point under the plan's mouse.
  void PositionChanged(const QString& text);

 private:
  void BridgesChanged() override;
  void RoadChanged() override { Solve(true); }
  void HeightsChanged() override { Solve(false); }
  void StartCompleted() override { Solve(true); }
  void ListBridges();
  // The chosen bridge solved again, the points table and the plan made anew.
  void Solve(bool fit);
  void ShowPoints();
  void Say(const QString& text, bool refused);
  // A name a new bridge may take; else the line under the bents says why.
  bool NameFree(const std::string& name);

  CapSession& session_;
  NumberSymbols symbols_;
  std::string bridge_;
  int bent_ = -1;
  std::optional<BridgeSolution> solution_;
  QComboBox* chooser_;
  QLabel* notice_;
  BentTableModel* bents_;
  QTableView* bentsView_;
  QLabel* verdict_;
  QLabel* pointsCaption_;
  QTableWidget* points_;
  QLabel* pointNotices_;
  QTabWidget* side_;
  BridgePlanView* plan_;
  TemplatePanel* templates_ = nullptr;
  NameAsker askName_;
  Confirmer confirm_;
  bool listing_ = false;
};

}  // namespace capset
