#pragma once
// The results log: every cap made in this run of the program, in the order
// made. Watchers (the table, the day file) hear of each change; a table
// needs to hear before the rows change as well as after.

#include <vector>

#include "cap_record.h"

namespace capset {

class LogObserver {
 public:
  virtual ~LogObserver() = default;
  // Rows first to last, inclusive, as they are after the addition.
  virtual void RowsAboutToBeAdded(int /*first*/, int /*last*/) {}
  virtual void RowsAdded(int /*first*/, int /*last*/) {}
  // Rows first to last, inclusive, as they are before the removal.
  virtual void RowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
  virtual void RowsRemoved(int /*first*/, int /*last*/) {}
};

class CapLog {
 public:
  // Observers are not owned; each must outlive the log or be removed.
  void AddObserver(LogObserver* observer) { observers_.push_back(observer); }
  void RemoveObserver(LogObserver* observer);

  // Numbers the records on from the last one given and appends them, all in
  // one change.
  void Add(std::vector<CapRecord> records);

  // Removes the rows named, in any order; a row named twice goes once. Each
  // run of adjacent rows goes in one change, the last run first.
  void Remove(std::vector<int> rows);

  const std::vector<CapRecord>& Records() const { return records_; }
  int Size() const { return static_cast<int>(records_.size()); }
  const CapRecord& At(int row) const { return records_.at(row); }

 private:
  std::vector<CapRecord> records_;
  int nextNumber_ = 1;
  std::vector<LogObserver*> observers_;
};

}  // namespace capset
