#include "qt_number_reader.h"

#include <QLocale>
#include <QString>

namespace capset {

// The default locale is looked up on every call, so a change of the default
// (as the replay harness makes) takes effect at once.
NumberSymbols QtNumberReader::Symbols() const {
  const QLocale locale;
  const QString zero = locale.zeroDigit();
  return {locale.decimalPoint().toStdString(), locale.negativeSign().toStdString(),
          locale.positiveSign().toStdString(), locale.exponential().toStdString(),
          zero.isEmpty() ? U'0' : static_cast<char32_t>(zero.toUcs4().front())};
}

}  // namespace capset
