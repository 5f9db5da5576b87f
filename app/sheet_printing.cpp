#include "sheet_printing.h"

#include <QFileInfo>

#include "local_time.h"
#include "main_window.h"
#include "qt_file_store.h"
#include "sheet_pdf.h"

namespace capset {

SheetDocument WindowSheets(const MainWindow& window, std::vector<Sheet> sheets) {
  SheetDocument document;
  if (!window.JobPath().isEmpty()) document.job = QFileInfo(window.JobPath()).fileName().toStdString();
  document.date = DateText(window.Session().Log().Now());
  document.sheets = std::move(sheets);
  return document;
}

std::optional<std::string> WriteWindowSheets(const MainWindow& window, const std::string& path,
                                             std::vector<Sheet> sheets) {
  QtFileStore store;
  return WriteSheetsPdf(WindowSheets(window, std::move(sheets)), path, store);
}

}  // namespace capset
