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
  const LocalTime now = Now();
  for (CapRecord& r : records) {
    r.number = nextNumber_++;
    r.made = now;
  }
  records_.insert(records_.end(), std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()));
  for (LogObserver* o : watchers) o->RowsAdded(first, last);
}

void CapLog::NumberFrom(int next) { nextNumber_ = std::max(nextNumber_, next); }

void CapLog::Remove(std::vector<int> rows) {
  std::erase_if(rows, [this](int row) { return row < 0 || row >= Size(); });
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows.empty()) return;
  // Kept from the first change on, so a watcher that hears of it can tell
  // that it can be undone.
  removals_.emplace_back();
  Removal& removal = removals_.back();
  removal.rows.assign(rows.rbegin(), rows.rend());
  for (std::size_t i = 0; i < rows.size();) {
    // rows[i] is the last row of a run that goes down to rows[j - 1].
    std::size_t j = i + 1;
    while (j < rows.size() && rows[j] == rows[j - 1] - 1) ++j;
    const int last = rows[i];
    const int first = rows[j - 1];
    const std::vector<LogObserver*> watchers = observers_;
    for (LogObserver* o : watchers) o->RowsAboutToBeRemoved(first, last);
    const auto from = records_.begin() + first;
    const auto to = records_.begin() + last + 1;
    removal.records.insert(removal.records.begin(), std::make_move_iterator(from), std::make_move_iterator(to));
    records_.erase(from, to);
    for (LogObserver* o : watchers) o->RowsRemoved(first, last);
    i = j;
  }
}

bool CapLog::UndoRemove() {
  if (removals_.empty()) return false;
  Removal removal = std::move(removals_.back());
  removals_.pop_back();
  // In ascending order each row goes back where it stood: the rows before
  // it are those that stood before it then. Rows added since come after.
  for (std::size_t i = 0; i < removal.rows.size();) {
    std::size_t j = i + 1;
    while (j < removal.rows.size() && removal.rows[j] == removal.rows[j - 1] + 1) ++j;
    const int first = std::min(removal.rows[i], Size());
    const int last = first + static_cast<int>(j - i) - 1;
    const std::vector<LogObserver*> watchers = observers_;
    for (LogObserver* o : watchers) o->RowsAboutToBeRestored(first, last);
    records_.insert(records_.begin() + first, std::make_move_iterator(removal.records.begin() + i),
                    std::make_move_iterator(removal.records.begin() + j));
    for (LogObserver* o : watchers) o->RowsRestored(first, last);
    i = j;
  }
  return true;
}

}  // namespace capset
