#pragma once
// The results log on screen: a table of whole rows. Ctrl+C copies the
// selected rows as tab-separated text with a header line, ready to paste
// into a spreadsheet; Delete removes them (the day file keeps them), and
// Ctrl+Z puts them back where they were. All three are on the context menu
// too.

#include <QTableView>
#include <vector>

#include "cap_log_model.h"
#include "cap_solution.h"

class QAction;

namespace capset {

class LogView : public QTableView {
  Q_OBJECT

 public:
  LogView(CapLog& log, std::string sep, QWidget* parent = nullptr);

  // The selected rows, in table order.
  std::vector<int> SelectedRows() const;
  CapLogModel* LogModel() const { return model_; }

  void CopySelection();
  void DeleteSelection();
  void UndoDelete();

 signals:
  // The current row changed to a cap that was placed: its row.
  void CapRowSelected(int row);
  // Rows were deleted (`count` of them) or put back.
  void RowsDeleted(int count);
  void DeleteUndone();

 protected:
  // A new font (the window's, once the table is placed in it) sizes the columns anew.
  void changeEvent(QEvent* event) override;

 private:
  // The sizes the titles of columns first to last ask of the header.
  void SizeTitles(int first, int last);
  // Gives columns first to last their widths and the header its size.
  void SizeColumns(int first, int last);

  CapLog& log_;
  CapLogModel* model_;
  QAction* undo_;
};

}  // namespace capset
