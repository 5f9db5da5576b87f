#pragma once
// Errors and notices of the real program: message boxes over the window.

#include <QPointer>
#include <QWidget>

#include "seam.h"

namespace capset {

class QtErrorReporter : public ErrorReporter {
 public:
  void SetParentWindow(QWidget* window) { window_ = window; }

  void ReportError(const std::string& message) override;
  void ReportNotice(const std::string& message) override;
  void ReportInformation(const std::string& message) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace capset
