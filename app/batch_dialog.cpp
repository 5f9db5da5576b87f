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
#include "batch_check.h"
#include "point_height_texts.h"
#include "window_texts.h"

namespace capset {

BatchDialog::BatchDialog(std::function<bool(const BatchInput&)> run, NumberSymbols symbols, QWidget* parent)
    : QDialog(parent),
      run_(std::move(run)),
      exact_(new QRadioButton(QString::fromUtf8(kExactMethod))),
      window_(new QRadioButton(QString::fromUtf8(kWindowMethod))),
      parallel_(new QRadioButton(QString::fromUtf8(kParallelAxis))),
      own_(new QRadioButton(QString::fromUtf8(kOwnAxis))),
      DR_(new QLineEdit),
      rightDR_(new QLineEdit),
      skew_(new QLineEdit),
      design_(new QLineEdit),
      precision_(new QLineEdit),
      offsets_(new QLineEdit),
      depth_(new QLineEdit),
      symbols_(std::move(symbols)),
      stations_(new QPlainTextEdit) {
  setObjectName("BatchDialog");
  setWindowTitle(WindowTitle(kBatchTitle));

  auto* method = new QButtonGroup(this);
  method->addButton(exact_);
  method->addButton(window_);
  exact_->setChecked(true);
  connect(exact_, &QRadioButton::toggled, this, &BatchDialog::MethodChanged);
  rightDR_->setPlaceholderText(QString::fromUtf8(kRightDRHint));
  SetDefaults(std::nullopt, std::nullopt);

  auto* axis = new QButtonGroup(this);
  axis->addButton(parallel_);
  axis->addButton(own_);
  parallel_->setChecked(true);
  offsets_->setPlaceholderText(QString::fromUtf8(kOffsetsHint));
  stations_->setPlaceholderText(QString::fromUtf8(kStationsHint));
  stations_->setTabChangesFocus(true);
  stations_->setMinimumSize(360, 220);

  auto* form = new QFormLayout;
  auto* methods = new QVBoxLayout;
  methods->addWidget(exact_);
  methods->addWidget(window_);
  form->addRow(QString::fromUtf8(kMethodLabel), methods);
  auto* axes = new QVBoxLayout;
  axes->addWidget(parallel_);
  axes->addWidget(own_);
  form->addRow(QString::fromUtf8(kAxisLabel), axes);
  form->addRow(QString::fromUtf8(kSkewLabel), skew_);
  form->addRow(QString::fromUtf8(kDesignLabel), design_);
  form->addRow(QString::fromUtf8(kLeftDRLabel), DR_);
  form->addRow(QString::fromUtf8(kRightDRLabel), rightDR_);
  form->addRow(QString::fromUtf8(kPrecisionLabel), precision_);
  auto* offsetsLabel = new QLabel(QString::fromUtf8(kExactOffsetsLabel));
  offsetsLabel->setWordWrap(true);
  form->addRow(offsetsLabel);
  form->addRow(offsets_);
  depth_->setObjectName("BatchDepth");
  depth_->setPlaceholderText(QStringLiteral("0"));
  depth_->setToolTip(QString::fromUtf8(kBatchDepthTip));
  connect(depth_, &QLineEdit::textChanged, this, &BatchDialog::CheckDepth);
  form->addRow(QString::fromUtf8(kBatchDepthLabel), depth_);
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
  MethodChanged();
}

void BatchDialog::SetDefaults(const std::optional<std::string>& B, const std::optional<std::string>& Kj) {
  auto hint = [](const std::optional<std::string>& value, const char* name) {
    if (!value) return QString::fromUtf8(kNoDefault);
    return QString::fromUtf8(kDefaultFromStart) + QString::fromUtf8(name) + QStringLiteral(" = ") +
           QString::fromStdString(*value);
  };
  skew_->setPlaceholderText(hint(B, "B"));
  design_->setPlaceholderText(hint(Kj, "Kj"));
}

void BatchDialog::MethodChanged() { precision_->setEnabled(window_->isChecked()); }

void BatchDialog::CheckDepth() {
  const auto read = ReadDepthField(depth_->text().toStdString(), symbols_);
  const std::string* problem = std::get_if<std::string>(&read);
  depth_->setStyleSheet(problem ? QStringLiteral("background: rgb(255, 205, 205)") : QString());
  depth_->setToolTip(QString::fromUtf8(problem ? problem->c_str() : kBatchDepthTip));
}

BatchInput BatchDialog::Input() const {
  BatchInput input;
  input.method = window_->isChecked() ? CapMethod::kWindow : CapMethod::kExact;
  input.rightDR = rightDR_->text().toStdString();
  input.skew = skew_->text().toStdString();
  input.design = design_->text().toStdString();
  input.axis = own_->isChecked() ? BatchInput::Axis::kOwn : BatchInput::Axis::kParallel;
  input.DR = DR_->text().toStdString();
  input.precision = precision_->text().toStdString();
  input.offsets = offsets_->text().toStdString();
  input.depth = depth_->text().toStdString();
  const QString list = stations_->toPlainText();
  // An empty list is no lines, not one empty line.
  if (!list.isEmpty()) {
    for (const QString& line : list.split(QLatin1Char('\n'))) input.stations.push_back(line.toStdString());
  }
  return input;
}

void BatchDialog::SetInput(const BatchInput& input) {
  (input.method == CapMethod::kWindow ? window_ : exact_)->setChecked(true);
  (input.axis == BatchInput::Axis::kOwn ? own_ : parallel_)->setChecked(true);
  rightDR_->setText(QString::fromStdString(input.rightDR));
  skew_->setText(QString::fromStdString(input.skew));
  design_->setText(QString::fromStdString(input.design));
  DR_->setText(QString::fromStdString(input.DR));
  precision_->setText(QString::fromStdString(input.precision));
  offsets_->setText(QString::fromStdString(input.offsets));
  depth_->setText(QString::fromStdString(input.depth));
  QStringList lines;
  for (const std::string& line : input.stations) lines << QString::fromStdString(line);
  stations_->setPlainText(lines.join(QLatin1Char('\n')));
}

void BatchDialog::Ok() {
  if (run_(Input())) accept();
}

}  // namespace capset
