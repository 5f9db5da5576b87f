#pragma once
// 实测检核…: points measured on site, pasted or read from a point file,
// checked against the road and the caps of the log. The results stand in a
// table that copies to a spreadsheet and exports as CSV, rows beyond the
// tolerance in red; the point chosen in it is shown in the plan sketch with
// the others of its cap. The dialog stays open beside the window, and
// keeps what was typed and found between openings.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "cells_table_model.h"
#include "as_built_check.h"
#include "check_table.h"
#include "cap_session.h"
#include "check_texts.h"
#include "file_store.h"
#include "seam.h"
#include "session_files.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace capset {

// The results as a table: cells made once per check by CheckCells.
class CheckTableModel : public CellsTableModel {
 public:
  explicit CheckTableModel(std::string sep, QObject* parent = nullptr);
  void SetResults(std::vector<CheckResult> results);
  const std::vector<CheckResult>& Results() const { return results_; }

  // Over-limit rows in the warning colour; names and words to the left.
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::string sep_;
  std::vector<CheckResult> results_;
  bool heights_ = false;  // a point carries a measured height: the height columns show
};

class CheckDialog : public QDialog {
  Q_OBJECT

 public:
  // `show` puts the point of row `current` in the sketch with the others of
  // its cap; it is called after each check and whenever another row is chosen.
  using ShowInSketch = std::function<void(const std::vector<CheckResult>& results, int current)>;
  CheckDialog(const CapSession& session, SessionFiles& files, FileStore& store, ErrorReporter& reporter,
              const NumberReader& reader, ShowInSketch show, QWidget* parent = nullptr);
  ~CheckDialog() override;

  // 检核: true when the points were checked. Bad points, a bad tolerance,
  // no road: reported, and the table stays as it was.
  bool Check();
  // 读取文件…: the file's points replace the typed ones; true when read.
  // A file that is not a point file is reported and changes nothing.
  bool ReadFile(const QString& path);
  // The results, whole, to `path`; true when written.
  bool ExportTo(const QString& path);
  // The chosen rows (all when none is chosen), tab-separated with headings.
  std::string CopyText() const;
  // What the results rest on has changed (the points typed or read, the
  // tolerance, the road, the caps of the log): results that no longer hold
  // are cleared, and the summary says why, until 检核 is pressed again.
  void InputChanged(CheckInput changed);

  QPlainTextEdit* PointsEdit() const { return points_; }
  QLineEdit* ToleranceEdit() const { return tolerance_; }
  QLineEdit* HeightToleranceEdit() const { return heightTolerance_; }
  QTableView* Table() const { return table_; }
  QLabel* Summary() const { return summary_; }
  const CheckTableModel& Model() const { return *model_; }

 private:
  void OpenFile();
  void OpenExport();
  void Copy();

  const CapSession& session_;
  SessionFiles& files_;
  FileStore& store_;
  ErrorReporter& reporter_;
  const NumberReader& reader_;
  ShowInSketch show_;
  QPlainTextEdit* points_;
  QLineEdit* tolerance_;
  QLineEdit* heightTolerance_;
  QTableView* table_;
  CheckTableModel* model_;
  QLabel* summary_;
};

}  // namespace capset
