#pragma once
// The choice before a bridge's points are exported: every bridge of the
// job, or one bridge, and of it every bent or those chosen in the list.

#include <QDialog>
#include <string>
#include <vector>

#include "bridge.h"

class QComboBox;
class QDialogButtonBox;
class QListWidget;

namespace capset {

struct BridgeExportChoice {
  std::string bridge;               // empty: every bridge
  std::vector<std::string> bents;   // empty: every bent of the bridge
};

class BridgeExportDialog : public QDialog {
  Q_OBJECT
 public:
  BridgeExportDialog(const std::vector<Bridge>& bridges, QWidget* parent = nullptr);
  BridgeExportChoice Choice() const;

  QComboBox* Bridges() const { return bridgesBox_; }
  QListWidget* Bents() const { return bentsList_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  void ShowBents();

  const std::vector<Bridge>& bridges_;
  QComboBox* bridgesBox_;
  QListWidget* bentsList_;
  QDialogButtonBox* buttons_;
};

}  // namespace capset
