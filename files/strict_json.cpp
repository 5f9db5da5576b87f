#include "strict_json.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <vector>

namespace capset {
namespace {

using Json = nlohmann::json;

// The line of the byte at `offset` (from 0), counted from 1.
int LineAt(const std::string& text, std::size_t offset) {
  offset = std::min(offset, text.size());
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

// nlohmann's exception ids.
constexpr int kSyntaxError = 101;     // parse_error.101
constexpr int kNumberOverflow = 406;  // out_of_range.406

// A string stops at its first byte that is not UTF-8 (a whole sequence
// read on is valid): the byte the parser stopped at is not ASCII.
bool EndsInBadByte(const std::string& read) { return static_cast<unsigned char>(read.back()) >= 0x80; }

// The value of the "\uXXXX" escape at `at`; -1 when there is none there.
int EscapeAt(const std::string& read, std::size_t at) {
  if (at + 6 > read.size() || read[at] != '\\' || read[at + 1] != 'u') return -1;
  int value = 0;
  for (std::size_t i = at + 2; i < at + 6; ++i) {
    const char c = read[i];
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

bool High(int unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool Low(int unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// A string that stopped at an escaped surrogate without its partner: a
// high one followed by anything but a low one ("\ud800\"", "\ud800\u0041"),
// or a low one standing alone ("\udc00").
bool EndsInLoneSurrogate(const std::string& read) {
  const std::size_t n = read.size();
  if (n >= 6 && Low(EscapeAt(read, n - 6))) return !(n >= 12 && High(EscapeAt(read, n - 12)));
  if (n >= 7 && High(EscapeAt(read, n - 7))) return true;                            // then one character
  if (n >= 8 && High(EscapeAt(read, n - 8)) && read[n - 2] == '\\') return true;     // then an escape not \u
  if (n >= 12 && High(EscapeAt(read, n - 12)) && EscapeAt(read, n - 6) >= 0) return true;  // then another escape
  return false;
}

// A first pass over the text that builds nothing: it refuses what the
// parser accepts but a job file must not hold, and notes where each key of
// the top two levels stands. The parser reads from a stream, so how far it
// has read tells where each event is.
class Checker : public nlohmann::json_sax<Json> {
 public:
  Checker(const std::string& text, std::istream& in, int maxDepth) : text_(text), in_(in), maxDepth_(maxDepth) {}

  bool null() override { return Value(); }
  bool boolean(bool) override { return Value(); }
  bool number_integer(number_integer_t) override { return Value(); }
  bool number_unsigned(number_unsigned_t) override { return Value(); }
  bool number_float(number_float_t, const string_t&) override { return Value(); }
  bool string(string_t&) override { return Value(); }
  bool binary(binary_t&) override { return Value(); }

  bool start_object(std::size_t) override { return Open(); }
  bool end_object() override { return Close(); }
  bool start_array(std::size_t) override { return Open(); }
  bool end_array() override { return Close(); }

  bool key(string_t& key) override {
    Level& level = levels_.back();
    // A key of the top two levels is named by its path ("start.X"), which
    // the messages put in the window's words.
    const std::string path = levels_.size() == 1 ? key : levels_.size() == 2 ? levels_[0].key + "." + key : key;
    if (!level.keys.insert(key).second) return Refuse({JobFileFault::kDuplicateKey, "", Line(), path});
    level.key = key;
    if (levels_.size() <= 2) keyLines.emplace(path, Line());
    return true;
  }

  bool parse_error(std::size_t position, const std::string& lastRead, const nlohmann::detail::exception& e) override {
    // The parser's own words are English and may change between versions:
    // the fault a user can act on is told by the error's id and by the
    // bytes where the parser stopped. `position` counts the bytes read,
    // the one at fault included.
    return Refuse({FaultOf(e.id, position, lastRead), "", LineAt(text_, position == 0 ? 0 : position - 1), ""});
  }

  std::optional<JobFileProblem> problem;
  std::map<std::string, int> keyLines;

  // The fault of a parse error: its id (406 a number beyond a double, 101
  // a syntax error), whether the text ran out, and the string the parser
  // stopped in, as read.
  JobFileFault FaultOf(int id, std::size_t position, const std::string& lastRead) const {
    if (id == kNumberOverflow) return JobFileFault::kNumberRange;
    if (id != kSyntaxError) return JobFileFault::kNotJson;
    // Past the last byte: the file ends inside a value or a string.
    if (position > text_.size()) return JobFileFault::kCutShort;
    if (!lastRead.empty() && lastRead.front() == '"' && (EndsInBadByte(lastRead) || EndsInLoneSurrogate(lastRead))) {
      return JobFileFault::kBadText;
    }
    return JobFileFault::kNotJson;
  }

 private:
  struct Level {
    std::set<std::string> keys;  // of an object; an array has none
    std::string key;             // the key being read
  };

  int Line() const {
    const std::streamoff at = in_.tellg();
    return LineAt(text_, at < 0 ? text_.size() : static_cast<std::size_t>(at));
  }
  bool Value() { return true; }
  bool Open() {
    if (static_cast<int>(levels_.size()) >= maxDepth_) return Refuse({JobFileFault::kTooDeep, "", Line(), ""});
    levels_.push_back({});
    return true;
  }
  bool Close() {
    levels_.pop_back();
    return true;
  }
  bool Refuse(JobFileProblem p) {
    if (!problem) problem = std::move(p);
    return false;
  }

  const std::string& text_;
  std::istream& in_;
  int maxDepth_;
  std::vector<Level> levels_;
};

}  // namespace

std::variant<StrictJson, JobFileProblem> ParseStrictJson(const std::string& text, int maxDepth) {
  std::istringstream in(text);
  Checker checker(text, in, maxDepth);
  if (!Json::sax_parse(in, &checker) || checker.problem) {
    return checker.problem ? *checker.problem : JobFileProblem{JobFileFault::kNotJson, "", 0, ""};
  }
  // The checked text parses without fault; the second pass builds it.
  return StrictJson{Json::parse(text), std::move(checker.keyLines)};
}

}  // namespace capset
