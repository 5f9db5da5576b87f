#pragma once
// The templates on the bridge page: the ready ones (read-only: 复制… makes
// an editable one under a name of the user's) and the user's own, and the
// chosen template's items in a table, edited in place. An edit is read as
// the template's lines are and kept by the session only when the whole
// template reads; otherwise the cell keeps the text typed, marked, with its
// reason, and the template stays as it was.

#include <QAbstractTableModel>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "number_rules.h"
#include "template_cells.h"

class QLabel;
class QListWidget;
class QTableView;

namespace capset {

class CapSession;

class TemplateItemsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  TemplateItemsModel(CapSession& session, NumberSymbols symbols, QObject* parent = nullptr);
  // The template shown (a ready one is read-only); its rows from the session.
  void Show(const std::string& name);
  // The session's templates changed: the rows again, unless one is refused.
  void Refresh();
  const std::string& Name() const { return name_; }
  bool Editable() const;
  bool AddItem();
  bool RemoveItem(int row);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void Said(const QString& text, bool refused);

 private:
  // The rows kept by the session as the template; false, with the reason said, when they do not read.
  bool Keep(const std::vector<ItemCells>& rows, int editedRow, int editedColumn);

  CapSession& session_;
  NumberSymbols symbols_;
  std::string name_;
  std::vector<ItemCells> rows_;
  std::optional<std::pair<int, int>> refused_;
  std::string reason_;
};

class TemplatePanel : public QWidget {
  Q_OBJECT

 public:
  TemplatePanel(CapSession& session, NumberSymbols symbols, QWidget* parent = nullptr);
  using NameAsker = std::function<std::optional<QString>(const QString& title, const QString& initial)>;
  void SetNameAsker(NameAsker ask) { askName_ = std::move(ask); }

  // The templates listed again, the chosen one kept when it is still there.
  void Refresh();
  void Choose(const std::string& name);
  // The chosen template copied as `name`; true when kept.
  bool CopyAs(const std::string& name);
  bool DeleteChosen();
  TemplateItemsModel& Items() const { return *items_; }
  QListWidget* List() const { return list_; }
  QString Verdict() const;
  QString About() const;

 private:
  void Say(const QString& text, bool refused);

  CapSession& session_;
  QListWidget* list_;
  QLabel* about_;  // what the chosen template holds
  TemplateItemsModel* items_;
  QTableView* table_;
  QLabel* verdict_;
  NameAsker askName_;
  bool listing_ = false;
};

}  // namespace capset
