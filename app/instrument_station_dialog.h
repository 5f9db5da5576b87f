#pragma once
// 测站与后视…: the instrument station (a point's name with X, Y, or a
// bridge point picked by name; its height and the instrument height
// optional) and the backsight (a point, or an azimuth typed D.MMSS), set
// together; the backsight's azimuth and distance shown for the crew to
// check; below, every point's polar set-out data, which copies to a
// spreadsheet. The dialog stays open beside the window and follows the
// session: a new road, profile, bridge or job computes the table again.

#include <QDialog>
#include <string>
#include <vector>

#include "cells_table_model.h"
#include "cap_session.h"
#include "file_store.h"
#include "polar_data.h"
#include "seam.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;

namespace capset {

class PolarTableModel : public CellsTableModel {
 public:
  explicit PolarTableModel(std::string sep, QObject* parent = nullptr) : CellsTableModel(parent), sep_(std::move(sep)) {}
  void SetRows(std::vector<PolarRow> rows, bool heights);
  const std::vector<PolarRow>& Rows() const { return rows_; }
  bool Heights() const { return heights_; }

 private:
  std::string sep_;
  std::vector<PolarRow> rows_;
  bool heights_ = false;
};

class InstrumentStationDialog : public QDialog, private SessionObserver {
  Q_OBJECT

 public:
  InstrumentStationDialog(CapSession& session, FileStore& store, ErrorReporter& reporter, const NumberReader& reader,
                          QWidget* parent = nullptr);
  ~InstrumentStationDialog() override;

  // 设置: both read and checked first; a refusal is reported and nothing
  // changes. A group left empty sets none. True when set.
  bool Apply();
  // 清除: no station and no backsight.
  void Clear();
  // The fields from the session's station and backsight.
  void Load();
  // The table, with headings, tab-separated.
  std::string CopyText() const;
  // The table as CSV to `path`, whole or not at all; true when written.
  // Nothing to write, or a file that cannot be written, is reported.
  bool ExportTo(const QString& path);

  QLineEdit* StationName() const { return stationName_; }
  QLineEdit* StationX() const { return stationX_; }
  QLineEdit* StationY() const { return stationY_; }
  QLineEdit* StationH() const { return stationH_; }
  QLineEdit* StationHI() const { return stationHI_; }
  QRadioButton* ByPoint() const { return byPoint_; }
  QRadioButton* ByAzimuth() const { return byAzimuth_; }
  QLineEdit* BacksightName() const { return backName_; }
  QLineEdit* BacksightX() const { return backX_; }
  QLineEdit* BacksightY() const { return backY_; }
  QLineEdit* BacksightAzimuth() const { return backAzimuth_; }
  QLabel* BacksightCheck() const { return check_; }
  const PolarTableModel& Table() const { return *model_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void PolarChanged() override { Refresh(); }
  void BridgesChanged() override { Refresh(); }
  void RoadChanged() override { Refresh(); }
  void HeightsChanged() override { Refresh(); }
  // The backsight line and the table from the session as it stands.
  void Refresh();
  // The bridge points a station or a backsight may be picked from.
  void ListBridgePoints(QComboBox* box);
  void Pick(QComboBox* box, QLineEdit* name, QLineEdit* x, QLineEdit* y);
  void ShowMode();
  void Copy();
  void OpenExport();

  CapSession& session_;
  FileStore& store_;
  ErrorReporter& reporter_;
  const NumberReader& reader_;
  QLineEdit* stationName_;
  QLineEdit* stationX_;
  QLineEdit* stationY_;
  QLineEdit* stationH_;
  QLineEdit* stationHI_;
  QComboBox* stationPick_;
  QRadioButton* byPoint_;
  QRadioButton* byAzimuth_;
  QLineEdit* backName_;
  QLineEdit* backX_;
  QLineEdit* backY_;
  QLineEdit* backAzimuth_;
  QComboBox* backPick_;
  QLabel* check_;
  QTableView* table_;
  PolarTableModel* model_;
};

}  // namespace capset
