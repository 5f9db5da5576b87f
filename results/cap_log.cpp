#include "cap_log.h"

#include <algorithm>
#include <iterator>

namespace capset {

void CapLog::RemoveObserver(LogObserver* observer) { std::erase(observers_, observer); }

void CapLog::Add(std::vector<CapRecord> records) {
  if (records.empty()) return;
  const int first = Size();
  const int last = first + static_cast<int>(records.size()) - 1;
  // The watchers as they stand now hear both halves of the change; one that
  // a watcher adds meanwhile (a table made for the first rows) reads the
  // rows as they are and hears of the next change.
  const std::vector<LogObserver*> watchers = observers_;
  for (LogObserver* o : watchers) o->RowsAboutToBeAdded(first, last);
  for (CapRecord& r : records) r.number = nextNumber_++;
  records_.insert(records_.end(), std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()));
  for (LogObserver* o : watchers) o->RowsAdded(first, last);
}

void CapLog::Remove(std::vector<int> rows) {
  std::erase_if(rows, [this](int row) { return row < 0 || row >= Size(); });
  std::ranges::sort(rows, std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (std::size_t i = 0; i < rows.size();) {
    // rows[i] is the last row of a run that goes down to rows[j - 1].
    std::size_t j = i + 1;
    while (j < rows.size() && rows[j] == rows[j - 1] - 1) ++j;
    const int last = rows[i];
    const int first = rows[j - 1];
    const std::vector<LogObserver*> watchers = observers_;
    for (LogObserver* o : watchers) o->RowsAboutToBeRemoved(first, last);
    records_.erase(records_.begin() + first, records_.begin() + last + 1);
    for (LogObserver* o : watchers) o->RowsRemoved(first, last);
    i = j;
  }
}

}  // namespace capset
