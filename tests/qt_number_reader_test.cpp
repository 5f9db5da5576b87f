// The user's locale as the toolkit knows it: the symbols the reader takes
// from QLocale, and answers read by our rules agreeing with QLocale's own
// conversion.

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <cmath>
#include <random>
#include <string>

#include "qt_number_reader.h"

namespace capset {
namespace {

class DefaultLocale {
 public:
  explicit DefaultLocale(const char* name) { QLocale::setDefault(QLocale(name)); }
  ~DefaultLocale() { QLocale::setDefault(saved_); }

 private:
  QLocale saved_;
};

TEST(QtNumberReader, SymbolsFollowTheDefaultLocale) {
  {
    DefaultLocale de("de_DE");
    EXPECT_EQ(QtNumberReader().DecimalSeparator(), ",");
    EXPECT_EQ(QtNumberReader().Read("1,5").value, 1.5);
  }
  {
    DefaultLocale zh("zh_CN");
    const NumberSymbols s = QtNumberReader().Symbols();
    EXPECT_EQ(s.decimal, ".");
    EXPECT_EQ(s.minus, "-");
    EXPECT_EQ(s.zeroDigit, U'0');
    EXPECT_EQ(QtNumberReader().Read("1,5").status, ReadResult::Status::kNotNumber);
  }
  {
    DefaultLocale ar("ar_EG");
    EXPECT_EQ(QtNumberReader().Read("\u0661\u0662\u066B\u0665").value, 12.5);
  }
}

// Random answers over the characters that a number can be made of: where
// QLocale reads a finite number, ours reads the same double; where it reads
// none, ours reads none either.
TEST(QtNumberReader, AgreesWithQLocaleOnTypedAnswers) {
  const std::u32string alphabet = U"0123456789.,-+eE \u2212";
  std::mt19937 random(42);
  for (const char* name : {"zh_CN", "de_DE", "en_US", "fr_FR"}) {
    DefaultLocale scope(name);
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    const QtNumberReader reader;
    int numbers = 0;
    for (int trial = 0; trial < 20000; ++trial) {
      std::u32string text;
      const int length = 1 + static_cast<int>(random() % 8);
      for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
      const QString q = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
      bool ok = false;
      const double expected = locale.toDouble(q.trimmed(), &ok);
      const ReadResult read = reader.Read(q.toStdString());
      if (ok && std::isfinite(expected)) {
        ++numbers;
        ASSERT_EQ(read.status, ReadResult::Status::kNumber) << name << " [" << q.toStdString() << "]";
        EXPECT_EQ(read.value, expected) << name << " [" << q.toStdString() << "]";
      } else {
        EXPECT_NE(read.status, ReadResult::Status::kNumber) << name << " [" << q.toStdString() << "]";
      }
    }
    EXPECT_GT(numbers, 1000) << name;
  }
}

}  // namespace
}  // namespace capset
