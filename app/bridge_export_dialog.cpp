#include "bridge_export_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app_title.h"
#include "bridge_export_texts.h"

namespace capset {

BridgeExportDialog::BridgeExportDialog(const std::vector<Bridge>& bridges, QWidget* parent)
    : QDialog(parent), bridges_(bridges) {
  setObjectName("BridgeExportDialog");
  setWindowTitle(QString::fromUtf8(kBridgeExportTitle));
  bridgesBox_ = new QComboBox(this);
  bridgesBox_->setObjectName("BridgeExportBridges");
  // With one bridge there is nothing to choose between "all" and it.
  if (bridges_.size() > 1) bridgesBox_->addItem(QString::fromUtf8(kBridgeExportAll));
  for (const Bridge& b : bridges_) bridgesBox_->addItem(QString::fromStdString(b.name));
  bentsList_ = new QListWidget(this);
  bentsList_->setObjectName("BridgeExportBents");
  bentsList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* hint = new QLabel(QString::fromUtf8(kBridgeExportBentsHint), this);
  hint->setWordWrap(true);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(bridgesBox_, &QComboBox::currentIndexChanged, this, [this] { ShowBents(); });

  auto* form = new QFormLayout;
  form->addRow(QString::fromUtf8(kBridgeExportBridge), bridgesBox_);
  form->addRow(QString::fromUtf8(kBridgeExportBents), bentsList_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(hint);
  layout->addWidget(buttons_);
  ShowBents();
}

// The bents of the bridge chosen; none to choose from for every bridge.
void BridgeExportDialog::ShowBents() {
  bentsList_->clear();
  const int offset = bridges_.size() > 1 ? 1 : 0;
  const int at = bridgesBox_->currentIndex() - offset;
  bentsList_->setEnabled(at >= 0);
  if (at < 0 || at >= static_cast<int>(bridges_.size())) return;
  for (const Bent& bent : bridges_[at].bents) bentsList_->addItem(QString::fromStdString(bent.name));
}

BridgeExportChoice BridgeExportDialog::Choice() const {
  const int offset = bridges_.size() > 1 ? 1 : 0;
  const int at = bridgesBox_->currentIndex() - offset;
  if (at < 0 || at >= static_cast<int>(bridges_.size())) return {};
  BridgeExportChoice choice{bridges_[at].name, {}};
  // In the bridge's order, whatever order they were picked in.
  for (int row = 0; row < bentsList_->count(); ++row) {
    if (bentsList_->item(row)->isSelected()) choice.bents.push_back(bentsList_->item(row)->text().toStdString());
  }
  return choice;
}

}  // namespace capset
