#pragma once
// A document as a PDF file: made whole in memory, then written through the
// file seam, so a PDF on the disk is whole or the old file stays.

#include <QByteArray>
#include <optional>
#include <string>

#include "file_store.h"
#include "sheet.h"

namespace capset {

QByteArray SheetsPdf(const SheetDocument& document);

// Nothing when written; else what the user is told (the file and why).
std::optional<std::string> WriteSheetsPdf(const SheetDocument& document, const std::string& path, FileStore& store);

}  // namespace capset
