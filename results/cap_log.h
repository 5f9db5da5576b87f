#pragma once
// The results log: every cap made in this run of the program, in the order
// made. Watchers (the table, the day file) hear of each change; a table
// needs to hear before the rows change as well as after.

#include <vector>

#include "cap_record.h"
#include "local_time.h"

namespace capset {

class LogObserver {
 public:
  virtual ~LogObserver() = default;
  // Rows first to last, inclusive, as they are after the addition. Before
  // it the rows are not numbered yet: a watcher may still move the
  // numbering on (NumberFrom).
  virtual void RowsAboutToBeAdded(int /*first*/, int /*last*/) {}
  virtual void RowsAdded(int /*first*/, int /*last*/) {}
  // Rows first to last, inclusive, as they are before the removal.
  virtual void RowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
  virtual void RowsRemoved(int /*first*/, int /*last*/) {}
  // Rows that a removal took, put back where they stood: new to a table,
  // but not new rows (the day file has them already). A table hears them
  // as an addition unless it says otherwise.
  virtual void RowsAboutToBeRestored(int first, int last) { RowsAboutToBeAdded(first, last); }
  virtual void RowsRestored(int first, int last) { RowsAdded(first, last); }
};

class CapLog {
 public:
  // Observers are not owned; each must outlive the log or be removed.
  void AddObserver(LogObserver* observer) { observers_.push_back(observer); }
  void RemoveObserver(LogObserver* observer);

  // The clock that dates each row; the system's local time until one is set.
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  LocalTime Now() const { return clock_ ? clock_() : SystemLocalTime(); }

  // Numbers the records on from the last one given, dates them and appends
  // them, all in one change.
  void Add(std::vector<CapRecord> records);

  // The next row is numbered `next` or later: the numbering goes on from a
  // day file's last row. Never numbers back.
  void NumberFrom(int next);

  // Removes the rows named, in any order; a row named twice goes once. Each
  // run of adjacent rows goes in one change, the last run first. The
  // removal can be undone.
  void Remove(std::vector<int> rows);

  // Puts back the rows of the last removal not yet undone, each where it
  // stood among the rows that are left; false when there is none.
  bool UndoRemove();
  bool CanUndoRemove() const { return !removals_.empty(); }

  const std::vector<CapRecord>& Records() const { return records_; }
  int Size() const { return static_cast<int>(records_.size()); }
  const CapRecord& At(int row) const { return records_.at(row); }

 private:
  // One Remove: the rows it took, in ascending order of where they stood.
  struct Removal {
    std::vector<int> rows;
    std::vector<CapRecord> records;
  };

  std::vector<CapRecord> records_;
  int nextNumber_ = 1;
  Clock clock_;
  std::vector<Removal> removals_;
  std::vector<LogObserver*> observers_;
};

}  // namespace capset
