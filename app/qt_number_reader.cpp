#include "qt_number_reader.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <cmath>

namespace capset {
namespace {

// The default locale is looked up on every call, so a change of the default
// (as the replay harness makes) takes effect at once.
QLocale ReadingLocale() {
  QLocale locale;
  // A de_DE "1.500" is a mistyped 1,5 far more often than fifteen hundred:
  // refuse it rather than read it as 1500.
  locale.setNumberOptions(QLocale::RejectGroupSeparator);
  return locale;
}

QString Escaped(const QString& s) { return QRegularExpression::escape(s); }

// The shape of a decimal number in `locale`: an optional sign, digits with at
// most one decimal separator, an optional exponent; blanks around it. Text of
// this shape that QLocale still refuses lies beyond the range of a double.
// The words "inf" and "nan", which QLocale reads, do not have this shape.
bool HasNumberShape(const QString& text, const QLocale& locale) {
  QString digits = "0-9";
  const QString zero = locale.zeroDigit();
  if (zero != "0" && zero.size() == 1) {
    const QChar first = zero.at(0);
    digits += QString(first) + "-" + QChar(first.unicode() + 9);
  }
  const QString sign = "(?:[+\\-\\x{2212}]|" + Escaped(locale.negativeSign()) +
                       "|" + Escaped(locale.positiveSign()) + ")";
  const QString dec = Escaped(QString(locale.decimalPoint()));
  const QString d = "[" + digits + "]";
  const QString exponent =
      "(?:[eE]|" + Escaped(locale.exponential()) + ")" + sign + "?" + d + "+";
  const QRegularExpression shape(
      "^" + sign + "?(?:" + d + "+(?:" + dec + d + "*)?|" + dec + d + "+)(?:" +
      exponent + ")?$");
  return shape.match(text).hasMatch();
}

}  // namespace

ReadResult QtNumberReader::Read(const std::string& text) const {
  const QLocale locale = ReadingLocale();
  const QString trimmed = QString::fromStdString(text).trimmed();
  if (!HasNumberShape(trimmed, locale)) {
    return {ReadResult::Status::kNotNumber, 0};
  }
  bool ok = false;
  const double value = locale.toDouble(trimmed, &ok);
  // Qt gives ok = false with infinity for 1e400 and with 0 for 1e-400.
  if (!ok || !std::isfinite(value)) {
    return {ReadResult::Status::kOutOfRange, 0};
  }
  return {ReadResult::Status::kNumber, value};
}

std::string QtNumberReader::DecimalSeparator() const {
  return QString(QLocale().decimalPoint()).toStdString();
}

}  // namespace capset
