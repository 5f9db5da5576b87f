// @check … @end: measured points against the road and the caps of the log.

#include <string_view>

#include "blanks.h"
#include "block_lines.h"
#include "check_table.h"
#include "check_texts.h"
#include "field_ranges.h"
#include "range_texts.h"
#include "measured_points.h"
#include "point_file_reading.h"
#include "script.h"
#include "script_commands.h"

namespace capset {
namespace {

constexpr char kCheckLine[] = "@check";
constexpr char kToleranceWord[] = "tolerance";
constexpr char kHeightToleranceWord[] = "htolerance";
constexpr char kPointWord[] = "point";
constexpr char kFileWord[] = "file";

struct CheckBlock {
  double tolerance = kDefaultCheckTolerance;
  double heightTolerance = kDefaultHeightTolerance;
  std::vector<MeasuredPoint> points;
  std::vector<std::string> problems;
  // A point file that could not be read, each its own message; and what
  // was said of one that was.
  std::vector<std::string> fileErrors;
  std::vector<std::string> fileNotices;
};

// "point M 1 1033.829 2036.772": the last two words are X and Y, the name
// is what stands before them. "point M1 1033.829 2036.772 412.305": when
// the last three words after a name are numbers, they are X, Y and the
// measured height H.
void ReadPointLine(const std::string& text, int line, const NumberSymbols& symbols, CheckBlock& block) {
  std::vector<std::string> words = Words(text);
  const std::string shown = text.empty() ? kPointWord : std::string(kPointWord) + " " + text;
  if (words.size() < 3) {
    block.problems.push_back(CheckLineProblem(line, shown, kNotATypedPoint));
    return;
  }
  std::optional<double> H;
  std::string typedH;
  if (words.size() >= 4) {
    const auto number = [&](std::size_t from_end) {
      return ReadNumber(words[words.size() - from_end], symbols).status == ReadResult::Status::kNumber;
    };
    if (number(1) && number(2) && number(3)) {
      H = ReadNumber(words.back(), symbols).value;
      typedH = words.back();
      words.pop_back();
    }
  }
  std::string name = words[0];
  for (std::size_t w = 1; w + 2 < words.size(); ++w) name += " " + words[w];
  const ReadResult X = ReadNumber(words[words.size() - 2], symbols);
  const ReadResult Y = ReadNumber(words.back(), symbols);
  if (X.status != ReadResult::Status::kNumber) {
    block.problems.push_back(CheckLineProblem(line, shown, kPointXNotNumber));
  } else if (Y.status != ReadResult::Status::kNumber) {
    block.problems.push_back(CheckLineProblem(line, shown, kPointYNotNumber));
  } else if (const auto beyond = PointBeyond(words[words.size() - 2], X.value, words.back(), Y.value)) {
    block.problems.push_back(CheckLineProblem(line, shown, *beyond));
  } else if (H && !Within(*H, kCoordinateRange)) {
    block.problems.push_back(CheckLineProblem(line, shown, NotWithinReason(typedH, kCoordinateRange)));
  } else {
    block.points.push_back({name, {X.value, Y.value}, H});
  }
}

// The block's lines up to "@end" (or the next command line, left for the
// script); lines are numbered from the first after "@check".
CheckBlock ReadCheckBlock(ScriptLines& lines, const CommandTable& commands, const NumberSymbols& symbols,
                          FileStore* files, std::ostream& out) {
  CheckBlock block;
  int number = 0;
  while (std::optional<std::string> line = NextBlockLine(lines, commands)) {
    ++number;
    std::string value;
    // A tolerance in plan or in height: kept when read, else the line's problem.
    const auto take = [&](double& target) {
      const auto tolerance = ReadTolerance(value, symbols);
      if (const double* read = std::get_if<double>(&tolerance)) {
        target = *read;
      } else {
        block.problems.push_back(CheckLineProblem(number, *line, std::get<std::string>(tolerance)));
      }
    };
    if (TakeField(*line, kHeightToleranceWord, value)) {
      take(block.heightTolerance);
    } else if (TakeField(*line, kToleranceWord, value)) {
      take(block.tolerance);
    } else if (TakeField(*line, kPointWord, value)) {
      ReadPointLine(value, number, symbols, block);
    } else if (files != nullptr && TakeField(*line, kFileWord, value)) {
      // The file's points go with the typed ones, in the block's order.
      MeasuredFile read = ReadMeasuredFile(*files, value, value);
      if (!read.error.empty()) {
        block.fileErrors.push_back(read.error);
      } else {
        if (!read.notice.empty()) block.fileNotices.push_back(read.notice);
        block.points.insert(block.points.end(), read.points.begin(), read.points.end());
      }
    } else {
      out << "IGNORED " << *line << '\n';
    }
  }
  return block;
}

}  // namespace

void AddCheckCommands(CommandTable& table, ScriptContext& context) {
  using enum CommandTable::Argument;
  table.Add(kCheckLine, kNone, [&table, &context](const std::string&, ScriptLines& lines) {
    std::ostream& out = context.out;
    // A check that is refused leaves no report to print: the one before it
    // answered other points.
    context.lastCheck.reset();
    const CheckBlock block = ReadCheckBlock(lines, table, context.reader.Symbols(), context.files, out);
    for (const std::string& error : block.fileErrors) out << "MESSAGE " << OneLine(error) << '\n';
    if (!block.problems.empty()) {
      out << "MESSAGE " << OneLine(CheckPointsRejected(block.problems, kMaxListedCheckProblems)) << '\n';
    }
    if (!block.fileErrors.empty() || !block.problems.empty()) {
      out << std::flush;
      return;
    }
    for (const std::string& notice : block.fileNotices) out << "NOTICE " << OneLine(notice) << '\n';
    const CheckRun run = context.session.Check(block.points, block.tolerance, block.heightTolerance);
    if (!run.error.empty()) {
      out << "MESSAGE " << OneLine(run.error) << '\n' << std::flush;
      return;
    }
    context.lastCheck = CheckReport{run.results, block.tolerance, block.heightTolerance, run.notice};
    if (!run.notice.empty()) out << "NOTICE " << OneLine(run.notice) << '\n';
    for (const CheckResult& r : run.results) out << CheckLine(r) << '\n';
    out << std::flush;
  });
}

}  // namespace capset
