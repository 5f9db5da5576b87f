#include "local_time.h"

#include <ctime>

namespace capset {
namespace {

std::string Padded(int value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return (value < 0 ? "-" : "") + digits;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

LocalTime SystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
#ifdef _WIN32
  // Windows has the same thread-safe call under its own name, arguments swapped.
  if (localtime_s(&parts, &now) != 0) return {};
#else
  if (localtime_r(&now, &parts) == nullptr) return {};
#endif
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::string DateText(const LocalTime& t) {
  return Padded(t.year, 4) + "-" + Padded(t.month, 2) + "-" + Padded(t.day, 2);
}

std::string DateTimeText(const LocalTime& t) {
  return DateText(t) + " " + Padded(t.hour, 2) + ":" + Padded(t.minute, 2) + ":" + Padded(t.second, 2);
}

std::optional<LocalTime> ReadDateTime(const std::string& text) {
  // Exactly "YYYY-MM-DD HH:MM:SS": digits where digits go, nothing else.
  constexpr char kShape[] = "dddd-dd-dd_dd:dd:dd";
  if (text.size() != sizeof kShape - 1) return std::nullopt;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool digit = c >= '0' && c <= '9';
    const bool fits = kShape[i] == 'd' ? digit : kShape[i] == '_' ? (c == ' ' || c == 'T') : c == kShape[i];
    if (!fits) return std::nullopt;
  }
  auto number = [&text](std::size_t at, std::size_t length) { return std::stoi(text.substr(at, length)); };
  const LocalTime t{number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), number(17, 2)};
  if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysIn(t.year, t.month) || t.hour > 23 ||
      t.minute > 59 || t.second > 60) {
    return std::nullopt;
  }
  return t;
}

}  // namespace capset
