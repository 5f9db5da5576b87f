#pragma once
// 逐桩坐标表…: the points of the road from one station to another for the
// survey crew: the first and last station, the interval, the road bed's
// half-width (both edges) and any other offsets. 计算 makes the table on
// the road the caps are solved on; it can be copied (tab-separated, for a
// spreadsheet) and exported as CSV or the total station's point file. A
// field that is wrong, or a station the road does not have, is said in the
// window and leaves the table as it was.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "seam.h"
#include "station_table.h"
#include "export_formats.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace capset {

class CapSession;
class StationTableModel;

class StationTableWindow : public QDialog {
  Q_OBJECT

 public:
  // `exportTo` writes the rows to a file and tells whether it did.
  using Export = std::function<bool(const QString& path, ExportFormat format, const std::vector<StationTableRow>& rows)>;
  StationTableWindow(const CapSession& session, const NumberReader& reader, Export exportTo, QWidget* parent = nullptr);

  // The fields, for the window's tests.
  QLineEdit* From() const { return from_; }
  QLineEdit* To() const { return to_; }
  QLineEdit* Step() const { return step_; }
  QLineEdit* Edges() const { return edges_; }
  QLineEdit* Offsets() const { return offsets_; }
  QPushButton* MakeButton() const { return make_; }
  QPushButton* CopyButton() const { return copy_; }
  QTableView* View() const { return view_; }
  const StationTableModel& Model() const { return *model_; }
  // What the line under the fields says: the table's size, or why there is none.
  QString Status() const;

  // Writes the table to `path` (the ending says CSV or .dat), as 导出… does after its file dialog.
  bool ExportTo(const QString& path);

 private:
  void Make();
  void Copy();
  void OpenExport();
  void Tell(const std::string& text, bool problem);

  const CapSession& session_;
  const NumberReader& reader_;
  Export export_;
  QLineEdit* from_;
  QLineEdit* to_;
  QLineEdit* step_;
  QLineEdit* edges_;
  QLineEdit* offsets_;
  QPushButton* make_;
  QPushButton* copy_;
  QPushButton* exportButton_;
  QLabel* status_;
  QTableView* view_;
  StationTableModel* model_;
};

}  // namespace capset
