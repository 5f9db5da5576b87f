#include "sheet_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "check_dialog.h"
#include "measured_points.h"
#include "main_window.h"
#include "session_sheets.h"
#include "qt_file_store.h"
#include "sheet_painter.h"
#include "sheet_pdf.h"
#include "sheet_printing.h"
#include "sheet_texts.h"
#include "station_table_model.h"
#include "station_table_window.h"

namespace capset {
namespace {

QString Text(const char* text) { return QString::fromUtf8(text); }

// The sheets of `kind` in the window as it stands.
std::variant<std::vector<Sheet>, std::string> SheetsOf(MainWindow& window, SheetDialog::Kind kind,
                                                        const std::string& bridge, const std::string& bent,
                                                        const NumberSymbols& symbols) {
  CapSession& session = window.Session();
  const auto one = [](std::variant<Sheet, std::string> made) -> std::variant<std::vector<Sheet>, std::string> {
    if (auto* why = std::get_if<std::string>(&made)) return std::move(*why);
    return std::vector<Sheet>{std::move(std::get<Sheet>(made))};
  };
  switch (kind) {
    case SheetDialog::Kind::kBent: {
      if (bridge.empty()) return std::string(kNoBridgeToPrint);
      if (!bent.empty()) return one(SessionBentSheet(session, bridge, bent));
      // Every bent of the bridge, each a sheet of its own.
      std::vector<Sheet> sheets;
      const Bridge* found = session.FindBridge(bridge);
      if (found == nullptr) return one(SessionBridgeSheet(session, bridge));
      for (const Bent& b : found->bents) {
        auto made = SessionBentSheet(session, bridge, b.name);
        if (auto* why = std::get_if<std::string>(&made)) return std::move(*why);
        sheets.push_back(std::move(std::get<Sheet>(made)));
      }
      return sheets;
    }
    case SheetDialog::Kind::kBridge:
      if (bridge.empty()) return std::string(kNoBridgeToPrint);
      return one(SessionBridgeSheet(session, bridge));
    case SheetDialog::Kind::kTable: {
      const std::vector<StationTableRow>& rows = window.StationTable().Model().Rows();
      if (rows.empty() || session.WorkingRoad() == nullptr) return std::string(kNoTableToPrint);
      return std::vector<Sheet>{StationTableSheet(*session.WorkingRoad(), std::nullopt, rows)};
    }
    case SheetDialog::Kind::kCheck: {
      CheckDialog& check = window.CheckPoints();
      if (check.Model().Results().empty()) return std::string(kNothingCheckedToPrint);
      // The results stand only while the tolerances they were made with do.
      CheckReport report;
      report.results = check.Model().Results();
      const auto plan = ReadTolerance(check.ToleranceEdit()->text().toStdString(), symbols, 0.001, "mm");
      const auto height = ReadTolerance(check.HeightToleranceEdit()->text().toStdString(), symbols, 0.001, "mm");
      if (const double* mm = std::get_if<double>(&plan)) report.tolerance = *mm / 1000;
      if (const double* mm = std::get_if<double>(&height)) report.heightTolerance = *mm / 1000;
      return std::vector<Sheet>{CheckSheet(report)};
    }
  }
  return std::string(kNoBridgeToPrint);
}

}  // namespace

SheetDialog::SheetDialog(MainWindow& window, ErrorReporter& reporter, const NumberReader& reader)
    : QDialog(&window),
      window_(window),
      reporter_(reporter),
      reader_(reader),
      kind_(new QComboBox),
      bridge_(new QComboBox),
      bent_(new QComboBox),
      preview_(new QPushButton(Text(kPreviewButton))),
      print_(new QPushButton(Text(kPrintButton))),
      pdf_(new QPushButton(Text(kPdfButton))) {
  setObjectName("SheetDialog");
  setWindowTitle(Text(kSheetDialogTitle));
  kind_->setObjectName("SheetKind");
  bridge_->setObjectName("SheetBridge");
  bent_->setObjectName("SheetBent");
  for (const char* kind : {kBentSheetTitle, kBridgeSheetTitle, kStationSheetTitle, kCheckSheetTitle}) {
    kind_->addItem(Text(kind));
  }
  auto* form = new QFormLayout;
  form->addRow(Text(kSheetKindLabel), kind_);
  form->addRow(Text(kSheetBridgeLabel), bridge_);
  form->addRow(Text(kSheetBentLabel), bent_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  for (QPushButton* b : {preview_, print_, pdf_}) buttons->addButton(b, QDialogButtonBox::ActionRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(preview_, &QPushButton::clicked, this, &SheetDialog::Preview);
  connect(print_, &QPushButton::clicked, this, &SheetDialog::Print);
  connect(pdf_, &QPushButton::clicked, this, &SheetDialog::ExportPdf);
  connect(bridge_, &QComboBox::currentIndexChanged, this, &SheetDialog::ListBents);
  // A bridge and a bent are asked only for the sheets that need them.
  connect(kind_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const auto kind = static_cast<Kind>(index);
    bridge_->setEnabled(kind == Kind::kBent || kind == Kind::kBridge);
    bent_->setEnabled(kind == Kind::kBent);
  });
}

void SheetDialog::Offer(Output output) {
  for (QPushButton* b : {preview_, print_, pdf_}) b->setDefault(b == Button(output));
  show();
  raise();
}

QPushButton* SheetDialog::Button(Output output) const {
  switch (output) {
    case Output::kPreview: return preview_;
    case Output::kPrint: return print_;
    case Output::kPdf: return pdf_;
  }
  return pdf_;
}

void SheetDialog::showEvent(QShowEvent* event) {
  ListBridges();
  QDialog::showEvent(event);
}

// The bridges as the job holds them now, the one chosen before kept.
void SheetDialog::ListBridges() {
  const QString chosen = bridge_->currentText();
  bridge_->clear();
  for (const Bridge& b : window_.Session().Bridges()) bridge_->addItem(QString::fromStdString(b.name));
  const int again = bridge_->findText(chosen);
  if (again >= 0) bridge_->setCurrentIndex(again);
  ListBents();
}

void SheetDialog::ListBents() {
  const QString chosen = bent_->currentText();
  bent_->clear();
  bent_->addItem(Text(kAllBents));
  if (const Bridge* b = window_.Session().FindBridge(bridge_->currentText().toStdString())) {
    for (const Bent& bent : b->bents) bent_->addItem(QString::fromStdString(bent.name));
  }
  const int again = bent_->findText(chosen);
  if (again >= 0) bent_->setCurrentIndex(again);
}

std::variant<SheetDocument, std::string> SheetDialog::Chosen() const {
  const std::string bent = bent_->currentIndex() > 0 ? bent_->currentText().toStdString() : std::string();
  auto sheets = SheetsOf(window_, static_cast<Kind>(kind_->currentIndex()), bridge_->currentText().toStdString(), bent,
                         reader_.Symbols());
  if (auto* why = std::get_if<std::string>(&sheets)) return std::move(*why);
  if (auto refused = PrintRefusal(std::get<std::vector<Sheet>>(sheets))) return std::move(*refused);
  return WindowSheets(window_, std::move(std::get<std::vector<Sheet>>(sheets)));
}

std::optional<SheetDocument> SheetDialog::ChosenOrSay() {
  auto chosen = Chosen();
  if (auto* why = std::get_if<std::string>(&chosen)) {
    reporter_.ReportError(*why);
    return std::nullopt;
  }
  return std::move(std::get<SheetDocument>(chosen));
}

void SheetDialog::Preview() {
  const std::optional<SheetDocument> document = ChosenOrSay();
  if (!document) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(SheetPageLayout());
  printer.setFullPage(true);
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&document](QPrinter* target) { PaintSheets(*document, *target); });
  preview.exec();
}

void SheetDialog::Print() {
  const std::optional<SheetDocument> document = ChosenOrSay();
  if (!document) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(SheetPageLayout());
  printer.setFullPage(true);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (PaintSheets(*document, printer) == 0) reporter_.ReportError(kSheetPrinterFailed);
}

void SheetDialog::ExportPdf() {
  const QString path = QFileDialog::getSaveFileName(this, Text(kPdfButton), QString(), Text(kPdfFilter));
  if (!path.isEmpty()) ExportPdfTo(path);
}

bool SheetDialog::ExportPdfTo(const QString& path) {
  const std::optional<SheetDocument> document = ChosenOrSay();
  if (!document) return false;
  QtFileStore store;
  if (const auto failure = WriteSheetsPdf(*document, path.toStdString(), store)) {
    reporter_.ReportError(*failure);
    return false;
  }
  window_.statusBar()->showMessage(QString::fromStdString(SheetWritten(path.toStdString())), 5000);
  return true;
}

}  // namespace capset
