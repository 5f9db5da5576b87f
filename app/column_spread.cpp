#include "column_spread.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <numeric>

namespace capset {

ColumnSpread::ColumnSpread(QTableView* view) : QObject(view), view_(view) {
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  view->horizontalHeader()->setStretchLastSection(false);
  view->viewport()->installEventFilter(this);
}

ColumnSpread* ColumnSpread::On(QTableView* view) {
  if (auto* spread = view->findChild<ColumnSpread*>(QString(), Qt::FindDirectChildrenOnly)) return spread;
  return new ColumnSpread(view);
}

void ColumnSpread::SetNeeds(std::vector<int> needs) {
  needs_ = std::move(needs);
  Apply();
}

bool ColumnSpread::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched == view_->viewport()) Apply();
  return false;
}

void ColumnSpread::Apply() {
  const int count = std::min(static_cast<int>(needs_.size()), view_->horizontalHeader()->count());
  const int need = std::accumulate(needs_.begin(), needs_.begin() + count, 0);
  const int spare = std::max(0, view_->viewport()->width() - need);
  int given = 0;
  for (int c = 0; c < count; ++c) {
    // The last column takes what rounding leaves.
    const int extra = need == 0 ? 0 : c + 1 == count ? spare - given : spare * needs_[c] / need;
    given += extra;
    view_->setColumnWidth(c, needs_[c] + extra);
  }
}

}  // namespace capset
