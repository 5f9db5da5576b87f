#include "qt_error_reporter.h"

#include "message_fit.h"

namespace capset {

void QtErrorReporter::ReportError(const std::string& message) {
  ShowFittedMessage(window_, QMessageBox::Critical, QString::fromStdString(message));
}

// A notice tells of a result that is missing (a side that was not solved):
// a warning, so it is not taken for a plain confirmation.
void QtErrorReporter::ReportNotice(const std::string& message) {
  ShowFittedMessage(window_, QMessageBox::Warning, QString::fromStdString(message));
}

// Nothing is wrong: the information icon, so it reads as no error.
void QtErrorReporter::ReportInformation(const std::string& message) {
  ShowFittedMessage(window_, QMessageBox::Information, QString::fromStdString(message));
}

}  // namespace capset
