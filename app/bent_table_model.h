#pragma once
// The bridge page's bents table over one of the session's bridges: each
// bent a row of cells (bent_cells.h). A typed cell that reads is put into
// a copy of the bridge and the session asked to keep it; a cell that does
// not read, or a bridge the session refuses, keeps the typed text in the
// bad-cell colour with its reason as the tooltip, and the bridge stays as
// it was.

#include <QAbstractTableModel>
#include <map>
#include <string>
#include <utility>

#include "bridge.h"
#include "number_rules.h"

namespace capset {

class CapSession;

class BentTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  BentTableModel(CapSession& session, NumberSymbols symbols, QObject* parent = nullptr);

  // The bridge shown; empty: none. The refused cells are forgotten.
  void SetBridge(const std::string& name);
  const std::string& BridgeName() const { return name_; }
  // The session's bridge changed: its rows again, refused cells kept while
  // the bridge still has their row.
  void Refresh();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // A new bent after `row` (at the end for -1); the bent's row, or -1 with
  // the reason said.
  int AddBent(int row);
  bool RemoveBents(std::vector<int> rows);
  // Lines from a spreadsheet; true when the bridge took them all.
  bool Paste(const QString& text);
  // The reason of a refused cell; empty when it reads.
  std::string CellProblem(int row, int column) const;

 signals:
  // What the line under the table says: a refusal, or what a paste did.
  void Said(const QString& text, bool refused);

 private:
  const Bridge* Shown() const;
  // The session keeps `bridge`, its bents numbered as rows; else the reason.
  std::optional<std::string> Keep(Bridge bridge);

  CapSession& session_;
  NumberSymbols symbols_;
  std::string name_;
  int shownRows_ = 0;  // what the views were told
  // Refused cells: (row, column) → (the text typed, why it is refused).
  std::map<std::pair<int, int>, std::pair<std::string, std::string>> refused_;
};

}  // namespace capset
