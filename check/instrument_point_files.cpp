#include "instrument_point_files.h"

#include <algorithm>
#include <string_view>

#include "blanks.h"
#include "instrument_texts.h"
#include "number_rules.h"

namespace capset {
namespace {

constexpr std::size_t kWordHead = 7;  // index, information, sign
constexpr int kPointNumberWord = 11;
constexpr int kCodeWord = 41;
constexpr int kEastWord = 81, kNorthWord = 82, kHeightWord = 83;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetterOrDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A word's head: two digits, four of information (digits or "."), a sign.
bool IsWordHead(std::string_view text) {
  if (text.size() < kWordHead || !IsDigit(text[0]) || !IsDigit(text[1])) return false;
  for (std::size_t i = 2; i < 6; ++i) {
    if (!IsDigit(text[i]) && text[i] != '.') return false;
  }
  return text[6] == '+' || text[6] == '-';
}

struct GsiWord {
  int index;
  std::string_view info;
  char sign;
  std::string_view data;
};

// The words of a block, each its head and `width` characters of data, one
// blank or more between them; nothing when the line is not made of them.
std::optional<std::vector<GsiWord>> GsiWords(std::string_view line, std::size_t width) {
  std::vector<GsiWord> words;
  std::size_t at = 0;
  while (true) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    if (at == line.size()) return words;
    const std::string_view rest = line.substr(at);
    if (rest.size() < kWordHead + width || !IsWordHead(rest)) return std::nullopt;
    words.push_back({(rest[0] - '0') * 10 + (rest[1] - '0'), rest.substr(2, 4), rest[6], rest.substr(kWordHead, width)});
    at += kWordHead + width;
    if (at < line.size() && line[at] != ' ' && line[at] != '\t') return std::nullopt;
  }
}

// The point number without the zeros (or blanks) that fill it on the
// left: a zero before a mark ("0-C") is the name's own.
std::string PointNumber(std::string_view data) {
  std::size_t from = 0;
  while (from < data.size() && data[from] == ' ') ++from;
  while (from + 1 < data.size() && data[from] == '0' && (data[from + 1] == '0' || IsLetterOrDigit(data[from + 1]))) {
    ++from;
  }
  return std::string(TrimBlanks(data.substr(from)));
}

// A coordinate word's value as decimal text, exactly as its digits say;
// or why it is not one.
std::variant<std::string, std::string> CoordinateText(const GsiWord& w) {
  int decimals = 0;
  switch (w.info[3]) {
    case '0': decimals = 3; break;
    case '6': decimals = 4; break;
    case '8': decimals = 5; break;
    default: return std::variant<std::string, std::string>(std::in_place_index<1>, GsiUnitNotMetres(w.index, w.info[3]));
  }
  const std::string_view digits = TrimBlanks(w.data);
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) {
    return std::variant<std::string, std::string>(std::in_place_index<1>, GsiDataNotNumber(w.index));
  }
  std::string text(digits);
  if (text.size() <= static_cast<std::size_t>(decimals)) text.insert(0, decimals + 1 - text.size(), '0');
  text.insert(text.size() - decimals, ".");
  if (w.sign == '-') text.insert(0, "-");
  return std::variant<std::string, std::string>(std::in_place_index<0>, text);
}

LineReading ReadGsiLine(std::string_view line) {
  line = TrimBlanks(line);
  const bool gsi16 = line.starts_with('*');
  if (gsi16) line.remove_prefix(1);
  const auto words = GsiWords(line, gsi16 ? 16 : 8);
  if (!words || words->empty()) return {std::nullopt, kNotAGsiBlock};
  if (words->front().index == kCodeWord) return {};
  PointFields f;
  bool named = false, east = false, north = false;
  for (const GsiWord& w : *words) {
    if (w.index == kPointNumberWord) {
      f.name = PointNumber(w.data);
      named = true;
    } else if (w.index == kEastWord || w.index == kNorthWord || w.index == kHeightWord) {
      const auto value = CoordinateText(w);
      if (value.index() == 1) return {std::nullopt, std::get<1>(value)};
      const std::string& text = std::get<0>(value);
      if (w.index == kEastWord) {
        f.Y = text;
        east = true;
      } else if (w.index == kNorthWord) {
        f.X = text;
        north = true;
      } else {
        f.H = text;
      }
    }
  }
  if (!named) return {std::nullopt, kGsiNoPointNumber};
  if (!east || !north) return {std::nullopt, kGsiNoCoordinates};
  return {f, {}};
}

// A comma-separated line's fields, quotes taken off ("a,b" is one field,
// "" inside it a quote), blanks round each field trimmed.
std::vector<std::string> CsvFields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"' && IsBlank(fields.back())) {
      fields.back().clear();
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  for (std::string& f : fields) f = std::string(TrimBlanks(f));
  return fields;
}

bool IsNumber(const std::string& text) { return ReadNumber(text, NumberSymbols{}).status == ReadResult::Status::kNumber; }

LineReading ReadPnezdLine(std::string_view line) {
  const std::vector<std::string> fields = CsvFields(line);
  if (fields.size() < 4) return {std::nullopt, kNotAPnezdPoint};
  return {PointFields{fields[0], fields[1], fields[2], fields[3]}, {}};
}

std::string_view WithoutMark(std::string_view text) {
  constexpr std::string_view mark = "\xEF\xBB\xBF";
  if (text.starts_with(mark)) text.remove_prefix(mark.size());
  return text;
}

std::string LowerEnding(const std::string& fileName) {
  const std::size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos || fileName.find('/', dot) != std::string::npos) return {};
  std::string ending = fileName.substr(dot + 1);
  for (char& c : ending) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return ending;
}

}  // namespace

PointsReading ReadGsiFile(const std::string& bytes) { return ReadPointLines(bytes, NumberSymbols{}, ReadGsiLine); }

PointsReading ReadPnezdFile(const std::string& bytes) { return ReadPointLines(bytes, NumberSymbols{}, ReadPnezdLine); }

PointFileKind PointFileKindOf(const std::string& bytes, const std::string& fileName, bool* ambiguous) {
  if (ambiguous != nullptr) *ambiguous = false;
  std::string_view text = WithoutMark(bytes);
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = TrimBlanks(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty()) continue;
    if (first && (line.starts_with('*') || IsWordHead(line))) return PointFileKind::kGsi;
    first = false;
    const std::vector<std::string> f = CsvFields(line);
    if (f.size() < 4) continue;
    // A code that is empty or a word stands where PNEZD has its northing.
    const bool cass = f.size() == 5 && (f[1].empty() || !IsNumber(f[1])) && IsNumber(f[2]) && IsNumber(f[3]);
    // Four fields, more than five, or a description in words where the
    // CASS file has its height.
    const bool pnezd = IsNumber(f[1]) && IsNumber(f[2]) &&
                       (f.size() != 5 || (!f[4].empty() && !IsNumber(f[4])));
    if (cass != pnezd) return cass ? PointFileKind::kCass : PointFileKind::kPnezd;
  }
  if (ambiguous != nullptr) *ambiguous = true;
  const std::string ending = LowerEnding(fileName);
  return ending == "csv" || ending == "txt" || ending == "pnezd" ? PointFileKind::kPnezd : PointFileKind::kCass;
}

PointFileReading ReadAnyPointFile(const std::string& bytes, const std::string& fileName) {
  PointFileReading reading;
  reading.kind = PointFileKindOf(bytes, fileName, &reading.ambiguous);
  switch (reading.kind) {
    case PointFileKind::kGsi: reading.points = ReadGsiFile(bytes); break;
    case PointFileKind::kPnezd: reading.points = ReadPnezdFile(bytes); break;
    case PointFileKind::kCass: reading.points = ReadPointFile(bytes); break;
  }
  return reading;
}

const char* PointFileKindName(PointFileKind kind) {
  switch (kind) {
    case PointFileKind::kGsi: return kGsiFormatName;
    case PointFileKind::kPnezd: return kPnezdFormatName;
    case PointFileKind::kCass: break;
  }
  return kCassFormatName;
}

}  // namespace capset
