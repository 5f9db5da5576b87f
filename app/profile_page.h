#pragma once
// 纵断面: the road window's profile page. On the left the 变坡点 table, every
// cell checked as typed, with its rows' buttons and paste, the line that
// says whether the table makes a profile on the job's road (or why not) and
// 应用; on the right the profile view; below, the 竖曲线要素 table as the
// drawings print it. The job's profile changes only at 应用.

#include <QWidget>
#include <functional>
#include <optional>

#include "cap_session.h"
#include "pvi_table.h"

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace capset {

class HeightsGridModel;
class ProfileView;

class ProfilePage : public QWidget {
  Q_OBJECT

 public:
  // `say` puts a sentence on the window's status line.
  ProfilePage(CapSession& session, std::function<void(const QString&)> say, QWidget* parent = nullptr);

  // The table takes the job's profile as it is now (kept as typed when it
  // is the same profile).
  void LoadJobProfile();
  // The road, the heights or the log changed: the preview is made again;
  // a table holding nothing unapplied follows the job's profile.
  void Refresh();
  // The table's profile becomes the job's; false (and why, beside the table) when it does not stand.
  bool Apply();
  // The caps of the log as they are now, drawn at their stations.
  void ShowCaps();

  PviTable& Table() { return table_; }
  HeightsGridModel* Model() const { return model_; }
  QTableView* View() const { return view_; }
  QTableWidget* Curves() const { return curves_; }
  ProfileView* Profile() const { return profileView_; }
  QLabel* Verdict() const { return verdict_; }
  // The heights the table makes on the job's road; nothing while it makes none.
  const RoadHeights* Preview() const { return preview_ ? &*preview_ : nullptr; }

 private:
  void Recompute(bool fit);
  void Paste();
  void SetVerdict(const QString& text, bool bad);

  CapSession& session_;
  std::function<void(const QString&)> say_;
  PviTable table_;
  std::optional<RoadHeights> preview_;
  // A cell typed since the job's profile was loaded or applied: the table
  // then stays as the user left it when the job's profile changes.
  bool typed_ = false;
  HeightsGridModel* model_;
  QTableView* view_;
  QTableWidget* curves_;
  ProfileView* profileView_;
  QLabel* verdict_;
};

}  // namespace capset
