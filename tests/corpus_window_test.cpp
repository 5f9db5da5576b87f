// Every recorded script, played against the real window, prints exactly the
// transcript and leaves exactly the files it gave when it was recorded, and
// the log's rows agree with the boxes.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>
#include <sstream>
#include <tuple>

#include "corpus.h"
#include "fixed_clock.h"
#include "qt_number_reader.h"
#include "window_replay.h"

namespace capset::testing {
namespace {

class CorpusInWindow : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusInWindow, TranscriptAndFilesAreUnchanged) {
  const CorpusCase& c = GetParam();
  const CaseFolder folder(c);
  // Each case starts a day of its own, so its rows are numbered from 1.
  const QTemporaryDir dayFolder;
  std::istringstream in(Replaced(c.script, kFolderMark, folder.Path()));
  const ReplayOptions options{.locale = c.locale, .now = kTestTime, .dayFolder = dayFolder.path().toStdString()};
  const std::string output = Replaced(Replay(in, options), folder.Path(), kFolderMark);
  EXPECT_EQ(output + FileListing(folder.Files()), c.transcript);
  ExpectRowsAgreeWithBoxes(output, c.script);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusInWindow, ::testing::ValuesIn(ReadCorpus()), CorpusCaseName);

// The dialogue plays the corpus with the symbols the toolkit gives each of
// its locales.
TEST(CorpusLocales, DialogueSymbolsAreTheToolkits) {
  for (const char* name : {"zh_CN", "de_DE", "ar_EG"}) {
    const QLocale saved;
    QLocale::setDefault(QLocale(name));
    const NumberSymbols qt = QtNumberReader().Symbols();
    QLocale::setDefault(saved);
    const NumberSymbols ours = SymbolsOf(name);
    EXPECT_EQ(std::tie(qt.decimal, qt.minus, qt.plus, qt.exponent, qt.zeroDigit),
              std::tie(ours.decimal, ours.minus, ours.plus, ours.exponent, ours.zeroDigit))
        << name;
  }
}

}  // namespace
}  // namespace capset::testing
