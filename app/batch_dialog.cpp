#include "batch_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app_title.h"

namespace capset {

BatchDialog::BatchDialog(std::function<bool(const BatchInput&)> run, QWidget* parent)
    : QDialog(parent),
      run_(std::move(run)),
      parallel_(new QRadioButton(QStringLiteral("与设计盖梁平行（在 Kj 处与中线成交角 B，与“计算”相同）"))),
      own_(new QRadioButton(QStringLiteral("各盖梁在本身桩号处与中线成交角 B（Kj = Kp）"))),
      DR_(new QLineEdit),
      precision_(new QLineEdit),
      offsets_(new QLineEdit),
      stations_(new QPlainTextEdit) {
  setObjectName("BatchDialog");
  setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" — 批量计算"));

  auto* axis = new QButtonGroup(this);
  axis->addButton(parallel_);
  axis->addButton(own_);
  parallel_->setChecked(true);
  offsets_->setPlaceholderText(QStringLiteral("例如 -3.5 3.5（可不填）"));
  stations_->setPlaceholderText(QStringLiteral("每行一个盖梁，名称可写在桩号前，例如：\n1# K12+400\n2# K12+420\n12440"));
  stations_->setTabChangesFocus(true);
  stations_->setMinimumSize(360, 220);

  auto* form = new QFormLayout;
  auto* axes = new QVBoxLayout;
  axes->addWidget(parallel_);
  axes->addWidget(own_);
  form->addRow(QStringLiteral("盖梁横轴："), axes);
  form->addRow(QStringLiteral("中线至路基边缘宽度 DR（米）："), DR_);
  form->addRow(QStringLiteral("计算精度（度）："), precision_);
  form->addRow(QStringLiteral("轴线上的点（距中桩，米，向外侧为正，以空格分开）："), offsets_);
  auto* stationsLabel =
      new QLabel(QStringLiteral("盖梁中桩桩号 Kp（正交盖梁为设计桩号 Kj），每行一个，名称可写在桩号前："));
  stationsLabel->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText(QStringLiteral("计算"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  connect(ok_, &QPushButton::clicked, this, &BatchDialog::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(stationsLabel);
  layout->addWidget(stations_, 1);
  layout->addWidget(buttons);
}

BatchInput BatchDialog::Input() const {
  BatchInput input;
  input.axis = own_->isChecked() ? BatchInput::Axis::kOwn : BatchInput::Axis::kParallel;
  input.DR = DR_->text().toStdString();
  input.precision = precision_->text().toStdString();
  input.offsets = offsets_->text().toStdString();
  const QString list = stations_->toPlainText();
  // An empty list is no lines, not one empty line.
  if (!list.isEmpty()) {
    for (const QString& line : list.split(QLatin1Char('\n'))) input.stations.push_back(line.toStdString());
  }
  return input;
}

void BatchDialog::SetInput(const BatchInput& input) {
  (input.axis == BatchInput::Axis::kOwn ? own_ : parallel_)->setChecked(true);
  DR_->setText(QString::fromStdString(input.DR));
  precision_->setText(QString::fromStdString(input.precision));
  offsets_->setText(QString::fromStdString(input.offsets));
  QStringList lines;
  for (const std::string& line : input.stations) lines << QString::fromStdString(line);
  stations_->setPlainText(lines.join(QLatin1Char('\n')));
}

void BatchDialog::Ok() {
  if (run_(Input())) accept();
}

}  // namespace capset
