#pragma once
// The choice of one alignment of a LandXML file that holds several: its
// name, length and start station, one a row.

#include <QDialog>

#include "landxml_read.h"

class QTableWidget;

namespace capset {

class AlignmentPicker : public QDialog {
  Q_OBJECT

 public:
  AlignmentPicker(const LandXmlFile& file, QWidget* parent = nullptr);
  QTableWidget* Table() const { return table_; }
  // The row chosen (an index into the file's alignments); -1 for none.
  int Chosen() const;

 private:
  QTableWidget* table_;
};

}  // namespace capset
