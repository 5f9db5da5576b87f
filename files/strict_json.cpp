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

  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e) override {
    // The parser's own words are English; what they say is sorted into
    // the faults a user can act on. `position` counts the bytes read, the
    // one at fault included.
    const std::string what = e.what();
    JobFileFault fault = JobFileFault::kNotJson;
    if (e.id == 406) {
      fault = JobFileFault::kNumberRange;
    } else if (what.find("unexpected end of input") != std::string::npos ||
               what.find("missing closing quote") != std::string::npos) {
      fault = JobFileFault::kCutShort;
    } else if (what.find("ill-formed UTF-8") != std::string::npos || what.find("surrogate") != std::string::npos) {
      fault = JobFileFault::kBadText;
    }
    return Refuse({fault, "", LineAt(text_, position == 0 ? 0 : position - 1), ""});
  }

  std::optional<JobFileProblem> problem;
  std::map<std::string, int> keyLines;

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
