#include "qt_error_reporter.h"

#include <QMessageBox>

#include "app_title.h"

namespace capset {

void QtErrorReporter::ReportError(const std::string& message) {
  QMessageBox::critical(window_, QString::fromUtf8(kAppTitle),
                        QString::fromStdString(message));
}

// A notice tells of a result that is missing (a side that was not solved):
// a warning, so it is not taken for a plain confirmation.
void QtErrorReporter::ReportNotice(const std::string& message) {
  QMessageBox::warning(window_, QString::fromUtf8(kAppTitle),
                       QString::fromStdString(message));
}

// Nothing is wrong: the information icon, so it reads as no error.
void QtErrorReporter::ReportInformation(const std::string& message) {
  QMessageBox::information(window_, QString::fromUtf8(kAppTitle), QString::fromStdString(message));
}

}  // namespace capset
