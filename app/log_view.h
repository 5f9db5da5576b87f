#pragma once
// The results log on screen: a table of whole rows. Ctrl+C copies the
// selected rows as tab-separated text with a header line, ready to paste
// into a spreadsheet; Delete removes them (the day file keeps them). Both
// are on the context menu too.

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

 signals:
  // The current row changed to a cap that was placed.
  void CapSelected(const CapSolution& solution);

 private:
  CapLog& log_;
  CapLogModel* model_;
};

}  // namespace capset
