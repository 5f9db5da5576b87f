#include "alignment_picker.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "road_window_texts.h"
#include "app_title.h"
#include "landxml_texts.h"
#include "road_texts.h"
#include "station_text.h"

namespace capset {

AlignmentPicker::AlignmentPicker(const LandXmlFile& file, QWidget* parent) : QDialog(parent) {
  setWindowTitle(WindowTitle(kPickAlignmentTitle));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8(kPickAlignmentLabel)));
  table_ = new QTableWidget(static_cast<int>(file.alignments.size()), 3, this);
  table_->setHorizontalHeaderLabels({QString::fromUtf8(kAlignmentNameHeader), QString::fromUtf8(kAlignmentLengthHeader),
                                     QString::fromUtf8(kAlignmentStartHeader)});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  for (int row = 0; row < table_->rowCount(); ++row) {
    const LandXmlAlignment& a = file.alignments[row];
    QString name = QString::fromStdString(a.name.empty() ? kUnnamedAlignment : a.name);
    if (std::holds_alternative<LandXmlProblem>(a.road)) name += QString::fromUtf8(kAlignmentRefused);
    table_->setItem(row, 0, new QTableWidgetItem(name));
    table_->setItem(row, 1, new QTableWidgetItem(std::isnan(a.length) ? QString() : QString::number(a.length, 'f', 3)));
    table_->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(RoadStationText(a.staStart))));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  if (table_->rowCount() > 0) table_->selectRow(0);
  layout->addWidget(table_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(520, 300);
}

int AlignmentPicker::Chosen() const {
  const auto rows = table_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

}  // namespace capset
