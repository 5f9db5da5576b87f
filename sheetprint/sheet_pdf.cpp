#include "sheet_pdf.h"

#include <QBuffer>
#include <QPdfWriter>

#include "sheet_painter.h"
#include "sheet_texts.h"

namespace capset {

QByteArray SheetsPdf(const SheetDocument& document) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(SheetPageLayout());
    writer.setCreator(QString::fromUtf8(kSheetProgram));
    writer.setTitle(document.sheets.empty() ? QString() : QString::fromStdString(document.sheets.front().title));
    // 600 dpi: lines of a tenth of a millimetre stay sharp.
    writer.setResolution(600);
    PaintSheets(document, writer);
  }
  return bytes;
}

std::optional<std::string> WriteSheetsPdf(const SheetDocument& document, const std::string& path, FileStore& store) {
  const QByteArray bytes = SheetsPdf(document);
  if (const auto failure = store.WriteWhole(path, bytes.toStdString())) {
    return SheetNotWritten(FileNameOf(path), failure->reason);
  }
  return std::nullopt;
}

}  // namespace capset
