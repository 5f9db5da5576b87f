#pragma once
// A table's columns at the widths their texts need, the width the view has
// beyond them shared out in proportion, so nothing is cut and nothing is
// measured again when the view is resized (the widths come from the font's
// metrics once, not from the rows).

#include <QObject>
#include <vector>

class QTableView;

namespace capset {

class ColumnSpread : public QObject {
  Q_OBJECT

 public:
  // Follows the view's size from now on; owned by the view.
  static ColumnSpread* On(QTableView* view);
  // The widths each column needs, in pixels; applied at once.
  void SetNeeds(std::vector<int> needs);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit ColumnSpread(QTableView* view);
  void Apply();

  QTableView* view_;
  std::vector<int> needs_;
};

}  // namespace capset
