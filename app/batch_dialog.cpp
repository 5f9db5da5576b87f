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
#include "window_texts.h"

namespace capset {

BatchDialog::BatchDialog(std::function<bool(const BatchInput&)> run, QWidget* parent)
    : QDialog(parent),
      run_(std::move(run)),
      parallel_(new QRadioButton(QString::fromUtf8(kParallelAxis))),
      own_(new QRadioButton(QString::fromUtf8(kOwnAxis))),
      DR_(new QLineEdit),
      precision_(new QLineEdit),
      offsets_(new QLineEdit),
      stations_(new QPlainTextEdit) {
  setObjectName("BatchDialog");
  setWindowTitle(QString::fromUtf8(kAppTitle) + QString::fromUtf8(kTitleSeparator) + QString::fromUtf8(kBatchTitle));

  auto* axis = new QButtonGroup(this);
  axis->addButton(parallel_);
  axis->addButton(own_);
  parallel_->setChecked(true);
  offsets_->setPlaceholderText(QString::fromUtf8(kOffsetsHint));
  stations_->setPlaceholderText(QString::fromUtf8(kStationsHint));
  stations_->setTabChangesFocus(true);
  stations_->setMinimumSize(360, 220);

  auto* form = new QFormLayout;
  auto* axes = new QVBoxLayout;
  axes->addWidget(parallel_);
  axes->addWidget(own_);
  form->addRow(QString::fromUtf8(kAxisLabel), axes);
  form->addRow(QString::fromUtf8(kDRLabel), DR_);
  form->addRow(QString::fromUtf8(kPrecisionLabel), precision_);
  form->addRow(QString::fromUtf8(kOffsetsLabel), offsets_);
  auto* stationsLabel =
      new QLabel(QString::fromUtf8(kStationsLabel));
  stationsLabel->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText(QString::fromUtf8(kBatchRun));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(kBatchCancel));
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
