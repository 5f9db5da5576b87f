#pragma once
// 打印放样记录: which sheet (a bent's set-out record, every bent of a
// bridge, a bridge's summary, the 逐桩坐标表 as the table window made it,
// the last check's report), then print preview, print, or a PDF file.

#include <QDialog>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "seam.h"
#include "sheet.h"

class QComboBox;
class QPrinter;
class QPushButton;

namespace capset {

class MainWindow;

class SheetDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Kind { kBent, kBridge, kTable, kCheck };
  enum class Output { kPreview, kPrint, kPdf };
  SheetDialog(MainWindow& window, ErrorReporter& reporter, const NumberReader& reader);

  // Opens with `output`'s button as the default one.
  void Offer(Output output);

  QComboBox* KindBox() const { return kind_; }
  QComboBox* BridgeBox() const { return bridge_; }
  QComboBox* BentBox() const { return bent_; }
  QPushButton* Button(Output output) const;

  // The chosen sheets, dated and headed as the window prints them; else
  // why none can be printed.
  std::variant<SheetDocument, std::string> Chosen() const;
  // The chosen sheets to `path`, as 导出 PDF… does after its file dialog;
  // true when written. A failure is reported and leaves the file as it was.
  bool ExportPdfTo(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ListBridges();
  void ListBents();
  void Preview();
  void Print();
  void ExportPdf();
  std::optional<SheetDocument> ChosenOrSay();

  MainWindow& window_;
  ErrorReporter& reporter_;
  const NumberReader& reader_;
  QComboBox* kind_;
  QComboBox* bridge_;
  QComboBox* bent_;
  QPushButton* preview_;
  QPushButton* print_;
  QPushButton* pdf_;
};

}  // namespace capset
